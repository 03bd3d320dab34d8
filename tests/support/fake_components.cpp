#include "support/fake_components.h"

#include <algorithm>
#include <cctype>
#include <cstdio>

#include "platform/errors/error.h"

namespace ombrel::testing {

namespace {

bool SameTextIgnoringCase(const std::string& a, const std::string& b) {
  return a.size() == b.size() &&
         std::equal(a.begin(), a.end(), b.begin(), [](unsigned char x, unsigned char y) {
           return std::toupper(x) == std::toupper(y);
         });
}

void Put(std::vector<std::pair<std::string, std::string>>& list, const std::string& key,
         const std::string& value) {
  for (auto& [k, v] : list) {
    if (k == key) {
      v = value;
      return;
    }
  }
  list.emplace_back(key, value);
}

std::optional<std::string> Find(const std::vector<std::pair<std::string, std::string>>& list,
                                const std::string& key) {
  for (const auto& [k, v] : list) {
    if (k == key) return v;
  }
  return std::nullopt;
}

FakeImageRecord NewImage(const std::string& frame) {
  FakeImageRecord image;
  image.frame = frame;
  return image;
}

}  // namespace

void FakeXmlDom::LoadXml(std::string text) {
  loadedTexts.push_back(text);
  auto found = documents_.find(text);
  current_ = found == documents_.end() ? nullptr : &found->second;
}

std::string FakeXmlDom::Value(XmlNode node, const std::string& path) const {
  if (node.handle() != this || current_ == nullptr) return "";
  auto found = current_->paths.find(path);
  return found == current_->paths.end() ? "" : found->second;
}

std::string FakeXmlDom::TagValue(const std::string& tag, bool) const {
  if (current_ == nullptr) return "";
  auto found = current_->tags.find(tag);
  return found == current_->tags.end() ? "" : found->second;
}

std::optional<std::string> FakeFormRecord::Field(const std::string& addr) const {
  return Find(fields, addr);
}

std::optional<std::string> FakeFormRecord::Title(const std::string& addr) const {
  return Find(titles, addr);
}

const FakeFormRecord* FakeReportRecord::Form(const std::string& id) const {
  for (const auto& form : forms) {
    if (form->id == id) return form.get();
  }
  return nullptr;
}

const FakeImageRecord* FakeReportRecord::Image(const std::string& frame) const {
  for (const auto& image : images) {
    if (image.frame == frame) return &image;
  }
  return nullptr;
}

class FakeReportDocument::FormImpl : public HostForm {
 public:
  FormImpl(FakeFormRecord* record, FakeReportRecord* report) : record_(record), report_(report) {}
  std::string Version() const override { return record_->version; }
  void SetVersion(const std::string& version) override { record_->version = version; }
  void AddField(const std::string& fieldAddr, std::string_view value) override {
    Put(record_->fields, fieldAddr, std::string(value));
  }
  void AddTitle(const std::string& fieldAddr, const std::string& title) override {
    Put(record_->titles, fieldAddr, title);
  }
  std::string Form() const override { return record_->id; }
  FakeFormRecord* record() const { return record_; }

 private:
  FakeFormRecord* record_;
  [[maybe_unused]] FakeReportRecord* report_;
};

class FakeReportDocument::ImageImpl : public ReportImage {
 public:
  ImageImpl(std::shared_ptr<FakeReportRecord> report, std::size_t index)
      : report_(std::move(report)), index_(index) {}
  void SetFileName(const std::string& baseName) override { record().fileName = baseName; }
  void SetExtension(const std::string& extension) override { record().extension = extension; }
  void SetWidth(int16_t width) override { record().width = width; }
  void SetHeight(int16_t height) override { record().height = height; }
  void AttachFile(const std::string& path) override {
    FILE* file = std::fopen(path.c_str(), "rb");
    if (file == nullptr) {
      throw Error(err::kFileNotFound, "QorFile.DOCUMENT", "Cannot read image file " + path);
    }
    std::fclose(file);
    record().attachedPath = path;
  }

 private:
  FakeImageRecord& record() { return report_->images[index_]; }
  std::shared_ptr<FakeReportRecord> report_;
  std::size_t index_;
};

FakeReportDocument::FakeReportDocument(std::shared_ptr<FakeReportRecord> record,
                                       FakeReportBehaviour behaviour)
    : record_(std::move(record)), behaviour_(std::move(behaviour)) {}

FakeReportDocument::~FakeReportDocument() { record_->destroyed = true; }

void FakeReportDocument::SetSkeleton(const std::string& skeleton) {
  record_->calls.push_back("Skeleton(" + skeleton + ")");
  record_->skeleton = skeleton;
}

HostForm* FakeReportDocument::AddForm(const std::string& formId) {
  record_->calls.push_back("AddForm(" + formId + ")");
  if (formId.empty() || behaviour_.refusedForms.count(formId) != 0) return nullptr;
  record_->forms.push_back(std::make_unique<FakeFormRecord>());
  record_->forms.back()->id = formId;
  forms_.push_back(std::make_unique<FormImpl>(record_->forms.back().get(), record_.get()));
  return forms_.back().get();
}

HostForm* FakeReportDocument::GetForm(const std::string& formId) {
  record_->calls.push_back("GetForm(" + formId + ")");
  for (const auto& form : forms_) {
    if (SameTextIgnoringCase(form->Form(), formId)) return form.get();
  }
  return nullptr;
}

ReportImage* FakeReportDocument::AddImage(const std::string& frameId) {
  record_->calls.push_back("AddImage(" + frameId + ")");
  if (frameId.empty() || behaviour_.refusedFrames.count(frameId) != 0) return nullptr;
  for (std::size_t i = 0; i < record_->images.size(); ++i) {
    if (record_->images[i].frame == frameId) {
      record_->images[i] = NewImage(frameId);
      images_.push_back(std::make_unique<ImageImpl>(record_, i));
      return images_.back().get();
    }
  }
  record_->images.push_back(NewImage(frameId));
  images_.push_back(std::make_unique<ImageImpl>(record_, record_->images.size() - 1));
  return images_.back().get();
}

bool FakeReportDocument::WriteReport(const std::string& path) {
  record_->calls.push_back("WriteReport(" + path + ")");
  writeFailed_ = !behaviour_.writeSucceeds;
  if (writeFailed_) return false;
  record_->writtenPaths.push_back(path);
  return true;
}

std::optional<Error> FakeReportDocument::WriteFailure() const {
  if (!writeFailed_) return std::nullopt;
  return Error(err::kDiskFull, "QorFile.DOCUMENT", behaviour_.writeFailure);
}

std::unique_ptr<FileSystemObject> FakeComponents::CreateFileSystem() {
  return CreateLocalFileSystem();
}

std::unique_ptr<Envelope> FakeComponents::CreateEnvelope() {
  return CreateRealComponents()->CreateEnvelope();
}

std::unique_ptr<WorkspaceLock> FakeComponents::CreateWorkspaceLock(const std::string& folder) {
  return CreateFileWorkspaceLock(folder);
}

std::unique_ptr<XmlDom> FakeComponents::CreateXmlDom() {
  creations.push_back("XMLDOM");
  if (xmlDomCreation == Creation::kGivesNothing) return nullptr;
  if (xmlDomCreation == Creation::kRaises) {
    throw Error(429, "FastXML.XMLDOM", "ActiveX component can't create object");
  }
  auto dom = std::make_unique<FakeXmlDom>(documents);
  lastXmlDom = dom.get();
  return dom;
}

std::unique_ptr<ReportDocument> FakeComponents::CreateReportDocument() {
  creations.push_back("DOCUMENT");
  if (reportCreation == Creation::kGivesNothing) return nullptr;
  if (reportCreation == Creation::kRaises) {
    throw Error(429, "QorFile.DOCUMENT", "ActiveX component can't create object");
  }
  lastReport = std::make_shared<FakeReportRecord>();
  return std::make_unique<FakeReportDocument>(lastReport, reportBehaviour);
}

}  // namespace ombrel::testing
