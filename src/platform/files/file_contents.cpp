#include "platform/files/file_contents.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <vector>

#include "platform/posix/file_descriptor.h"
#include "platform/posix/whole_io.h"

namespace ombrel {

namespace {

constexpr std::size_t kChunk = 64 * 1024;

int OpenRegular(const std::string& path) {
  return ::open(path.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
}

bool SameOpenContents(int first, int second) {
  struct stat a {};
  struct stat b {};
  if (::fstat(first, &a) != 0 || ::fstat(second, &b) != 0 || !S_ISREG(a.st_mode) ||
      !S_ISREG(b.st_mode) || a.st_size != b.st_size) {
    return false;
  }
  std::vector<char> left(kChunk);
  std::vector<char> right(kChunk);
  for (off_t offset = 0; offset < a.st_size;) {
    const ssize_t n = ReadFullAt(first, left.data(), kChunk, offset);
    if (n <= 0 || ReadFullAt(second, right.data(), static_cast<std::size_t>(n), offset) != n ||
        std::memcmp(left.data(), right.data(), static_cast<std::size_t>(n)) != 0) {
      return false;
    }
    offset += n;
  }
  return true;
}

}  // namespace

bool SameContents(int fd, const std::string& path) {
  const FileDescriptor other(OpenRegular(path));
  return other && SameOpenContents(fd, other.get());
}

bool SameContents(const std::string& first, const std::string& second) {
  const FileDescriptor fd(OpenRegular(first));
  return fd && SameContents(fd.get(), second);
}

}  // namespace ombrel
