#include "platform/staging/pending_folder.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include "platform/errors/errno_error.h"
#include "platform/posix/file_identity.h"
#include "platform/posix/file_lock.h"
#include "platform/posix/folder_names.h"
#include "platform/posix/no_replace_rename.h"
#include "platform/files/path_names.h"
#include "platform/staging/temporary_names.h"

namespace ombrel {

namespace {

constexpr int kAttempts = 100;
constexpr char kLock[] = "lock";
constexpr char kFiles[] = "files";
constexpr char kKept[] = "kept";

// Whether the name still is the file moved there: the same inode, and the
// size and time of change a move keeps, so that an inode number reused for a
// user's new file is not enough.
bool StillMoved(int folderFd, const std::string& name, const struct stat& moved) {
  struct stat named {};
  return ::fstatat(folderFd, name.c_str(), &named, AT_SYMLINK_NOFOLLOW) == 0 && S_ISREG(named.st_mode) &&
         SameFile(named, moved) && named.st_size == moved.st_size &&
         named.st_mtim.tv_sec == moved.st_mtim.tv_sec && named.st_mtim.tv_nsec == moved.st_mtim.tv_nsec;
}

// A pending folder that holds files but no lock file is one an earlier
// version of the program left: it wrote its files straight into the pending
// folder and locked the folder itself. Cleared as that version cleared it
// (each name still the same file as one of its files, then the files, then
// the folder) unless that version still holds it; where a folder cannot be
// locked (NFS) it stays.
void RemoveStaleUnlockedFolder(int folderFd, const std::string& name, int fd) {
  if (::flock(fd, LOCK_EX | LOCK_NB) != 0 || !NamesOpenFile(folderFd, name, fd)) return;
  for (const std::string& file : FolderNames(fd)) {
    struct stat staged {};
    struct stat named {};
    if (::fstatat(fd, file.c_str(), &staged, AT_SYMLINK_NOFOLLOW) != 0 || !S_ISREG(staged.st_mode)) continue;
    if (::fstatat(folderFd, file.c_str(), &named, AT_SYMLINK_NOFOLLOW) == 0 && SameFile(staged, named)) {
      ::unlinkat(folderFd, file.c_str(), 0);
    }
    ::unlinkat(fd, file.c_str(), 0);
  }
  ::unlinkat(folderFd, name.c_str(), AT_REMOVEDIR);
}

}  // namespace

PendingFolder::PendingFolder(const std::string& folder, const std::string& source)
    : folder_(folder.empty() ? "." : folder), source_(source) {
  folderFd_ = ::open(folder_.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (folderFd_ < 0) throw ErrnoCause(errno, source_, "Cannot create a file in", folder_);
  try {
    for (int attempt = 0; attempt < kAttempts; ++attempt) {
      if (Make(NewTemporaryName())) return;
    }
  } catch (...) {
    ::close(folderFd_);
    throw;
  }
  ::close(folderFd_);
  throw ErrnoCause(EEXIST, source_, "Cannot create a file in", folder_);
}

bool PendingFolder::Make(const std::string& name) {
  if (::mkdirat(folderFd_, name.c_str(), 0700) != 0) {
    if (errno == EEXIST) return false;
    throw ErrnoCause(errno, source_, "Cannot create a file in", folder_);
  }
  // From here each failure removes what was made. A folder without its lock
  // file is empty, and an rmdir removes nothing else; one with its lock file
  // is cleared while the lock is held.
  auto fail = [&](int error) {
    ::unlinkat(folderFd_, name.c_str(), AT_REMOVEDIR);
    return ErrnoCause(error, source_, "Cannot create a file in", folder_);
  };
  const int fd = ::openat(folderFd_, name.c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
  if (fd < 0) {
    // Gone already: a clean-up found it without a lock file, and removed it.
    if (errno == ENOENT) return false;
    throw fail(errno);
  }
  const int lock = ::openat(fd, kLock, O_RDWR | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600);
  if (lock < 0) {
    const int error = errno;
    ::close(fd);
    if (error == ENOENT) return false;  // the same, a moment later
    throw fail(error);
  }
  const FileLockResult locked = TryLockFile(lock);
  const int lockError = errno;
  if (locked == FileLockResult::kFailed) {
    ::close(lock);  // before its name goes (see ClearPendingFolder)
    ::unlinkat(fd, kLock, 0);
    ::close(fd);
    throw fail(lockError);
  }
  // Locked, and still the folder and lock file made above: a clean-up in
  // another process may have taken them for stale before the lock, and
  // deleted them (it holds the lock while it does).
  if (locked == FileLockResult::kHeld || !NamesOpenFile(folderFd_, name, fd) ||
      !NamesOpenFile(fd, kLock, lock)) {
    ::close(lock);
    ::close(fd);
    return false;
  }
  int files = -1;
  if (::mkdirat(fd, kFiles, 0700) == 0) {
    files = ::openat(fd, kFiles, O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
  }
  if (files < 0) {
    const int error = errno;
    ClearPendingFolder(folderFd_, fd, name, lock);
    ::close(fd);
    throw ErrnoCause(error, source_, "Cannot create a file in", folder_);
  }
  fd_ = fd;
  lockFd_ = lock;
  filesFd_ = files;
  name_ = name;
  return true;
}

PendingFolder::~PendingFolder() {
  ::close(filesFd_);  // -1 already once committed
  if (!committed_) {
    for (const Given& given : moved_) {
      if (StillMoved(folderFd_, given.name, given.moved)) {
        ::unlinkat(folderFd_, given.name.c_str(), 0);
      }
    }
    ClearPendingFolder(folderFd_, fd_, name_, lockFd_);
  }
  ::close(fd_);
  ::close(folderFd_);
}

int PendingFolder::Create(const std::string& name) {
  const int fd =
      ::openat(filesFd_, name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
  if (fd < 0) throw ErrnoCause(errno, source_, "Cannot create a file in", folder_);
  return fd;
}

std::string PendingFolder::PathOf(const std::string& name) const {
  return InFolder(folder_, name_ + "/" + kFiles + "/" + name);
}

bool PendingFolder::Name(const std::string& name) {
  if (hardLinks_) {
    if (::linkat(filesFd_, name.c_str(), folderFd_, name.c_str(), 0) == 0) return true;
    if (errno == EEXIST) return false;
    if (!NoHardLinks(errno)) throw ErrnoCause(errno, source_, "Cannot create", InFolder(folder_, name));
    hardLinks_ = false;
  }
  // A file system without hard links: the file moves out of the pending
  // folder, and only this object knows to delete it on a failure.
  struct stat staged {};
  int error = ::fstatat(filesFd_, name.c_str(), &staged, AT_SYMLINK_NOFOLLOW) == 0
                  ? RenameNoReplace(filesFd_, name.c_str(), folderFd_, name.c_str())
                  : errno;
  if (error == 0) {
    moved_.push_back(Given{name, staged});
    return true;
  }
  if (error == EEXIST) return false;
  throw ErrnoCause(error, source_, "Cannot create", InFolder(folder_, name));
}

void PendingFolder::Commit() {
  // The one instant that decides: before the mark, a kill leaves a folder
  // whose names a clean-up deletes; after it, one whose names it keeps.
  const int kept = ::openat(fd_, kKept, O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600);
  if (kept < 0) throw ErrnoCause(errno, source_, "Cannot create a file in", folder_);
  ::close(kept);
  committed_ = true;
  ::close(filesFd_);
  filesFd_ = -1;
  ClearPendingFolder(folderFd_, fd_, name_, lockFd_);
}

void ClearPendingFolder(int folderFd, int fd, const std::string& name, int lockFd) {
  struct stat mark {};
  const bool kept = ::fstatat(fd, kKept, &mark, AT_SYMLINK_NOFOLLOW) == 0;
  const int files = ::openat(fd, kFiles, O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
  if (files >= 0) {
    for (const std::string& file : FolderNames(files)) {
      struct stat staged {};
      struct stat named {};
      if (::fstatat(files, file.c_str(), &staged, AT_SYMLINK_NOFOLLOW) != 0) continue;
      // The name goes before the file it shares, so that a kill between the
      // two leaves nothing the next clean-up would miss.
      if (!kept && S_ISREG(staged.st_mode) &&
          ::fstatat(folderFd, file.c_str(), &named, AT_SYMLINK_NOFOLLOW) == 0 && SameFile(staged, named)) {
        ::unlinkat(folderFd, file.c_str(), 0);
      }
      ::unlinkat(files, file.c_str(), 0);
    }
    ::close(files);
  }
  // The mark goes only once no file is left whose name it decides.
  const bool cleared = ::unlinkat(fd, kFiles, AT_REMOVEDIR) == 0 || errno == ENOENT;
  if (cleared) ::unlinkat(fd, kKept, 0);
  // Closed before its name goes: a FUSE file system keeps a file removed
  // while open under a hidden name of its own, which would keep the folder.
  ::close(lockFd);
  if (!cleared) return;
  ::unlinkat(fd, kLock, 0);
  ::unlinkat(folderFd, name.c_str(), AT_REMOVEDIR);
}

void RemoveStalePendingFolder(int folderFd, const std::string& name) {
  const int fd = ::openat(folderFd, name.c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
  if (fd < 0) return;
  const int lock = ::openat(fd, kLock, O_RDWR | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
  if (lock < 0) {
    // No lock file: a folder whose making was cut short, or whose clearing
    // was, is empty; one being made right now loses it and takes another
    // name. An rmdir removes only an empty folder.
    if (errno == ENOENT && ::unlinkat(folderFd, name.c_str(), AT_REMOVEDIR) != 0 && errno == ENOTEMPTY) {
      RemoveStaleUnlockedFolder(folderFd, name, fd);
    }
    ::close(fd);
    return;
  }
  // Only one that no one holds, and still the one under that name.
  if (TryLockFile(lock) == FileLockResult::kLocked && NamesOpenFile(folderFd, name, fd) &&
      NamesOpenFile(fd, kLock, lock)) {
    ClearPendingFolder(folderFd, fd, name, lock);
  } else {
    ::close(lock);
  }
  ::close(fd);
}

}  // namespace ombrel
