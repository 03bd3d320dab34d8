// One translation by the real engine, as the envelope step runs it: a new
// engine for the main order document, the supplemental ones as the
// envelope's documents, the report to a path chosen beforehand, on the
// services of the program started in workspace.
#pragma once

#include <string>
#include <vector>

#include "bench_workspace.h"
#include "services/file_record.h"

namespace ombrel::bench {

// True when the engine wrote the report.
bool TranslateOrder(BenchWorkspace& workspace, const std::string& orderPath,
                    const std::string& reportPath, const std::vector<FileRecord>& supplements = {});

}  // namespace ombrel::bench
