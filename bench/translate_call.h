// One translation by the real engine, as the envelope step runs it: a new
// engine for the main order document, the supplemental ones as the
// envelope's documents, the report to a path chosen beforehand. Needs a
// started program (a BenchWorkspace).
#pragma once

#include <string>
#include <vector>

#include "shell/file_record.h"

namespace ombrel::bench {

// True when the engine wrote the report.
bool TranslateOrder(const std::string& orderPath, const std::string& reportPath,
                    const std::vector<FileRecord>& supplements = {});

}  // namespace ombrel::bench
