#include "support/staged_files.h"

#include <zlib.h>

#include "platform/posix/whole_io.h"

namespace ombrel::testing {

uint32_t Crc32(const std::string& bytes) {
  const uLong crc = ::crc32(0L, reinterpret_cast<const Bytef*>(bytes.data()), static_cast<uInt>(bytes.size()));
  return static_cast<uint32_t>(crc);
}

bool StageFile(PendingFolder& pending, const std::string& name, const std::string& bytes) {
  FileDescriptor fd = pending.Create(name, bytes.size(), Crc32(bytes));
  return WriteAll(fd.get(), bytes.data(), bytes.size()) == 0 && fd.Close();
}

}  // namespace ombrel::testing
