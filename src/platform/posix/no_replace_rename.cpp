#include "platform/posix/no_replace_rename.h"

#include <fcntl.h>
#include <stdio.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

namespace ombrel {

bool NoHardLinks(int error) { return error == EPERM || error == ENOTSUP || error == ENOSYS; }

int RenameNoReplace(int fromFolder, const char* from, int toFolder, const char* to) {
  if (::renameat2(fromFolder, from, toFolder, to, RENAME_NOREPLACE) == 0) return 0;
  if (errno != EINVAL && errno != ENOSYS && errno != ENOTSUP) return errno;
  if (::linkat(fromFolder, from, toFolder, to, 0) == 0) {
    if (::unlinkat(fromFolder, from, 0) == 0) return 0;
    const int error = errno;
    ::unlinkat(toFolder, to, 0);
    return error;
  }
  if (!NoHardLinks(errno)) return errno;
  struct stat existing {};
  if (::fstatat(toFolder, to, &existing, AT_SYMLINK_NOFOLLOW) == 0) return EEXIST;
  if (errno != ENOENT) return errno;
  if (::renameat(fromFolder, from, toFolder, to) == 0) return 0;
  return errno;
}

}  // namespace ombrel
