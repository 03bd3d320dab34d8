#include "platform/staging/pending_folder_clearing.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <utility>
#include <vector>

#include "platform/posix/file_identity.h"
#include "platform/posix/folder_names.h"
#include "platform/posix/locked_open.h"
#include "platform/posix/retry_after_signal.h"
#include "platform/posix/whole_io.h"
#include "platform/staging/pending_folder_layout.h"
#include "platform/staging/pending_record.h"
#include "platform/staging/staging_pauses.h"

namespace ombrel {

namespace {

using namespace pending_layout;

constexpr std::size_t kChunk = 64 * 1024;

FileDescriptor OpenFolderAt(int folderFd, const std::string& name) {
  return FileDescriptor(::openat(folderFd, name.c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC));
}

// Whether name is gone from the folder open as fd, removed now or before.
bool Removed(int fd, const std::string& name, int flags = 0) {
  return ::unlinkat(fd, name.c_str(), flags) == 0 || errno == ENOENT;
}

// The bytes of the pending folder's record; none when it has none.
std::string ReadRecord(int fd) {
  std::string record;
  const FileDescriptor file(::openat(fd, kRecord, O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC));
  if (!file) return record;
  std::vector<char> chunk(kChunk);
  for (;;) {
    const ssize_t n = ReadFull(file.get(), chunk.data(), chunk.size());
    if (n <= 0) break;
    record.append(chunk.data(), static_cast<std::size_t>(n));
    if (static_cast<std::size_t>(n) < chunk.size()) break;
  }
  return record;
}

// Deletes each name the record claims that holds what the record says of it,
// or that is empty: a claim a kill came before the file was renamed over.
// Each is a regular file (not a symbolic link, not a folder): a user's file
// under such a name with other bytes stays. False when one that is the
// folder's could not be deleted: the record must then stay, so that the
// next clean-up tries again.
bool TakeBackClaims(int folderFd, int fd) {
  bool all = true;
  for (const RecordedName& claimed : ClaimedNames(ReadRecord(fd))) {
    if (RegularFileSize(folderFd, claimed.name) == 0U ||
        HoldsBytesOf(folderFd, claimed.name, claimed.size, claimed.crc)) {
      all = Removed(folderFd, claimed.name) && all;
    }
  }
  return all;
}

// Whether every name is what a mount keeps of a file removed while open.
bool OnlyHiddenLeftovers(const std::vector<std::string>& names) {
  return std::all_of(names.begin(), names.end(), IsHiddenLeftover);
}

// A pending folder an earlier version of the program left: its files
// straight inside, the folder itself locked (flock) while in use. Cleared
// unless that version still holds it; where a folder cannot be locked (NFS)
// it stays. The names its files were given stay: without a record, nothing
// but inode numbers would tell one of them from a user's file.
void RemoveEarlierVersionFolder(int folderFd, const std::string& name, int fd,
                                const std::vector<std::string>& entries) {
  if (RetryAfterSignal(-1, ::flock, fd, LOCK_EX | LOCK_NB) != 0 || !NamesOpenFile(folderFd, name, fd)) return;
  for (const std::string& entry : entries) ::unlinkat(fd, entry.c_str(), 0);
  ::unlinkat(folderFd, name.c_str(), AT_REMOVEDIR);
}

// A pending folder without a lock file that an rmdir found not empty. This
// version makes the lock file before anything else in it and removes it
// after everything else, so one that holds any of its names now is live (its
// lock file made since it was looked for) or being cleared by whoever holds
// its lock: it stays. One that holds only what a mount keeps of files
// removed while open is what a clearing left: they go, and it, once they
// are no longer busy. Anything else is an earlier version's.
void RemoveLocklessFolder(int folderFd, const std::string& name, int fd) {
  const std::vector<std::string> entries = FolderNames(fd);
  for (const std::string& entry : entries) {
    if (entry == kLock || entry == kFiles || entry == kRecord || entry == kKept) return;
  }
  if (!OnlyHiddenLeftovers(entries)) {
    RemoveEarlierVersionFolder(folderFd, name, fd, entries);
    return;
  }
  for (const std::string& entry : entries) ::unlinkat(fd, entry.c_str(), 0);
  ::unlinkat(folderFd, name.c_str(), AT_REMOVEDIR);
}

}  // namespace

void ClearPendingFolder(int folderFd, int fd, const std::string& name, FileDescriptor lock) {
  struct stat mark {};
  if (::fstatat(fd, kKept, &mark, AT_SYMLINK_NOFOLLOW) != 0 && !TakeBackClaims(folderFd, fd)) return;
  // Once the record is gone nothing here claims a name: it goes before
  // anything that may stay busy, so a folder left for the next clean-up
  // never decides about a name given since. The mark, which decides what
  // the record's names become, goes after it.
  if (!Removed(fd, kRecord) || !Removed(fd, kKept)) return;
  bool cleared = true;
  if (const FileDescriptor files = OpenFolderAt(fd, kFiles)) {
    for (const std::string& file : FolderNames(files.get())) cleared = Removed(files.get(), file) && cleared;
  }
  cleared = Removed(fd, kFiles, AT_REMOVEDIR) && cleared;
  // What a FUSE or NFS mount keeps of a file removed while open.
  for (const std::string& entry : FolderNames(fd)) {
    if (entry != kLock) cleared = Removed(fd, entry) && cleared;
  }
  // Closed before its name goes: a FUSE mount keeps a file removed while
  // open under a hidden name of its own, which would keep the folder. While
  // something is left, the lock file stays, so the next clean-up finds the
  // folder as it finds any other.
  lock.Reset();
  if (!cleared) return;
  ::unlinkat(fd, kLock, 0);
  ::unlinkat(folderFd, name.c_str(), AT_REMOVEDIR);
}

void RemoveStalePendingFolder(int folderFd, const std::string& name) {
  const FileDescriptor fd = OpenFolderAt(folderFd, name);
  if (!fd) return;
  LockedOpen lock = OpenLocked(fd.get(), kLock, 0);
  if (lock.result == LockedOpenResult::kLocked) {
    // Only one that no one holds, and still the one under that name.
    if (NamesOpenFile(folderFd, name, fd.get())) ClearPendingFolder(folderFd, fd.get(), name, std::move(lock.fd));
    return;
  }
  if (lock.result != LockedOpenResult::kNotOpened || lock.error != ENOENT) return;
  PauseForTests(StagingPause::kNoLockFound);
  // No lock file: a folder whose making was cut short before it, or whose
  // clearing was after it, is empty; one being made right now loses it and
  // takes another name. An rmdir removes only an empty folder.
  if (::unlinkat(folderFd, name.c_str(), AT_REMOVEDIR) == 0) return;
  if (const int error = errno; error == ENOTEMPTY || error == EEXIST) RemoveLocklessFolder(folderFd, name, fd.get());
}

}  // namespace ombrel
