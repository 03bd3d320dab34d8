#include "platform/posix/lock_probe.h"

#include <fcntl.h>

#include "platform/posix/retry_after_signal.h"

namespace ombrel {

LockProbe ProbeLock(int fd) {
  struct flock whole {};
  whole.l_type = F_WRLCK;
  whole.l_whence = SEEK_SET;  // the whole file, as TryLockFile takes it
  if (RetryAfterSignal(-1, ::fcntl, fd, F_OFD_GETLK, &whole) != 0) return LockProbe::kUnknown;
  return whole.l_type == F_UNLCK ? LockProbe::kFree : LockProbe::kHeld;
}

}  // namespace ombrel
