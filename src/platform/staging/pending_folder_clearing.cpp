#include "platform/staging/pending_folder_clearing.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <utility>
#include <vector>

#include "platform/posix/file_crc.h"
#include "platform/posix/file_identity.h"
#include "platform/posix/folder_names.h"
#include "platform/posix/lock_probe.h"
#include "platform/posix/locked_open.h"
#include "platform/posix/own_file.h"
#include "platform/staging/pending_folder_layout.h"
#include "platform/staging/pending_record_file.h"
#include "platform/staging/staging_pauses.h"
#include "platform/text/sender_text.h"

namespace ombrel {

namespace {

using namespace pending_layout;

// what, then the system's words for error.
std::string Cause(const std::string& what, int error) { return what + ": " + std::strerror(error); }
// The same for the errno of the call just failed, taken before anything else.
std::string CauseNow(const char* what) {
  const int error = errno;
  return Cause(what, error);
}

std::string Quoted(const std::string& name) { return "\"" + SenderText(name) + "\""; }

// Whether name is gone from the folder open as fd, removed now or before.
bool Removed(int fd, const std::string& name, int flags = 0) {
  return ::unlinkat(fd, name.c_str(), flags) == 0 || errno == ENOENT;
}

// Whether status is of a file the step may have given a name: a regular
// file of user's with no other name. A second link may be a user's own
// (a backup made by linking), and stays.
bool MayBeGiven(const struct stat& status, uid_t user) {
  return S_ISREG(status.st_mode) && status.st_uid == user && status.st_nlink == 1;
}

// Removes what the pending folder open as fd holds in files/, before any
// claimed name is looked at: a name given by a hard link then has one link
// again. "" or why not.
std::string ClearFilesFolder(int fd) {
  const FileDescriptor files = OpenFolderAt(fd, kFiles);
  if (!files) {
    const int error = errno;
    return error == ENOENT ? "" : Cause("its files cannot be opened", error);
  }
  for (const std::string& file : FolderNames(files.get())) {
    if (!Removed(files.get(), file)) {
      const int error = errno;
      return Cause("its file " + Quoted(file) + " cannot be removed", error);
    }
  }
  return "";
}

// Whether the name claimed in the folder open as folderFd holds the file
// the step gave it (given): this user's regular file with one link, with
// the recorded size and CRC-32, or empty (a claim a kill came before the
// file was renamed over). Its bytes are read only when everything else
// matches. "" once looked at; why, when it could not be: the claim then
// stands for the next clean-up, since an error says nothing of the file.
std::string LookAtClaim(int folderFd, const RecordedName& claimed, uid_t user, bool& given) {
  given = false;
  const std::string shown = "the name " + Quoted(claimed.name) + " it claims";
  struct stat named {};
  int error = FaultForTests(StagingFault::kClaimLookedAt);
  if (error == 0 && ::fstatat(folderFd, claimed.name.c_str(), &named, AT_SYMLINK_NOFOLLOW) != 0) error = errno;
  if (error == ENOENT) return "";
  if (error != 0) return Cause(shown + " cannot be looked at", error);
  if (!MayBeGiven(named, user) || (named.st_size != 0 && static_cast<uint64_t>(named.st_size) != claimed.size)) {
    return "";
  }
  // Decided on the file open: the name may have been given another since.
  const FileDescriptor file(
      ::openat(folderFd, claimed.name.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
  if (!file) {
    error = errno;
    return error == ENOENT || error == ELOOP ? "" : Cause(shown + " cannot be opened", error);
  }
  struct stat opened {};
  if (::fstat(file.get(), &opened) != 0) {
    error = errno;
    return Cause(shown + " cannot be looked at", error);
  }
  if (!MayBeGiven(opened, user)) return "";
  if (opened.st_size == 0) {
    given = true;
    return "";
  }
  if (static_cast<uint64_t>(opened.st_size) != claimed.size) return "";
  const std::optional<uint32_t> crc = Crc32OfFile(file.get());
  if (!crc) {
    error = errno;
    return Cause(shown + " cannot be read", error);
  }
  given = *crc == claimed.crc;
  return "";
}

// Deletes each claimed name that holds the file the step gave it. Between
// the look and the removal, only someone who may write the folder can put
// another file under the name, and they could remove that file themselves:
// the swap gains them nothing. "" when every claim is settled; otherwise
// why the first was not, and the record must stay for the next clean-up.
std::string TakeBackClaims(int folderFd, const std::vector<RecordedName>& claims) {
  const uid_t user = ProcessUser();
  std::string why;
  for (const RecordedName& claimed : claims) {
    bool given = false;
    std::string unsettled = LookAtClaim(folderFd, claimed, user, given);
    if (given && !Removed(folderFd, claimed.name)) {
      const int error = errno;
      unsettled = Cause("the name " + Quoted(claimed.name) + " it claims cannot be removed", error);
    }
    if (why.empty()) why = std::move(unsettled);
  }
  return why;
}

std::string Clear(int folderFd, int fd, const std::string& name, FileDescriptor lock, KeptMark mark) {
  bool kept = mark == KeptMark::kMade;
  if (mark == KeptMark::kLookAtIt) {
    struct stat status {};
    int error = FaultForTests(StagingFault::kKeptMarkLookedAt);
    if (error == 0 && ::fstatat(fd, kKept, &status, AT_SYMLINK_NOFOLLOW) != 0) error = errno;
    if (error != 0 && error != ENOENT) return Cause("whether its names were kept cannot be looked at", error);
    kept = error == 0;
  }
  if (!kept) {
    const FoundRecord record = ReadPendingRecord(fd);
    if (!record.refusal.empty()) return record.refusal;
    if (std::string why = ClearFilesFolder(fd); !why.empty()) return why;
    if (std::string why = TakeBackClaims(folderFd, record.claims); !why.empty()) return why;
  }
  // Once the record is gone nothing here claims a name: it goes before
  // anything that may stay busy, so a folder left for the next clean-up
  // never decides about a name given since. The mark, which decides what
  // the record's names become, goes after it.
  if (!Removed(fd, kRecord)) return CauseNow("its record cannot be removed");
  if (!Removed(fd, kKept)) return CauseNow("its mark of names kept cannot be removed");
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
  if (!cleared) return "";
  ::unlinkat(fd, kLock, 0);
  ::unlinkat(folderFd, name.c_str(), AT_REMOVEDIR);
  return "";
}

// Whether every name is what a mount keeps of a file removed while open.
bool OnlyHiddenLeftovers(const std::vector<std::string>& names) {
  return std::all_of(names.begin(), names.end(), IsHiddenLeftover);
}

// Removes entry from the folder open as fd when it is this user's.
void RemoveOwnEntry(int fd, const std::string& entry, uid_t user) {
  struct stat status {};
  if (::fstatat(fd, entry.c_str(), &status, AT_SYMLINK_NOFOLLOW) == 0 && status.st_uid == user) {
    ::unlinkat(fd, entry.c_str(), 0);
  }
}

// A pending folder without a lock file that an rmdir found not empty. This
// version makes the lock file before anything else in it and removes it
// after everything else, so one that holds any of its names now is live (its
// lock file made since it was looked for) or being cleared by whoever holds
// its lock: it stays. One that holds only what a mount keeps of files
// removed while open is what a clearing left: they go, and it, once they
// are no longer busy. Anything else (an earlier version's pending folder, a
// folder of the user's under such a name) is nothing this version made, and
// is left as it is, with why. "" or why.
std::string RemoveLocklessFolder(int folderFd, const std::string& name, int fd, uid_t user) {
  const std::vector<std::string> entries = FolderNames(fd);
  for (const std::string& entry : entries) {
    if (entry == kLock || entry == kFiles || entry == kRecord || entry == kKept) return "";
  }
  if (!OnlyHiddenLeftovers(entries)) return "it has no lock file and holds files no clean-up of this version made";
  for (const std::string& entry : entries) RemoveOwnEntry(fd, entry, user);
  ::unlinkat(folderFd, name.c_str(), AT_REMOVEDIR);
  return "";
}

// Why another user's pending folder, open as fd, is reported; "" when its
// maker still holds it. Asked without taking its lock: a maker that found
// its lock taken would give its folder up.
std::string AnotherUsersFolder(int fd, uid_t owner) {
  const FileDescriptor lock(::openat(fd, kLock, O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
  if (lock && ProbeLock(lock.get()) == LockProbe::kHeld) return "";
  return BelongsToAnotherUser(owner);
}

std::string RemoveStale(int folderFd, const std::string& name) {
  const uid_t user = ProcessUser();
  const FileDescriptor fd = OpenFolderAt(folderFd, name);
  if (!fd) {
    const int error = errno;
    // One of another user's that this one may not even open.
    struct stat named {};
    if (::fstatat(folderFd, name.c_str(), &named, AT_SYMLINK_NOFOLLOW) == 0 && S_ISDIR(named.st_mode) &&
        named.st_uid != user) {
      return BelongsToAnotherUser(named.st_uid);
    }
    return error == ENOENT || error == ELOOP || error == ENOTDIR ? "" : Cause("it cannot be opened", error);
  }
  struct stat folder {};
  if (::fstat(fd.get(), &folder) != 0) return CauseNow("it cannot be looked at");
  if (folder.st_uid != user) return AnotherUsersFolder(fd.get(), folder.st_uid);
  LockedOpen lock = OpenLocked(fd.get(), kLock, 0);
  switch (lock.result) {
    case LockedOpenResult::kLocked:
      break;
    case LockedOpenResult::kHeld:
    case LockedOpenResult::kNotNamed:
      return "";
    case LockedOpenResult::kLockFailed:
      return Cause("its lock file cannot be locked", lock.error);
    case LockedOpenResult::kNotOpened:
      if (lock.error == ELOOP) return "its lock file is a symbolic link";
      if (lock.error != ENOENT) return Cause("its lock file cannot be opened", lock.error);
      PauseForTests(StagingPause::kNoLockFound);
      // No lock file: a folder whose making was cut short before it, or
      // whose clearing was after it, is empty; one being made right now
      // loses it and takes another name. An rmdir removes only an empty
      // folder.
      if (::unlinkat(folderFd, name.c_str(), AT_REMOVEDIR) == 0) return "";
      if (const int error = errno; error == ENOTEMPTY || error == EEXIST) {
        return RemoveLocklessFolder(folderFd, name, fd.get(), user);
      }
      return "";
  }
  // Its lock file is the user's own, or the folder is not the user's step's.
  struct stat locked {};
  if (::fstat(lock.fd.get(), &locked) != 0) return CauseNow("its lock file cannot be looked at");
  if (!S_ISREG(locked.st_mode)) return "its lock file is not a regular file";
  if (locked.st_uid != user) return "its lock file belongs to another user (uid " + std::to_string(locked.st_uid) + ")";
  // Only one that no one holds, and still the one under that name.
  if (!NamesOpenFile(folderFd, name, fd.get())) return "";
  return ClearPendingFolder(folderFd, fd.get(), name, std::move(lock.fd), KeptMark::kLookAtIt);
}

}  // namespace

FileDescriptor OpenFolderAt(int folderFd, const std::string& name) {
  return FileDescriptor(::openat(folderFd, name.c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC));
}

std::string ClearPendingFolder(int folderFd, int fd, const std::string& name, FileDescriptor lock,
                               KeptMark mark) noexcept {
  try {
    return Clear(folderFd, fd, name, std::move(lock), mark);
  } catch (...) {
    // Out of memory, reading a record of many names: it stays as it is.
    // Short enough to need no memory of its own.
    return "out of memory";
  }
}

std::string RemoveStalePendingFolder(int folderFd, const std::string& name) noexcept {
  try {
    return RemoveStale(folderFd, name);
  } catch (...) {
    return "out of memory";
  }
}

}  // namespace ombrel
