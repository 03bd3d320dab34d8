// A hash and a comparison of short texts (element names, the literal parts
// of order tags) read a word at a time: a translation hashes and compares
// thousands of them, most under twenty bytes, where a loop over single bytes
// or a call to compare them costs more than the work.
#pragma once

#include <cstdint>
#include <cstring>
#include <string_view>

namespace ombrel {

inline uint64_t LoadWord64(const char* at) {
  uint64_t word;
  std::memcpy(&word, at, 8);
  return word;
}

inline uint64_t LoadWord32(const char* at) {
  uint32_t word;
  std::memcpy(&word, at, 4);
  return word;
}

// Text of eight bytes or more is read in 8-byte words, the last one ending
// at its last byte (overlapping the one before); shorter text as two
// overlapping halves, or as its first, middle and last byte. No byte is read
// alone in a loop and none outside the text. The length is mixed in, so
// texts that overlap differently do not collide for it.
inline uint64_t WordHash(std::string_view text) {
  constexpr uint64_t kMultiplier = 0x9E3779B97F4A7C15ull;
  const char* const bytes = text.data();
  const std::size_t size = text.size();
  uint64_t hash = size * kMultiplier;
  if (size >= 8) {
    for (std::size_t at = 0; at + 8 < size; at += 8) {
      hash = (hash ^ LoadWord64(bytes + at)) * kMultiplier;
      hash ^= hash >> 29;
    }
    hash = (hash ^ LoadWord64(bytes + size - 8)) * kMultiplier;
  } else if (size >= 4) {
    hash = (hash ^ (LoadWord32(bytes) | LoadWord32(bytes + size - 4) << 32)) * kMultiplier;
  } else if (size > 0) {
    const uint64_t first = static_cast<unsigned char>(bytes[0]);
    const uint64_t middle = static_cast<unsigned char>(bytes[size / 2]);
    const uint64_t last = static_cast<unsigned char>(bytes[size - 1]);
    hash = (hash ^ (first | middle << 8 | last << 16)) * kMultiplier;
  }
  hash ^= hash >> 32;
  return hash * kMultiplier;
}

// a == b, read in words as WordHash reads them: no call to compare a few
// bytes.
inline bool SameWords(std::string_view a, std::string_view b) {
  const std::size_t size = a.size();
  if (size != b.size()) return false;
  if (size >= 8) {
    for (std::size_t at = 0; at + 8 < size; at += 8) {
      if (LoadWord64(a.data() + at) != LoadWord64(b.data() + at)) return false;
    }
    return LoadWord64(a.data() + size - 8) == LoadWord64(b.data() + size - 8);
  }
  if (size >= 4) {
    return LoadWord32(a.data()) == LoadWord32(b.data()) &&
           LoadWord32(a.data() + size - 4) == LoadWord32(b.data() + size - 4);
  }
  for (std::size_t at = 0; at < size; ++at) {
    if (a[at] != b[at]) return false;
  }
  return true;
}

}  // namespace ombrel
