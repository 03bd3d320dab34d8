// The file-system service: the operations the shell and the engine use on
// files and folders. Paths are native ("/" separates folders).
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>

namespace ombrel {

class TextStream {
 public:
  // The most ReadAll returns; order documents are far smaller, and an
  // envelope's document must not take all the memory there is.
  static constexpr std::size_t kMaxTextSize = 64 * 1024 * 1024;

  virtual ~TextStream() = default;
  // The rest of the file; raises error 7 (out of memory) when that is more
  // than kMaxTextSize bytes.
  virtual std::string ReadAll() = 0;
  virtual void Close() = 0;
};

class FileSystemObject {
 public:
  virtual ~FileSystemObject() = default;

  virtual bool FolderExists(const std::string& path) = 0;
  virtual bool FileExists(const std::string& path) = 0;
  virtual std::string GetParentFolderName(const std::string& path) = 0;
  virtual std::string GetBaseName(const std::string& path) = 0;
  virtual std::string GetExtensionName(const std::string& path) = 0;
  virtual std::string GetFileName(const std::string& path) = 0;
  virtual std::string GetAbsolutePathName(const std::string& path) = 0;

  // Moves one file. Raises an error and changes nothing when the target
  // exists or the move fails; across file systems it copies, and deletes the
  // source only after the copy is complete.
  virtual void MoveFile(const std::string& source, const std::string& destination) = 0;

  // True when both are regular files holding exactly the same bytes; False
  // otherwise, and when either cannot be read.
  virtual bool SameContents(const std::string& first, const std::string& second) = 0;

  // Deletes exactly one file; never a folder. Raises an error on failure.
  virtual void DeleteFile(const std::string& path) = 0;

  // The bytes that can still be written in the folder; nothing when that
  // cannot be told.
  virtual std::optional<uint64_t> FreeSpace(const std::string& folder) = 0;

  // Opens a file for reading as text. Raises an error when it cannot be opened.
  virtual std::unique_ptr<TextStream> OpenTextFile(const std::string& path) = 0;
};

// The real service, on the local file system.
std::unique_ptr<FileSystemObject> CreateLocalFileSystem();

}  // namespace ombrel
