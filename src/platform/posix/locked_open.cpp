#include "platform/posix/locked_open.h"

#include <fcntl.h>

#include <unistd.h>

#include <cerrno>
#include <utility>

#include "platform/posix/file_identity.h"
#include "platform/posix/file_lock.h"

namespace ombrel {

LockedOpen OpenLocked(int folderFd, const std::string& name, int createFlags, mode_t mode) {
  LockedOpen opened;
  // An existing file may be anything named so: a FIFO must not block the
  // open, nor a terminal become the process's own.
  const int existing = (createFlags & O_CREAT) != 0 ? 0 : O_NONBLOCK | O_NOCTTY;
  FileDescriptor fd(::openat(folderFd, name.c_str(), O_RDWR | O_NOFOLLOW | O_CLOEXEC | existing | createFlags, mode));
  if (!fd) {
    opened.error = errno;
    return opened;
  }
  switch (TryLockFile(fd.get())) {
    case FileLockResult::kFailed: {
      opened.error = errno;
      opened.result = LockedOpenResult::kLockFailed;
      // A file made here that cannot be locked goes again, closed first: a
      // FUSE or NFS mount keeps a file removed while open under a hidden name.
      const bool made = (createFlags & O_EXCL) != 0 && NamesOpenFile(folderFd, name, fd.get());
      fd.Reset();
      if (made) ::unlinkat(folderFd, name.c_str(), 0);
      return opened;
    }
    case FileLockResult::kHeld:
      opened.result = LockedOpenResult::kHeld;
      return opened;
    case FileLockResult::kLocked:
      break;
  }
  if (!NamesOpenFile(folderFd, name, fd.get())) {
    opened.result = LockedOpenResult::kNotNamed;
    return opened;
  }
  opened.fd = std::move(fd);
  opened.result = LockedOpenResult::kLocked;
  return opened;
}

}  // namespace ombrel
