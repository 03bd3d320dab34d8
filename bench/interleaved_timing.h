// Times a value and its reference in alternation, so that both see the same
// machine: repetition after repetition, one and then the other (which goes
// first alternates too), each after its own untimed preparation (a sync for
// the disk figures, a swapped folder for the scaling ones). One untimed call
// of each warms up first. Each timed sample is batch calls in a row.
#pragma once

#include <functional>
#include <string>
#include <vector>

namespace ombrel::bench {

struct Samples {
  std::vector<double> seconds;  // per call, one per repetition
  double Median() const;
  double Min() const;
  double Max() const;
};

struct InterleavedTimes {
  Samples value;
  Samples reference;
  // "value 2.91-3.02 ms, reference 0.72-0.77 ms over 7 interleaved repetitions"
  std::string Spread(double scale, const std::string& unit) const;
};

struct Side {
  std::function<void()> call;
  std::function<void()> prepare;  // may be empty
};

InterleavedTimes TimeInterleaved(int repetitions, int batch, const Side& value, const Side& reference);

}  // namespace ombrel::bench
