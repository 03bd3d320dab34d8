#include "platform/workspace/workspace_lock.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <new>
#include <map>
#include <set>

#include "platform/errors/errno_error.h"
#include "platform/files/path_names.h"
#include "platform/posix/file_descriptor.h"
#include "platform/posix/file_lock.h"
#include "platform/posix/folder_names.h"
#include "platform/posix/folder_without_links.h"
#include "platform/posix/own_file.h"
#include "platform/posix/retry_after_signal.h"
#include "platform/posix/shared_file.h"
#include "platform/posix/whole_io.h"
#include "platform/text/sender_text.h"
#include "platform/workspace/record_file.h"
#include "platform/workspace/unfinished_step.h"
#include "platform/workspace/workspace_path.h"

namespace ombrel {

namespace {

constexpr const char* kSource = "Ombrel";
// Opened, never followed through a link, which could create a file
// anywhere; never waiting, should a FIFO have the name.
constexpr int kOpenFlags = O_RDWR | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC;
// How many refused records the log names one by one.
constexpr std::size_t kMaxRefusalsTold = 16;

class FileWorkspaceLock : public WorkspaceLock {
 public:
  explicit FileWorkspaceLock(const std::string& folder) : folder_(folder), path_(folder + kWorkspaceLockFileName) {}

  WorkspaceLockResult TryTake() override {
    if (fd_) return WorkspaceLockResult::kTaken;
    failure_.reset();
    // Opened afresh at each try, so a lock file a user deleted meanwhile is
    // made again.
    std::string refusal;
    FileDescriptor fd = OpenSharedFile(path_, kOpenFlags, &refusal);
    if (!fd) {
      const int error = errno;
      if (!refusal.empty()) {
        return Unavailable(Error(ClassicErrorNumber(error), kSource,
                                 "Cannot use " + SenderText(path_) + " as the lock file: " + refusal));
      }
      return Unavailable(ErrnoCause(error, kSource, "Cannot create or open", path_));
    }
    // A regular file with one link: OpenSharedFile refuses anything else.
    switch (TryLockFile(fd.get())) {
      case FileLockResult::kLocked:
        fd_ = std::move(fd);
        ClearWhatDeadStepsLeft();
        return WorkspaceLockResult::kTaken;
      case FileLockResult::kHeld: return WorkspaceLockResult::kHeld;
      case FileLockResult::kFailed: break;
    }
    const int error = errno;
    return Unavailable(ErrnoCause(error, kSource, "Cannot lock", path_));
  }

  std::optional<Error> Failure() const override { return failure_; }
  std::optional<ClearedStep> Cleared() const override { return cleared_; }

  RecordNotes Record(const std::vector<RecordedFile>& files) override {
    RecordNotes notes;
    if (!fd_) return notes;
    // Folder by folder, as the window spells them: each is cleared of this
    // user's stale temporaries and opened once.
    std::map<std::string, std::vector<const RecordedFile*>> byFolder;
    for (const RecordedFile& file : files) byFolder[ParentFolderOf(file.path)].push_back(&file);
    std::vector<RecordedFile> recorded;
    for (const auto& [folder, inFolder] : byFolder) {
      RequireNoLinkOfAnotherUser(folder);
      for (LeftTemporary& left : RemoveStaleTemporaries(folder)) notes.leftAlone.push_back(std::move(left));
      folders_.insert(folder);
      if (recordFd_ && !RecordFree(folder, inFolder, recorded)) notes.outside.push_back(folder);
    }
    if (recorded.empty()) return notes;
    const std::string bytes = EncodeRecord(recorded);
    if (const int error = WriteAllAt(recordFd_.get(), bytes.data(), bytes.size(), end_)) {
      // A part written would hide whatever is appended after it.
      ::ftruncate(recordFd_.get(), end_);
      throw ErrnoCause(error, kSource, "Cannot write", RecordPath(ProcessUser()));
    }
    end_ += static_cast<off_t>(bytes.size());
    return notes;
  }

  void Forget() override {
    if (!fd_) return;
    // The step's own pending folder can outlive it by a moment: a FUSE mount
    // lets go of a closed file only after close returns, so the folder's
    // lock file, removed right after, may stay hidden and keep the folder.
    // Long gone by now, with whatever a copy left, it is cleared here rather
    // than at the next step.
    for (const std::string& folder : folders_) RemoveStaleTemporaries(folder);
    folders_.clear();
    if (!recordFd_ || end_ == kept_) return;
    if (::ftruncate(recordFd_.get(), kept_) == 0) end_ = kept_;
  }

 private:
  WorkspaceLockResult Unavailable(Error failure) {
    failure_ = std::move(failure);
    return WorkspaceLockResult::kUnavailable;
  }

  std::string RecordPath(uid_t user) const { return folder_ + RecordFileName(user); }

  // Adds to recorded, once each, the names of files (all in folder) that
  // are free now: only those are the step's to give, and to clear. False
  // when folder is not one the lock covers: outside the workspace's folder,
  // or reached through a symbolic link. Raises when a name or the folder
  // cannot be looked at.
  bool RecordFree(const std::string& folder, const std::vector<const RecordedFile*>& files,
                  std::vector<RecordedFile>& recorded) const {
    const std::optional<std::vector<std::string>> folders = FolderInWorkspace(folder_, folder);
    if (!folders) return false;
    const FileDescriptor folderFd = OpenFolderWithoutLinks(workspaceFd_.get(), *folders);
    if (!folderFd) {
      const int error = errno;
      if (error == ELOOP) return false;
      // Missing: nothing can be named there, and the step will say why.
      if (error == ENOENT) return true;
      throw ErrnoCause(error, kSource, "Cannot open", folder);
    }
    std::set<std::string> names;
    for (const RecordedFile* file : files) {
      const std::string name = file->path.substr(folder.size());
      if (!IsPlainFileName(name) || !names.insert(name).second) continue;
      struct stat existing {};
      if (::fstatat(folderFd.get(), name.c_str(), &existing, AT_SYMLINK_NOFOLLOW) == 0) continue;
      if (const int error = errno; error != ENOENT) throw ErrnoCause(error, kSource, "Cannot look at", file->path);
      recorded.push_back(RecordedFile{folder.substr(folder_.size()) + name, file->size, file->crc32});
    }
    return true;
  }

  // A folder of the workspace's reached through a symbolic link another
  // user made is that user's choice of where this step writes and deletes:
  // the step does not follow it (a link of this user's or root's it does,
  // unrecorded). Raises the error that names the link.
  void RequireNoLinkOfAnotherUser(const std::string& folder) const {
    if (!workspaceFd_) return;
    const std::optional<std::vector<std::string>> folders = FolderInWorkspace(folder_, folder);
    if (!folders) return;
    const std::optional<LinkOnTheWay> link = FirstLinkOnTheWay(workspaceFd_.get(), *folders);
    if (!link || link->owner == ProcessUser() || link->owner == 0) return;
    throw Error(err::kPermissionDenied, kSource,
                "Cannot give names in " + SenderText(folder) + ": " + SenderText(folder_ + link->path) +
                    " is a symbolic link of another user (uid " + std::to_string(link->owner) + ")");
  }

  // "/w/XML/a.xml" -> "/w/XML/", as the window spells it.
  static std::string ParentFolderOf(const std::string& path) {
    const std::size_t slash = path.rfind('/');
    return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
  }

  // The records found on taking the lock are dead steps': their writers
  // held the lock while they lived. This user's is cleared and then keeps
  // only what could not be; another user's is cleared as far as that user
  // could have, and left as it is. Never raises.
  void ClearWhatDeadStepsLeft() {
    ClearedStep cleared;
    try {
      workspaceFd_ = FileDescriptor(
          RetryAfterSignal(-1, ::open, folder_.empty() ? "." : folder_.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
      if (!workspaceFd_) {
        const int error = errno;
        cleared.recording = false;
        cleared.refused.push_back(ErrnoCause(error, kSource, "Cannot open", folder_).description());
        cleared_ = std::move(cleared);
        return;
      }
      const uid_t self = ProcessUser();
      ClearOwnRecord(self, cleared);
      for (const std::string& name : FolderNames(workspaceFd_.get())) {
        const std::optional<uid_t> user = RecordFileUser(name);
        if (user && *user != self) ClearOthersRecord(*user, cleared);
      }
      // Anyone who may write the folder may plant any number of names: the
      // log tells the first few.
      if (cleared.refused.size() > kMaxRefusalsTold) {
        const std::size_t more = cleared.refused.size() - kMaxRefusalsTold;
        cleared.refused.resize(kMaxRefusalsTold);
        cleared.refused.push_back("and " + std::to_string(more) + " more");
      }
      std::set<std::string> folders;
      for (const std::vector<std::string>* paths : {&cleared.removed, &leftPaths_, &cleared.othersLeft}) {
        for (const std::string& path : *paths) {
          if (folders.insert(ParentFolderOf(path)).second) cleared.folders.push_back(ParentFolderOf(path));
        }
      }
      leftPaths_.clear();
    } catch (const std::bad_alloc&) {
      // Taking the lock never fails for its clean-up; what was not cleared
      // stays recorded.
    }
    if (!cleared.removed.empty() || cleared.left != 0 || !cleared.refused.empty() || !cleared.recording ||
        cleared.failure) {
      cleared_ = std::move(cleared);
    }
  }

  void ClearOwnRecord(uid_t self, ClearedStep& cleared) {
    RecordFile record = OpenRecordFile(workspaceFd_.get(), self, true);
    if (!record.fd) {
      cleared.recording = false;
      cleared.refused.push_back(RefusalLine(self, record.refusal.empty() ? "it cannot be made" : record.refusal));
      return;
    }
    recordFd_ = std::move(record.fd);
    end_ = kept_ = static_cast<off_t>(record.bytes.size());
    if (record.bytes.empty()) return;
    const std::vector<RecordedFile> files = DecodeRecord(record.bytes);
    ClearOwnTemporaries(files);
    const ClearedRecord result = Clear(self, files, cleared);
    if (!result.complete) return;
    // What stays recorded is written over the record, which is this user's.
    const std::string kept = EncodeRecord(result.kept);
    if (::ftruncate(recordFd_.get(), 0) == 0 && WriteAllAt(recordFd_.get(), kept.data(), kept.size(), 0) == 0) {
      end_ = kept_ = static_cast<off_t>(kept.size());
      return;
    }
    // Nothing of it is trusted to be there: appended records start where
    // the file ends.
    struct stat status {};
    if (::fstat(recordFd_.get(), &status) == 0) end_ = kept_ = status.st_size;
  }

  // A dead step of this user's may have been cut short while its pending
  // folder or a copy's temporary still held a name it gave (a second hard
  // link, say): those go first, in each folder the record names inside the
  // workspace, so that what the step named is then as it would have been.
  // Only this user's own record leads here, and only to this user's own
  // temporaries.
  void ClearOwnTemporaries(const std::vector<RecordedFile>& files) {
    std::set<std::string> folders;
    for (const RecordedFile& file : files) {
      const std::optional<WorkspacePath> place = ParseWorkspacePath(file.path);
      if (!place || !folders.insert(place->Folder()).second) continue;
      const FileDescriptor folder = OpenFolderWithoutLinks(workspaceFd_.get(), place->folders);
      if (folder) RemoveStaleTemporariesIn(folder.get(), folder_ + place->Folder());
    }
  }

  void ClearOthersRecord(uid_t user, ClearedStep& cleared) {
    const RecordFile record = OpenRecordFile(workspaceFd_.get(), user, false);
    if (!record.refusal.empty()) {
      cleared.refused.push_back(RefusalLine(user, record.refusal));
      return;
    }
    if (record.bytes.empty()) return;
    const ClearedRecord result = Clear(user, DecodeRecord(record.bytes), cleared);
    for (const RecordedFile& file : result.kept) cleared.othersLeft.push_back(folder_ + file.path);
  }

  ClearedRecord Clear(uid_t writer, const std::vector<RecordedFile>& files, ClearedStep& cleared) {
    ClearedRecord result = ClearRecordedFiles(workspaceFd_.get(), folder_, writer, files);
    for (std::string& removed : result.removed) cleared.removed.push_back(std::move(removed));
    cleared.left += result.kept.size();
    for (const RecordedFile& file : result.kept) leftPaths_.push_back(folder_ + file.path);
    if (!cleared.failure && result.failure) cleared.failure = result.failure;
    if (result.ignored != 0) {
      cleared.refused.push_back(RefusalLine(writer, std::to_string(result.ignored) +
                                                        " of its entries name no place inside the workspace"));
    }
    return result;
  }

  std::string RefusalLine(uid_t user, const std::string& why) const {
    return SenderText(RecordPath(user)) + ": " + why;
  }

  std::string folder_;
  std::string path_;
  FileDescriptor fd_;
  FileDescriptor workspaceFd_;
  // This user's record, when it can be written.
  FileDescriptor recordFd_;
  std::optional<Error> failure_;
  std::optional<ClearedStep> cleared_;
  // Where the record ends, and where what a dead step left that could not
  // be cleared ends: Forget keeps that part.
  off_t end_ = 0;
  off_t kept_ = 0;
  // The folders of the names this holder recorded.
  std::set<std::string> folders_;
  // While the records are cleared: what stays of them.
  std::vector<std::string> leftPaths_;
};

}  // namespace

std::unique_ptr<WorkspaceLock> CreateFileWorkspaceLock(const std::string& folder) {
  return std::make_unique<FileWorkspaceLock>(folder);
}

}  // namespace ombrel
