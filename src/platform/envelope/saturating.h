// Sums and products of the sizes an archive states, which a hostile archive
// makes as large as its fields allow: past 2^64 they stay at the largest
// number, so a check against a limit still sees them as too large.
#pragma once

#include <cstdint>
#include <limits>

namespace ombrel {

inline uint64_t SaturatingAdd(uint64_t a, uint64_t b) {
  return a > std::numeric_limits<uint64_t>::max() - b ? std::numeric_limits<uint64_t>::max() : a + b;
}

inline uint64_t SaturatingMultiply(uint64_t a, uint64_t b) {
  return b != 0 && a > std::numeric_limits<uint64_t>::max() / b ? std::numeric_limits<uint64_t>::max()
                                                                  : a * b;
}

}  // namespace ombrel
