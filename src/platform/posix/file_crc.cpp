#include "platform/posix/file_crc.h"

#include <zlib.h>

#include <vector>

#include "platform/posix/whole_io.h"

namespace ombrel {

namespace {

constexpr std::size_t kChunk = 64 * 1024;

}  // namespace

std::optional<uint32_t> Crc32OfFile(int fd) {
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

}  // namespace ombrel
