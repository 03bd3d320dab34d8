#include "platform/files/pending_file.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstddef>
#include <random>
#include <vector>

#include "platform/errors/errno_error.h"
#include "platform/files/pending_folder.h"

namespace ombrel {

namespace {

constexpr char kPrefix[] = ".ombrel-";
constexpr std::size_t kRandomLength = 6;
constexpr int kAttempts = 100;

}  // namespace

std::string NewTemporaryName() {
  static constexpr char kCharacters[] =
      "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
  static std::mt19937_64 engine{std::random_device{}()};
  std::string name = kPrefix;
  for (std::size_t i = 0; i < kRandomLength; ++i) name += kCharacters[engine() % 62];
  return name;
}

bool IsTemporaryName(const std::string& name) {
  return name.size() == sizeof(kPrefix) - 1 + kRandomLength && name.rfind(kPrefix, 0) == 0;
}

namespace {

std::string InFolder(const std::string& folder, const std::string& name) {
  return folder.back() == '/' ? folder + name : folder + "/" + name;
}

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

// Gives the file at source the name target unless target exists; errno is
// set on failure (EEXIST when target exists).
bool LinkNoReplace(const std::string& source, const std::string& target) {
  if (::link(source.c_str(), target.c_str()) == 0) {
    ::unlink(source.c_str());
    return true;
  }
  if (errno != EPERM && errno != ENOTSUP) return false;
  // A file system without hard links.
  return ::renameat2(AT_FDCWD, source.c_str(), AT_FDCWD, target.c_str(), RENAME_NOREPLACE) == 0;
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
    fd_ = ::open(name.c_str(), O_RDWR | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
    if (fd_ >= 0) {
      temporary_ = name;
    } else if (errno != EEXIST) {
      throw ErrnoCause(errno, source_, "Cannot create a file in", folder_);
    }
  }
  if (fd_ < 0) throw ErrnoCause(EEXIST, source_, "Cannot create a file in", folder_);
  // Held until the file is closed, so RemoveStaleTemporaries leaves it alone.
  ::flock(fd_, LOCK_EX | LOCK_NB);
}

PendingFile::~PendingFile() {
  if (!temporary_.empty()) ::unlink(temporary_.c_str());
  if (fd_ >= 0) ::close(fd_);
}

const std::string& PendingFile::TemporaryName() {
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
  const bool linked =
      temporary_.empty() ? LinkDescriptor(fd_, path) : LinkNoReplace(temporary_, path);
  if (!linked) {
    if (errno == EEXIST) return false;
    throw ErrnoCause(errno, source_, "Cannot create", path);
  }
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

void RemoveStaleTemporaries(const std::string& folder) {
  DIR* directory = ::opendir(folder.empty() ? "." : folder.c_str());
  if (directory == nullptr) return;
  const int dirFd = ::dirfd(directory);
  std::vector<std::string> names;
  while (const dirent* entry = ::readdir(directory)) {
    if (IsTemporaryName(entry->d_name)) names.emplace_back(entry->d_name);
  }
  for (const std::string& name : names) {
    const int fd = ::openat(dirFd, name.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) continue;
    struct stat opened {};
    struct stat named {};
    // Only one that no one holds, and still the one under that name.
    if (::fstat(fd, &opened) == 0 && (S_ISREG(opened.st_mode) || S_ISDIR(opened.st_mode)) &&
        ::flock(fd, LOCK_EX | LOCK_NB) == 0 &&
        ::fstatat(dirFd, name.c_str(), &named, AT_SYMLINK_NOFOLLOW) == 0 &&
        named.st_dev == opened.st_dev && named.st_ino == opened.st_ino) {
      if (S_ISDIR(opened.st_mode)) {
        ClearPendingFolder(dirFd, fd, name);
      } else {
        ::unlinkat(dirFd, name.c_str(), 0);
      }
    }
    ::close(fd);
  }
  ::closedir(directory);
}

}  // namespace ombrel
