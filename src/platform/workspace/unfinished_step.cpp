#include "platform/workspace/unfinished_step.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <zlib.h>

#include <cerrno>
#include <set>

#include "platform/errors/errno_error.h"
#include "platform/files/path_names.h"
#include "platform/posix/file_descriptor.h"
#include "platform/posix/whole_io.h"
#include "platform/staging/stale_temporaries.h"

namespace ombrel {

namespace {

constexpr const char* kSource = "Ombrel";
constexpr std::size_t kChunk = 64 * 1024;

enum class Outcome { kRemoved, kNotTheStepsFile, kFailed };

// Removes file.path when it holds what was recorded; error says why on kFailed.
Outcome RemoveIfItHoldsTheRecord(const RecordedFile& file, int& error) {
  // Never through a link, never waiting on a FIFO; closed before the name
  // goes, so a FUSE file system keeps no hidden copy of an open file.
  {
    const FileDescriptor fd(::open(file.path.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
    if (!fd) return Outcome::kNotTheStepsFile;
    struct stat status {};
    if (::fstat(fd.get(), &status) != 0 || !S_ISREG(status.st_mode) ||
        static_cast<uint64_t>(status.st_size) != file.size) {
      return Outcome::kNotTheStepsFile;
    }
    const std::optional<uint32_t> crc = FileCrc32(fd.get());
    if (!crc || *crc != file.crc32) return Outcome::kNotTheStepsFile;
  }
  if (::unlink(file.path.c_str()) == 0) return Outcome::kRemoved;
  error = errno;
  return error == ENOENT ? Outcome::kNotTheStepsFile : Outcome::kFailed;
}

}  // namespace

std::optional<uint32_t> FileCrc32(int fd) {
  std::vector<unsigned char> buffer(kChunk);
  uLong crc = crc32(0L, Z_NULL, 0);
  for (off_t offset = 0;;) {
    const ssize_t n = ReadFullAt(fd, buffer.data(), buffer.size(), offset);
    if (n < 0) return std::nullopt;
    if (n == 0) break;
    crc = crc32(crc, buffer.data(), static_cast<uInt>(n));
    offset += n;
  }
  return static_cast<uint32_t>(crc);
}

ClearedStep ClearRecordedFiles(const std::vector<RecordedFile>& files) {
  ClearedStep cleared;
  std::set<std::string> folders;
  for (const RecordedFile& file : files) folders.insert(ParentFolderName(file.path));
  for (const std::string& folder : folders) RemoveStaleTemporaries(folder.empty() ? "/" : folder);
  for (const RecordedFile& file : files) {
    int error = 0;
    switch (RemoveIfItHoldsTheRecord(file, error)) {
      case Outcome::kRemoved: ++cleared.removed; break;
      case Outcome::kNotTheStepsFile: break;
      case Outcome::kFailed: {
        if (!cleared.failure) cleared.failure = ErrnoCause(error, kSource, "Cannot delete", file.path);
        cleared.left.push_back(file);
        break;
      }
    }
  }
  return cleared;
}

}  // namespace ombrel
