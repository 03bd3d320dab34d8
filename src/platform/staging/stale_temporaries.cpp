#include "platform/staging/stale_temporaries.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "platform/posix/file_identity.h"
#include "platform/posix/file_lock.h"
#include "platform/posix/folder_names.h"
#include "platform/staging/pending_folder.h"
#include "platform/staging/temporary_names.h"

namespace ombrel {

void RemoveStaleTemporaries(const std::string& folder) {
  const int dirFd = ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (dirFd < 0) return;
  for (const std::string& name : FolderNames(dirFd)) {
    if (!IsTemporaryName(name)) continue;
    struct stat named {};
    if (::fstatat(dirFd, name.c_str(), &named, AT_SYMLINK_NOFOLLOW) != 0) continue;
    if (S_ISDIR(named.st_mode)) {
      RemoveStalePendingFolder(dirFd, name);
      continue;
    }
    if (!S_ISREG(named.st_mode)) continue;
    // Opened for writing, as a lock that NFS honours needs.
    const int fd = ::openat(dirFd, name.c_str(), O_RDWR | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0) continue;
    // Only one that no one holds, and still the one under that name.
    if (TryLockFile(fd) == FileLockResult::kLocked && NamesOpenFile(dirFd, name, fd)) {
      ::unlinkat(dirFd, name.c_str(), 0);
    }
    ::close(fd);
  }
  ::close(dirFd);
}

}  // namespace ombrel
