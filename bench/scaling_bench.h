// Costs that must grow with the input no faster than its size, each beside
// the same work without the growth, timed in alternation: a translation of
// an order with 900 extra comparables before or after the real ones, with an
// alias file of 100,000 more lines (digits in their literal text), and with a
// picture folder of 100,000 files none of which the order names; then, in
// child processes, the peak memory of translating a 15 MB order and orders
// packed with attributes up to the size limit, and the first translation of
// a process beside its steady state.
#pragma once

#include <string>
#include <vector>

#include "bench_workspace.h"
#include "figure_table.h"
#include "scratch_folder.h"

namespace ombrel::bench {

// text with count copies of its first comparable, numbered from 1000 on,
// before the first of its comparables or after the last.
std::string WithExtraComparables(const std::string& text, std::size_t count, bool before);

class ScalingBench {
 public:
  // plainOrder: a full main order whose photo tags name nothing;
  // photoOrder: the same naming photo files. workspace: the started program,
  // whose alias file and picture folder the figures swap for a while.
  ScalingBench(BenchWorkspace& workspace, const std::string& plainOrder, const std::string& photoOrder);

  std::vector<Figure> Figures(int repetitions, std::vector<std::string>& notes);

  // The child side of the memory and first-translation figures.
  static int RunChild(const std::vector<std::string>& args);

 private:
  std::string Write(const std::string& name, const std::string& text) const;
  void Translate(const std::string& order) const;
  void AddChildFigures(std::vector<Figure>& figures, std::vector<std::string>& notes);

  BenchWorkspace& workspace_;
  ScratchFolder memory_;  // orders and reports of the timed figures
  ScratchFolder disk_;    // the large orders of the memory figures
  std::string plain_;
  std::string photos_;
  std::string plainText_;
  std::string report_;
};

}  // namespace ombrel::bench
