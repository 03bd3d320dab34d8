// The file-system service: the operations the shell and the engine use on
// files and folders. Paths are native ("/" separates folders).
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <system_error>
#include <vector>

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

// A file opened to add to its end. Failures come back as the system's error
// code rather than as an error of the program, so that the caller words them:
// the log writer names its own file and step.
class AppendStream {
 public:
  virtual ~AppendStream() = default;
  // Writes bytes from written on, until all are written or a write fails;
  // written counts what went, so a second call goes on where a failure
  // stopped.
  virtual std::error_code Write(std::string_view bytes, std::size_t& written) = 0;
  // Closes the file now, so a failing close (a full disk on some file
  // systems) is seen. A failed close still releases the file; closing again
  // does nothing.
  virtual std::error_code Close() = 0;
};

class FileSystemObject {
 public:
  virtual ~FileSystemObject() = default;

  virtual bool FolderExists(const std::string& path) = 0;
  virtual bool FileExists(const std::string& path) = 0;
  // True when path names a regular file that can be opened for reading.
  // Reports nothing, and never waits: a FIFO is no file here.
  virtual bool CanReadFile(const std::string& path) = 0;
  // The names in the folder at path (files, folders and anything else), "."
  // and ".." left out, in no particular order; none when it cannot be listed.
  virtual std::vector<std::string> ListFolder(const std::string& path) = 0;
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
  // otherwise, when either cannot be read, and when either is a symbolic
  // link.
  virtual bool SameContents(const std::string& first, const std::string& second) = 0;

  // True when both paths name one file (as a name and itself, or a name
  // differing only in letter case on a file system that folds case); False
  // otherwise, and when either does not exist. A symbolic link is a file of
  // its own, not the file it points at.
  virtual bool SameFile(const std::string& first, const std::string& second) = 0;

  // True when path names a regular file (not through a symbolic link) of
  // the user this process acts as: one it may take for its own leftover.
  // False otherwise, and when it cannot be looked at.
  virtual bool IsOwnFile(const std::string& path) = 0;

  // Deletes exactly one file; never a folder. Raises an error on failure.
  virtual void DeleteFile(const std::string& path) = 0;

  // What a folder's file system has left to give.
  struct Room {
    // The bytes that can still be written.
    uint64_t freeBytes = 0;
    // The unit it gives files space in: a file takes whole blocks, so one
    // byte takes a block.
    uint64_t blockSize = 1;
  };
  // The room left in the folder; nothing when that cannot be told: the
  // folder cannot be reached, its file system states no size, or it is
  // mounted read-only (room would mean nothing there).
  virtual std::optional<Room> FreeSpace(const std::string& folder) = 0;

  // Opens a file for reading as text. Raises an error when it cannot be opened.
  virtual std::unique_ptr<TextStream> OpenTextFile(const std::string& path) = 0;

  // Opens a file to add to its end, creating it when missing with its
  // folder's read and write bits (see shared_file.h), so that the log beside
  // the program takes every user who may write there. nullptr, with error set, when it
  // cannot be opened.
  virtual std::unique_ptr<AppendStream> OpenForAppend(const std::string& path,
                                                      std::error_code& error) = 0;
};

// The real service, on the local file system.
std::unique_ptr<FileSystemObject> CreateLocalFileSystem();

}  // namespace ombrel
