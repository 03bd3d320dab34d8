// Clearing what a dead step left, when what it left was written to cost:
// records of shapes no step writes (20,000 spellings of one folder's files;
// 2,000 entries naming one 128 MiB file with a wrong CRC-32; a sparse
// pending record of 16 GiB), each beside a genuine record of as many
// entries whose files are all removed. Each pair is timed in alternation,
// every clearing on a fixture made afresh, and each side's peak resident
// memory is measured in a child process of its own.
#pragma once

#include <string>
#include <vector>

#include "figure_table.h"
#include "scratch_folder.h"

namespace ombrel::bench {

class RecordClearingBench {
 public:
  // The fixtures are made under base, one shape at a time.
  explicit RecordClearingBench(const std::string& base);

  // Per shape, the time and the peak memory figures.
  std::vector<Figure> Figures(int repetitions, std::vector<std::string>& notes);

  // The child side of the memory figures: {"records", how, folder}.
  static int RunChild(const std::vector<std::string>& args);

 private:
  ScratchFolder scratch_;
};

}  // namespace ombrel::bench
