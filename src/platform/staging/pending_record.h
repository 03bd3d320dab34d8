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
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace ombrel {

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
// The names record claims and has not given up, in the order claimed, as
// far as its entries are complete.
std::vector<RecordedName> ClaimedNames(std::string_view record);

}  // namespace ombrel
