// Writes a ZIP archive to a path all at once: the archive is written to a
// temporary file in the same folder and renamed over the path only when it is
// complete, so a failure leaves no partial file and whatever was at the path
// untouched.
#pragma once

#include <string>
#include <vector>

namespace ombrel {

struct ZipTextEntry {
  std::string name;
  std::string bytes;  // compressed in the archive
};

struct ZipFileEntry {
  std::string name;
  std::string path;  // read when the archive is written; stored as it is
};

// True when the whole archive is at path.
bool WriteZipFile(const std::string& path, const std::vector<ZipTextEntry>& texts,
                  const std::vector<ZipFileEntry>& files);

}  // namespace ombrel
