#include "platform/envelope/zip_envelope.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <limits>
#include <new>
#include <optional>
#include <set>
#include <unordered_map>
#include <unordered_set>
#include <vector>

#include "platform/envelope/archive_tail.h"
#include "platform/envelope/saturating.h"
#include "platform/errors/errno_error.h"
#include "platform/files/file_contents.h"
#include "platform/files/path_names.h"
#include "platform/posix/file_descriptor.h"
#include "platform/posix/whole_io.h"
#include "platform/staging/pending_folder.h"
#include "platform/staging/stale_temporaries.h"
#include "platform/text/ascii_case.h"
#include "platform/text/sender_text.h"

namespace ombrel {

namespace {

constexpr const char* kSource = "EnvKit.Envelope";
constexpr const char* kListingEntry = "ENVELOPE.XML";
constexpr zip_uint64_t kMaxListingSize = 16 * 1024 * 1024;
// Extraction streams through one buffer of this size, whatever the entry's size.
constexpr std::size_t kChunk = 64 * 1024;
// An envelope whose documents state more than this many times the envelope's
// own size, and more than the floor, is a ZIP bomb (docs/formats.md says why
// these figures).
constexpr uint64_t kMaxExpansion = 100;
constexpr uint64_t kExpansionFloor = uint64_t{100} * 1024 * 1024;
// An archive has one end record; libzip reads a central directory for each
// that could be the archive's end in the last 64 KiB, so more than this many
// are not read.
constexpr std::size_t kMaxEndRecords = 16;
// The least an entry takes in an archive besides its compressed data: a local
// header and a central record of 30 and 46 bytes, each with the entry's name.
constexpr uint64_t kLocalHeaderSize = 30;
constexpr uint64_t kCentralRecordSize = 46;
constexpr uint64_t kEndRecordSize = 22;
// The largest size a file can have.
constexpr uint64_t kMaxFileSize = static_cast<uint64_t>(std::numeric_limits<off_t>::max());

// What makes an envelope unusable, in words for the log.
Error Invalid(const std::string& why) { return Error(err::kPathFileAccessError, kSource, why); }

Error Damaged(const std::string& entry, const std::string& why) {
  return Error(err::kPathFileAccessError, kSource,
               "The envelope's entry " + SenderText(entry) + " is damaged: " + why);
}

// The compression methods this reader promises, whatever libzip was built
// with: stored, deflated and bzip2.
bool IsReadableMethod(zip_int32_t method) {
  return method == ZIP_CM_STORE || method == ZIP_CM_DEFLATE || method == ZIP_CM_BZIP2;
}

// The name the ZIP format gives a compression method, for the log.
std::string MethodName(zip_int32_t method) {
  switch (method) {
    case 1: return "Shrink";
    case 2: case 3: case 4: case 5: return "Reduce";
    case 6: return "Implode";
    case 9: return "Deflate64";
    case 10: return "PKWARE DCL Implode";
    case 14: return "LZMA";
    case 18: return "IBM TERSE";
    case 19: return "IBM LZ77";
    case 93: return "Zstandard";
    case 94: return "MP3";
    case 95: return "XZ";
    case 96: return "JPEG";
    case 97: return "WavPack";
    case 98: return "PPMd";
    default: return "method " + std::to_string(method);
  }
}

// Refuses an entry that cannot be read whatever its bytes: one protected by a
// password, or compressed with a method this reader does not read. Checked
// when the envelope is opened, for every entry it will read, so such an
// envelope is refused before anything is written.
void CheckReadable(zip_t* archive, zip_int64_t index, const std::string& entry) {
  zip_stat_t stat;
  zip_stat_init(&stat);
  if (zip_stat_index(archive, static_cast<zip_uint64_t>(index), 0, &stat) != 0) {
    throw Damaged(entry, zip_strerror(archive));
  }
  if ((stat.valid & ZIP_STAT_ENCRYPTION_METHOD) && stat.encryption_method != ZIP_EM_NONE) {
    throw Invalid("The envelope's entry " + SenderText(entry) +
                  " is protected by a password, so it cannot be read");
  }
  if ((stat.valid & ZIP_STAT_COMP_METHOD) && !IsReadableMethod(stat.comp_method)) {
    throw Invalid("The envelope's entry " + SenderText(entry) + " is compressed with " +
                  MethodName(stat.comp_method) +
                  ", which cannot be read: entries must be stored, deflated or compressed with bzip2");
  }
}

// Refuses an archive that holds two entries of one name: which of them an
// entry name means would depend on the reader.
void CheckNamesAreUnique(zip_t* archive) {
  const zip_int64_t count = zip_get_num_entries(archive, 0);
  std::unordered_set<std::string> names;
  names.reserve(static_cast<std::size_t>(std::max<zip_int64_t>(count, 0)));
  for (zip_int64_t i = 0; i < count; ++i) {
    const char* name = zip_get_name(archive, static_cast<zip_uint64_t>(i), 0);
    if (name == nullptr) throw Invalid(std::string("it is a damaged ZIP archive: ") + zip_strerror(archive));
    if (names.insert(name).second) continue;
    if (*name == '\0') throw Invalid("it holds two entries with an empty name");
    throw Invalid("it holds two entries named " + SenderText(name));
  }
}

// Why libzip failed to read an entry, in words for the log: an archive cut
// short is said to be so.
std::string ReadFailure(zip_file_t* file) {
  if (zip_error_code_zip(zip_file_get_error(file)) == ZIP_ER_EOF) {
    return "it is cut short: the file ends before the entry's data does";
  }
  return zip_file_strerror(file);
}

// Refuses an envelope two of whose documents would be one file: a FILENAME
// equal to another document's FILENAME or entry name (every document passes
// through the envelope's folder under both), or two entry names that differ
// only in letter case. Letters are compared without their case, as the
// file systems of Windows (vfat, NTFS) compare them: the folder may be on
// one. A document whose FILENAME is its own entry name is one file already,
// and two documents of one FILENAME whose entries state the same size and
// checksum are one document twice: the step places it once.
void CheckNamesDoNotMeet(zip_t* archive, const EnvelopeListing& listing,
                         const std::vector<zip_int64_t>& indexes) {
  const auto sameBytes = [&](std::size_t a, std::size_t b) {
    zip_stat_t first;
    zip_stat_t second;
    zip_stat_init(&first);
    zip_stat_init(&second);
    return zip_stat_index(archive, static_cast<zip_uint64_t>(indexes[a]), 0, &first) == 0 &&
           zip_stat_index(archive, static_cast<zip_uint64_t>(indexes[b]), 0, &second) == 0 &&
           (first.valid & second.valid & ZIP_STAT_SIZE) && (first.valid & second.valid & ZIP_STAT_CRC) &&
           first.size == second.size && first.crc == second.crc;
  };
  struct Holder {
    std::size_t document;
    bool isEntry;
  };
  std::unordered_map<std::string, Holder> names;
  const auto number = [](std::size_t i) { return "document " + std::to_string(i + 1); };
  for (std::size_t i = 0; i < listing.Count(); ++i) {
    const ListedDocument& document = listing.Document(i);
    const std::string entry = document.EntryName();
    const auto [at, added] = names.emplace(AsciiLowered(entry), Holder{i, true});
    if (!added) {
      throw Invalid("The entries of " + number(at->second.document) + " and " + number(i) + " (" +
                    SenderText(listing.Document(at->second.document).EntryName()) +
                    ", " + SenderText(entry) + ") differ only in letter case: they would be one file");
    }
  }
  for (std::size_t i = 0; i < listing.Count(); ++i) {
    const std::string& fileName = listing.Document(i).Attribute("FILENAME");
    const auto [at, added] = names.emplace(AsciiLowered(fileName), Holder{i, false});
    if (added || at->second.document == i) continue;
    if (!at->second.isEntry && sameBytes(at->second.document, i)) continue;
    std::string document = "Document " + std::to_string(i + 1);
    throw Invalid(document + " is named \"" + SenderText(fileName) + "\", " +
                  (at->second.isEntry ? "the name of the entry of " : "as is ") +
                  number(at->second.document) + " (letter case aside): they would be one file");
  }
}

// The failure that the exception being handled stands for: our own error as
// it is, and anything else that escaped a reader as fallback.
Error CurrentFailure(const std::string& fallback) {
  try {
    throw;
  } catch (const Error& error) {
    return error;
  } catch (const std::bad_alloc&) {
    return Error(err::kOutOfMemory, kSource, "Out of memory");
  } catch (...) {
    return Invalid(fallback);
  }
}

// The whole entry, its checksum verified; raises when it cannot be read.
std::string ReadEntry(zip_t* archive, zip_int64_t index, const std::string& entry,
                      zip_uint64_t limit) {
  zip_stat_t stat;
  zip_stat_init(&stat);
  if (zip_stat_index(archive, static_cast<zip_uint64_t>(index), 0, &stat) != 0 ||
      !(stat.valid & ZIP_STAT_SIZE)) {
    throw Damaged(entry, zip_strerror(archive));
  }
  if (stat.size > limit) {
    throw Invalid(entry + " is over the size limit: " + std::to_string(stat.size) +
                  " bytes, more than " + std::to_string(limit));
  }
  ZipFilePtr file(zip_fopen_index(archive, static_cast<zip_uint64_t>(index), 0));
  if (!file) throw Damaged(entry, zip_strerror(archive));
  std::string bytes(stat.size, '\0');
  zip_uint64_t done = 0;
  while (done < stat.size) {
    const zip_int64_t n = zip_fread(file.get(), bytes.data() + done, stat.size - done);
    if (n < 0) throw Damaged(entry, ReadFailure(file.get()));
    if (n == 0) throw Damaged(entry, "it ends short of its stated size");
    done += static_cast<zip_uint64_t>(n);
  }
  // Reading on to the end is what makes libzip compare the checksum.
  char probe;
  const zip_int64_t n = zip_fread(file.get(), &probe, 1);
  if (n < 0) throw Damaged(entry, ReadFailure(file.get()));
  if (n > 0) throw Damaged(entry, "it expands past its stated size");
  return bytes;
}

// Streams one entry into the pending folder under its own name; target is
// the name it will have, for the log. Raises the error that says why it
// failed.
//
// The entry's size as the archive states it is held to: one that expands
// past its stated size, or ends short of it, is damaged; libzip holds it to
// its stated CRC-32 as it is read to its end. The pending folder records
// both, as what the file under its name will hold. The stated sizes were
// checked against the free space before anything was written.
void StageEntry(zip_t* archive, const std::string& entry, PendingFolder& pending,
                const std::string& target, std::vector<char>& buffer) {
  const zip_int64_t index = zip_name_locate(archive, entry.c_str(), 0);
  if (index < 0) throw Damaged(entry, "it is missing");
  zip_stat_t stat;
  zip_stat_init(&stat);
  if (zip_stat_index(archive, static_cast<zip_uint64_t>(index), 0, &stat) != 0 ||
      !(stat.valid & ZIP_STAT_SIZE)) {
    throw Damaged(entry, zip_strerror(archive));
  }
  if (!(stat.valid & ZIP_STAT_CRC)) throw Damaged(entry, "it states no CRC-32");
  ZipFilePtr file(zip_fopen_index(archive, static_cast<zip_uint64_t>(index), 0));
  if (!file) throw Damaged(entry, zip_strerror(archive));
  // One descriptor at a time, closed before the next entry.
  FileDescriptor fd = pending.Create(entry, stat.size, stat.crc);
  zip_uint64_t total = 0;
  for (;;) {
    // Never more than one byte past the stated size is asked for.
    const zip_uint64_t wanted = std::min<zip_uint64_t>(buffer.size(), stat.size - total + 1);
    const zip_int64_t n = zip_fread(file.get(), buffer.data(), wanted);
    if (n < 0) throw Damaged(entry, ReadFailure(file.get()));
    if (n == 0) break;
    total += static_cast<zip_uint64_t>(n);
    if (total > stat.size) throw Damaged(entry, "it expands past its stated size");
    if (const int error = WriteAll(fd.get(), buffer.data(), static_cast<std::size_t>(n))) {
      throw ErrnoCause(error, kSource, "Cannot write", target);
    }
  }
  if (total != stat.size) throw Damaged(entry, "it ends short of its stated size");
  if (!fd.Close()) {
    const int error = errno;
    throw ErrnoCause(error, kSource, "Cannot write", target);
  }
}

// Why a document's name is taken by something the step cannot use, for the
// log; "" when it is a file with exactly the document's bytes (left by an
// interrupted run), which is used as it is.
std::string WhyNameIsTaken(const std::string& staged, const std::string& target) {
  struct stat named {};
  if (::lstat(target.c_str(), &named) == 0) {
    if (S_ISDIR(named.st_mode)) return "is a folder";
    if (S_ISLNK(named.st_mode)) return "is a symbolic link";
  }
  if (SameContents(staged, target)) return "";
  return "holds other bytes than the envelope's document";
}

// What the archive states of an entry that is read.
struct StatedEntry {
  std::string name;  // for the log
  // The name's bytes as the archive holds them: libzip gives a name without
  // the UTF-8 flag converted from CP437, which may take more bytes.
  uint64_t storedNameSize = 0;
  uint64_t size = 0;  // uncompressed
  uint64_t compressedSize = 0;
};

std::vector<StatedEntry> StatedEntries(zip_t* archive, const std::vector<zip_int64_t>& indexes) {
  std::vector<StatedEntry> entries;
  for (const zip_int64_t index : indexes) {
    StatedEntry entry;
    const char* name = zip_get_name(archive, static_cast<zip_uint64_t>(index), 0);
    entry.name = name == nullptr ? "" : name;
    const char* stored = zip_get_name(archive, static_cast<zip_uint64_t>(index), ZIP_FL_ENC_RAW);
    entry.storedNameSize = stored == nullptr ? 0 : std::strlen(stored);
    zip_stat_t stat;
    zip_stat_init(&stat);
    if (zip_stat_index(archive, static_cast<zip_uint64_t>(index), 0, &stat) != 0 ||
        !(stat.valid & ZIP_STAT_SIZE) || !(stat.valid & ZIP_STAT_COMP_SIZE)) {
      throw Damaged(entry.name, zip_strerror(archive));
    }
    entry.size = stat.size;
    entry.compressedSize = stat.comp_size;
    entries.push_back(std::move(entry));
  }
  return entries;
}

// Gives the document what its entry states of its bytes.
void StateSizeAndCrc(zip_t* archive, zip_int64_t index, ListedDocument& document) {
  zip_stat_t stat;
  zip_stat_init(&stat);
  if (zip_stat_index(archive, static_cast<zip_uint64_t>(index), 0, &stat) != 0 ||
      !(stat.valid & ZIP_STAT_SIZE) || !(stat.valid & ZIP_STAT_CRC)) {
    throw Damaged(document.EntryName(), zip_strerror(archive));
  }
  document.SetStated(stat.size, stat.crc);
}

// Refuses an entry that states a size no file can have, or more compressed
// data than the whole envelope holds.
void CheckSizesCanBe(const StatedEntry& entry, uint64_t fileSize) {
  if (entry.size > kMaxFileSize) {
    throw Invalid("The envelope's entry " + SenderText(entry.name) + " states a size of " +
                  std::to_string(entry.size) + " bytes, which no file can have");
  }
  if (entry.compressedSize > fileSize) {
    throw Invalid("The envelope's entry " + SenderText(entry.name) + " states " +
                  std::to_string(entry.compressedSize) + " bytes of data, more than the " +
                  std::to_string(fileSize) + " bytes of the whole envelope");
  }
}

// Refuses entries that share their bytes: what the entries take in the file
// at the least, headers and the end record included, is more than the file
// holds.
void CheckEntriesDoNotOverlap(const std::vector<StatedEntry>& entries, uint64_t fileSize) {
  uint64_t packed = kEndRecordSize;
  for (const StatedEntry& entry : entries) {
    packed = SaturatingAdd(packed, kLocalHeaderSize + kCentralRecordSize + 2 * entry.storedNameSize);
    packed = SaturatingAdd(packed, entry.compressedSize);
  }
  if (packed > fileSize) {
    throw Invalid("its entries overlap: the entries read state " + std::to_string(packed) +
                  " bytes with their headers, more than the " + std::to_string(fileSize) +
                  " bytes of the whole envelope");
  }
}

// Refuses a ZIP bomb: documents stating more than kMaxExpansion times the
// envelope's size, and more than the floor.
void CheckNotABomb(uint64_t unpacked, uint64_t fileSize) {
  const uint64_t limit = std::max(kExpansionFloor, SaturatingMultiply(kMaxExpansion, fileSize));
  if (unpacked > limit) {
    throw Invalid("it is a ZIP bomb: its documents state " + std::to_string(unpacked) + " bytes, more than " +
                  std::to_string(kMaxExpansion) + " times the envelope's " + std::to_string(fileSize) +
                  " bytes and more than " + std::to_string(kExpansionFloor) + " bytes");
  }
}

// The sizes together; the largest number when they pass it.
uint64_t Sum(const std::vector<uint64_t>& sizes) {
  uint64_t sum = 0;
  for (const uint64_t size : sizes) sum = SaturatingAdd(sum, size);
  return sum;
}

// What a file of size bytes takes on a file system giving space in blocks
// of blockSize: whole blocks.
uint64_t InBlocks(uint64_t size, uint64_t blockSize) {
  const uint64_t blocks = size / blockSize + (size % blockSize != 0 ? 1 : 0);
  return SaturatingMultiply(blocks, blockSize);
}

}  // namespace

ZipEnvelope::ZipEnvelope(std::unique_ptr<FileSystemObject> files) : files_(std::move(files)) {}

bool ZipEnvelope::OpenEnvelope(const std::string& path) {
  archive_.reset();
  listing_ = EnvelopeListing();
  failure_.reset();
  try {
    struct stat status {};
    if (path.empty() || ::stat(path.c_str(), &status) != 0) {
      // Taken before the message is built: building it allocates, which may
      // set errno.
      const int error = path.empty() ? ENOENT : errno;
      throw ErrnoCause(error, kSource, "Cannot open", path);
    }
    if (!S_ISREG(status.st_mode)) throw Invalid("it is not a file");
    const uint64_t fileSize = static_cast<uint64_t>(status.st_size);
    CheckTail(path, fileSize);
    // Without ZIP_CHECKCONS: libzip would then refuse what common ZIP tools
    // write (a local header that states the uncompressed size before a data
    // descriptor, bytes after the end record). Each entry is read by its
    // central record, and held to its size and checksum while it is read.
    int code = 0;
    ZipArchivePtr archive(zip_open(path.c_str(), ZIP_RDONLY, &code));
    if (!archive) {
      zip_error_t error;
      zip_error_init_with_code(&error, code);
      const std::string text = zip_error_strerror(&error);
      zip_error_fini(&error);
      throw Invalid("it is not a readable ZIP archive: " + text);
    }
    CheckNamesAreUnique(archive.get());
    const zip_int64_t listingIndex = zip_name_locate(archive.get(), kListingEntry, 0);
    if (listingIndex < 0) throw Invalid(std::string("it holds no ") + kListingEntry);
    CheckReadable(archive.get(), listingIndex, kListingEntry);
    const std::string bytes = ReadEntry(archive.get(), listingIndex, kListingEntry, kMaxListingSize);
    std::string why;
    std::optional<EnvelopeListing> listing = EnvelopeListing::Parse(bytes, &why);
    if (!listing) throw Invalid(why);

    std::set<std::string> entries;
    std::vector<zip_int64_t> indexes;
    for (std::size_t i = 0; i < listing->Count(); ++i) {
      const ListedDocument& document = listing->Document(i);
      const std::string number = "Document " + std::to_string(i + 1);
      if (!document.Has("GUID")) throw Invalid(number + " has no GUID");
      const std::string entry = document.EntryName();
      const std::string& fileName = document.Attribute("FILENAME");
      for (const std::string* name : {&entry, &fileName}) {
        if (!IsPlainFileName(*name)) {
          throw Invalid(number + " is named \"" + SenderText(*name) +
                        "\", which is not a plain file name of at most " +
                        std::to_string(kMaxFileNameBytes) + " bytes");
        }
      }
      if (!entries.insert(entry).second) {
        throw Invalid(number + " repeats the entry " + SenderText(entry));
      }
      const zip_int64_t index = zip_name_locate(archive.get(), entry.c_str(), 0);
      if (index < 0) throw Invalid(number + " has no entry " + SenderText(entry) + " in the archive");
      CheckReadable(archive.get(), index, entry);
      indexes.push_back(index);
    }
    CheckNamesDoNotMeet(archive.get(), *listing, indexes);
    CheckSizes(archive.get(), listingIndex, indexes, fileSize);
    for (std::size_t i = 0; i < indexes.size(); ++i) {
      StateSizeAndCrc(archive.get(), indexes[i], listing->Document(i));
    }
    archive_ = std::move(archive);
    listing_ = std::move(*listing);
    return true;
  } catch (...) {
    failure_ = CurrentFailure("it cannot be read");
  }
  archive_.reset();
  listing_ = EnvelopeListing();
  return false;
}

void ZipEnvelope::CheckTail(const std::string& path, uint64_t fileSize) {
  const FileDescriptor file(::open(path.c_str(), O_RDONLY | O_CLOEXEC));
  if (!file) {
    const int error = errno;
    throw ErrnoCause(error, kSource, "Cannot open", path);
  }
  const std::optional<ArchiveTail> tail = LookAtArchiveTail(file.get(), fileSize);
  if (!tail) {
    const int error = errno;
    throw ErrnoCause(error == 0 ? EIO : error, kSource, "Cannot read", path);
  }
  if (tail->endRecords > kMaxEndRecords) {
    throw Invalid("it ends in " + std::to_string(tail->endRecords) +
                  " end records of a ZIP archive, where an archive has one; more than " +
                  std::to_string(kMaxEndRecords) + " are not read");
  }
  // Honest records of this kind are those of the archives an archive holds,
  // whose directories lie side by side in it: together they state no more
  // entries than central records fit in the file.
  if (tail->entriesWithoutDirectory > fileSize / kCentralRecordSize) {
    throw Invalid("it ends in end records of a ZIP archive that state " +
                  std::to_string(tail->entriesWithoutDirectory) +
                  " entries where no directory lists them, more than its " + std::to_string(fileSize) +
                  " bytes can hold; they are not read");
  }
  if (!tail->endSignature && tail->startsWithEntry) {
    // More bytes after the record than a comment holds: a ZIP reader never
    // looks that far back for it.
    if (tail->endRecordOutOfReach) {
      throw Invalid("its ZIP archive's end record is followed by " +
                    std::to_string(fileSize - *tail->endRecordOutOfReach - kEndRecordSize) +
                    " bytes, and a ZIP reader looks for that record only in the last " +
                    std::to_string(kEndRecordReach) + " bytes of a file");
    }
    throw Invalid("it is cut short: the ZIP archive's end record is missing");
  }
}

void ZipEnvelope::CheckSizes(zip_t* archive, zip_int64_t listingIndex, const std::vector<zip_int64_t>& indexes,
                             uint64_t fileSize) {
  // Each entry once: a document may be ENVELOPE.XML itself.
  std::vector<zip_int64_t> read = indexes;
  if (std::find(read.begin(), read.end(), listingIndex) == read.end()) read.push_back(listingIndex);
  const std::vector<StatedEntry> entries = StatedEntries(archive, read);
  for (const StatedEntry& entry : entries) CheckSizesCanBe(entry, fileSize);
  CheckEntriesDoNotOverlap(entries, fileSize);
  std::vector<uint64_t> documents;
  for (std::size_t i = 0; i < indexes.size(); ++i) documents.push_back(entries[i].size);
  CheckNotABomb(Sum(documents), fileSize);
}

bool ZipEnvelope::ExtractTo(const std::string& folder, int32_t /*flags: none defined*/) {
  failure_.reset();
  if (!archive_) {
    failure_ = Invalid("No envelope is open");
    return false;
  }
  const std::string prefix = folder.empty() || folder.back() == '/' ? folder : folder + "/";
  const std::string here = prefix.empty() ? "." : prefix;
  try {
    RemoveStaleTemporaries(here);
    // Every document is written before any has its name; a failure or a
    // kill before Commit() leaves none under its name. Made first: where
    // nothing can be made (a read-only mount that states no free space),
    // its failure says why.
    PendingFolder pending(here, kSource);
    // Every document's stated size together, before a byte is written: a
    // disk filled to its last byte fails other programs' writes too. Each
    // document takes whole blocks of the folder's file system.
    if (const std::optional<FileSystemObject::Room> room = files_->FreeSpace(here)) {
      const uint64_t block = std::max<uint64_t>(room->blockSize, 1);
      std::vector<uint64_t> taken;
      for (std::size_t i = 0; i < listing_.Count(); ++i) {
        taken.push_back(InBlocks(listing_.Document(i).Size(), block));
      }
      if (const uint64_t take = Sum(taken); take > room->freeBytes) {
        throw Error(err::kDiskFull, kSource,
                    "Disk full: the envelope's documents take " + std::to_string(take) + " bytes, more than the " +
                        std::to_string(room->freeBytes) + " bytes free in " + SenderText(here));
      }
    }
    std::vector<char> buffer(kChunk);
    for (std::size_t i = 0; i < listing_.Count(); ++i) {
      const std::string entry = listing_.Document(i).EntryName();
      StageEntry(archive_.get(), entry, pending, prefix + entry, buffer);
    }
    for (std::size_t i = 0; i < listing_.Count(); ++i) {
      const std::string entry = listing_.Document(i).EntryName();
      if (pending.Name(entry)) continue;
      const std::string why = WhyNameIsTaken(pending.PathOf(entry), prefix + entry);
      if (why.empty()) continue;
      throw Error(err::kFileAlreadyExists, kSource,
                  "File already exists: " + SenderText(prefix + entry) + " " + why + "; it is left as it is");
    }
    pending.Commit();
    return true;
  } catch (...) {
    failure_ = CurrentFailure("The envelope cannot be read");
  }
  return false;
}

}  // namespace ombrel
