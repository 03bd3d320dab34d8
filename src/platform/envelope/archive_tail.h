// A bounded look at the end of a ZIP archive's file before libzip opens it.
// libzip 1.7.3 tries every end-record signature in the last 64 KiB of the
// file and reads the whole central directory for each that points at one, so
// a file whose tail holds thousands of copies of its end record costs
// thousands of readings of its directory; counting them first costs one read
// of at most 64 KiB.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>

namespace ombrel {

struct ArchiveTail {
  // The end-record signatures libzip would try, each with the 22 bytes of an
  // end record from it on.
  std::size_t endRecords = 0;
  // The file begins with a local header's signature, as an archive does.
  bool startsWithEntry = false;
};

// What the file open as fd, of size bytes, holds at its end and start;
// nothing when it cannot be read.
std::optional<ArchiveTail> LookAtArchiveTail(int fd, uint64_t size);

}  // namespace ombrel
