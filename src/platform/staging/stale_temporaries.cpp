#include "platform/staging/stale_temporaries.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "platform/files/path_names.h"
#include "platform/posix/file_descriptor.h"
#include "platform/posix/folder_names.h"
#include "platform/posix/lock_probe.h"
#include "platform/posix/locked_open.h"
#include "platform/posix/own_file.h"
#include "platform/staging/pending_folder_clearing.h"
#include "platform/staging/temporary_names.h"

namespace ombrel {

namespace {

// Why another user's temporary file name is reported; "" when its writer
// still holds it. Asked without taking its lock (see lock_probe.h).
std::string AnotherUsersFile(int dirFd, const std::string& name, uid_t owner) {
  const FileDescriptor fd(::openat(dirFd, name.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
  if (fd && ProbeLock(fd.get()) == LockProbe::kHeld) return "";
  return BelongsToAnotherUser(owner);
}

// Removes this user's temporary file name unless a PendingFile holds it.
void RemoveStaleFile(int dirFd, const std::string& name, uid_t user) {
  // Only one that no one holds, and still the one under that name; closed
  // before its name goes, as a FUSE or NFS mount would otherwise keep it.
  bool stale = false;
  {
    const LockedOpen temporary = OpenLocked(dirFd, name, 0);
    struct stat locked {};
    stale = temporary.result == LockedOpenResult::kLocked && ::fstat(temporary.fd.get(), &locked) == 0 &&
            S_ISREG(locked.st_mode) && locked.st_uid == user;
  }
  if (stale) ::unlinkat(dirFd, name.c_str(), 0);
}

}  // namespace

std::vector<LeftTemporary> RemoveStaleTemporaries(const std::string& folder) noexcept {
  const FileDescriptor dirFd(::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
  if (!dirFd) return {};
  try {
    return RemoveStaleTemporariesIn(dirFd.get(), folder.empty() ? "." : folder);
  } catch (...) {
    // No memory for the folder's name: the next clean-up clears it.
    return {};
  }
}

std::vector<LeftTemporary> RemoveStaleTemporariesIn(int dirFd, const std::string& shown) noexcept {
  std::vector<LeftTemporary> left;
  try {
    const uid_t user = ProcessUser();
    for (const std::string& name : FolderNames(dirFd)) {
      if (!IsTemporaryName(name)) continue;
      struct stat named {};
      if (::fstatat(dirFd, name.c_str(), &named, AT_SYMLINK_NOFOLLOW) != 0) continue;
      std::string why;
      if (S_ISDIR(named.st_mode)) {
        why = RemoveStalePendingFolder(dirFd, name);
      } else if (!S_ISREG(named.st_mode)) {
        continue;
      } else if (named.st_uid != user) {
        why = AnotherUsersFile(dirFd, name, named.st_uid);
      } else {
        RemoveStaleFile(dirFd, name, user);
      }
      if (!why.empty()) left.push_back(LeftTemporary{InFolder(shown, name), std::move(why)});
    }
  } catch (...) {
    // Out of memory listing a folder of very many names: what was found so
    // far is said, the rest waits for the next clean-up.
  }
  return left;
}

}  // namespace ombrel
