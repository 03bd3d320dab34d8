// The envelope step, I/O bound: the program's step on an envelope of photos
// and a full order (open, extract, rename, move to Pix, translate to a report
// path chosen beforehand, write the report, delete), beside libzip alone
// doing the same file work and writing the same report, the two timed in
// alternation with a sync before each. Its peak resident memory is measured
// in child processes, for the timed envelope and for a larger one.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "bench_workspace.h"
#include "figure_table.h"
#include "scratch_folder.h"
#include "traced_order.h"

namespace ombrel::bench {

class StepBench {
 public:
  static constexpr std::size_t kPhotoSize = 4 * 1024 * 1024;

  // order: the main order document; its photo tags name the first photos.
  // The step runs in workspace, which must outlive this object.
  StepBench(BenchWorkspace& workspace, FullOrders order, std::size_t photos,
            std::size_t largePhotos);

  // The timing figure, then the memory figures.
  std::vector<Figure> Figures(int repetitions, std::vector<std::string>& notes);

  // The child side of the memory figures; args as MeasureInChild passed them.
  static int RunChild(const std::vector<std::string>& args);

 private:
  void StepOnce();
  void ReferenceOnce();
  // The step's and the reference's peak memory on an envelope of this many
  // photos; the envelope is made and removed here.
  void AddMemoryFigures(std::size_t photos, std::vector<Figure>& figures,
                        std::vector<std::string>& notes);
  std::vector<std::string> ReferenceArgs(const std::string& envelope,
                                         const std::vector<std::string>& entries) const;

  FullOrders order_;
  std::size_t photos_;
  std::size_t largePhotos_;
  std::size_t carried_;  // photos the report carries
  BenchWorkspace& workspace_;
  std::string envelope_;
  std::vector<std::string> entries_;  // the archive entry of each photo
  std::string referenceFolder_;
  std::string reportXml_;      // the REPORT.XML of the step's report
  std::string reportXmlPath_;  // the same in a file, for the child processes
};

}  // namespace ombrel::bench
