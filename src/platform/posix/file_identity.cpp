#include "platform/posix/file_identity.h"

#include <fcntl.h>

namespace ombrel {

bool SameFile(const struct stat& a, const struct stat& b) {
  return a.st_dev == b.st_dev && a.st_ino == b.st_ino;
}

bool NamesOpenFile(int folderFd, const std::string& name, int fd) {
  struct stat opened {};
  struct stat named {};
  return ::fstat(fd, &opened) == 0 &&
         ::fstatat(folderFd, name.c_str(), &named, AT_SYMLINK_NOFOLLOW) == 0 && SameFile(opened, named);
}

}  // namespace ombrel
