#include "platform/report/zip_file_writer.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include "platform/errors/errno_error.h"
#include "platform/errors/error.h"
#include "platform/files/path_names.h"
#include "platform/files/pending_file.h"
#include "platform/report/libzip_writer.h"
#include "platform/text/sender_text.h"

namespace ombrel {

namespace {

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
  WriteZipWithLibzip(file.fd(), path, texts, files, source);
  if (::fchmod(file.fd(), FinalMode(path)) != 0) throw ErrnoCause(errno, source, "Cannot write", path);
  if (::fsync(file.fd()) != 0) throw ErrnoCause(errno, source, "Cannot write", path);
  file.ReplaceAs(path);
  // The new name on disk; the report is complete either way.
  const int folderFd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (folderFd >= 0) {
    ::fsync(folderFd);
    ::close(folderFd);
  }
}

}  // namespace ombrel
