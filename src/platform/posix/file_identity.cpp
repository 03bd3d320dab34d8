#include "platform/posix/file_identity.h"

#include <fcntl.h>

#include "platform/posix/file_crc.h"
#include "platform/posix/file_descriptor.h"

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

std::optional<uint64_t> RegularFileSize(int folderFd, const std::string& name) {
  struct stat named {};
  if (::fstatat(folderFd, name.c_str(), &named, AT_SYMLINK_NOFOLLOW) != 0 || !S_ISREG(named.st_mode)) {
    return std::nullopt;
  }
  return static_cast<uint64_t>(named.st_size);
}

bool HoldsBytesOf(int folderFd, const std::string& name, uint64_t size, uint32_t crc) {
  if (RegularFileSize(folderFd, name) != size) return false;
  // Looked at again once open: the name may have been given another file,
  // and a FIFO must not block the open.
  const FileDescriptor fd(
      ::openat(folderFd, name.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
  struct stat opened {};
  if (!fd || ::fstat(fd.get(), &opened) != 0 || !S_ISREG(opened.st_mode) ||
      static_cast<uint64_t>(opened.st_size) != size) {
    return false;
  }
  return Crc32OfFile(fd.get()) == crc;
}

}  // namespace ombrel
