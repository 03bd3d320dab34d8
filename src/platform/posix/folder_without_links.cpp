#include "platform/posix/folder_without_links.h"

#include <fcntl.h>
#include <sys/stat.h>

#include <cerrno>

#include "platform/posix/retry_after_signal.h"

namespace ombrel {

namespace {

constexpr int kFolderFlags = O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC;

bool IsLinkIn(int folderFd, const std::string& name, uid_t* owner = nullptr) {
  struct stat status {};
  if (::fstatat(folderFd, name.c_str(), &status, AT_SYMLINK_NOFOLLOW) != 0 || !S_ISLNK(status.st_mode)) return false;
  if (owner != nullptr) *owner = status.st_uid;
  return true;
}

}  // namespace

FileDescriptor OpenFolderWithoutLinks(int rootFd, const std::vector<std::string>& folders) {
  FileDescriptor folder(RetryAfterSignal(-1, ::openat, rootFd, ".", kFolderFlags));
  for (const std::string& name : folders) {
    if (!folder) break;
    FileDescriptor inner(RetryAfterSignal(-1, ::openat, folder.get(), name.c_str(), kFolderFlags));
    int error = errno;
    // Some kernels refuse a link opened as a folder with ENOTDIR.
    if (!inner && error == ENOTDIR && IsLinkIn(folder.get(), name)) error = ELOOP;
    folder = std::move(inner);
    errno = error;
  }
  return folder;
}

std::optional<LinkOnTheWay> FirstLinkOnTheWay(int rootFd, const std::vector<std::string>& folders) {
  FileDescriptor folder(RetryAfterSignal(-1, ::openat, rootFd, ".", kFolderFlags));
  std::string path;
  for (const std::string& name : folders) {
    if (!folder) return std::nullopt;
    path += path.empty() ? name : "/" + name;
    uid_t owner = 0;
    if (IsLinkIn(folder.get(), name, &owner)) return LinkOnTheWay{path, owner};
    folder = FileDescriptor(RetryAfterSignal(-1, ::openat, folder.get(), name.c_str(), kFolderFlags));
  }
  return std::nullopt;
}

}  // namespace ombrel
