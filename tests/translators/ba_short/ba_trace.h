// Test helpers for the short main-form translators: the shared trace helpers
// they use, and the fields and photos of the calls a table made.
#pragma once

#include <cstdint>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "engine/form_translator.h"
#include "support/recording_engine.h"
#include "support/trace_calls.h"

namespace ombrel::ba_testing {

using testing::AddendaCalls;
using testing::Among;
using testing::Between;
using testing::Calls;
using testing::Contains;
using testing::CountByMember;
using testing::IndexOf;
using testing::MainCalls;
using testing::Member;
using testing::OrderEngine;
using testing::Q;

// Every field a call writes or ticks, as "form|line|field" with the form that
// the calls' SetForm steps made current (initialForm before the first).
// Fails the test for an argument at an address place that is no address.
std::vector<std::string> WrittenFields(const Calls& calls, const std::string& initialForm);
// The fields that more than one call writes.
std::set<std::string> FieldsWrittenTwice(const Calls& calls, const std::string& initialForm);

// The SetPhoto calls of AddSubjectPhotos, AddGeneralPhotos(count) and
// AddSketchesAndMaps on an order without images.
Calls SubjectPhotoCalls();
Calls GeneralPhotoCalls(int count);
Calls SketchAndMapCalls();

}  // namespace ombrel::ba_testing
