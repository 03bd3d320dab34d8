// Whether someone holds the lock of file_lock.h on a file, asked without
// taking it: the way to tell another user's live temporary from a stale one
// without ever locking that user's file, even for a moment (its maker,
// finding it locked then, would take it for a clean-up's and give it up).
#pragma once

namespace ombrel {

enum class LockProbe {
  kHeld,     // someone holds it
  kFree,     // no one does
  kUnknown,  // the file system cannot say
};

// Asks for the file open as fd, which may be open for reading only.
LockProbe ProbeLock(int fd);

}  // namespace ombrel
