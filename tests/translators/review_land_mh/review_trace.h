// Test helpers for the review, land and manufactured-home translators: runs
// one table of a translator on a recording engine (also the shared
// procedures' current engine) and looks up the columns, forms, reads and
// photos in the calls it recorded.
#pragma once

#include <cstdint>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "engine/form_translator.h"
#include "support/trace_calls.h"
#include "support/written_addresses.h"

namespace ombrel::review_testing {

using testing::Calls;
using testing::Contains;
using testing::CountByMember;
using testing::ExpectDistinctWellFormedAddresses;
using testing::IndexOf;
using testing::Member;
using testing::Q;
using testing::SetAliasCall;
using Values = std::map<std::string, std::string>;

// EntrainMain's calls on a recording engine (every tag has its own name as
// value) answering Licensing with licensing.
Calls MainCalls(FormTranslator& translator, int32_t licensing = -2);
// EntrainMain's calls on an order holding exactly values.
Calls MainCalls(FormTranslator& translator, const Values& values);
// AppendAddenda's calls on a recording engine, where every tag has a value.
Calls AddendaCalls(FormTranslator& translator);
// AppendAddenda's calls on an order holding exactly values (SetAlias answers
// whether its tag has one), on a report refusing refusedForms.
Calls AddendaCalls(FormTranslator& translator, const Values& values,
                   const std::set<std::string>& refusedForms = {});

// The calls from the first equal to first up to, not including, the first
// equal to next after it; empty when either is missing.
Calls Column(const Calls& calls, const std::string& first, const std::string& next);
// The forms that SetForm was asked for, in order.
std::vector<std::string> FormsSet(const Calls& calls);
// The tags ReadDirect was asked for, in order.
std::vector<std::string> TagsRead(const Calls& calls);

// The SetPhoto calls of the shared photo procedures for the subject,
// comparables 1 to comparables, additional photos 1 to general and, when
// sketches is true, the sketch and the four maps, in the order made.
Calls PhotoCalls(int comparables, int general, bool sketches);

std::string MapValueCall(const std::string& tag, const std::string& expected);

}  // namespace ombrel::review_testing
