#include "translate_call.h"

#include <memory>

#include "engine/common_forms.h"
#include "engine/xml_reader.h"
#include "shell/globals.h"

namespace ombrel::bench {

bool TranslateOrder(const std::string& orderPath, const std::string& reportPath,
                    const std::vector<FileRecord>& supplements) {
  Global().EnvelopeFiles = supplements;
  CurrentEngine() = std::make_unique<XmlReader>();
  std::string report = reportPath;
  const bool written = CurrentEngine()->Translate(report, orderPath);
  CurrentEngine().reset();
  Global().EnvelopeFiles.clear();
  return written;
}

}  // namespace ombrel::bench
