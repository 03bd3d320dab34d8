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

}  // namespace

FileDescriptor OpenSharedFile(const std::string& path, int flags) {
  const std::optional<mode_t> permissions = FolderPermissions(path);
  for (int attempt = 0; attempt < 3; ++attempt) {
    FileDescriptor fd(RetryAfterSignal(-1, ::open, path.c_str(), flags));
    if (fd) {
      struct stat status {};
      if (permissions && ::fstat(fd.get(), &status) == 0 && S_ISREG(status.st_mode) &&
          status.st_uid == ::geteuid() && (status.st_mode & *permissions) != *permissions) {
        ::fchmod(fd.get(), (status.st_mode & 07777) | *permissions);
      }
      return fd;
    }
    if (errno != ENOENT) return fd;
    // Made exclusively, so only its maker sets its bits; after the create,
    // since the umask narrows what open gives.
    fd = FileDescriptor(RetryAfterSignal(-1, ::open, path.c_str(), flags | O_CREAT | O_EXCL, 0666));
    if (fd) {
      if (permissions) ::fchmod(fd.get(), *permissions);
      return fd;
    }
    if (errno != EEXIST) return fd;
    // Another process made it meanwhile: that one is opened.
  }
  errno = EEXIST;
  return FileDescriptor();
}

}  // namespace ombrel
