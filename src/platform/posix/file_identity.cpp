#include "platform/posix/file_identity.h"

#include <fcntl.h>
#include <zlib.h>

#include <vector>

#include "platform/posix/file_descriptor.h"
#include "platform/posix/whole_io.h"

namespace ombrel {

namespace {

constexpr std::size_t kChunk = 64 * 1024;

// The CRC-32 (as ZIP and zlib compute it) of the bytes of the file open as
// fd, from its start; nothing when it cannot be read.
std::optional<uint32_t> Crc32Of(int fd) {
  std::vector<unsigned char> buffer(kChunk);
  uLong crc = ::crc32(0L, Z_NULL, 0);
  for (off_t offset = 0;;) {
    const ssize_t n = ReadFullAt(fd, buffer.data(), buffer.size(), offset);
    if (n < 0) return std::nullopt;
    crc = ::crc32(crc, buffer.data(), static_cast<uInt>(n));
    offset += n;
    if (static_cast<std::size_t>(n) < buffer.size()) break;
  }
  return static_cast<uint32_t>(crc);
}

}  // namespace

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
  return Crc32Of(fd.get()) == crc;
}

}  // namespace ombrel
