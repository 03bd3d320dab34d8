// The report document: the forms, fields, titles and images of one report,
// written as a .RPT file by WriteReport.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "platform/errors/error.h"

namespace ombrel {

// One form of the report. Owned by its ReportDocument.
class HostForm {
 public:
  virtual ~HostForm() = default;
  virtual std::string Version() const = 0;
  virtual void SetVersion(const std::string& version) = 0;
  // Any address is accepted; a later write to the same field replaces the
  // value. The form keeps a copy of the value: the caller's text may be a
  // view into the order document.
  virtual void AddField(const std::string& fieldAddr, std::string_view value) = 0;
  virtual void AddTitle(const std::string& fieldAddr, const std::string& title) = 0;
  virtual std::string Form() const = 0;
};

// An image bound to a photo frame. Owned by its ReportDocument.
class ReportImage {
 public:
  virtual ~ReportImage() = default;
  virtual void SetFileName(const std::string& baseName) = 0;
  virtual void SetExtension(const std::string& extension) = 0;
  virtual void SetWidth(int16_t width) = 0;
  virtual void SetHeight(int16_t height) = 0;
  // Raises an error when the file cannot be read.
  virtual void AttachFile(const std::string& path) = 0;
};

class ReportDocument {
 public:
  virtual ~ReportDocument() = default;
  virtual void SetSkeleton(const std::string& skeleton) = 0;
  // nullptr when the form cannot be added (an empty id).
  virtual HostForm* AddForm(const std::string& formId) = 0;
  // Matches the id without regard to letter case; nullptr when absent.
  virtual HostForm* GetForm(const std::string& formId) = 0;
  // nullptr for an empty frame id; a frame holds one image, the last attached.
  virtual ReportImage* AddImage(const std::string& frameId) = 0;
  // True when the whole report was written; a failure leaves no partial file
  // and an existing file at that path untouched.
  virtual bool WriteReport(const std::string& path) = 0;
  // Why the last WriteReport gave False (disk full, permission, ...), for the
  // log; nothing when it did not.
  virtual std::optional<Error> WriteFailure() const = 0;
};

}  // namespace ombrel
