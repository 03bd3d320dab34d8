// Running a supplemental form's translator on a recording engine for the
// tests of this group: its main table on an order where every tag answers its
// own text, or on a scripted order, and the calls counted by member.
#pragma once

#include <map>
#include <string>

#include "engine/form_translator.h"
#include "support/recording_engine.h"
#include "support/trace_calls.h"

namespace ombrel::supplemental_testing {

using testing::Calls;
using testing::CountByMember;

// EntrainMain on an engine whose every tag has a value: its own text.
Calls MainCalls(FormTranslator& translator);
// EntrainMain on an order holding exactly values; SetAlias answers True only
// for a tag with a value, as the engine does.
Calls MainCalls(FormTranslator& translator, const std::map<std::string, std::string>& values);
// AppendAddenda alone.
Calls AddendaCalls(FormTranslator& translator);

// The calls from first to last, both included; empty when either is missing
// or last comes before first.
Calls Between(const Calls& calls, const std::string& first, const std::string& last);

}  // namespace ombrel::supplemental_testing
