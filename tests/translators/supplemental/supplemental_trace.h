// The shared trace helpers that the supplemental forms' tests use.
#pragma once

#include "support/trace_calls.h"

namespace ombrel::supplemental_testing {

using testing::AddendaCalls;
using testing::Between;
using testing::Calls;
using testing::CountByMember;
using testing::MainCalls;

}  // namespace ombrel::supplemental_testing
