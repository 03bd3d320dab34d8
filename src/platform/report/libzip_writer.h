// Writes a ZIP archive into an empty file through libzip: texts deflated at
// the fastest level, files stored as they are with their own time, every
// entry marked as a plain file that its owner may write and everyone read
// (0644). libzip writes straight into the file, through no temporary file of
// its own, and adds ZIP64 records only to an archive that needs them.
#pragma once

#include <string>
#include <vector>

#include "platform/report/zip_file_writer.h"

namespace ombrel {

// fd: the empty file; path: the archive's path, for messages. Raises the
// error that says why it could not, with source as the error's source.
void WriteZipWithLibzip(int fd, const std::string& path, const std::vector<ZipTextEntry>& texts,
                        const std::vector<ZipFileEntry>& files, const std::string& source);

}  // namespace ombrel
