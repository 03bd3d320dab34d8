#include "platform/report/zip_file_writer.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <zip.h>

#include <cerrno>
#include <memory>

#include "platform/errors/errno_error.h"
#include "platform/errors/error.h"
#include "platform/files/path_names.h"
#include "platform/posix/file_descriptor.h"
#include "platform/report/held_entry_writer.h"
#include "platform/report/size_checked_file_source.h"
#include "platform/staging/pending_file.h"
#include "platform/staging/stale_temporaries.h"
#include "platform/text/sender_text.h"

namespace ombrel {

namespace {

constexpr zip_uint32_t kEntryMode = S_IFREG | 0644;

// libzip writes the archive through this source into the pending file, each
// entry held until its header is final (see held_entry_writer.h): libzip
// makes no temporary file of its own, so a kill leaves none.
struct FileTarget {
  explicit FileTarget(int fd) : fd(fd), writer(fd) {}
  int fd;
  HeldEntryWriter writer;
  int writeErrno = 0;  // the first failure writing to fd
  zip_error_t error{};
};

zip_int64_t Fail(FileTarget& target, int errnoValue) {
  if (target.writeErrno == 0) target.writeErrno = errnoValue;
  zip_error_set(&target.error, ZIP_ER_WRITE, errnoValue);
  return -1;
}

zip_int64_t FileTargetCallback(void* state, void* data, zip_uint64_t length,
                               zip_source_cmd_t command) {
  FileTarget& target = *static_cast<FileTarget*>(state);
  switch (command) {
    case ZIP_SOURCE_SUPPORTS:
      return zip_source_make_command_bitmap(
          ZIP_SOURCE_OPEN, ZIP_SOURCE_READ, ZIP_SOURCE_CLOSE, ZIP_SOURCE_STAT, ZIP_SOURCE_ERROR,
          ZIP_SOURCE_FREE, ZIP_SOURCE_SEEK, ZIP_SOURCE_TELL, ZIP_SOURCE_BEGIN_WRITE,
          ZIP_SOURCE_COMMIT_WRITE, ZIP_SOURCE_ROLLBACK_WRITE, ZIP_SOURCE_WRITE,
          ZIP_SOURCE_SEEK_WRITE, ZIP_SOURCE_TELL_WRITE, ZIP_SOURCE_REMOVE, -1);
    case ZIP_SOURCE_STAT: {
      // An empty file: the archive starts new.
      auto* stat = static_cast<zip_stat_t*>(data);
      zip_stat_init(stat);
      stat->valid = ZIP_STAT_SIZE;
      stat->size = 0;
      return sizeof(*stat);
    }
    case ZIP_SOURCE_OPEN:
    case ZIP_SOURCE_READ:
    case ZIP_SOURCE_CLOSE:
    case ZIP_SOURCE_SEEK:
    case ZIP_SOURCE_TELL:
      return 0;  // nothing to read: the file is empty
    case ZIP_SOURCE_BEGIN_WRITE:
      if (::ftruncate(target.fd, 0) != 0) return Fail(target, errno);
      target.writer = HeldEntryWriter(target.fd);
      return 0;
    case ZIP_SOURCE_WRITE:
      if (const int failure = target.writer.Write(data, length)) return Fail(target, failure);
      return static_cast<zip_int64_t>(length);
    case ZIP_SOURCE_SEEK_WRITE: {
      const zip_int64_t position = zip_source_seek_compute_offset(
          target.writer.Tell(), target.writer.Size(), data, length, &target.error);
      if (position < 0) return -1;
      if (const int failure = target.writer.Seek(static_cast<zip_uint64_t>(position))) {
        return Fail(target, failure);
      }
      return 0;
    }
    case ZIP_SOURCE_TELL_WRITE:
      return static_cast<zip_int64_t>(target.writer.Tell());
    case ZIP_SOURCE_COMMIT_WRITE:
      if (const int failure = target.writer.Flush()) return Fail(target, failure);
      return 0;
    case ZIP_SOURCE_ROLLBACK_WRITE:
    case ZIP_SOURCE_REMOVE:
    case ZIP_SOURCE_FREE:
      return 0;
    case ZIP_SOURCE_ERROR:
      return zip_error_to_data(&target.error, data, length);
    default:
      zip_error_set(&target.error, ZIP_ER_OPNOTSUPP, 0);
      return -1;
  }
}

// Writes the archive through libzip into fd, the empty pending file; path
// is the archive's path, for messages. Raises the error that says why it
// could not.
void WriteArchive(int fd, const std::string& path, const std::vector<ZipTextEntry>& texts,
                  const std::vector<ZipFileEntry>& files, const std::string& source) {
  // The photos' sources, which libzip reads only in zip_close: they outlive
  // the archive.
  std::vector<std::unique_ptr<SizeCheckedFileSource>> photos;
  FileTarget target(fd);
  zip_error_init(&target.error);
  zip_error_t error;
  zip_error_init(&error);
  zip_source_t* output = zip_source_function_create(FileTargetCallback, &target, &error);
  zip_t* archive =
      output == nullptr ? nullptr : zip_open_from_source(output, ZIP_CREATE | ZIP_TRUNCATE, &error);
  if (archive == nullptr) {
    if (output != nullptr) zip_source_free(output);
    const std::string text = zip_error_strerror(&error);
    zip_error_fini(&error);
    zip_error_fini(&target.error);
    throw Error(err::kPathFileAccessError, source, "Cannot write " + SenderText(path) + ": " + text);
  }
  zip_error_fini(&error);

  // What went wrong, in words for the log; "" while all is well.
  std::string failure;
  // Adds an entry; its index, or -1 with failure set.
  auto add = [&](const std::string& name, zip_source_t* entry, zip_int32_t method,
                 zip_uint32_t level) -> zip_int64_t {
    const zip_int64_t index =
        entry == nullptr ? -1 : zip_file_add(archive, name.c_str(), entry, ZIP_FL_ENC_UTF_8);
    if (index < 0) {
      if (entry != nullptr) zip_source_free(entry);
      failure = "Cannot add " + SenderText(name) + ": " + zip_strerror(archive);
      return -1;
    }
    const auto at = static_cast<zip_uint64_t>(index);
    zip_set_file_compression(archive, at, method, level);
    zip_file_set_external_attributes(archive, at, 0, ZIP_OPSYS_UNIX, kEntryMode << 16);
    return index;
  };
  for (const ZipTextEntry& text : texts) {
    if (!failure.empty()) break;
    // The fastest level: libzip's default is the best compression, which took
    // longer than the whole rest of a translation, to save a few KB beside
    // the photos of the same report.
    const zip_int64_t index =
        add(text.name, zip_source_buffer(archive, text.bytes.data(), text.bytes.size(), 0),
            ZIP_CM_DEFLATE, 1);
    if (index >= 0) zip_file_set_mtime(archive, static_cast<zip_uint64_t>(index), text.modified, 0);
  }
  for (const ZipFileEntry& file : files) {
    if (!failure.empty()) break;
    // Photos are compressed already.
    photos.push_back(std::make_unique<SizeCheckedFileSource>(file.path));
    add(file.name, photos.back()->Create(archive), ZIP_CM_STORE, 0);
  }
  // zip_close writes everything, reading each image file only now.
  if (failure.empty() && zip_close(archive) == 0) {
    zip_error_fini(&target.error);
    return;
  }
  if (failure.empty()) failure = zip_strerror(archive);
  zip_discard(archive);
  zip_error_fini(&target.error);
  if (target.writeErrno != 0) throw ErrnoCause(target.writeErrno, source, "Cannot write", path);
  for (const auto& photo : photos) {
    if (photo->ChangedSize()) failure = SenderText(photo->path()) + " changed size while it was being copied";
  }
  throw Error(err::kPathFileAccessError, source,
              "Cannot write " + SenderText(path) + ": " + failure);
}

// The mode the finished file gets: the replaced file's, else a new file's.
mode_t FinalMode(const std::string& path) {
  struct stat status {};
  if (::stat(path.c_str(), &status) == 0) return status.st_mode & 07777;
  const mode_t mask = ::umask(0);
  ::umask(mask);
  return 0666 & ~mask;
}

}  // namespace

void WriteZipFile(const std::string& path, const std::vector<ZipTextEntry>& texts,
                  const std::vector<ZipFileEntry>& files, const std::string& source) {
  const std::string name = FileNamePart(path);
  if (name.empty() || path.back() == '/') {
    throw Error(err::kPathFileAccessError, source,
                "Cannot write " + SenderText(path) + ": it names no file");
  }
  struct stat existing {};
  if (::stat(path.c_str(), &existing) == 0 && S_ISDIR(existing.st_mode)) {
    throw ErrnoCause(EISDIR, source, "Cannot write", path);
  }
  const std::string parent = ParentFolderName(path);
  const std::string folder = parent.empty() ? "." : parent;

  RemoveStaleTemporaries(folder);
  PendingFile file(folder, source);
  WriteArchive(file.fd(), path, texts, files, source);
  // A file system that keeps no modes may have no chmod at all (FAT through
  // FUSE): the report has the mode that file system gives every file.
  if (::fchmod(file.fd(), FinalMode(path)) != 0) {
    // Taken before the message is built: building it allocates, which may
    // set errno.
    const int error = errno;
    if (error != ENOSYS && error != ENOTSUP) throw ErrnoCause(error, source, "Cannot write", path);
  }
  if (::fsync(file.fd()) != 0) {
    const int error = errno;
    throw ErrnoCause(error, source, "Cannot write", path);
  }
  file.ReplaceAs(path);
  // The new name on disk; the report is complete either way.
  if (const FileDescriptor folderFd(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC)); folderFd) {
    ::fsync(folderFd.get());
  }
}

}  // namespace ombrel
