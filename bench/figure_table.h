// The bench's result: one line per figure with its value, the reference
// measured in the same run, their ratio and the target, then notes.
#pragma once

#include <optional>
#include <ostream>
#include <string>
#include <vector>

namespace ombrel::bench {

struct Figure {
  std::string name;
  double value = 0;
  double reference = 0;
  std::string unit;       // of value and reference: "ms", "us", "ns", "MiB"
  std::string target;     // "<= 1.2x", "< 50 MiB"; "" when none
  std::optional<bool> met;  // nothing when there is no target
};

// Value and reference with their unit, the ratio value / reference.
void PrintFigures(const std::vector<Figure>& figures, const std::vector<std::string>& notes,
                  std::ostream& out);

}  // namespace ombrel::bench
