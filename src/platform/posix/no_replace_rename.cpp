#include "platform/posix/no_replace_rename.h"

#include <fcntl.h>
#include <stdio.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include "platform/posix/file_descriptor.h"
#include "platform/posix/file_identity.h"

namespace ombrel {

namespace {

// Whether errno from a rename with flags means the file system has none.
bool NoRenameFlags(int error) { return error == EINVAL || error == ENOSYS || error == ENOTSUP; }

}  // namespace

int RenameNoReplace(int fromFolder, const char* from, int toFolder, const char* to) {
  if (::renameat2(fromFolder, from, toFolder, to, RENAME_NOREPLACE) == 0) return 0;
  if (const int error = errno; !NoRenameFlags(error)) return error;
  if (::linkat(fromFolder, from, toFolder, to, 0) == 0) {
    if (::unlinkat(fromFolder, from, 0) == 0) return 0;
    const int error = errno;
    ::unlinkat(toFolder, to, 0);
    return error;
  }
  if (const int error = errno; error == EEXIST) return error;
  struct stat existing {};
  if (::fstatat(toFolder, to, &existing, AT_SYMLINK_NOFOLLOW) == 0) return EEXIST;
  if (const int error = errno; error != ENOENT) return error;
  if (::renameat(fromFolder, from, toFolder, to) == 0) return 0;
  return errno;
}

int RenameOverOwnClaim(int fromFolder, const char* from, int toFolder, const char* to) {
  if (::renameat2(fromFolder, from, toFolder, to, RENAME_NOREPLACE) == 0) return 0;
  if (const int error = errno; !NoRenameFlags(error)) return error;
  // Closed before the rename: a FUSE mount keeps a file replaced while open
  // under a hidden name of its own.
  FileDescriptor claim(::openat(toFolder, to, O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600));
  if (!claim) return errno;
  claim.Reset();
  if (::renameat(fromFolder, from, toFolder, to) == 0) return 0;
  const int error = errno;
  if (RegularFileSize(toFolder, to) == 0U) ::unlinkat(toFolder, to, 0);
  return error;
}

}  // namespace ombrel
