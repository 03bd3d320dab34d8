// Rewrites a ZIP archive so that one entry states another uncompressed size
// than its data has, in its local and its central header alike (as ZIP64
// when the size does not fit 32 bits): the archives of ZIP bombs and of
// entries that lie about themselves, which no ZIP writer makes on purpose.
#pragma once

#include <cstdint>
#include <string>

namespace ombrel::testing {

// The archive with entry's stated size replaced by statedSize. Throws
// std::runtime_error when the archive cannot be read this way (ZIP64 input,
// split archives, no such entry).
std::string WithStatedSize(const std::string& archive, const std::string& entry, uint64_t statedSize);

}  // namespace ombrel::testing
