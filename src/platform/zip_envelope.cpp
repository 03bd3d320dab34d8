#include "platform/zip_envelope.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <sys/statvfs.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <optional>
#include <set>
#include <vector>

namespace ombrel {

namespace {

constexpr const char* kListingEntry = "ENVELOPE.XML";
constexpr zip_uint64_t kMaxListingSize = 16 * 1024 * 1024;
// Extraction streams through one buffer of this size, whatever the entry's size.
constexpr std::size_t kChunk = 64 * 1024;

// A name that can only mean a file directly inside the folder.
bool IsPlainFileName(const std::string& name) {
  return !name.empty() && name != "." && name != ".." &&
         name.find_first_of(std::string("/\\\0", 3)) == std::string::npos;
}

// The whole entry, its checksum verified; nothing when it cannot be read.
std::optional<std::string> ReadEntry(zip_t* archive, zip_int64_t index, zip_uint64_t limit) {
  zip_stat_t stat;
  zip_stat_init(&stat);
  if (zip_stat_index(archive, static_cast<zip_uint64_t>(index), 0, &stat) != 0 ||
      !(stat.valid & ZIP_STAT_SIZE) || stat.size > limit) {
    return std::nullopt;
  }
  ZipFilePtr file(zip_fopen_index(archive, static_cast<zip_uint64_t>(index), 0));
  if (!file) return std::nullopt;
  std::string bytes(stat.size, '\0');
  zip_uint64_t done = 0;
  while (done < stat.size) {
    const zip_int64_t n = zip_fread(file.get(), bytes.data() + done, stat.size - done);
    if (n <= 0) return std::nullopt;
    done += static_cast<zip_uint64_t>(n);
  }
  // Reading on to the end is what makes libzip compare the checksum.
  char probe;
  if (zip_fread(file.get(), &probe, 1) != 0) return std::nullopt;
  return bytes;
}

bool WriteAll(int fd, const char* data, std::size_t size) {
  while (size > 0) {
    const ssize_t n = ::write(fd, data, size);
    if (n < 0 && errno == EINTR) continue;
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

// Streams one entry into a file that must not exist yet. The file is recorded
// in written as soon as it is created, so a failure removes it too.
//
// The entry's size as the archive states it is held to: an entry that states
// more than the folder's free space is not begun (a ZIP bomb would fill the
// disk before failing), and one that expands past its stated size, or ends
// short of it, is damaged.
bool ExtractEntry(zip_t* archive, const std::string& entry, const std::string& folder,
                  const std::string& target, std::vector<std::string>& written,
                  std::vector<char>& buffer) {
  const zip_int64_t index = zip_name_locate(archive, entry.c_str(), 0);
  if (index < 0) return false;
  zip_stat_t stat;
  zip_stat_init(&stat);
  if (zip_stat_index(archive, static_cast<zip_uint64_t>(index), 0, &stat) != 0 ||
      !(stat.valid & ZIP_STAT_SIZE)) {
    return false;
  }
  if (const std::optional<zip_uint64_t> free = FreeSpace(folder); free && stat.size > *free) return false;
  ZipFilePtr file(zip_fopen_index(archive, static_cast<zip_uint64_t>(index), 0));
  if (!file) return false;
  const int fd = ::open(target.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
  if (fd < 0) return false;
  written.push_back(target);
  bool ok = true;
  zip_uint64_t total = 0;
  for (;;) {
    // Never more than one byte past the stated size is asked for.
    const zip_uint64_t wanted = std::min<zip_uint64_t>(buffer.size(), stat.size - total + 1);
    const zip_int64_t n = zip_fread(file.get(), buffer.data(), wanted);
    if (n < 0) ok = false;  // a damaged entry or a checksum error
    if (n <= 0) break;
    total += static_cast<zip_uint64_t>(n);
    if (total > stat.size || !WriteAll(fd, buffer.data(), static_cast<std::size_t>(n))) {
      ok = false;
      break;
    }
  }
  if (total != stat.size) ok = false;
  if (::close(fd) != 0) ok = false;
  return ok;
}

}  // namespace

bool ZipEnvelope::OpenEnvelope(const std::string& path) {
  archive_.reset();
  listing_ = EnvelopeListing();
  try {
    struct stat status {};
    if (path.empty() || ::stat(path.c_str(), &status) != 0 || !S_ISREG(status.st_mode)) return false;
    int code = 0;
    ZipArchivePtr archive(zip_open(path.c_str(), ZIP_RDONLY | ZIP_CHECKCONS, &code));
    if (!archive) return false;
    const zip_int64_t listingIndex = zip_name_locate(archive.get(), kListingEntry, 0);
    if (listingIndex < 0) return false;
    const std::optional<std::string> bytes = ReadEntry(archive.get(), listingIndex, kMaxListingSize);
    if (!bytes) return false;
    std::optional<EnvelopeListing> listing = EnvelopeListing::Parse(*bytes);
    if (!listing) return false;

    std::set<std::string> entries;
    for (std::size_t i = 0; i < listing->Count(); ++i) {
      const ListedDocument& document = listing->Document(i);
      if (!document.Has("GUID")) return false;
      const std::string entry = document.Attribute("GUID") + document.Attribute("EXT");
      if (!IsPlainFileName(entry) || !IsPlainFileName(document.Attribute("FILENAME"))) return false;
      if (!entries.insert(entry).second) return false;
      if (zip_name_locate(archive.get(), entry.c_str(), 0) < 0) return false;
    }
    archive_ = std::move(archive);
    listing_ = std::move(*listing);
    return true;
  } catch (...) {
    archive_.reset();
    listing_ = EnvelopeListing();
    return false;
  }
}

bool ZipEnvelope::ExtractTo(const std::string& folder, int32_t /*flags: none defined*/) {
  if (!archive_) return false;
  const std::string prefix = folder.empty() || folder.back() == '/' ? folder : folder + "/";
  std::vector<std::string> written;
  bool ok = true;
  try {
    std::vector<char> buffer(kChunk);
    for (std::size_t i = 0; ok && i < listing_.Count(); ++i) {
      const ListedDocument& document = listing_.Document(i);
      const std::string entry = document.Attribute("GUID") + document.Attribute("EXT");
      ok = ExtractEntry(archive_.get(), entry, prefix, prefix + entry, written, buffer);
    }
  } catch (...) {
    ok = false;
  }
  if (!ok) {
    for (const std::string& file : written) ::unlink(file.c_str());
  }
  return ok;
}

}  // namespace ombrel
