// Fakes of the outside components for engine and translator tests: an XML
// reader answering from tables the test fills, and a report document that
// records everything written to it into a record that outlives the engine.
#pragma once

#include <map>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "platform/components.h"

namespace ombrel::testing {

// What one document answers: paths under the root ("\~FORMNUM") and order tags.
struct FakeOrder {
  std::map<std::string, std::string> paths;
  std::map<std::string, std::string> tags;
};

class FakeXmlDom : public XmlDom {
 public:
  explicit FakeXmlDom(std::map<std::string, FakeOrder> documents)
      : documents_(std::move(documents)) {}

  void LoadXml(std::string text) override;
  XmlNode Root() const override { return XmlNode(this); }
  std::string Value(XmlNode node, const std::string& path) const override;
  void LoadAlias(const std::string& path) override { aliasPaths.push_back(path); }
  std::string TagValue(const std::string& tag, bool skipAlias) const override;

  std::vector<std::string> loadedTexts;
  std::vector<std::string> aliasPaths;

 private:
  std::map<std::string, FakeOrder> documents_;  // keyed by the document's text
  const FakeOrder* current_ = nullptr;
};

struct FakeImageRecord {
  std::string frame;
  std::string fileName;
  std::string extension;
  int width = -1;
  int height = -1;
  std::string attachedPath;
};

struct FakeFormRecord {
  std::string id;
  std::string version;
  std::vector<std::pair<std::string, std::string>> fields;  // in first-written order
  std::vector<std::pair<std::string, std::string>> titles;

  // The field's value, or nothing when it was never written.
  std::optional<std::string> Field(const std::string& addr) const;
  std::optional<std::string> Title(const std::string& addr) const;
};

// Everything a FakeReportDocument was asked to do.
struct FakeReportRecord {
  std::string skeleton;
  std::vector<std::unique_ptr<FakeFormRecord>> forms;  // in the order added
  std::vector<FakeImageRecord> images;
  std::vector<std::string> writtenPaths;
  std::vector<std::string> calls;  // "AddForm(UA2)", "GetForm(offscrn)", "WriteReport(path)" ...
  bool destroyed = false;

  // The first form with this id (exact case), or nullptr.
  const FakeFormRecord* Form(const std::string& id) const;
  const FakeImageRecord* Image(const std::string& frame) const;
};

struct FakeReportBehaviour {
  std::set<std::string> refusedForms;      // AddForm gives nothing for these ids
  std::set<std::string> refusedFrames;     // AddImage gives nothing for these frames
  bool writeSucceeds = true;
  std::string writeFailure = "Cannot write the report: No space left on device";  // its cause
};

class FakeReportDocument : public ReportDocument {
 public:
  FakeReportDocument(std::shared_ptr<FakeReportRecord> record, FakeReportBehaviour behaviour);
  ~FakeReportDocument() override;

  void SetSkeleton(const std::string& skeleton) override;
  HostForm* AddForm(const std::string& formId) override;
  HostForm* GetForm(const std::string& formId) override;
  ReportImage* AddImage(const std::string& frameId) override;
  bool WriteReport(const std::string& path) override;
  std::optional<Error> WriteFailure() const override;

 private:
  class FormImpl;
  class ImageImpl;
  std::shared_ptr<FakeReportRecord> record_;
  FakeReportBehaviour behaviour_;
  bool writeFailed_ = false;
  std::vector<std::unique_ptr<FormImpl>> forms_;
  std::vector<std::unique_ptr<ImageImpl>> images_;
};

// How a creation of a component goes.
enum class Creation { kSucceeds, kGivesNothing, kRaises };

// A factory of fakes. The file system is the real one (tests use temporary
// folders); envelopes are the real reader, and so is the workspace's lock.
class FakeComponents : public ComponentFactory {
 public:
  std::unique_ptr<FileSystemObject> CreateFileSystem() override;
  std::unique_ptr<Envelope> CreateEnvelope() override;
  std::unique_ptr<XmlDom> CreateXmlDom() override;
  std::unique_ptr<ReportDocument> CreateReportDocument() override;
  std::unique_ptr<WorkspaceLock> CreateWorkspaceLock(const std::string& folder) override;

  std::map<std::string, FakeOrder> documents;  // what the XML reader answers, by text
  FakeReportBehaviour reportBehaviour;
  Creation xmlDomCreation = Creation::kSucceeds;
  Creation reportCreation = Creation::kSucceeds;

  FakeXmlDom* lastXmlDom = nullptr;                      // valid while its engine lives
  std::shared_ptr<FakeReportRecord> lastReport;          // outlives the engine
  std::vector<std::string> creations;                    // "XMLDOM", "DOCUMENT" in order
};

}  // namespace ombrel::testing
