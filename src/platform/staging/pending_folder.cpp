#include "platform/staging/pending_folder.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <stdexcept>
#include <utility>

#include "platform/errors/errno_error.h"
#include "platform/files/path_names.h"
#include "platform/posix/file_identity.h"
#include "platform/posix/locked_open.h"
#include "platform/posix/no_replace_rename.h"
#include "platform/posix/whole_io.h"
#include "platform/staging/pending_folder_clearing.h"
#include "platform/staging/pending_folder_layout.h"
#include "platform/staging/staging_pauses.h"
#include "platform/staging/temporary_names.h"

namespace ombrel {

namespace {

using namespace pending_layout;

constexpr char kCreateIn[] = "Cannot create a file in";

}  // namespace

PendingFolder::PendingFolder(const std::string& folder, const std::string& source)
    : folder_(folder.empty() ? "." : folder), source_(source) {
  folderFd_ = FileDescriptor(::open(folder_.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
  if (!folderFd_) {
    const int error = errno;
    throw ErrnoCause(error, source_, kCreateIn, folder_);
  }
  for (int attempt = 0; attempt < kTemporaryNameAttempts; ++attempt) {
    if (Make(NewTemporaryName())) return;
  }
  throw NoTemporaryNameLeft(source_, kCreateIn, folder_);
}

bool PendingFolder::Make(const std::string& name) {
  FileDescriptor fd;
  FileDescriptor lock;
  if (!MakeFolder(name) || !LockFolder(name, fd, lock)) return false;
  filesFd_ = MakeFilesFolder(name, fd.get(), lock);
  name_ = name;
  fd_ = std::move(fd);
  lockFd_ = std::move(lock);
  return true;
}

bool PendingFolder::MakeFolder(const std::string& name) {
  if (::mkdirat(folderFd_.get(), name.c_str(), 0700) == 0) {
    PauseForTests(StagingPause::kFolderMade);
    return true;
  }
  const int error = errno;
  if (error == EEXIST) return false;
  throw ErrnoCause(error, source_, kCreateIn, folder_);
}

bool PendingFolder::LockFolder(const std::string& name, FileDescriptor& fd, FileDescriptor& lock) {
  // Until its lock file is made and locked, a clean-up may take the folder
  // for one whose making was cut short and remove it (it is empty until then).
  FileDescriptor folder = OpenFolderAt(folderFd_.get(), name);
  if (!folder) {
    const int error = errno;
    return Abandon(name, error, kCreateIn);
  }
  LockedOpen locked = OpenLocked(folder.get(), kLock, O_CREAT | O_EXCL);
  switch (locked.result) {
    case LockedOpenResult::kNotOpened:
      return Abandon(name, locked.error, kCreateIn);
    case LockedOpenResult::kLockFailed:
      return Abandon(name, locked.error, "Cannot lock a file in");
    case LockedOpenResult::kHeld:
    case LockedOpenResult::kNotNamed:
      // A clean-up took it and clears it under its lock. A FUSE or NFS
      // mount keeps the lock file it removed while open here under a hidden
      // name until now, closed: the folder goes once empty, if still this one.
      if (NamesOpenFile(folderFd_.get(), name, folder.get())) {
        ::unlinkat(folderFd_.get(), name.c_str(), AT_REMOVEDIR);
      }
      return false;
    case LockedOpenResult::kLocked:
      break;
  }
  // Locked, and still the folder made: a clean-up may have removed it
  // before the lock, and someone else made another of that name.
  if (!NamesOpenFile(folderFd_.get(), name, folder.get())) return false;
  fd = std::move(folder);
  lock = std::move(locked.fd);
  return true;
}

FileDescriptor PendingFolder::MakeFilesFolder(const std::string& name, int fd, FileDescriptor& lock) {
  FileDescriptor files;
  if (::mkdirat(fd, kFiles, 0700) == 0) files = OpenFolderAt(fd, kFiles);
  if (!files) {
    const int error = errno;
    ClearPendingFolder(folderFd_.get(), fd, name, std::move(lock), KeptMark::kNotMade);
    throw ErrnoCause(error, source_, kCreateIn, folder_);
  }
  return files;
}

bool PendingFolder::Abandon(const std::string& name, int error, const std::string& what) {
  // Gone already: a clean-up found it without a lock file, and removed it.
  if (error == ENOENT) return false;
  // Made here and holding nothing, its lock file gone with the failed lock.
  ::unlinkat(folderFd_.get(), name.c_str(), AT_REMOVEDIR);
  throw ErrnoCause(error, source_, what, folder_);
}

PendingFolder::~PendingFolder() {
  if (!committed_) Clear(KeptMark::kNotMade);
}

void PendingFolder::Clear(KeptMark mark) {
  // Closed before their names go (see ClearPendingFolder).
  filesFd_.Reset();
  recordFd_.Reset();
  ClearPendingFolder(folderFd_.get(), fd_.get(), name_, std::move(lockFd_), mark);
}

FileDescriptor PendingFolder::Create(const std::string& name, uint64_t size, uint32_t crc) {
  if (recordFd_) throw std::logic_error("a pending folder's files are all created before the first name");
  // What a clean-up would refuse to read back.
  if (!IsPlainFileName(name)) throw std::logic_error("a pending folder's files have plain names");
  if (staged_.size() == kMaxRecordedNames) {
    throw std::logic_error("a pending folder holds at most kMaxRecordedNames files");
  }
  FileDescriptor fd(
      ::openat(filesFd_.get(), name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666));
  if (!fd) {
    const int error = errno;
    throw ErrnoCause(error, source_, kCreateIn, folder_);
  }
  stagedIndex_.emplace(name, staged_.size());
  staged_.push_back(Staged{RecordedName{name, size, crc}});
  return fd;
}

std::string PendingFolder::PathOf(const std::string& name) const {
  return InFolder(folder_, name_ + "/" + kFiles + "/" + name);
}

void PendingFolder::WriteRecord() {
  std::string record;
  for (Staged& staged : staged_) {
    // A name that exists already is not this folder's to give, nor to
    // delete: Name() says it is taken. One that cannot be looked at is
    // neither free nor taken: the error says why.
    struct stat existing {};
    int error = FaultForTests(StagingFault::kFreeNameLookedAt);
    if (error == 0) {
      if (::fstatat(folderFd_.get(), staged.file.name.c_str(), &existing, AT_SYMLINK_NOFOLLOW) == 0) continue;
      error = errno;
    }
    if (error != ENOENT) {
      throw ErrnoCause(error, source_, "Cannot look at", InFolder(folder_, staged.file.name));
    }
    staged.claimed = true;
    record += ClaimEntry(staged.file);
  }
  FileDescriptor fd(
      ::openat(fd_.get(), kRecord, O_WRONLY | O_CREAT | O_EXCL | O_APPEND | O_NOFOLLOW | O_CLOEXEC, 0600));
  if (!fd) {
    const int error = errno;
    throw ErrnoCause(error, source_, kCreateIn, folder_);
  }
  if (const int error = WriteAll(fd.get(), record.data(), record.size())) {
    throw ErrnoCause(error, source_, "Cannot write a file in", folder_);
  }
  recordFd_ = std::move(fd);
}

bool PendingFolder::Name(const std::string& name) {
  if (!recordFd_) WriteRecord();
  const auto at = stagedIndex_.find(name);
  if (at == stagedIndex_.end()) throw std::logic_error("a pending folder names only the files it created");
  if (!staged_[at->second].claimed) return false;
  const int error = GiveName(name);
  if (error == 0) return true;
  if (error != EEXIST) throw ErrnoCause(error, source_, "Cannot create", InFolder(folder_, name));
  Release(name);
  staged_[at->second].claimed = false;
  return false;
}

int PendingFolder::GiveName(const std::string& name) {
  if (hardLinks_) {
    if (::linkat(filesFd_.get(), name.c_str(), folderFd_.get(), name.c_str(), 0) == 0) return 0;
    const int error = errno;
    if (error == EEXIST) return error;
    // No hard links here (FAT), or a file system that fails them for a
    // reason of its own (EIO from a WebDAV mount): names are moved from now
    // on, and a move that fails too says why.
    hardLinks_ = false;
  }
  return RenameOverOwnClaim(filesFd_.get(), name.c_str(), folderFd_.get(), name.c_str());
}

void PendingFolder::Release(const std::string& name) {
  const std::string entry = ReleaseEntry(name);
  if (const int error = WriteAll(recordFd_.get(), entry.data(), entry.size())) {
    throw ErrnoCause(error, source_, "Cannot write a file in", folder_);
  }
}

void PendingFolder::Commit() {
  // The one instant that decides: before the mark, a kill leaves a folder
  // whose names a clean-up deletes; after it, one whose names it keeps.
  FileDescriptor kept(
      ::openat(fd_.get(), kKept, O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600));
  if (!kept || !kept.Close()) {
    const int error = errno;
    throw ErrnoCause(error, source_, kCreateIn, folder_);
  }
  // Made: whatever the clearing sees of the mark now, or fails to, the
  // names stay, as the caller is told.
  committed_ = true;
  Clear(KeptMark::kMade);
}

}  // namespace ombrel
