#include "platform/files/file_lock.h"

#include <fcntl.h>

#include <cerrno>

namespace ombrel {

FileLockResult TryLockFile(int fd) {
  struct flock whole {};
  whole.l_type = F_WRLCK;
  whole.l_whence = SEEK_SET;  // from the start, and a length of 0: to any end
  for (;;) {
    if (::fcntl(fd, F_OFD_SETLK, &whole) == 0) return FileLockResult::kLocked;
    if (errno == EINTR) continue;
    return errno == EAGAIN || errno == EACCES ? FileLockResult::kHeld : FileLockResult::kFailed;
  }
}

}  // namespace ombrel
