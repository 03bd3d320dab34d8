// The file-system service on the local file system.
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/statvfs.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>
#include <algorithm>
#include <memory>
#include <string_view>
#include <vector>

#include "platform/errors/errno_error.h"
#include "platform/files/file_contents.h"
#include "platform/files/file_system_object.h"
#include "platform/files/path_names.h"
#include "platform/posix/file_descriptor.h"
#include "platform/posix/own_file.h"
#include "platform/posix/file_identity.h"
#include "platform/posix/folder_names.h"
#include "platform/posix/no_replace_rename.h"
#include "platform/posix/retry_after_signal.h"
#include "platform/posix/shared_file.h"
#include "platform/posix/whole_io.h"
#include "platform/staging/pending_file.h"
#include "platform/text/ascii_case.h"
#include "platform/text/sender_text.h"

namespace ombrel {

namespace {

namespace fs = std::filesystem;

constexpr const char* kSource = "Scripting.FileSystemObject";
constexpr std::size_t kChunk = 64 * 1024;

class LocalTextStream : public TextStream {
 public:
  LocalTextStream(int fd, std::string path) : fd_(fd), path_(std::move(path)) {}

  std::string ReadAll() override {
    if (fd_.get() < 0) throw Error(err::kPathFileAccessError, kSource, "The file is closed: " + SenderText(path_));
    // A regular file is read straight into a string of its size: a growing
    // string would hold its old and new storage together, up to three times
    // a large order, and a read through a buffer of its own would touch
    // twice the memory.
    std::string text;
    struct stat status {};
    if (::fstat(fd_.get(), &status) == 0 && S_ISREG(status.st_mode) && status.st_size > 0 &&
        static_cast<std::size_t>(status.st_size) <= kMaxTextSize) {
      text.resize(static_cast<std::size_t>(status.st_size));
    }
    const ssize_t read = ReadFull(fd_.get(), text.data(), text.size());
    if (read < 0) {
      const int error = errno;
      throw ErrnoError(error, kSource, path_);
    }
    if (const auto got = static_cast<std::size_t>(read); got < text.size()) {
      text.resize(got);  // the file got shorter since it was measured
      return text;
    }
    // What a file of no known size holds, or what one gained since it was
    // measured. Left uninitialised: read fills what is used, and clearing
    // 64 KB cost more than reading a whole order.
    const std::unique_ptr<char[]> buffer(new char[kChunk]);
    for (;;) {
      const ssize_t n = RetryAfterSignal(ssize_t{-1}, ::read, fd_.get(), buffer.get(), kChunk);
      if (n < 0) {
        const int error = errno;
        throw ErrnoError(error, kSource, path_);
      }
      if (n == 0) return text;
      if (text.size() + static_cast<std::size_t>(n) > kMaxTextSize) {
        throw Error(err::kOutOfMemory, kSource,
                    "Out of memory: " + SenderText(path_) + " is larger than " +
                        std::to_string(kMaxTextSize / (1024 * 1024)) + " MB");
      }
      text.append(buffer.get(), static_cast<std::size_t>(n));
    }
  }

  void Close() override {
    if (fd_.get() >= 0) fd_.Close();
  }

 private:
  FileDescriptor fd_;
  std::string path_;
};

class LocalAppendStream : public AppendStream {
 public:
  explicit LocalAppendStream(int fd) : fd_(fd) {}

  std::error_code Write(std::string_view bytes, std::size_t& written) override {
    while (written < bytes.size()) {
      const ssize_t n =
          RetryAfterSignal(ssize_t{-1}, ::write, fd_.get(), bytes.data() + written, bytes.size() - written);
      if (n < 0) return std::error_code(errno, std::generic_category());
      // Nothing written and no error: the file takes no more, and asking
      // again would only spin.
      if (n == 0) return std::error_code(EIO, std::generic_category());
      written += static_cast<std::size_t>(n);
    }
    return {};
  }

  std::error_code Close() override {
    if (fd_.get() < 0) return {};
    if (fd_.Close()) return {};
    return std::error_code(errno, std::generic_category());
  }

 private:
  FileDescriptor fd_;
};

class LocalFileSystem : public FileSystemObject {
 public:
  bool FolderExists(const std::string& path) override {
    std::error_code ec;
    return !path.empty() && fs::is_directory(path, ec);
  }

  bool FileExists(const std::string& path) override {
    std::error_code ec;
    return !path.empty() && fs::exists(path, ec) && !fs::is_directory(path, ec);
  }

  bool CanReadFile(const std::string& path) override {
    if (path.empty()) return false;
    // Non-blocking, so a FIFO cannot hang the program; only a regular file
    // counts, since on Linux a folder opens for reading too.
    const FileDescriptor fd(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC));
    if (fd.get() < 0) return false;
    struct stat info {};
    return ::fstat(fd.get(), &info) == 0 && S_ISREG(info.st_mode);
  }

  std::vector<std::string> ListFolder(const std::string& path) override {
    return FolderNames(path);
  }

  std::string GetParentFolderName(const std::string& path) override { return ParentFolderName(path); }
  std::string GetBaseName(const std::string& path) override { return BaseNamePart(path); }
  std::string GetExtensionName(const std::string& path) override { return ExtensionPart(path); }
  std::string GetFileName(const std::string& path) override { return FileNamePart(path); }

  std::string GetAbsolutePathName(const std::string& path) override {
    std::error_code ec;
    std::string absolute = fs::absolute(path, ec).lexically_normal().string();
    if (ec) return path;
    while (absolute.size() > 1 && absolute.back() == '/') absolute.pop_back();
    return absolute;
  }

  void MoveFile(const std::string& source, const std::string& destination) override {
    struct stat status {};
    if (source.empty() || ::lstat(source.c_str(), &status) != 0 || S_ISDIR(status.st_mode)) {
      throw Error(err::kFileNotFound, kSource, "File not found: " + SenderText(source));
    }
    std::string target = destination;
    if (!target.empty() && target.back() == '/') target += FileNamePart(source);
    const std::string folder = ParentFolderName(target);
    if (target.empty() || !FolderExists(folder.empty() ? "." : folder)) {
      throw Error(err::kPathNotFound, kSource, "Path not found: " + SenderText(target));
    }
    struct stat existing {};
    if (::lstat(target.c_str(), &existing) == 0) {
      throw Error(err::kFileAlreadyExists, kSource, "File already exists: " + SenderText(target));
    }
    const int error = RenameNoReplace(AT_FDCWD, source.c_str(), AT_FDCWD, target.c_str());
    if (error == 0) return;
    if (error == EXDEV) return CopyThenDelete(source, target, status);
    if (error == EEXIST) throw Error(err::kFileAlreadyExists, kSource, "File already exists: " + SenderText(target));
    throw ErrnoError(error, kSource, source + " -> " + target);
  }

  void DeleteFile(const std::string& path) override {
    struct stat status {};
    if (path.empty() || ::lstat(path.c_str(), &status) != 0 || S_ISDIR(status.st_mode)) {
      throw Error(err::kFileNotFound, kSource, "File not found: " + SenderText(path));
    }
    if (::unlink(path.c_str()) != 0) {
      const int error = errno;
      throw ErrnoError(error, kSource, path);
    }
  }

  bool SameContents(const std::string& first, const std::string& second) override {
    return ombrel::SameContents(first, second);
  }

  bool IsOwnFile(const std::string& path) override {
    struct stat status {};
    return !path.empty() && ::lstat(path.c_str(), &status) == 0 && S_ISREG(status.st_mode) &&
           status.st_uid == ProcessUser();
  }

  bool SameFile(const std::string& first, const std::string& second) override {
    // A symbolic link is a file of its own here, never the file it points
    // at: a link left under a document's name is not that document.
    struct stat a {}, b {};
    if (first.empty() || second.empty()) return false;
    if (first == second) return ::lstat(first.c_str(), &a) == 0;
    // Both held open while they are compared: a FUSE file system keeps the
    // number it reports for a file only while the kernel holds the file,
    // and may give it another between two lstats.
    const FileDescriptor one(::open(first.c_str(), O_PATH | O_NOFOLLOW | O_CLOEXEC));
    const FileDescriptor two(::open(second.c_str(), O_PATH | O_NOFOLLOW | O_CLOEXEC));
    if (!one || !two || ::fstat(one.get(), &a) != 0 || ::fstat(two.get(), &b) != 0) return false;
    if (ombrel::SameFile(a, b)) return true;
    return EqualsIgnoreCase(first, second) && AreCaseAliases(first, second);
  }

  // Whether two paths that differ only in letter case, both there, name one
  // file though their numbers differ: a FUSE file system may give each
  // spelling a node of its own. They are one on a file system that folds
  // case: their folder is one, and it lists exactly one spelling of the
  // name. A folder that cannot be listed proves nothing: two files then.
  bool AreCaseAliases(const std::string& first, const std::string& second) {
    const std::string folder = ParentFolderName(first);
    const std::string otherFolder = ParentFolderName(second);
    if (folder != otherFolder && !SameFile(folder, otherFolder)) return false;
    const std::string name = FileNamePart(first);
    const std::string otherName = FileNamePart(second);
    if (name == otherName) return true;
    const std::vector<std::string> names = FolderNames(folder.empty() ? "." : folder);
    return std::count_if(names.begin(), names.end(),
                         [&](const std::string& listed) { return EqualsIgnoreCase(listed, name); }) == 1;
  }

  std::optional<Room> FreeSpace(const std::string& folder) override {
    struct statvfs status {};
    if (::statvfs(folder.empty() ? "." : folder.c_str(), &status) != 0) return std::nullopt;
    // A file system that states no blocks at all (ramfs, some FUSE mounts)
    // has no figure to hold an envelope to. One mounted read-only may state
    // nothing free though nothing is full (squashfs): its first write gives
    // the true cause.
    if (status.f_blocks == 0 || (status.f_flag & ST_RDONLY) != 0) return std::nullopt;
    // f_frsize is the fragment the file system allocates in, the unit of the
    // block counts.
    return Room{static_cast<uint64_t>(status.f_bavail) * status.f_frsize,
                status.f_frsize == 0 ? 1 : static_cast<uint64_t>(status.f_frsize)};
  }

  std::unique_ptr<TextStream> OpenTextFile(const std::string& path) override {
    const int fd = path.empty() ? -1 : ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) throw ErrnoError(path.empty() ? ENOENT : errno, kSource, path);
    auto stream = std::make_unique<LocalTextStream>(fd, path);
    struct stat status {};
    if (::fstat(fd, &status) != 0 || S_ISDIR(status.st_mode)) {
      throw Error(err::kPathFileAccessError, kSource, "Path/File access error: " + SenderText(path) + " is a folder");
    }
    return stream;
  }

  std::unique_ptr<AppendStream> OpenForAppend(const std::string& path, std::error_code& error) override {
    FileDescriptor fd = OpenSharedFile(path, O_WRONLY | O_APPEND | O_CLOEXEC);
    if (!fd) {
      error = std::error_code(errno, std::generic_category());
      return nullptr;
    }
    error.clear();
    return std::make_unique<LocalAppendStream>(fd.Release());
  }

 private:
  // A move to another file system: the copy is written in the target's
  // folder under no name (or a temporary one, see pending_file.h), flushed to
  // disk, and only then given the target's name whole, so a kill never
  // leaves part of a file under it; the source goes last. Any failure
  // leaves the source and no copy.
  static void CopyThenDelete(const std::string& source, const std::string& target,
                             const struct stat& sourceStatus) {
    FileDescriptor in(::open(source.c_str(), O_RDONLY | O_NOFOLLOW | O_CLOEXEC));
    if (!in) {
      const int error = errno;
      throw ErrnoError(error, kSource, source);
    }
    PendingFile copy(ParentFolderName(target), kSource);
    std::vector<char> buffer(kChunk);
    for (;;) {
      const ssize_t n = RetryAfterSignal(ssize_t{-1}, ::read, in.get(), buffer.data(), buffer.size());
      if (n < 0) {
        const int error = errno;
        throw ErrnoError(error, kSource, source);
      }
      if (n == 0) break;
      if (const int error = WriteAll(copy.fd(), buffer.data(), static_cast<std::size_t>(n))) {
        throw ErrnoError(error, kSource, target);
      }
    }
    // The source's bits and times where the file system keeps them (FAT
    // through FUSE has no chmod).
    ::fchmod(copy.fd(), sourceStatus.st_mode & 07777);
    const struct timespec times[2] = {sourceStatus.st_atim, sourceStatus.st_mtim};
    ::futimens(copy.fd(), times);
    if (::fsync(copy.fd()) != 0) {
      const int error = errno;
      throw ErrnoError(error, kSource, target);
    }
    if (!copy.LinkAs(target)) {
      throw Error(err::kFileAlreadyExists, kSource, "File already exists: " + SenderText(target));
    }
    if (::unlink(source.c_str()) != 0) {
      const int error = errno;
      ::unlink(target.c_str());
      throw ErrnoError(error, kSource, source);
    }
  }
};

}  // namespace

std::unique_ptr<FileSystemObject> CreateLocalFileSystem() { return std::make_unique<LocalFileSystem>(); }

}  // namespace ombrel
