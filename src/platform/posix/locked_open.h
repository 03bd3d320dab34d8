// A file opened by its name and locked, and only then known to be the file
// that name gives: the one way a pending file, a pending folder and a
// clean-up tell a file someone uses from one no one holds.
#pragma once

#include <sys/types.h>

#include <string>

#include "platform/posix/file_descriptor.h"

namespace ombrel {

enum class LockedOpenResult {
  kLocked,     // open, locked, and still the file named
  kNotOpened,  // the open failed; error says why (ENOENT: no such name)
  kLockFailed, // the lock cannot be taken at all; error says why
  kHeld,       // someone else holds its lock
  kNotNamed,   // locked, but the name has since gone or names another file
};

struct LockedOpen {
  FileDescriptor fd;  // held only when kLocked
  LockedOpenResult result = LockedOpenResult::kNotOpened;
  int error = 0;
};

// Opens name in the folder open as folderFd (or AT_FDCWD) for reading and
// writing, as a lock that NFS honours needs, never through a symbolic link;
// creates it (mode) when createFlags holds O_CREAT (with O_EXCL: only a new
// file). Then takes its lock without waiting (TryLockFile) and checks that
// name still gives the file locked: a clean-up in another process may have
// removed it between the open and the lock. A file created here whose lock
// cannot be taken at all is removed again.
LockedOpen OpenLocked(int folderFd, const std::string& name, int createFlags, mode_t mode = 0600);

}  // namespace ombrel
