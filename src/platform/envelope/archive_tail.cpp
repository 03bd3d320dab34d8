#include "platform/envelope/archive_tail.h"

#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <string>

namespace ombrel {

namespace {

// As libzip reads the tail: the longest comment, the end record and the
// ZIP64 locator that may precede it.
constexpr uint64_t kEndRecordSize = 22;
constexpr uint64_t kZip64LocatorSize = 20;
constexpr uint64_t kTailSize = 65535 + kEndRecordSize + kZip64LocatorSize;
constexpr char kEndSignature[] = "PK\x05\x06";
constexpr char kLocalSignature[] = "PK\x03\x04";

bool ReadAt(int fd, char* buffer, std::size_t size, uint64_t offset) {
  std::size_t done = 0;
  while (done < size) {
    const ssize_t n = ::pread(fd, buffer + done, size - done, static_cast<off_t>(offset + done));
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return false;
    done += static_cast<std::size_t>(n);
  }
  return true;
}

}  // namespace

std::optional<ArchiveTail> LookAtArchiveTail(int fd, uint64_t size) {
  ArchiveTail tail;
  const std::size_t length = static_cast<std::size_t>(std::min(size, kTailSize));
  std::string bytes(length, '\0');
  if (!ReadAt(fd, bytes.data(), length, size - length)) return std::nullopt;
  // libzip leaves room for the ZIP64 locator when it reads a whole tail.
  std::size_t at = length == kTailSize ? kZip64LocatorSize : 0;
  while (length >= kEndRecordSize && at + kEndRecordSize <= length) {
    at = bytes.find(kEndSignature, at, 4);
    if (at == std::string::npos || at + kEndRecordSize > length) break;
    ++tail.endRecords;
    ++at;
  }
  char start[4];
  tail.startsWithEntry = size >= 4 && ReadAt(fd, start, 4, 0) && std::memcmp(start, kLocalSignature, 4) == 0;
  return tail;
}

}  // namespace ombrel
