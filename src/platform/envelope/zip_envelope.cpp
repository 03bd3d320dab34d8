#include "platform/envelope/zip_envelope.h"

#include <fcntl.h>
#include <limits.h>
#include <sys/stat.h>
#include <sys/statvfs.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <new>
#include <optional>
#include <set>
#include <unordered_set>
#include <vector>

#include "platform/errors/errno_error.h"
#include "platform/files/file_contents.h"
#include "platform/files/pending_file.h"
#include "platform/text/sender_text.h"

namespace ombrel {

namespace {

constexpr const char* kSource = "EnvKit.Envelope";
constexpr const char* kListingEntry = "ENVELOPE.XML";
constexpr zip_uint64_t kMaxListingSize = 16 * 1024 * 1024;
// Extraction streams through one buffer of this size, whatever the entry's size.
constexpr std::size_t kChunk = 64 * 1024;

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
    if (!names.insert(name).second) throw Invalid("it holds two entries named " + SenderText(name));
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

// A name that can only mean a file directly inside the folder, and that a
// file can have.
bool IsPlainFileName(const std::string& name) {
  return !name.empty() && name.size() <= NAME_MAX && name != "." && name != ".." &&
         name.find_first_of(std::string("/\\\0", 3)) == std::string::npos;
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
    if (n < 0) throw Damaged(entry, zip_file_strerror(file.get()));
    if (n == 0) throw Damaged(entry, "it ends short of its stated size");
    done += static_cast<zip_uint64_t>(n);
  }
  // Reading on to the end is what makes libzip compare the checksum.
  char probe;
  const zip_int64_t n = zip_fread(file.get(), &probe, 1);
  if (n < 0) throw Damaged(entry, zip_file_strerror(file.get()));
  if (n > 0) throw Damaged(entry, "it expands past its stated size");
  return bytes;
}

bool WriteAll(int fd, const char* data, std::size_t size) {
  while (size > 0) {
    const ssize_t n = ::write(fd, data, size);
    if (n < 0 && errno == EINTR) continue;
    if (n == 0) errno = EIO;
    if (n <= 0) return false;
    data += n;
    size -= static_cast<std::size_t>(n);
  }
  return true;
}

// The bytes that can still be written in folder; nothing when it cannot be told.
std::optional<zip_uint64_t> FreeSpace(const std::string& folder) {
  struct statvfs status {};
  if (::statvfs(folder.empty() ? "." : folder.c_str(), &status) != 0) return std::nullopt;
  return static_cast<zip_uint64_t>(status.f_bavail) * status.f_frsize;
}

// Streams one entry into target, which must not hold a different file yet.
// The document is written unnamed and takes target's name only when it is
// complete. target is recorded in written once this call made it, so a later
// failure removes it again. Raises the error that says why it failed.
//
// The entry's size as the archive states it is held to: an entry that states
// more than the folder's free space is not begun (a ZIP bomb would fill the
// disk before failing), and one that expands past its stated size, or ends
// short of it, is damaged.
void ExtractEntry(zip_t* archive, const std::string& entry, const std::string& folder,
                  const std::string& target, std::vector<std::string>& written,
                  std::vector<char>& buffer) {
  const zip_int64_t index = zip_name_locate(archive, entry.c_str(), 0);
  if (index < 0) throw Damaged(entry, "it is missing");
  zip_stat_t stat;
  zip_stat_init(&stat);
  if (zip_stat_index(archive, static_cast<zip_uint64_t>(index), 0, &stat) != 0 ||
      !(stat.valid & ZIP_STAT_SIZE)) {
    throw Damaged(entry, zip_strerror(archive));
  }
  if (const std::optional<zip_uint64_t> free = FreeSpace(folder); free && stat.size > *free) {
    throw Error(err::kDiskFull, kSource,
                "Disk full: " + SenderText(entry) + " is over the size limit of the free space: " +
                    std::to_string(stat.size) + " bytes, " + std::to_string(*free) +
                    " free in " + SenderText(folder));
  }
  ZipFilePtr file(zip_fopen_index(archive, static_cast<zip_uint64_t>(index), 0));
  if (!file) throw Damaged(entry, zip_strerror(archive));
  PendingFile document(folder, kSource);
  zip_uint64_t total = 0;
  for (;;) {
    // Never more than one byte past the stated size is asked for.
    const zip_uint64_t wanted = std::min<zip_uint64_t>(buffer.size(), stat.size - total + 1);
    const zip_int64_t n = zip_fread(file.get(), buffer.data(), wanted);
    if (n < 0) throw Damaged(entry, zip_file_strerror(file.get()));
    if (n == 0) break;
    total += static_cast<zip_uint64_t>(n);
    if (total > stat.size) throw Damaged(entry, "it expands past its stated size");
    if (!WriteAll(document.fd(), buffer.data(), static_cast<std::size_t>(n))) {
      throw ErrnoCause(errno, kSource, "Cannot write", target);
    }
  }
  if (total != stat.size) throw Damaged(entry, "it ends short of its stated size");
  if (document.LinkAs(target)) {
    written.push_back(target);
    return;
  }
  // The same document, left by a run that was interrupted, is used as it is.
  if (SameContents(document.fd(), target)) return;
  throw Error(err::kFileAlreadyExists, kSource,
              "File already exists: " + SenderText(target) +
                  " holds other bytes than the envelope's document; it is left as it is");
}

}  // namespace

bool ZipEnvelope::OpenEnvelope(const std::string& path) {
  archive_.reset();
  listing_ = EnvelopeListing();
  failure_.reset();
  try {
    struct stat status {};
    if (path.empty() || ::stat(path.c_str(), &status) != 0) {
      throw ErrnoCause(path.empty() ? ENOENT : errno, kSource, "Cannot open", path);
    }
    if (!S_ISREG(status.st_mode)) throw Invalid("it is not a file");
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
    for (std::size_t i = 0; i < listing->Count(); ++i) {
      const ListedDocument& document = listing->Document(i);
      const std::string number = "Document " + std::to_string(i + 1);
      if (!document.Has("GUID")) throw Invalid(number + " has no GUID");
      const std::string entry = document.Attribute("GUID") + document.Attribute("EXT");
      const std::string& fileName = document.Attribute("FILENAME");
      for (const std::string* name : {&entry, &fileName}) {
        if (!IsPlainFileName(*name)) {
          throw Invalid(number + " is named \"" + SenderText(*name) +
                        "\", which is not a plain file name of at most " +
                        std::to_string(NAME_MAX) + " bytes");
        }
      }
      if (!entries.insert(entry).second) {
        throw Invalid(number + " repeats the entry " + SenderText(entry));
      }
      const zip_int64_t index = zip_name_locate(archive.get(), entry.c_str(), 0);
      if (index < 0) throw Invalid(number + " has no entry " + SenderText(entry) + " in the archive");
      CheckReadable(archive.get(), index, entry);
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

bool ZipEnvelope::ExtractTo(const std::string& folder, int32_t /*flags: none defined*/) {
  failure_.reset();
  if (!archive_) {
    failure_ = Invalid("No envelope is open");
    return false;
  }
  const std::string prefix = folder.empty() || folder.back() == '/' ? folder : folder + "/";
  std::vector<std::string> written;
  try {
    RemoveStaleTemporaries(prefix.empty() ? "." : prefix);
    std::vector<char> buffer(kChunk);
    for (std::size_t i = 0; i < listing_.Count(); ++i) {
      const ListedDocument& document = listing_.Document(i);
      const std::string entry = document.Attribute("GUID") + document.Attribute("EXT");
      ExtractEntry(archive_.get(), entry, prefix, prefix + entry, written, buffer);
    }
    return true;
  } catch (...) {
    failure_ = CurrentFailure("The envelope cannot be read");
  }
  for (const std::string& file : written) ::unlink(file.c_str());
  return false;
}

}  // namespace ombrel
