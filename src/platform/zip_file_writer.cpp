#include "platform/zip_file_writer.h"

#include <fcntl.h>
#include <stdlib.h>
#include <sys/stat.h>
#include <unistd.h>
#include <zip.h>

#include "platform/path_names.h"

namespace ombrel {

namespace {

// Removes the temporary file unless the write got through.
class TemporaryFile {
 public:
  explicit TemporaryFile(std::string path) : path_(std::move(path)) {}
  ~TemporaryFile() {
    if (!kept_) ::unlink(path_.c_str());
  }
  TemporaryFile(const TemporaryFile&) = delete;
  TemporaryFile& operator=(const TemporaryFile&) = delete;
  const std::string& path() const { return path_; }
  void Keep() { kept_ = true; }

 private:
  std::string path_;
  bool kept_ = false;
};

bool Fsync(const std::string& path, int flags) {
  const int fd = ::open(path.c_str(), flags | O_CLOEXEC);
  if (fd < 0) return false;
  const bool ok = ::fsync(fd) == 0;
  ::close(fd);
  return ok;
}

// The mode the finished file gets: the replaced file's, else a new file's.
mode_t FinalMode(const std::string& path) {
  struct stat status {};
  if (::stat(path.c_str(), &status) == 0) return status.st_mode & 07777;
  const mode_t mask = ::umask(0);
  ::umask(mask);
  return 0666 & ~mask;
}

bool WriteArchive(const std::string& path, const std::vector<ZipTextEntry>& texts,
                  const std::vector<ZipFileEntry>& files) {
  int code = 0;
  zip_t* archive = zip_open(path.c_str(), ZIP_CREATE | ZIP_TRUNCATE, &code);
  if (archive == nullptr) return false;
  bool ok = true;
  for (const ZipTextEntry& text : texts) {
    zip_source_t* source = zip_source_buffer(archive, text.bytes.data(), text.bytes.size(), 0);
    const zip_int64_t index =
        source == nullptr ? -1 : zip_file_add(archive, text.name.c_str(), source, ZIP_FL_ENC_UTF_8);
    if (index < 0) {
      if (source != nullptr) zip_source_free(source);
      ok = false;
      break;
    }
    // The fastest level: libzip's default is the best compression, which took
    // longer than the whole rest of a translation, to save a few KB beside
    // the photos of the same report.
    zip_set_file_compression(archive, static_cast<zip_uint64_t>(index), ZIP_CM_DEFLATE, 1);
  }
  for (std::size_t i = 0; ok && i < files.size(); ++i) {
    zip_source_t* source = zip_source_file(archive, files[i].path.c_str(), 0, -1);
    const zip_int64_t index =
        source == nullptr ? -1 : zip_file_add(archive, files[i].name.c_str(), source, ZIP_FL_ENC_UTF_8);
    if (index < 0) {
      if (source != nullptr) zip_source_free(source);
      ok = false;
      break;
    }
    // Photos are compressed already.
    zip_set_file_compression(archive, static_cast<zip_uint64_t>(index), ZIP_CM_STORE, 0);
  }
  // zip_close writes everything, reading each image file only now.
  if (!ok || zip_close(archive) != 0) {
    zip_discard(archive);
    return false;
  }
  return true;
}

}  // namespace

bool WriteZipFile(const std::string& path, const std::vector<ZipTextEntry>& texts,
                  const std::vector<ZipFileEntry>& files) {
  const std::string name = FileNamePart(path);
  if (name.empty() || path.back() == '/') return false;
  struct stat existing {};
  if (::stat(path.c_str(), &existing) == 0 && S_ISDIR(existing.st_mode)) return false;
  const std::string parent = ParentFolderName(path);
  const std::string folder = parent.empty() ? "." : parent;

  std::string pattern = folder + "/." + name + ".XXXXXX";
  const int fd = ::mkstemp(pattern.data());
  if (fd < 0) return false;
  ::close(fd);
  TemporaryFile temporary(pattern);

  if (!WriteArchive(temporary.path(), texts, files)) return false;
  if (::chmod(temporary.path().c_str(), FinalMode(path)) != 0) return false;
  if (!Fsync(temporary.path(), O_RDONLY)) return false;
  if (::rename(temporary.path().c_str(), path.c_str()) != 0) return false;
  temporary.Keep();
  Fsync(folder, O_RDONLY | O_DIRECTORY);  // the new name on disk; the report is complete either way
  return true;
}

}  // namespace ombrel
