// The record a pending folder writes before it gives any name: each name it
// claims, with the size and CRC-32 of the file it will give that name, and,
// appended later, each claim it gave up. A clean-up reads it to know which
// names a killed run may have given, and which file under such a name is
// the one it gave.
//
// Entries, one after another:
//   claim <size> <crc, 8 hex digits> <name's length> <name>\n
//   release <name's length> <name>\n
// numbers in decimal but the CRC. A name may hold any byte but "/" and NUL,
// a line break too: its length says where it ends. A kill while the record
// is written leaves a prefix of it, whose last entry is incomplete; such an
// entry, and anything after it, is not read.
//
// A record holds no more than the program ever writes (kMaxPendingRecordBytes):
// a clean-up refuses a larger file unread, whatever it holds.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "platform/files/path_names.h"

namespace ombrel {

// The most names one record claims. A pending folder holds the documents of
// one envelope, and an envelope's listing has at most a million elements
// and attributes together, each document at least an element and its GUID.
inline constexpr std::size_t kMaxRecordedNames = 500'000;
// The most the program writes for one name: its claim with the longest
// size (20 digits) and name (kMaxFileNameBytes, its length 3 digits), then
// its release.
inline constexpr std::size_t kMaxClaimEntryBytes =
    sizeof("claim ") - 1 + 20 + 1 + 8 + 1 + 3 + 1 + kMaxFileNameBytes + 1;
inline constexpr std::size_t kMaxReleaseEntryBytes = sizeof("release ") - 1 + 3 + 1 + kMaxFileNameBytes + 1;
// The largest record the program writes: some 282 MB, for the largest
// envelope it reads; a real one holds a few hundred bytes per document.
inline constexpr std::size_t kMaxPendingRecordBytes =
    kMaxRecordedNames * (kMaxClaimEntryBytes + kMaxReleaseEntryBytes);

struct RecordedName {
  std::string name;
  uint64_t size = 0;  // the bytes of the file it will give that name
  uint32_t crc = 0;   // and their CRC-32

  bool operator==(const RecordedName&) const = default;
};

// The entry claiming file.name.
std::string ClaimEntry(const RecordedName& file);
// The entry giving up the claim on name.
std::string ReleaseEntry(const std::string& name);
// The names record claims and has not given up, in the order first claimed,
// each once (a name claimed again has what its last claim says), as far as
// its entries are complete. Work and memory grow with the record's size
// alone, however its entries repeat a name.
std::vector<RecordedName> ClaimedNames(std::string_view record);

}  // namespace ombrel
