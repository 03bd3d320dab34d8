// Test helpers for the 2055 family: runs one table of a translator on a
// recording engine; the lookups in the calls it recorded are the shared
// trace helpers, named here too.
#pragma once

#include <cstdint>
#include <map>
#include <set>
#include <string>

#include "engine/form_translator.h"
#include "support/recording_engine.h"
#include "support/trace_calls.h"

namespace ombrel::form2055_testing {

using testing::Addr;
using testing::Calls;
using testing::Comp;
using testing::CountMember;
using testing::IndexOf;
using testing::Mentions;
using testing::Q;
using testing::SetAliasCall;

// EntrainMain's calls on a recording engine answering Licensing with licensing.
Calls MainCalls(FormTranslator& translator, int32_t licensing = -2);
// AppendAddenda's calls on a recording engine, where every tag has a value.
Calls AddendaCalls(FormTranslator& translator);
// AppendAddenda's calls on an order holding exactly values (SetAlias True
// only for a tag with a value), whose report refuses refusedForms.
Calls AddendaCalls(FormTranslator& translator, const std::map<std::string, std::string>& values,
                   const std::set<std::string>& refusedForms = {});

// calls with every whole quoted text from replaced by to ("DUQ" -> "QAR").
Calls Renamed(Calls calls, const std::string& from, const std::string& to);

}  // namespace ombrel::form2055_testing
