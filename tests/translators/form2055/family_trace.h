// Test helpers for the 2055 family: the shared trace helpers it uses, and
// one of its own for comparing the members' tables.
#pragma once

#include <cstdint>
#include <map>
#include <set>
#include <string>

#include "engine/form_translator.h"
#include "support/recording_engine.h"
#include "support/trace_calls.h"

namespace ombrel::form2055_testing {

using testing::AddendaCalls;
using testing::Addr;
using testing::Calls;
using testing::Comp;
using testing::CountMember;
using testing::IndexOf;
using testing::MainCalls;
using testing::Mentions;
using testing::Q;
using testing::SetAliasCall;

// calls with every whole quoted text from replaced by to ("DUQ" -> "QAR").
Calls Renamed(Calls calls, const std::string& from, const std::string& to);

}  // namespace ombrel::form2055_testing
