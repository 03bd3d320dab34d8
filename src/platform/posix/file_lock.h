// An exclusive lock on a file, held by the open file description that took
// it and released when that description is closed (or its process dies).
//
// It is an open-file-description lock on the whole file, taken through a
// descriptor open for writing. That is what every file system the program's
// folders may live on honours: on NFS a lock becomes a byte-range lock on the
// server, which refuses an exclusive one through a descriptor not open for
// writing (so a folder can never be locked there); FUSE file systems and
// local disks lock it in the kernel. Unlike a classic record lock, it also
// excludes a second descriptor of the same process, as a lock between two
// windows must.
#pragma once

namespace ombrel {

enum class FileLockResult {
  kLocked,  // the lock is now held through the descriptor
  kHeld,    // someone else holds it
  kFailed,  // the lock cannot be taken at all; errno says why
};

// Takes the lock on the file open as fd (open for writing) without waiting.
FileLockResult TryLockFile(int fd);

}  // namespace ombrel
