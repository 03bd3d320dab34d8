#include "interleaved_timing.h"

#include <algorithm>
#include <chrono>
#include <cstdio>

namespace ombrel::bench {

namespace {

double TimeBatch(int batch, const Side& side) {
  if (side.prepare) side.prepare();
  const auto start = std::chrono::steady_clock::now();
  for (int i = 0; i < batch; ++i) side.call();
  const std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;
  return took.count() / batch;
}

std::string Range(const Samples& samples, double scale, const std::string& unit) {
  char text[96];
  std::snprintf(text, sizeof text, "%.3g-%.3g %s", samples.Min() * scale, samples.Max() * scale, unit.c_str());
  return text;
}

}  // namespace

double Samples::Median() const {
  if (seconds.empty()) return 0;
  std::vector<double> sorted = seconds;
  std::sort(sorted.begin(), sorted.end());
  const std::size_t middle = sorted.size() / 2;
  return sorted.size() % 2 == 1 ? sorted[middle] : (sorted[middle - 1] + sorted[middle]) / 2;
}

double Samples::Min() const { return seconds.empty() ? 0 : *std::min_element(seconds.begin(), seconds.end()); }

double Samples::Max() const { return seconds.empty() ? 0 : *std::max_element(seconds.begin(), seconds.end()); }

std::string InterleavedTimes::Spread(double scale, const std::string& unit) const {
  return "value " + Range(value, scale, unit) + ", reference " + Range(reference, scale, unit) + " over " +
         std::to_string(value.seconds.size()) + " interleaved repetitions";
}

InterleavedTimes TimeInterleaved(int repetitions, int batch, const Side& value, const Side& reference) {
  InterleavedTimes times;
  TimeBatch(1, value);
  TimeBatch(1, reference);
  for (int r = 0; r < repetitions; ++r) {
    if (r % 2 == 0) {
      times.value.seconds.push_back(TimeBatch(batch, value));
      times.reference.seconds.push_back(TimeBatch(batch, reference));
    } else {
      times.reference.seconds.push_back(TimeBatch(batch, reference));
      times.value.seconds.push_back(TimeBatch(batch, value));
    }
  }
  return times;
}

}  // namespace ombrel::bench
