#include "platform/workspace/workspace_lock.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <filesystem>
#include <set>

#include "platform/errors/errno_error.h"
#include "platform/files/path_names.h"
#include "platform/posix/file_descriptor.h"
#include "platform/posix/file_lock.h"
#include "platform/posix/retry_after_signal.h"
#include "platform/posix/shared_file.h"
#include "platform/posix/whole_io.h"
#include "platform/staging/stale_temporaries.h"
#include "platform/text/sender_text.h"

namespace ombrel {

namespace {

constexpr const char* kSource = "Ombrel";
// More than any step records (a path and two numbers for each of an
// envelope's thousands of documents); a larger file holds no record of ours.
constexpr off_t kMaxRecordSize = 64 * 1024 * 1024;
// Opened, never followed through a link, which could create a file
// anywhere; never waiting, should a FIFO have the name.
constexpr int kOpenFlags = O_RDWR | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC;

// Each path made absolute: the record is read by a window whose current
// folder may be another.
std::vector<RecordedFile> Absolute(std::vector<RecordedFile> files) {
  for (RecordedFile& file : files) {
    if (file.path.empty() || file.path.front() == '/') continue;
    std::error_code ec;
    const std::filesystem::path absolute = std::filesystem::absolute(file.path, ec);
    if (!ec) file.path = absolute.string();
  }
  return files;
}

class FileWorkspaceLock : public WorkspaceLock {
 public:
  explicit FileWorkspaceLock(const std::string& folder)
      : path_(folder + kWorkspaceLockFileName) {}

  WorkspaceLockResult TryTake() override {
    if (fd_) return WorkspaceLockResult::kTaken;
    failure_.reset();
    // Opened afresh at each try, so a lock file a user deleted meanwhile is
    // made again.
    FileDescriptor fd = OpenSharedFile(path_, kOpenFlags);
    if (!fd) {
      const int error = errno;
      return Unavailable(ErrnoCause(error, kSource, "Cannot create or open", path_));
    }
    struct stat status {};
    if (::fstat(fd.get(), &status) != 0) {
      const int error = errno;
      return Unavailable(ErrnoCause(error, kSource, "Cannot open", path_));
    }
    if (!S_ISREG(status.st_mode)) {
      return Unavailable(Error(err::kPathFileAccessError, kSource,
                               "Cannot use " + SenderText(path_) + " as the lock file: it is not a file"));
    }
    switch (TryLockFile(fd.get())) {
      case FileLockResult::kLocked:
        fd_ = std::move(fd);
        ClearWhatADeadStepLeft();
        return WorkspaceLockResult::kTaken;
      case FileLockResult::kHeld: return WorkspaceLockResult::kHeld;
      case FileLockResult::kFailed: break;
    }
    const int error = errno;
    return Unavailable(ErrnoCause(error, kSource, "Cannot lock", path_));
  }

  std::optional<Error> Failure() const override { return failure_; }
  std::optional<ClearedStep> Cleared() const override { return cleared_; }

  void Record(const std::vector<RecordedFile>& files) override {
    if (!fd_ || files.empty()) return;
    const std::vector<RecordedFile> absolute = Absolute(files);
    const std::string bytes = EncodeRecord(absolute);
    if (const int error = WriteAllAt(fd_.get(), bytes.data(), bytes.size(), end_)) {
      // A part written would hide whatever is appended after it.
      ::ftruncate(fd_.get(), end_);
      throw ErrnoCause(error, kSource, "Cannot write", path_);
    }
    end_ += static_cast<off_t>(bytes.size());
    for (const RecordedFile& file : absolute) folders_.insert(ParentFolderName(file.path));
  }

  void Forget() override {
    if (!fd_ || end_ == kept_) return;
    // The step's own pending folder can outlive it by a moment: a FUSE mount
    // lets go of a closed file only after close returns, so the folder's
    // lock file, removed right after, may stay hidden and keep the folder.
    // Long gone by now, with whatever a copy left, it is cleared here rather
    // than at the next step.
    for (const std::string& folder : folders_) RemoveStaleTemporaries(folder);
    folders_.clear();
    if (::ftruncate(fd_.get(), kept_) == 0) end_ = kept_;
  }

 private:
  WorkspaceLockResult Unavailable(Error failure) {
    failure_ = std::move(failure);
    return WorkspaceLockResult::kUnavailable;
  }

  // The record found on taking the lock is a dead step's: its owner held
  // the lock while it lived. What it lists is cleared, and the record then
  // keeps only what could not be.
  void ClearWhatADeadStepLeft() {
    try {
      struct stat status {};
      if (::fstat(fd_.get(), &status) != 0) {
        // Whatever the file holds stays, for a later holder: this step's
        // record goes after it.
        end_ = kept_ = std::max<off_t>(::lseek(fd_.get(), 0, SEEK_END), 0);
        return;
      }
      if (status.st_size == 0) return;
      std::vector<RecordedFile> recorded;
      if (status.st_size <= kMaxRecordSize) {
        std::string bytes(static_cast<std::size_t>(status.st_size), '\0');
        const ssize_t read = ReadFullAt(fd_.get(), bytes.data(), bytes.size(), 0);
        if (read < 0) {
          end_ = kept_ = status.st_size;
          return;
        }
        bytes.resize(static_cast<std::size_t>(read));
        recorded = DecodeRecord(bytes);
      }
      ClearedStep cleared;
      if (!recorded.empty()) cleared = ClearRecordedFiles(recorded);
      const std::string kept = EncodeRecord(cleared.left);
      if (::ftruncate(fd_.get(), 0) == 0 && WriteAllAt(fd_.get(), kept.data(), kept.size(), 0) == 0) {
        end_ = kept_ = static_cast<off_t>(kept.size());
      } else {
        // Nothing of it is trusted to be there: appended records start
        // where the file ends.
        if (::fstat(fd_.get(), &status) == 0) end_ = kept_ = status.st_size;
      }
      if (!recorded.empty()) cleared_ = std::move(cleared);
    } catch (...) {
      // Taking the lock never fails for its clean-up; what was not cleared
      // stays recorded.
    }
  }

  std::string path_;
  FileDescriptor fd_;
  std::optional<Error> failure_;
  std::optional<ClearedStep> cleared_;
  // Where the record ends, and where what a dead step left that could not
  // be cleared ends: Forget keeps that part.
  off_t end_ = 0;
  off_t kept_ = 0;
  // The folders of the names this holder recorded.
  std::set<std::string> folders_;
};

}  // namespace

std::unique_ptr<WorkspaceLock> CreateFileWorkspaceLock(const std::string& folder) {
  return std::make_unique<FileWorkspaceLock>(folder);
}

}  // namespace ombrel
