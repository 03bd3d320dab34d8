// Checks of the frame every translator shares: its constants, no engine
// until one is handed over, and an empty engine refused with "Invalid Server
// Object" raised under the translator's own name, the engine kept.
#pragma once

#include <string>

#include "engine/form_translator.h"

namespace ombrel::testing {

struct ExpectedFrame {
  std::string source;  // the name errors are raised under, e.g. "FM1004"
  std::string formNumber, formName, skeleton;
};

// Expects the constants, then hands a RecordingEngine over and an empty one
// after it. The translator keeps a pointer to that engine, gone after the call:
// use it for nothing else.
void ExpectTranslatorFrame(FormTranslator& translator, const ExpectedFrame& expected);

}  // namespace ombrel::testing
