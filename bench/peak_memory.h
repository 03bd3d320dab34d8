// Peak resident memory of one piece of work, measured in a child process of
// its own (this executable started again with --peak-child), so neither the
// fixtures nor the earlier runs of the parent count. The child resets the
// kernel's high-water mark right before the work, so the figure is the
// largest resident set while the work ran (which includes the process's own
// baseline: code, libraries, the started program).
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace ombrel::bench {

struct PeakMemory {
  double peakMiB = 0;      // VmHWM after the work
  double baselineMiB = 0;  // VmRSS right before it
};

// Runs this executable with "--peak-child" and args; nothing when the child
// failed (its standard error is passed through).
std::optional<PeakMemory> MeasureInChild(const std::vector<std::string>& args);

// Runs this executable with "--peak-child" and args and reads the numbers
// the child printed; nothing when it failed.
std::optional<std::vector<double>> NumbersFromChild(const std::vector<std::string>& args);

// The child's side: prepares, then measures work and prints the two figures
// for the parent. Returns the process's exit code.
int ReportPeakOf(const std::function<void()>& prepare, const std::function<void()>& work);

}  // namespace ombrel::bench
