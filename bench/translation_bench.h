// The translation, CPU bound: Translate of a full order without photos (and
// of one with supplemental order documents) to a report path chosen
// beforehand, beside its physical limit (PhysicalLimitReference), the two
// timed in alternation in one run; bare pugixml parsing of the same order
// texts is shown for information. Orders and reports live in memory-backed
// files, so the disk's speed does not enter the figure.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "bench_workspace.h"
#include "figure_table.h"
#include "physical_limit_reference.h"
#include "scratch_folder.h"
#include "services/file_record.h"
#include "traced_order.h"

namespace ombrel::bench {

class TranslationBench {
 public:
  // name: the figure's name. workspace: the started program, which must
  // outlive the bench.
  TranslationBench(std::string name, FullOrders orders, BenchWorkspace& workspace);

  std::vector<Figure> Figures(int repetitions, std::vector<std::string>& notes) const;

  const std::string& MainPath() const { return mainPath_; }

 private:
  bool TranslateOnce() const;

  std::string name_;
  FullOrders orders_;
  BenchWorkspace& workspace_;
  ScratchFolder folder_;
  std::string mainPath_;
  std::vector<FileRecord> supplements_;
  std::vector<std::string> texts_;  // every order text, main first
  std::string report_;
  std::unique_ptr<PhysicalLimitReference> reference_;
};

}  // namespace ombrel::bench
