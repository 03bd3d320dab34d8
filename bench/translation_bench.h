// The translation, CPU bound: Translate of a full order without photos (and
// of one with supplemental order documents) to a report path chosen
// beforehand, beside pugixml parsing the same order text. Orders and reports
// live in memory-backed files, so the disk does not enter the figure.
#pragma once

#include <string>
#include <vector>

#include "figure_table.h"
#include "median_reporter.h"
#include "scratch_folder.h"
#include "shell/file_record.h"
#include "traced_order.h"

namespace ombrel::bench {

class TranslationBench {
 public:
  // name: the figure's name and the benchmarks' stem. Needs a started program.
  TranslationBench(std::string name, FullOrders orders);

  void Register();
  std::vector<Figure> Figures(const MedianReporter& times, std::vector<std::string>& notes) const;

 private:
  bool TranslateOnce();

  std::string name_;
  FullOrders orders_;
  ScratchFolder folder_;
  std::string mainPath_;
  std::vector<FileRecord> supplements_;
  std::vector<std::string> texts_;  // every order text, main first
  std::string report_;
};

}  // namespace ombrel::bench
