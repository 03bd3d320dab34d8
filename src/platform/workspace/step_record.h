// The record a step keeps in the workspace's lock file of the files it is
// about to name: each name with the size and CRC-32 of what it will hold. A
// step that finishes empties it; one that dies leaves it for the next step
// to clear (see workspace_lock.h).
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace ombrel {

struct RecordedFile {
  std::string path;  // absolute
  uint64_t size = 0;
  uint32_t crc32 = 0;
  bool operator==(const RecordedFile&) const = default;
};

// The entries as the record holds them, to be appended in one write. A path
// is written with its length first, so it may hold any byte.
std::string EncodeRecord(const std::vector<RecordedFile>& files);

// The entries in a record's bytes, up to the first that is incomplete or
// not an entry: a write cut short by a kill leaves a torn last entry, and a
// file that holds no record (an earlier version's, a user's) gives none.
std::vector<RecordedFile> DecodeRecord(std::string_view bytes);

}  // namespace ombrel
