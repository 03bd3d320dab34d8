// Writes a ZIP archive to a path all at once: the archive is written into a
// file of the same folder that has no name yet (see PendingFile) and takes
// the path's name only when it is complete, so a failure, or a kill at any
// moment, leaves whatever was at the path untouched and no partial file. The
// next write into the folder removes a temporary that a killed one left.
// libzip writes the archive straight into that file, through no temporary
// file of its own, and adds ZIP64 records only to an archive that needs them.
#pragma once

#include <ctime>
#include <string>
#include <vector>

namespace ombrel {

struct ZipTextEntry {
  std::string name;
  std::string bytes;  // compressed in the archive
  std::time_t modified = 0;
};

struct ZipFileEntry {
  std::string name;
  std::string path;  // read when the archive is written; stored as it is, with its time
};

// Writes the whole archive to path: the texts, deflated at the fastest level,
// then the files, stored as they are with their own time, in the order given,
// each marked as a plain file that its owner may write and everyone read
// (0644). Raises the error that says why it could not, with source as
// the error's source; a file that changes size while it is copied is one.
void WriteZipFile(const std::string& path, const std::vector<ZipTextEntry>& texts,
                  const std::vector<ZipFileEntry>& files, const std::string& source);

}  // namespace ombrel
