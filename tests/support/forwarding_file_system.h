// The local file system, every call passed on to it: the base of a test
// double that changes one or two operations and keeps the rest real.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <system_error>
#include <vector>

#include "platform/files/file_system_object.h"

namespace ombrel::testing {

class ForwardingFileSystem : public FileSystemObject {
 public:
  ForwardingFileSystem() : local_(CreateLocalFileSystem()) {}

  bool FolderExists(const std::string& path) override { return local_->FolderExists(path); }
  bool FileExists(const std::string& path) override { return local_->FileExists(path); }
  bool CanReadFile(const std::string& path) override { return local_->CanReadFile(path); }
  std::vector<std::string> ListFolder(const std::string& path) override { return local_->ListFolder(path); }
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
  bool IsOwnFile(const std::string& path) override { return local_->IsOwnFile(path); }
  bool SameFile(const std::string& first, const std::string& second) override {
    return local_->SameFile(first, second);
  }
  void DeleteFile(const std::string& path) override { local_->DeleteFile(path); }
  std::optional<Room> FreeSpace(const std::string& folder) override { return local_->FreeSpace(folder); }
  std::unique_ptr<TextStream> OpenTextFile(const std::string& path) override { return local_->OpenTextFile(path); }
  std::unique_ptr<AppendStream> OpenForAppend(const std::string& path, std::error_code& error) override {
    return local_->OpenForAppend(path, error);
  }

 private:
  std::unique_ptr<FileSystemObject> local_;
};

}  // namespace ombrel::testing
