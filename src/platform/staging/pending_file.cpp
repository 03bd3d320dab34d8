#include "platform/staging/pending_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <utility>

#include "platform/errors/errno_error.h"
#include "platform/files/path_names.h"
#include "platform/posix/file_lock.h"
#include "platform/posix/locked_open.h"
#include "platform/posix/no_replace_rename.h"
#include "platform/staging/temporary_names.h"

namespace ombrel {

namespace {

constexpr char kCreateIn[] = "Cannot create a file in";
constexpr char kLockIn[] = "Cannot lock a file in";
constexpr char kNameIn[] = "Cannot name a file in";

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
    fd_ = FileDescriptor(::open(folder_.c_str(), O_TMPFILE | O_RDWR | O_CLOEXEC, 0666));
    if (const int error = errno; !fd_ && error != EOPNOTSUPP && error != EISDIR && error != EINVAL) {
      throw ErrnoCause(error, source_, kCreateIn, folder_);
    }
    if (fd_) return;
  }
  for (int attempt = 0; attempt < kTemporaryNameAttempts; ++attempt) {
    // Locked until the file is closed, so RemoveStaleTemporaries leaves it
    // alone; a clean-up in another process may have taken it for stale
    // before the lock, and removed it: another name then.
    const std::string name = InFolder(folder_, NewTemporaryName());
    LockedOpen made = OpenLocked(AT_FDCWD, name, O_CREAT | O_EXCL, 0666);
    switch (made.result) {
      case LockedOpenResult::kLocked:
        fd_ = std::move(made.fd);
        temporary_ = name;
        return;
      case LockedOpenResult::kNotOpened:
        if (made.error == EEXIST) continue;
        throw ErrnoCause(made.error, source_, kCreateIn, folder_);
      case LockedOpenResult::kLockFailed:
        throw ErrnoCause(made.error, source_, kLockIn, folder_);
      case LockedOpenResult::kHeld:
      case LockedOpenResult::kNotNamed:
        continue;
    }
  }
  throw NoTemporaryNameLeft(source_, kCreateIn, folder_);
}

PendingFile::~PendingFile() {
  // Closed before its name goes: a FUSE or NFS mount keeps a file removed
  // while open under a hidden name.
  fd_.Reset();
  if (!temporary_.empty()) ::unlink(temporary_.c_str());
}

const std::string& PendingFile::TemporaryName() {
  // Locked before it has a name, as a temporary made with one is: a clean-up
  // in another window must not take it for stale. No one else can hold the
  // lock of a file that has no name yet; a lock that cannot be taken at all
  // fails here, as it does for a temporary made with its name.
  if (temporary_.empty() && TryLockFile(fd_.get()) == FileLockResult::kFailed) {
    const int error = errno;
    throw ErrnoCause(error, source_, kLockIn, folder_);
  }
  for (int attempt = 0; temporary_.empty() && attempt < kTemporaryNameAttempts; ++attempt) {
    const std::string name = InFolder(folder_, NewTemporaryName());
    if (LinkDescriptor(fd_.get(), name)) {
      temporary_ = name;
    } else if (const int error = errno; error != EEXIST) {
      throw ErrnoCause(error, source_, kNameIn, folder_);
    }
  }
  if (temporary_.empty()) throw NoTemporaryNameLeft(source_, kNameIn, folder_);
  return temporary_;
}

bool PendingFile::LinkAs(const std::string& path) {
  if (placed_) return false;
  const int error = temporary_.empty()
                        ? (LinkDescriptor(fd_.get(), path) ? 0 : errno)
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
    const int error = errno;
    throw ErrnoCause(error, source_, "Cannot replace", path);
  }
  temporary_.clear();
  placed_ = true;
}

}  // namespace ombrel
