// Creates the outside components the program works through. The shell and the
// engine create them only here, so tests can make a creation fail either way
// the program must handle: no object (nullptr) or an error.
#pragma once

#include <memory>
#include <string>

#include "platform/envelope/envelope.h"
#include "platform/files/file_system_object.h"
#include "platform/report/report_document.h"
#include "platform/workspace/workspace_lock.h"
#include "platform/xml/xml_dom.h"

namespace ombrel {

class ComponentFactory {
 public:
  virtual ~ComponentFactory() = default;
  virtual std::unique_ptr<FileSystemObject> CreateFileSystem() = 0;
  virtual std::unique_ptr<Envelope> CreateEnvelope() = 0;
  virtual std::unique_ptr<XmlDom> CreateXmlDom() = 0;
  virtual std::unique_ptr<ReportDocument> CreateReportDocument() = 0;
  // The lock of the workspace whose folder is folder ("" or ending in "/").
  virtual std::unique_ptr<WorkspaceLock> CreateWorkspaceLock(const std::string& folder) = 0;
};

// The real components: local files, libzip envelopes, pugixml, .RPT reports,
// a lock file in the workspace.
std::unique_ptr<ComponentFactory> CreateRealComponents();

}  // namespace ombrel
