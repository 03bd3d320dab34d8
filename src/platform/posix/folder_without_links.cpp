#include "platform/posix/folder_without_links.h"

#include <fcntl.h>

#include <cerrno>

#include "platform/posix/retry_after_signal.h"

namespace ombrel {

FileDescriptor OpenFolderWithoutLinks(int rootFd, const std::vector<std::string>& folders) {
  constexpr int kFlags = O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC;
  FileDescriptor folder(RetryAfterSignal(-1, ::openat, rootFd, ".", kFlags));
  for (const std::string& name : folders) {
    if (!folder) break;
    FileDescriptor inner(RetryAfterSignal(-1, ::openat, folder.get(), name.c_str(), kFlags));
    const int error = errno;
    folder = std::move(inner);
    errno = error;
  }
  return folder;
}

}  // namespace ombrel
