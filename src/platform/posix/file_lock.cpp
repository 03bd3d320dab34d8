#include "platform/posix/file_lock.h"

#include <fcntl.h>

#include <cerrno>

#include "platform/posix/retry_after_signal.h"

namespace ombrel {

FileLockResult TryLockFile(int fd) {
  struct flock whole {};
  whole.l_type = F_WRLCK;
  whole.l_whence = SEEK_SET;  // from the start, and a length of 0: to any end
  if (RetryAfterSignal(-1, ::fcntl, fd, F_OFD_SETLK, &whole) == 0) return FileLockResult::kLocked;
  return errno == EAGAIN || errno == EACCES ? FileLockResult::kHeld : FileLockResult::kFailed;
}

}  // namespace ombrel
