// Test helpers for the short main-form translators: runs one table of a
// translator on a recording engine and looks things up in the calls it made.
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

using testing::Calls;
using testing::Contains;
using testing::CountByMember;
using testing::IndexOf;
using testing::Member;
using testing::Q;

// A recording engine whose order holds only values (SetAlias answers whether
// its tag has one) and whose report refuses refusedForms.
std::unique_ptr<testing::RecordingEngine> OrderEngine(
    std::map<std::string, std::string> values, std::set<std::string> refusedForms = {});

// EntrainMain's calls on a recording engine answering Licensing with licensing.
Calls MainCalls(FormTranslator& translator, int32_t licensing = -2);
// AppendAddenda's calls on a recording engine, where every tag has a value.
Calls AddendaCalls(FormTranslator& translator);
// One table's calls on engine, which is the shared procedures' current engine
// for the run.
Calls MainCalls(FormTranslator& translator, std::unique_ptr<testing::RecordingEngine> engine);
Calls AddendaCalls(FormTranslator& translator, std::unique_ptr<testing::RecordingEngine> engine);

// The calls from the one equal to first up to and including the one equal to
// last; empty when either is missing or they stand the wrong way round.
Calls Between(const Calls& calls, const std::string& first, const std::string& last);

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
