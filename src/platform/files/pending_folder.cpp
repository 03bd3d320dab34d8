#include "platform/files/pending_folder.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include "platform/errors/errno_error.h"
#include "platform/files/pending_file.h"

namespace ombrel {

namespace {

constexpr int kAttempts = 100;

bool SameFile(const struct stat& a, const struct stat& b) {
  return a.st_dev == b.st_dev && a.st_ino == b.st_ino;
}

// The names of the entries of the folder open as fd, "." and ".." aside.
std::vector<std::string> Names(int fd) {
  std::vector<std::string> names;
  const int own = ::dup(fd);
  if (own < 0) return names;
  DIR* directory = ::fdopendir(own);
  if (directory == nullptr) {
    ::close(own);
    return names;
  }
  ::rewinddir(directory);
  while (const dirent* entry = ::readdir(directory)) {
    const std::string name = entry->d_name;
    if (name != "." && name != "..") names.push_back(name);
  }
  ::closedir(directory);
  return names;
}

}  // namespace

PendingFolder::PendingFolder(const std::string& folder, const std::string& source)
    : folder_(folder.empty() ? "." : folder), source_(source) {
  folderFd_ = ::open(folder_.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (folderFd_ < 0) throw ErrnoCause(errno, source_, "Cannot create a file in", folder_);
  for (int attempt = 0; fd_ < 0 && attempt < kAttempts; ++attempt) {
    const std::string name = NewTemporaryName();
    if (::mkdirat(folderFd_, name.c_str(), 0700) != 0) {
      if (errno == EEXIST) continue;
      const int error = errno;
      ::close(folderFd_);
      throw ErrnoCause(error, source_, "Cannot create a file in", folder_);
    }
    const int fd = ::openat(folderFd_, name.c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
    struct stat opened {};
    struct stat named {};
    // Locked, and still the folder made above: a clean-up in another process
    // may have taken it for stale between the two, and deleted it.
    if (fd >= 0 && ::flock(fd, LOCK_EX | LOCK_NB) == 0 && ::fstat(fd, &opened) == 0 &&
        ::fstatat(folderFd_, name.c_str(), &named, AT_SYMLINK_NOFOLLOW) == 0 && SameFile(opened, named)) {
      fd_ = fd;
      name_ = name;
    } else if (fd >= 0) {
      ::close(fd);
    }
  }
  if (fd_ < 0) {
    ::close(folderFd_);
    throw ErrnoCause(EEXIST, source_, "Cannot create a file in", folder_);
  }
}

PendingFolder::~PendingFolder() {
  if (!committed_) {
    for (const Given& given : moved_) {
      struct stat named {};
      if (::fstatat(folderFd_, given.name.c_str(), &named, AT_SYMLINK_NOFOLLOW) == 0 &&
          named.st_dev == given.device && named.st_ino == given.inode) {
        ::unlinkat(folderFd_, given.name.c_str(), 0);
      }
    }
    ClearPendingFolder(folderFd_, fd_, name_);
  }
  ::close(fd_);
  ::close(folderFd_);
}

int PendingFolder::Create(const std::string& name) {
  const int fd =
      ::openat(fd_, name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
  if (fd < 0) throw ErrnoCause(errno, source_, "Cannot create a file in", folder_);
  return fd;
}

std::string PendingFolder::PathOf(const std::string& name) const {
  return (folder_.back() == '/' ? folder_ : folder_ + "/") + name_ + "/" + name;
}

bool PendingFolder::Name(const std::string& name) {
  if (::linkat(fd_, name.c_str(), folderFd_, name.c_str(), 0) == 0) return true;
  if (errno == EEXIST) return false;
  if (errno == EPERM || errno == ENOTSUP) {
    // A file system without hard links: the file moves out of the pending
    // folder, and only this object knows to delete it on a failure.
    struct stat staged {};
    if (::fstatat(fd_, name.c_str(), &staged, AT_SYMLINK_NOFOLLOW) == 0 &&
        ::renameat2(fd_, name.c_str(), folderFd_, name.c_str(), RENAME_NOREPLACE) == 0) {
      moved_.push_back(Given{name, staged.st_dev, staged.st_ino});
      return true;
    }
    if (errno == EEXIST) return false;
  }
  throw ErrnoCause(errno, source_, "Cannot create", (folder_.back() == '/' ? folder_ : folder_ + "/") + name);
}

void PendingFolder::Commit() {
  for (const std::string& name : Names(fd_)) ::unlinkat(fd_, name.c_str(), 0);
  ::unlinkat(folderFd_, name_.c_str(), AT_REMOVEDIR);
  committed_ = true;
}

void ClearPendingFolder(int folderFd, int fd, const std::string& name) {
  for (const std::string& file : Names(fd)) {
    struct stat pending {};
    struct stat named {};
    if (::fstatat(fd, file.c_str(), &pending, AT_SYMLINK_NOFOLLOW) != 0) continue;
    if (S_ISREG(pending.st_mode) &&
        ::fstatat(folderFd, file.c_str(), &named, AT_SYMLINK_NOFOLLOW) == 0 && SameFile(pending, named)) {
      ::unlinkat(folderFd, file.c_str(), 0);
    }
    ::unlinkat(fd, file.c_str(), 0);
  }
  ::unlinkat(folderFd, name.c_str(), AT_REMOVEDIR);
}

}  // namespace ombrel
