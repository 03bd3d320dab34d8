// Test helpers for the review, land and manufactured-home translators: the
// shared trace helpers they use, and lookups of the forms, reads and photos
// in the calls a table made.
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

using testing::AddendaCalls;
using testing::Between;
using testing::Calls;
using testing::Contains;
using testing::CountByMember;
using testing::ExpectDistinctWellFormedAddresses;
using testing::IndexOf;
using testing::MainCalls;
using testing::Member;
using testing::Q;
using testing::SetAliasCall;
using testing::UpTo;
using testing::Values;

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
