// Writes a ZIP archive into an empty file through libzip: the archives the
// direct writer does not take (see zip_plan.h), above all those that need
// ZIP64 records, stay exactly what libzip makes of them.
#pragma once

#include <string>
#include <vector>

#include "platform/zip_file_writer.h"

namespace ombrel {

// fd: the empty file; path: the archive's path, for messages. Raises the
// error that says why it could not, with source as the error's source.
void WriteZipWithLibzip(int fd, const std::string& path, const std::vector<ZipTextEntry>& texts,
                        const std::vector<ZipFileEntry>& files, const std::string& source);

}  // namespace ombrel
