#include "platform/posix/shared_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <optional>

#include "platform/files/path_names.h"
#include "platform/posix/retry_after_signal.h"

namespace ombrel {

namespace {

// The folder's read and write bits; nothing when the folder cannot be asked.
std::optional<mode_t> FolderPermissions(const std::string& path) {
  const std::string folder = ParentFolderName(path);
  struct stat status {};
  if (::stat(folder.empty() ? "." : folder.c_str(), &status) != 0) return std::nullopt;
  return status.st_mode & 0666;
}

// A file refused: the errno that says so, and why in words.
struct Refused {
  int error;
  const char* why;
};

// Why the file open on fd may not be used; nothing when it may. Asked of the
// descriptor, so what is judged is what is used.
std::optional<Refused> Refusal(int fd) {
  struct stat status {};
  if (::fstat(fd, &status) != 0) return Refused{errno, ""};
  if (S_ISDIR(status.st_mode)) return Refused{EISDIR, "it is not a file"};
  if (!S_ISREG(status.st_mode)) return Refused{ENXIO, "it is not a file"};
  // Removed meanwhile: a lock taken on it would keep no one out.
  if (status.st_nlink == 0) return Refused{ENOENT, "it was removed meanwhile"};
  if (status.st_nlink != 1) return Refused{EMLINK, "it has another name too (a hard link)"};
  return std::nullopt;
}

// Why the kernel refused to open path with error, in words, when that is
// what it stands for; empty for any other failure.
std::string RefusedName(int error, const std::string& path) {
  switch (error) {
    case ELOOP: {
      // Said for a link only with O_NOFOLLOW; also for a chain of links too
      // long in the folders above it.
      struct stat status {};
      return ::lstat(path.c_str(), &status) == 0 && S_ISLNK(status.st_mode) ? "it is a symbolic link" : "";
    }
    case EISDIR:
    case ENXIO: return "it is not a file";
    default: return "";
  }
}

// The file open on fd, checked and set to block as the caller asked; invalid
// with errno set when it is refused.
FileDescriptor Checked(FileDescriptor fd, int flags, std::string* refusal) {
  if (const std::optional<Refused> refused = Refusal(fd.get())) {
    if (refusal) *refusal = refused->why;
    fd = FileDescriptor();
    errno = refused->error;
    return fd;
  }
  if ((flags & O_NONBLOCK) == 0) {
    const int status = ::fcntl(fd.get(), F_GETFL);
    if (status == -1 || ::fcntl(fd.get(), F_SETFL, status & ~O_NONBLOCK) == -1) {
      const int error = errno;
      fd = FileDescriptor();
      errno = error;
    }
  }
  return fd;
}

}  // namespace

FileDescriptor OpenSharedFile(const std::string& path, int flags, std::string* refusal) {
  if (refusal) refusal->clear();
  const int open = (flags & ~(O_CREAT | O_TRUNC | O_EXCL)) | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY;
  for (int attempt = 0; attempt < 3; ++attempt) {
    FileDescriptor fd(RetryAfterSignal(-1, ::open, path.c_str(), open));
    if (fd) return Checked(std::move(fd), flags, refusal);
    if (errno != ENOENT) {
      const int error = errno;
      if (refusal) *refusal = RefusedName(error, path);
      errno = error;
      return fd;
    }
    // Made exclusively, so only its maker sets its bits; after the create,
    // since the umask narrows what open gives.
    const std::optional<mode_t> permissions = FolderPermissions(path);
    fd = FileDescriptor(RetryAfterSignal(-1, ::open, path.c_str(), open | O_CREAT | O_EXCL, 0666));
    if (fd) {
      if (permissions) ::fchmod(fd.get(), *permissions);
      return Checked(std::move(fd), flags, refusal);
    }
    if (errno != EEXIST) return fd;
    // Another process made it meanwhile: that one is opened, and judged.
  }
  errno = EEXIST;
  return FileDescriptor();
}

}  // namespace ombrel
