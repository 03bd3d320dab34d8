// The real components, with an XML reader that notes every order tag asked
// of it: by document (0 for the first text loaded, then one more for each
// later load) and whether it had a value.
#pragma once

#include <map>
#include <memory>
#include <string>
#include <utility>

#include "platform/components.h"

namespace ombrel::bench {

// (document, tag) -> had a value.
using AskedTags = std::map<std::pair<int, std::string>, bool>;

class RecordingComponents : public ComponentFactory {
 public:
  RecordingComponents();

  std::unique_ptr<FileSystemObject> CreateFileSystem() override { return real_->CreateFileSystem(); }
  std::unique_ptr<Envelope> CreateEnvelope() override { return real_->CreateEnvelope(); }
  std::unique_ptr<XmlDom> CreateXmlDom() override;
  std::unique_ptr<ReportDocument> CreateReportDocument() override {
    return real_->CreateReportDocument();
  }
  std::unique_ptr<WorkspaceLock> CreateWorkspaceLock(const std::string& folder) override {
    return real_->CreateWorkspaceLock(folder);
  }

  // What the XML readers created so far were asked; shared with them.
  std::shared_ptr<AskedTags> asked = std::make_shared<AskedTags>();

 private:
  std::unique_ptr<ComponentFactory> real_;
};

}  // namespace ombrel::bench
