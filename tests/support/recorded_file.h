// What a step records of a file that will hold bytes: its path, size and
// CRC-32, for the tests that write records as a step, or a planter, would.
#pragma once

#include <string>

#include "platform/workspace/step_record.h"

namespace ombrel::testing {

RecordedFile Holding(const std::string& path, const std::string& bytes);

}  // namespace ombrel::testing
