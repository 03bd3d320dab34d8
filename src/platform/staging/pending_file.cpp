#include "platform/staging/pending_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include "platform/errors/errno_error.h"
#include "platform/posix/file_identity.h"
#include "platform/posix/file_lock.h"
#include "platform/posix/no_replace_rename.h"
#include "platform/files/path_names.h"
#include "platform/staging/temporary_names.h"

namespace ombrel {

namespace {

constexpr int kAttempts = 100;

}  // namespace

namespace {

// Links the open file fd to path; errno is set on failure. Through /proc,
// which needs no privilege; AT_EMPTY_PATH where /proc is not mounted.
bool LinkDescriptor(int fd, const std::string& path) {
  const std::string self = "/proc/self/fd/" + std::to_string(fd);
  if (::linkat(AT_FDCWD, self.c_str(), AT_FDCWD, path.c_str(), AT_SYMLINK_FOLLOW) == 0) return true;
  const int error = errno;
  if (error == ENOENT && ::access("/proc/self/fd", F_OK) != 0) {
    if (::linkat(fd, "", AT_FDCWD, path.c_str(), AT_EMPTY_PATH) == 0) return true;
  }
  errno = error;
  return false;
}

}  // namespace

PendingFile::PendingFile(const std::string& folder, const std::string& source, Naming naming)
    : folder_(folder.empty() ? "." : folder), source_(source) {
  if (naming == Naming::kUnnamedWherePossible) {
    fd_ = ::open(folder_.c_str(), O_TMPFILE | O_RDWR | O_CLOEXEC, 0666);
    if (fd_ < 0 && errno != EOPNOTSUPP && errno != EISDIR && errno != EINVAL) {
      throw ErrnoCause(errno, source_, "Cannot create a file in", folder_);
    }
  }
  for (int attempt = 0; fd_ < 0 && attempt < kAttempts; ++attempt) {
    const std::string name = InFolder(folder_, NewTemporaryName());
    const int fd = ::open(name.c_str(), O_RDWR | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
    if (fd < 0) {
      if (errno == EEXIST) continue;
      throw ErrnoCause(errno, source_, "Cannot create a file in", folder_);
    }
    // Locked until the file is closed, so RemoveStaleTemporaries leaves it
    // alone; and still the file made above: a clean-up in another process
    // may have taken it for stale before the lock, and deleted it.
    const FileLockResult locked = TryLockFile(fd);
    if (locked == FileLockResult::kFailed) {
      const int error = errno;
      if (NamesOpenFile(AT_FDCWD, name, fd)) ::unlink(name.c_str());
      ::close(fd);
      throw ErrnoCause(error, source_, "Cannot create a file in", folder_);
    }
    if (locked == FileLockResult::kLocked && NamesOpenFile(AT_FDCWD, name, fd)) {
      fd_ = fd;
      temporary_ = name;
    } else {
      ::close(fd);
    }
  }
  if (fd_ < 0) throw ErrnoCause(EEXIST, source_, "Cannot create a file in", folder_);
}

PendingFile::~PendingFile() {
  if (!temporary_.empty()) ::unlink(temporary_.c_str());
  if (fd_ >= 0) ::close(fd_);
}

const std::string& PendingFile::TemporaryName() {
  // Locked before it has a name, as a temporary made with one is: a clean-up
  // in another window must not take it for stale. No one else can hold the
  // lock of a file that has no name yet; a lock that cannot be taken at all
  // fails here, as it does for a temporary made with its name.
  if (temporary_.empty() && TryLockFile(fd_) == FileLockResult::kFailed) {
    throw ErrnoCause(errno, source_, "Cannot name a file in", folder_);
  }
  for (int attempt = 0; temporary_.empty() && attempt < kAttempts; ++attempt) {
    const std::string name = InFolder(folder_, NewTemporaryName());
    if (LinkDescriptor(fd_, name)) {
      temporary_ = name;
    } else if (errno != EEXIST) {
      throw ErrnoCause(errno, source_, "Cannot name a file in", folder_);
    }
  }
  if (temporary_.empty()) throw ErrnoCause(EEXIST, source_, "Cannot name a file in", folder_);
  return temporary_;
}

bool PendingFile::LinkAs(const std::string& path) {
  if (placed_) return false;
  const int error = temporary_.empty()
                        ? (LinkDescriptor(fd_, path) ? 0 : errno)
                        : RenameNoReplace(AT_FDCWD, temporary_.c_str(), AT_FDCWD, path.c_str());
  if (error == EEXIST) return false;
  if (error != 0) throw ErrnoCause(error, source_, "Cannot create", path);
  temporary_.clear();
  placed_ = true;
  return true;
}

void PendingFile::ReplaceAs(const std::string& path) {
  if (placed_) throw ErrnoCause(EEXIST, source_, "Cannot create", path);
  if (LinkAs(path)) return;
  const std::string& temporary = TemporaryName();
  if (::rename(temporary.c_str(), path.c_str()) != 0) {
    throw ErrnoCause(errno, source_, "Cannot replace", path);
  }
  temporary_.clear();
  placed_ = true;
}

}  // namespace ombrel
