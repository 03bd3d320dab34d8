// The local file system, except that it states a given free space for every
// folder: how a test shows a reader a nearly full disk without one.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>

#include "platform/files/file_system_object.h"

namespace ombrel::testing {

class StatedFreeSpace : public FileSystemObject {
 public:
  explicit StatedFreeSpace(std::optional<uint64_t> free) : free_(free), local_(CreateLocalFileSystem()) {}

  bool FolderExists(const std::string& path) override { return local_->FolderExists(path); }
  bool FileExists(const std::string& path) override { return local_->FileExists(path); }
  std::string GetParentFolderName(const std::string& path) override { return local_->GetParentFolderName(path); }
  std::string GetBaseName(const std::string& path) override { return local_->GetBaseName(path); }
  std::string GetExtensionName(const std::string& path) override { return local_->GetExtensionName(path); }
  std::string GetFileName(const std::string& path) override { return local_->GetFileName(path); }
  std::string GetAbsolutePathName(const std::string& path) override { return local_->GetAbsolutePathName(path); }
  void MoveFile(const std::string& source, const std::string& destination) override {
    local_->MoveFile(source, destination);
  }
  bool SameContents(const std::string& first, const std::string& second) override {
    return local_->SameContents(first, second);
  }
  void DeleteFile(const std::string& path) override { local_->DeleteFile(path); }
  std::optional<uint64_t> FreeSpace(const std::string& /*folder*/) override { return free_; }
  std::unique_ptr<TextStream> OpenTextFile(const std::string& path) override { return local_->OpenTextFile(path); }

 private:
  std::optional<uint64_t> free_;
  std::unique_ptr<FileSystemObject> local_;
};

}  // namespace ombrel::testing
