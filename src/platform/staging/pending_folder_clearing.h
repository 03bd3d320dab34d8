// Clearing a pending folder (see pending_folder.h): by the object that made
// it once it is done with it, and by a clean-up once its maker is gone.
#pragma once

#include <string>

#include "platform/posix/file_descriptor.h"

namespace ombrel {

// Deletes the pending folder name, whose descriptor is fd, from the folder
// whose descriptor is folderFd: unless it is marked kept, first each name
// its record claims that still holds what the record says or is empty;
// then its record, its mark, its files, anything else in it, its lock file
// and itself, in that order, so that a kill on the way leaves a folder that
// is cleared the same way. The caller holds its lock through lock, which
// this closes before the lock file goes. Never raises; what cannot be
// removed yet stays for the next clean-up.
void ClearPendingFolder(int folderFd, int fd, const std::string& name, FileDescriptor lock);

// Clears the pending folder name in the folder open as folderFd unless its
// maker holds it; also one whose clearing left only what a FUSE or NFS mount
// keeps of a file removed while open, and one an earlier version of the
// program left (its files straight inside, the folder itself locked). Never
// raises.
void RemoveStalePendingFolder(int folderFd, const std::string& name);

}  // namespace ombrel
