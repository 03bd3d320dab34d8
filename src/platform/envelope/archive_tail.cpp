#include "platform/envelope/archive_tail.h"

#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <limits>
#include <optional>
#include <string>
#include <utility>

#include "platform/envelope/saturating.h"
#include "platform/posix/whole_io.h"

namespace ombrel {

namespace {

constexpr uint64_t kEndRecordSize = 22;
constexpr uint64_t kZip64LocatorSize = 20;
constexpr uint64_t kZip64EndRecordSize = 56;
constexpr uint64_t kCentralRecordSize = 46;
// As libzip reads the tail: as far as it looks for an end record, and the
// ZIP64 locator that may precede one.
constexpr uint64_t kTailSize = kEndRecordReach + kZip64LocatorSize;
// The entries libzip makes room for when a record states none but a
// directory: Info-ZIP writes the count of 65,536 entries or more wrapped to
// 16 bits, and libzip grows its table by this many to read on.
constexpr uint64_t kWrappedEntries = 0x10000;
// The file is read in pieces of this size when the end record is looked for
// beyond the tail.
constexpr std::size_t kSearchChunk = 256 * 1024;
constexpr uint64_t kMaxOffset = static_cast<uint64_t>(std::numeric_limits<int64_t>::max());
constexpr char kEndSignature[] = "PK\x05\x06";
constexpr char kZip64LocatorSignature[] = "PK\x06\x07";
constexpr char kZip64EndSignature[] = "PK\x06\x06";
constexpr char kCentralSignature[] = "PK\x01\x02";
constexpr char kLocalSignature[] = "PK\x03\x04";

// Reads exactly size bytes at offset; false with errno set when it cannot,
// EIO when the file ends first (it got shorter since it was measured).
bool ReadAt(int fd, char* buffer, std::size_t size, uint64_t offset) {
  const ssize_t n = ReadFullAt(fd, buffer, size, static_cast<off_t>(offset));
  if (n < 0) return false;
  if (static_cast<std::size_t>(n) < size) {
    errno = EIO;
    return false;
  }
  return true;
}

// The little-endian number of width bytes at bytes.
uint64_t Number(const char* bytes, int width) {
  uint64_t value = 0;
  for (int i = width - 1; i >= 0; --i) value = (value << 8) | static_cast<unsigned char>(bytes[i]);
  return value;
}

// What an end record states of its central directory, as libzip takes it.
struct StatedDirectory {
  uint64_t entries = 0;
  uint64_t size = 0;
  uint64_t offset = 0;
  bool zip64 = false;
};

// Bytes of a file read at once (its last bytes, where libzip looks, or a few
// around a record found farther back), and the file for the rest.
class Tail {
 public:
  Tail(int fd, uint64_t fileSize, uint64_t start, std::string bytes)
      : fd_(fd), fileSize_(fileSize), start_(start), bytes_(std::move(bytes)) {}

  const std::string& bytes() const { return bytes_; }
  // Where the bytes begin in the file.
  uint64_t start() const { return start_; }
  uint64_t fileSize() const { return fileSize_; }

  // size bytes of the file from offset, from the tail when it holds them.
  bool Read(uint64_t offset, char* out, std::size_t size) const {
    if (offset >= start_ && offset - start_ + size <= bytes_.size()) {
      std::memcpy(out, bytes_.data() + (offset - start_), size);
      return true;
    }
    return ReadAt(fd_, out, size, offset);
  }

 private:
  int fd_;
  uint64_t fileSize_;
  uint64_t start_;
  std::string bytes_;
};

// The directory the end record at `at` in the tail states, when libzip takes
// the record's fields and so makes room for its entries; nothing when libzip
// refuses them first. These are libzip 1.7.3's own checks, in its order, with
// its quirks: a ZIP64 locator's first 4-byte field is read as two 2-byte ones,
// and a ZIP64 directory is held to end before the tail's start plus the ZIP64
// record's offset. *failed is set when the file cannot be read.
std::optional<StatedDirectory> TakenFields(const Tail& tail, std::size_t at, bool* failed) {
  const char* record = tail.bytes().data() + at;
  StatedDirectory directory;
  if (at >= kZip64LocatorSize && std::memcmp(record - kZip64LocatorSize, kZip64LocatorSignature, 4) == 0) {
    const char* locator = record - kZip64LocatorSize;
    const uint64_t locatorPosition = tail.start() + at - kZip64LocatorSize;
    uint64_t disks = Number(locator + 4, 2);
    uint64_t directoryDisk = Number(locator + 6, 2);
    const uint64_t recordOffset = Number(locator + 8, 8);
    if (recordOffset > kMaxOffset || recordOffset + kZip64EndRecordSize > locatorPosition) return std::nullopt;
    char zip64[kZip64EndRecordSize];
    if (!tail.Read(recordOffset, zip64, sizeof zip64)) {
      *failed = true;
      return std::nullopt;
    }
    if (std::memcmp(zip64, kZip64EndSignature, 4) != 0) return std::nullopt;
    if (disks == 0xFFFF) disks = Number(zip64 + 16, 4);
    if (directoryDisk == 0xFFFF) directoryDisk = Number(zip64 + 20, 4);
    if (disks != 0 || directoryDisk != 0) return std::nullopt;
    directory.entries = Number(zip64 + 24, 8);
    if (directory.entries != Number(zip64 + 32, 8)) return std::nullopt;
    directory.size = Number(zip64 + 40, 8);
    directory.offset = Number(zip64 + 48, 8);
    directory.zip64 = true;
    if (directory.offset > kMaxOffset || directory.offset + directory.size < directory.offset) return std::nullopt;
    if (directory.offset + directory.size > tail.start() + recordOffset) return std::nullopt;
    if (directory.entries > directory.size / kCentralRecordSize) return std::nullopt;
    return directory;
  }
  if (Number(record + 4, 4) != 0) return std::nullopt;  // a part of a split archive
  directory.entries = Number(record + 8, 2);
  if (directory.entries != Number(record + 10, 2)) return std::nullopt;
  directory.size = Number(record + 12, 4);
  directory.offset = Number(record + 16, 4);
  if (directory.offset + directory.size > tail.start() + at) return std::nullopt;
  return directory;
}

// Whether libzip, having taken the fields of the end record at `at`, reads a
// central directory for it: the directory ends before the record, the
// record's comment fits in the file, and a central record begins where the
// directory does. The record of an empty archive, which states no directory,
// is left to the caller.
bool ReadsDirectory(const Tail& tail, std::size_t at, const StatedDirectory& directory, bool* failed) {
  if (directory.offset + directory.size > tail.start() + at) return false;
  const uint64_t comment = Number(tail.bytes().data() + at + 20, 2);
  if (tail.fileSize() - (tail.start() + at) - kEndRecordSize < comment) return false;
  if (directory.size == 0) return false;
  char signature[4];
  if (!tail.Read(directory.offset, signature, sizeof signature)) {
    *failed = true;
    return false;
  }
  return std::memcmp(signature, kCentralSignature, 4) == 0;
}

// The entries libzip makes room for when it takes a record's fields and then
// finds no directory where the record says.
uint64_t RoomWithoutDirectory(const StatedDirectory& directory) {
  if (directory.entries == 0 && !directory.zip64 && directory.size >= kCentralRecordSize) return kWrappedEntries;
  return directory.entries;
}

// Whether the end-record signature at `position` in the file begins a record
// libzip would read a directory for, were it in reach, that states one.
bool EndsAnArchive(int fd, uint64_t fileSize, uint64_t position, bool* failed) {
  const uint64_t start = position >= kZip64LocatorSize ? position - kZip64LocatorSize : 0;
  std::string bytes(static_cast<std::size_t>(position - start + kEndRecordSize), '\0');
  if (!ReadAt(fd, bytes.data(), bytes.size(), start)) {
    *failed = true;
    return false;
  }
  const Tail around(fd, fileSize, start, std::move(bytes));
  const std::size_t at = static_cast<std::size_t>(position - start);
  const std::optional<StatedDirectory> directory = TakenFields(around, at, failed);
  return directory && directory->size != 0 && ReadsDirectory(around, at, *directory, failed);
}

// The last end record before `before` (where libzip's search begins) that
// ends an archive, searched for backwards in pieces.
std::optional<uint64_t> LastEndRecordBefore(int fd, uint64_t fileSize, uint64_t before, bool* failed) {
  std::string chunk;
  for (uint64_t end = before; end > 0;) {
    const uint64_t begin = end > kSearchChunk ? end - kSearchChunk : 0;
    // The three bytes past the piece complete a signature that begins in it.
    chunk.assign(static_cast<std::size_t>(std::min(end + 3, fileSize) - begin), '\0');
    if (!ReadAt(fd, chunk.data(), chunk.size(), begin)) {
      *failed = true;
      return std::nullopt;
    }
    for (std::size_t at = static_cast<std::size_t>(end - begin - 1);
         (at = chunk.rfind(kEndSignature, at, 4)) != std::string::npos; --at) {
      if (EndsAnArchive(fd, fileSize, begin + at, failed)) return begin + at;
      if (*failed) return std::nullopt;
      if (at == 0) break;
    }
    end = begin;
  }
  return std::nullopt;
}

}  // namespace

std::optional<ArchiveTail> LookAtArchiveTail(int fd, uint64_t size) {
  ArchiveTail result;
  const std::size_t length = static_cast<std::size_t>(std::min(size, kTailSize));
  std::string bytes(length, '\0');
  if (!ReadAt(fd, bytes.data(), length, size - length)) return std::nullopt;
  const Tail tail(fd, size, size - length, std::move(bytes));
  // libzip leaves room for the ZIP64 locator when it reads a whole tail.
  const std::size_t first = length == kTailSize ? kZip64LocatorSize : 0;
  std::size_t at = first;
  while (length >= kEndRecordSize && at + kEndRecordSize <= length) {
    at = tail.bytes().find(kEndSignature, at, 4);
    if (at == std::string::npos || at + kEndRecordSize > length) break;
    result.endSignature = true;
    bool failed = false;
    const std::optional<StatedDirectory> directory = TakenFields(tail, at, &failed);
    // An empty archive's record: libzip takes it without reading anything.
    if (directory && (directory->entries != 0 || directory->size != 0)) {
      if (ReadsDirectory(tail, at, *directory, &failed)) {
        ++result.endRecords;
      } else {
        result.entriesWithoutDirectory =
            SaturatingAdd(result.entriesWithoutDirectory, RoomWithoutDirectory(*directory));
      }
    }
    if (failed) return std::nullopt;
    ++at;
  }
  char start[4];
  result.startsWithEntry = size >= 4 && ReadAt(fd, start, 4, 0) && std::memcmp(start, kLocalSignature, 4) == 0;
  if (!result.endSignature && result.startsWithEntry) {
    bool failed = false;
    result.endRecordOutOfReach = LastEndRecordBefore(fd, size, tail.start() + first, &failed);
    if (failed) return std::nullopt;
  }
  return result;
}

}  // namespace ombrel
