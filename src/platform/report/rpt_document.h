// The report document: forms in the order added, images by photo frame, and
// the .RPT file they are written to. A .RPT file is a ZIP archive holding
// REPORT.XML and the attached images (the format is in docs/formats.md).
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "platform/report/report_document.h"
#include "platform/report/rpt_form.h"
#include "platform/report/rpt_image.h"

namespace ombrel {

class RptDocument : public ReportDocument {
 public:
  void SetSkeleton(const std::string& skeleton) override { skeleton_ = skeleton; }
  HostForm* AddForm(const std::string& formId) override;
  HostForm* GetForm(const std::string& formId) override;
  // A frame attached again gets the same image object back, emptied.
  ReportImage* AddImage(const std::string& frameId) override;
  bool WriteReport(const std::string& path) override;
  std::optional<Error> WriteFailure() const override { return writeFailure_; }

  // REPORT.XML for the report as it stands; images are listed with the entry
  // names WriteReport stores them under.
  std::string ReportXml() const;

  // The archive entry of the n-th written image (from 1): "IMAGES/IMAGE" + n,
  // followed by the attached file's extension when it is a plain one.
  static std::string ImageEntryName(std::size_t n, const std::string& attachedPath);

 private:
  // The images that will be written: those with a file attached.
  std::vector<const RptImage*> AttachedImages() const;

  std::string skeleton_;
  std::vector<std::unique_ptr<RptForm>> forms_;
  std::vector<std::unique_ptr<RptImage>> images_;
  std::optional<Error> writeFailure_;
};

}  // namespace ombrel
