#include "platform/posix/file_descriptor.h"

#include <unistd.h>

#include <cerrno>

namespace ombrel {

bool FileDescriptor::Close() {
  const int fd = Release();
  return fd < 0 || ::close(fd) == 0;
}

void FileDescriptor::Reset() {
  const int error = errno;  // a failure being reported keeps its cause
  if (const int fd = Release(); fd >= 0) ::close(fd);
  errno = error;
}

}  // namespace ombrel
