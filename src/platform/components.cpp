#include "platform/components.h"

#include "platform/envelope/zip_envelope.h"
#include "platform/report/rpt_document.h"
#include "platform/xml/pugi_xml_dom.h"

namespace ombrel {

namespace {

class RealComponents : public ComponentFactory {
 public:
  std::unique_ptr<FileSystemObject> CreateFileSystem() override { return CreateLocalFileSystem(); }
  std::unique_ptr<Envelope> CreateEnvelope() override { return std::make_unique<ZipEnvelope>(CreateFileSystem()); }
  std::unique_ptr<XmlDom> CreateXmlDom() override { return std::make_unique<PugiXmlDom>(); }
  std::unique_ptr<ReportDocument> CreateReportDocument() override {
    return std::make_unique<RptDocument>();
  }
  std::unique_ptr<WorkspaceLock> CreateWorkspaceLock(const std::string& folder) override {
    return CreateFileWorkspaceLock(folder);
  }
};

}  // namespace

std::unique_ptr<ComponentFactory> CreateRealComponents() { return std::make_unique<RealComponents>(); }

}  // namespace ombrel
