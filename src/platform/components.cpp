#include "platform/components.h"

#include "platform/pugi_xml_dom.h"
#include "platform/rpt_document.h"
#include "platform/zip_envelope.h"
#include "platform/zip_write_state.h"

namespace ombrel {

namespace {

class RealComponents : public ComponentFactory {
 public:
  // The program makes its factory when it starts: the report writing state
  // is set up then, not during the first report.
  RealComponents() { reportWriting_->Prepare(); }
  std::unique_ptr<FileSystemObject> CreateFileSystem() override { return CreateLocalFileSystem(); }
  std::unique_ptr<Envelope> CreateEnvelope() override { return std::make_unique<ZipEnvelope>(); }
  std::unique_ptr<XmlDom> CreateXmlDom() override { return std::make_unique<PugiXmlDom>(); }
  std::unique_ptr<ReportDocument> CreateReportDocument() override {
    return std::make_unique<RptDocument>(reportWriting_);
  }

 private:
  // Kept for every report this factory's documents write, so that a steady
  // run of translations allocates no deflate state and no buffer.
  std::shared_ptr<ZipWriteState> reportWriting_ = std::make_shared<ZipWriteState>();
};

}  // namespace

std::unique_ptr<ComponentFactory> CreateRealComponents() { return std::make_unique<RealComponents>(); }

}  // namespace ombrel
