#include "translate_call.h"

#include "engine/xml_reader.h"
#include "services/engine_services.h"

namespace ombrel::bench {

bool TranslateOrder(BenchWorkspace& workspace, const std::string& orderPath,
                    const std::string& reportPath, const std::vector<FileRecord>& supplements) {
  EngineServices services = workspace.services();
  services.envelopeFiles = &supplements;
  std::string report = reportPath;
  return XmlReader(services, workspace.catalogue(), workspace.targetFormDialog())
      .Translate(report, orderPath);
}

}  // namespace ombrel::bench
