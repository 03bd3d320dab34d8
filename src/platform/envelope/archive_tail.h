// A bounded look at the end of a ZIP archive's file before libzip opens it.
// libzip 1.7.3 tries every end-record signature in the last 64 KiB of the
// file. One whose fields it refuses costs it nothing, and so does one that
// states no entries and no directory, as an empty archive's record does; for
// any other it accepts it first makes room for every entry the record states,
// and then reads the whole central directory the record points at when one
// begins there, so a file whose tail holds thousands of copies of its end
// record costs thousands of readings of its directory. Counting them first
// costs one read of at most 64 KiB, and a few bytes for each record libzip
// would accept.
//
// Only records that could be the archive's end are counted: an archive
// holding stored ZIP archives (a document that is itself a .zip), or a photo
// whose bytes happen to spell the signature, has signatures in its tail that
// libzip refuses, finds no directory for, or reads nothing for.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>

namespace ombrel {

// How far from the end of a file libzip 1.7.3 looks for the start of an end
// record: the 22-byte record and 65,536 bytes after it, one more than a
// comment can hold. Python's zipfile looks as far; other readers about as far.
inline constexpr uint64_t kEndRecordReach = 22 + 65536;

struct ArchiveTail {
  // The end records libzip would read a central directory for: it takes the
  // record's fields (through its ZIP64 locator, when one precedes it), the
  // directory lies wholly before the record, the record's comment fits in the
  // file, and the directory begins with a central record's signature where
  // the record says.
  std::size_t endRecords = 0;
  // The entries libzip makes room for, together, for the other records whose
  // fields it takes, before it finds no directory to read: those each states,
  // or 65,536 for one that states none but a directory (which libzip takes for
  // Info-ZIP's count of 65,536 entries, wrapped to 0). The records of the
  // archives an archive holds state no more than those archives' directories
  // can list, which lie side by side in the file.
  uint64_t entriesWithoutDirectory = 0;
  // Some end-record signature has the 22 bytes of a record after it.
  bool endSignature = false;
  // The file begins with a local header's signature, as an archive does.
  bool startsWithEntry = false;
  // Where the archive's end record begins when it lies farther from the end
  // of the file than kEndRecordReach, so that libzip does not find it: the
  // last record before there that libzip would read a directory for, were it
  // in reach, that states one. Looked for, in one pass over the file, only when
  // the file begins as an archive does and no end-record signature is in
  // reach, to tell such a file from one cut short.
  std::optional<uint64_t> endRecordOutOfReach;
};

// What the file open as fd, of size bytes, holds at its end and start;
// nothing when it cannot be read.
std::optional<ArchiveTail> LookAtArchiveTail(int fd, uint64_t size);

}  // namespace ombrel
