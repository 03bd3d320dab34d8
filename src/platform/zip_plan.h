// Decides, before anything is written, whether an archive is one the direct
// writer (zip_direct_writer.h) writes with the very bytes libzip would, or one
// for libzip itself: an archive that needs ZIP64 records, a photo whose size
// is not known beforehand (not a plain file), one that cannot be found (libzip
// then says why in its own words), or an entry name libzip treats in ways of
// its own (empty, a folder's, a duplicate, control characters or bytes that
// are not UTF-8).
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

#include "platform/zip_file_writer.h"

namespace ombrel {

struct ZipEntryShape {
  std::size_t nameSize = 0;
  std::uint64_t size = 0;  // before compression
  bool deflated = false;
};

// True when the whole archive, counted with the most deflate can make of the
// deflated entries, stays below limit, and so does every size and offset in
// it; and the entries fit the 16-bit counts of the end record.
bool FitsWithoutZip64(const std::vector<ZipEntryShape>& entries, std::uint64_t limit = kZipFieldLimit);

// A name the direct writer writes as libzip does: 1 to 65535 bytes of
// printable ASCII or well-formed UTF-8, not ending in "/".
bool IsPlainEntryName(std::string_view name);

// The sizes of the files, as found now, when the direct writer can write the
// archive; nothing when libzip must. Archives past limit need ZIP64 (tests
// lower it to reach that decision with small files).
std::optional<std::vector<std::uint64_t>> PlanDirectWrite(const std::vector<ZipTextEntry>& texts,
                                                          const std::vector<ZipFileEntry>& files,
                                                          std::uint64_t limit = kZipFieldLimit);

}  // namespace ombrel
