// Writes a ZIP archive to a path all at once: the archive is written into a
// file of the same folder that has no name yet (see PendingFile) and takes
// the path's name only when it is complete, so a failure, or a kill at any
// moment, leaves whatever was at the path untouched and no partial file. The
// next write into the folder removes a temporary that a killed one left.
//
// The archive's bytes are those libzip writes for the same entries. Most
// archives are written directly, deflating through a state kept between
// archives (ZipWriteState); the rest, above all those that need ZIP64
// records, through libzip itself (zip_plan.h says which).
#pragma once

#include <cstdint>
#include <ctime>
#include <string>
#include <vector>

namespace ombrel {

class ZipWriteState;

// The first value a size or offset field of the plain ZIP records cannot
// hold: libzip writes ZIP64 records from there on.
inline constexpr std::uint64_t kZipFieldLimit = 0xFFFFFFFF;

struct ZipTextEntry {
  std::string name;
  std::string bytes;  // compressed in the archive
  std::time_t modified = 0;
};

struct ZipFileEntry {
  std::string name;
  std::string path;  // read when the archive is written; stored as it is, with its time
};

// Writes the whole archive to path, its entries marked as plain files that
// their owner may write and everyone read (0644). Raises the error that says
// why it could not, with source as the error's source. Archives that would
// reach zip64Limit bytes go through libzip (tests lower the limit).
void WriteZipFile(const std::string& path, const std::vector<ZipTextEntry>& texts,
                  const std::vector<ZipFileEntry>& files, ZipWriteState& state, const std::string& source,
                  std::uint64_t zip64Limit = kZipFieldLimit);

}  // namespace ombrel
