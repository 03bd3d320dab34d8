#include "platform/posix/whole_io.h"

#include <unistd.h>

#include <cerrno>

#include "platform/posix/retry_after_signal.h"

namespace ombrel {

namespace {

template <typename WriteOnce>
int WriteEvery(const void* data, std::size_t size, WriteOnce write) {
  const char* bytes = static_cast<const char*>(data);
  std::size_t done = 0;
  while (done < size) {
    const ssize_t n = RetryAfterSignal(ssize_t{-1}, write, bytes + done, size - done, done);
    if (n < 0) return errno;
    if (n == 0) return EIO;
    done += static_cast<std::size_t>(n);
  }
  return 0;
}

}  // namespace

int WriteAll(int fd, const void* data, std::size_t size) {
  return WriteEvery(data, size, [fd](const char* from, std::size_t length, std::size_t) {
    return ::write(fd, from, length);
  });
}

int WriteAllAt(int fd, const void* data, std::size_t size, off_t offset) {
  return WriteEvery(data, size, [fd, offset](const char* from, std::size_t length, std::size_t done) {
    return ::pwrite(fd, from, length, offset + static_cast<off_t>(done));
  });
}

namespace {

template <typename ReadOnce>
ssize_t ReadEvery(void* data, std::size_t size, ReadOnce read) {
  char* bytes = static_cast<char*>(data);
  std::size_t done = 0;
  while (done < size) {
    const ssize_t n = RetryAfterSignal(ssize_t{-1}, read, bytes + done, size - done, done);
    if (n < 0) return -1;
    if (n == 0) break;
    done += static_cast<std::size_t>(n);
  }
  return static_cast<ssize_t>(done);
}

}  // namespace

ssize_t ReadFull(int fd, void* data, std::size_t size) {
  return ReadEvery(data, size, [fd](char* into, std::size_t length, std::size_t) {
    return ::read(fd, into, length);
  });
}

ssize_t ReadFullAt(int fd, void* data, std::size_t size, off_t offset) {
  return ReadEvery(data, size, [fd, offset](char* into, std::size_t length, std::size_t done) {
    return ::pread(fd, into, length, offset + static_cast<off_t>(done));
  });
}

}  // namespace ombrel
