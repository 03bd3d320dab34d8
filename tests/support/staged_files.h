// Filling a pending folder in a test: a file staged with the size and CRC-32
// of its bytes, as the unpacking stages an envelope's document.
#pragma once

#include <cstdint>
#include <string>

#include "platform/staging/pending_folder.h"

namespace ombrel::testing {

// The CRC-32 of bytes, as ZIP and zlib compute it.
uint32_t Crc32(const std::string& bytes);

// Creates name in pending and writes bytes to it; false when that fails.
bool StageFile(PendingFolder& pending, const std::string& name, const std::string& bytes);

}  // namespace ombrel::testing
