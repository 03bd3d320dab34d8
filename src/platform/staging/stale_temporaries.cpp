#include "platform/staging/stale_temporaries.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "platform/posix/file_descriptor.h"
#include "platform/posix/folder_names.h"
#include "platform/posix/locked_open.h"
#include "platform/staging/pending_folder_clearing.h"
#include "platform/staging/temporary_names.h"

namespace ombrel {

void RemoveStaleTemporaries(const std::string& folder) {
  const FileDescriptor dirFd(::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
  if (!dirFd) return;
  for (const std::string& name : FolderNames(dirFd.get())) {
    if (!IsTemporaryName(name)) continue;
    struct stat named {};
    if (::fstatat(dirFd.get(), name.c_str(), &named, AT_SYMLINK_NOFOLLOW) != 0) continue;
    if (S_ISDIR(named.st_mode)) {
      RemoveStalePendingFolder(dirFd.get(), name);
      continue;
    }
    if (!S_ISREG(named.st_mode)) continue;
    // Only one that no one holds, and still the one under that name; closed
    // before its name goes, as a FUSE or NFS mount would otherwise keep it.
    bool stale = false;
    {
      const LockedOpen temporary = OpenLocked(dirFd.get(), name, 0);
      stale = temporary.result == LockedOpenResult::kLocked;
    }
    if (stale) ::unlinkat(dirFd.get(), name.c_str(), 0);
  }
}

}  // namespace ombrel
