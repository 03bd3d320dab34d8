// An image bound to one photo frame of a report. AttachFile only records the
// file (after making sure it can be read); its bytes go into the report file
// when the report is written.
#pragma once

#include <cstdint>
#include <string>

#include "platform/report/report_document.h"

namespace ombrel {

class RptImage : public ReportImage {
 public:
  explicit RptImage(std::string frame) : frame_(std::move(frame)) {}

  void SetFileName(const std::string& baseName) override { fileName_ = baseName; }
  void SetExtension(const std::string& extension) override { extension_ = extension; }
  void SetWidth(int16_t width) override { width_ = width; }
  void SetHeight(int16_t height) override { height_ = height; }
  void AttachFile(const std::string& path) override;

  // Back to a new image of the same frame, as when the frame is attached again.
  void Reset() { *this = RptImage(frame_); }

  const std::string& frame() const { return frame_; }
  const std::string& fileName() const { return fileName_; }
  const std::string& extension() const { return extension_; }
  int16_t width() const { return width_; }
  int16_t height() const { return height_; }
  // The attached file's absolute path; "" while none is attached.
  const std::string& attachedPath() const { return attachedPath_; }

 private:
  std::string frame_;
  std::string fileName_;
  std::string extension_;
  int16_t width_ = 0;
  int16_t height_ = 0;
  std::string attachedPath_;
};

}  // namespace ombrel
