#include "support/zip_size_claim.h"

#include <stdexcept>

#include "support/zip_layout.h"

namespace ombrel::testing {

std::string WithStatedSize(const std::string& archive, const std::string& entryName, uint64_t statedSize) {
  ZipLayout layout;
  layout.entries = ReadZipEntries(archive);
  bool found = false;
  for (ZipEntry& e : layout.entries) {
    if (e.name == entryName) {
      e.size = statedSize;
      found = true;
    }
  }
  if (!found) throw std::runtime_error("no entry " + entryName);
  return WriteZip(layout);
}

}  // namespace ombrel::testing
