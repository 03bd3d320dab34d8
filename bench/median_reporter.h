// Prints Google Benchmark's usual console report and keeps, for each
// benchmark, the median real time of its repetitions (or the mean time of
// its only run), in seconds per iteration.
#pragma once

#include <map>
#include <optional>
#include <string>
#include <vector>

#include <benchmark/benchmark.h>

namespace ombrel::bench {

class MedianReporter : public benchmark::ConsoleReporter {
 public:
  explicit MedianReporter(OutputOptions options) : ConsoleReporter(options) {}
  void ReportRuns(const std::vector<Run>& runs) override;

  // Seconds per iteration of the benchmark named name; nothing when it did
  // not run or stopped with an error.
  std::optional<double> Seconds(const std::string& name) const;

 private:
  std::map<std::string, double> medians_;
  std::map<std::string, double> singles_;
};

}  // namespace ombrel::bench
