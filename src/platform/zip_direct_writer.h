// Writes a ZIP archive into an empty file without libzip, byte for byte as
// libzip writes the same entries: each entry's local header and data, then
// the central directory and the end record, no ZIP64 records, no extra
// fields. Only for the archives PlanDirectWrite takes (zip_plan.h). Texts are
// deflated through the kept deflate stream; files are stored as they are,
// their CRC-32 computed while they are copied, and each must still have the
// size the plan found: one that grows or shrinks meanwhile fails the write.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "platform/zip_file_writer.h"
#include "platform/zip_write_state.h"

namespace ombrel {

// fd: the empty file, written from its start; path: the archive's path, for
// messages; fileSizes: the plan's, one per file. Raises the error that says
// why it could not, with source as the error's source.
void WriteZipDirectly(int fd, const std::string& path, const std::vector<ZipTextEntry>& texts,
                      const std::vector<ZipFileEntry>& files, const std::vector<std::uint64_t>& fileSizes,
                      ZipWriteState& state, const std::string& source);

}  // namespace ombrel
