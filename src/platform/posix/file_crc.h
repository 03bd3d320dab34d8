// The CRC-32 of a file's bytes, as ZIP and zlib compute it, read through a
// descriptor in chunks of a fixed size whatever the file's size.
#pragma once

#include <cstdint>
#include <optional>

namespace ombrel {

// The CRC-32 of the bytes of the file open as fd, from its start to its
// end; nothing when a read fails, with errno set.
std::optional<uint32_t> Crc32OfFile(int fd);

}  // namespace ombrel
