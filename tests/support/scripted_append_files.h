// A file-system service whose files opened to append are kept in memory and
// fail as a test scripts them: a write that stops part way with an error, a
// close that fails. Everything else is the local file system.
#pragma once

#include <cstddef>
#include <deque>
#include <map>
#include <memory>
#include <string>
#include <system_error>
#include <vector>

#include "platform/files/file_system_object.h"

namespace ombrel::testing {

class ScriptedAppendFiles : public FileSystemObject {
 public:
  // What the test sets and reads; shared with every file opened.
  struct Script {
    // Each write call takes the next failure: it writes `bytes` bytes, then
    // fails with `error`. With none left, writes succeed.
    struct WriteFailure {
      std::size_t bytes;
      std::error_code error;
    };
    std::deque<WriteFailure> writeFailures;
    // Each close takes the next one; with none left, closes succeed.
    std::deque<std::error_code> closeFailures;

    std::map<std::string, std::string> files;  // what was written, by path
    std::vector<std::string> calls;            // "open P", "write P", "close P"
  };

  ScriptedAppendFiles() : script_(std::make_shared<Script>()), local_(CreateLocalFileSystem()) {}

  Script& script() { return *script_; }

  std::unique_ptr<AppendStream> OpenForAppend(const std::string& path, std::error_code& error) override;

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
  void DeleteFile(const std::string& path) override { local_->DeleteFile(path); }
  std::unique_ptr<TextStream> OpenTextFile(const std::string& path) override { return local_->OpenTextFile(path); }

 private:
  std::shared_ptr<Script> script_;
  std::unique_ptr<FileSystemObject> local_;
};

}  // namespace ombrel::testing
