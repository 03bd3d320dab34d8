#include "support/recorded_file.h"

#include <zlib.h>

namespace ombrel::testing {

RecordedFile Holding(const std::string& path, const std::string& bytes) {
  const uLong crc = crc32(crc32(0L, Z_NULL, 0), reinterpret_cast<const Bytef*>(bytes.data()),
                          static_cast<uInt>(bytes.size()));
  return {path, bytes.size(), static_cast<uint32_t>(crc)};
}

}  // namespace ombrel::testing
