#include "median_reporter.h"

namespace ombrel::bench {

void MedianReporter::ReportRuns(const std::vector<Run>& runs) {
  for (const Run& run : runs) {
    if (run.error_occurred) continue;
    const double seconds = run.GetAdjustedRealTime() / benchmark::GetTimeUnitMultiplier(run.time_unit);
    const std::string& name = run.run_name.function_name;
    if (run.run_type == Run::RT_Aggregate && run.aggregate_name == "median") {
      medians_[name] = seconds;
    } else if (run.run_type == Run::RT_Iteration) {
      singles_[name] = seconds;
    }
  }
  ConsoleReporter::ReportRuns(runs);
}

std::optional<double> MedianReporter::Seconds(const std::string& name) const {
  if (auto median = medians_.find(name); median != medians_.end()) return median->second;
  if (auto single = singles_.find(name); single != singles_.end()) return single->second;
  return std::nullopt;
}

}  // namespace ombrel::bench
