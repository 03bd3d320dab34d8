#include "platform/files/file_bytes.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include "platform/posix/file_descriptor.h"
#include "platform/posix/retry_after_signal.h"

namespace ombrel {

bool ReadFileBytes(const std::string& path, std::string& bytes, int& error) {
  bytes.clear();
  const FileDescriptor fd(path.empty() ? -1 : ::open(path.c_str(), O_RDONLY | O_CLOEXEC));
  if (!fd) {
    error = path.empty() ? ENOENT : errno;
    return false;
  }
  struct stat status {};
  if (::fstat(fd.get(), &status) != 0 || S_ISDIR(status.st_mode)) {
    error = S_ISDIR(status.st_mode) ? EISDIR : errno;
    return false;
  }
  char buffer[64 * 1024];
  for (;;) {
    const ssize_t n = RetryAfterSignal(ssize_t{-1}, ::read, fd.get(), buffer, sizeof buffer);
    if (n < 0) {
      error = errno;
      return false;
    }
    if (n == 0) return true;
    bytes.append(buffer, static_cast<std::size_t>(n));
  }
}

}  // namespace ombrel
