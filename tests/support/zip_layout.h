// Takes a ZIP archive apart into its entries and writes them again byte by
// byte, in the shapes that ZIP tools other than libzip give an archive: data
// descriptors after streamed entries, ZIP64 records, bytes before or after
// the archive, other compression methods and flags in the headers, two
// entries of one name. Tests build every shape a ZIP reader meets this way,
// without those tools.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace ombrel::testing {

struct ZipEntry {
  std::string name;
  std::string data;  // as it is held in the archive: compressed, or encrypted
  uint16_t method = 0;
  uint16_t flags = 0;  // bit 0: encrypted; bit 3 is set by the writer for a streamed entry
  uint32_t crc = 0;
  uint64_t size = 0;  // uncompressed
  uint16_t versionMadeBy = 20, versionNeeded = 20, time = 0, date = 0x21;
  uint16_t internalAttributes = 0;
  uint32_t externalAttributes = 0;
  std::string extra;  // extra fields, in the local and the central header alike
  // Written as a program writes to a pipe (bsdtar, Info-ZIP's zip -fd): the
  // local header gives CRC and compressed size 0 and only the uncompressed
  // size, and a data descriptor with the three follows the data.
  bool streamed = false;
  // The compression method the local header states, when it is not method.
  std::optional<uint16_t> localMethod;
  // The index of an earlier entry whose local header and data this entry's
  // central record points at, writing none of its own: overlapping entries,
  // as ZIP bombs share one compressed kernel.
  std::optional<std::size_t> sharesDataOf;
};

struct ZipLayout {
  std::vector<ZipEntry> entries;
  // ZIP64 as bsdtar writes it for any size: every local header states its
  // sizes in a ZIP64 extra field, a streamed entry's descriptor has 8-byte
  // sizes, and ZIP64 end records precede the end record.
  bool zip64 = false;
  std::string comment;  // the archive's comment, after its end record
  std::string before;  // bytes before the archive, which its offsets do not count
  std::string after;   // bytes after the end record
};

// The entries of an archive as libzip writes it (no ZIP64, no bytes around
// it), without their extra fields. Throws std::runtime_error for any other.
std::vector<ZipEntry> ReadZipEntries(const std::string& archive);

// The archive. An entry whose size needs 64 bits states it in a ZIP64 extra
// field of its own, both sizes in the local header and the size alone in the
// central one.
std::string WriteZip(const ZipLayout& layout);

}  // namespace ombrel::testing
