#include "preset_report_engine.h"

namespace ombrel::bench {

bool PresetReportEngine::Translate(std::string& rptFile, const std::string& xmlFile) {
  rptFile = reportPath_;
  const bool written = engine_.Translate(rptFile, xmlFile);
  if (translated_ != nullptr) *translated_ = written;
  return written;
}

}  // namespace ombrel::bench
