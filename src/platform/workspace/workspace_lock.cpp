#include "platform/workspace/workspace_lock.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>

#include "platform/errors/errno_error.h"
#include "platform/posix/file_lock.h"

namespace ombrel {

namespace {

constexpr const char* kSource = "Ombrel";

class FileWorkspaceLock : public WorkspaceLock {
 public:
  explicit FileWorkspaceLock(const std::string& folder) : path_(folder + kWorkspaceLockFileName) {}
  ~FileWorkspaceLock() override {
    if (fd_ >= 0) ::close(fd_);
  }
  FileWorkspaceLock(const FileWorkspaceLock&) = delete;
  FileWorkspaceLock& operator=(const FileWorkspaceLock&) = delete;

  WorkspaceLockResult TryTake() override {
    if (fd_ >= 0) return WorkspaceLockResult::kTaken;
    failure_.reset();
    // Opened afresh at each try, so a lock file a user deleted meanwhile is
    // made again. Never through a link, which could create a file anywhere;
    // never waiting, should a FIFO have the name. Its bytes are never read
    // or written.
    const int fd = ::open(path_.c_str(), O_WRONLY | O_CREAT | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC,
                          0666);
    if (fd < 0) return Unavailable(errno, "Cannot create or open");
    switch (TryLockFile(fd)) {
      case FileLockResult::kLocked:
        fd_ = fd;
        return WorkspaceLockResult::kTaken;
      case FileLockResult::kHeld:
        ::close(fd);
        return WorkspaceLockResult::kHeld;
      case FileLockResult::kFailed: break;
    }
    const int error = errno;
    ::close(fd);
    return Unavailable(error, "Cannot lock");
  }

  std::optional<Error> Failure() const override { return failure_; }

 private:
  WorkspaceLockResult Unavailable(int error, const char* what) {
    failure_ = ErrnoCause(error, kSource, what, path_);
    return WorkspaceLockResult::kUnavailable;
  }

  std::string path_;
  int fd_ = -1;
  std::optional<Error> failure_;
};

}  // namespace

std::unique_ptr<WorkspaceLock> CreateFileWorkspaceLock(const std::string& folder) {
  return std::make_unique<FileWorkspaceLock>(folder);
}

}  // namespace ombrel
