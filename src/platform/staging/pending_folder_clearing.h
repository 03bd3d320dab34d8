// Clearing a pending folder (see pending_folder.h): by the object that made
// it once it is done with it, and by a clean-up once its maker is gone.
//
// A clean-up acts only on a pending folder of this process's user, whose
// lock file and record are the user's own (pending_record_file.h says when
// a record binds); the names its record claims are plain names in the
// folder it stands in, each looked at and removed through that folder's
// descriptor, never through a link. Another user's pending folder is left
// alone, as is one whose lock file or record the user did not write, or one
// where something could not be looked at: the clean-up says why.
#pragma once

#include <string>

#include "platform/posix/file_descriptor.h"

namespace ombrel {

// How a clearing knows whether the names were marked kept.
enum class KeptMark {
  kLookAtIt,  // a clean-up: taken back only when the file system says the
              // mark is absent; any other answer leaves the folder as it is
  kMade,      // by the maker, who made it: the names stay, whatever is seen
  kNotMade,   // by the maker, who did not: the names are taken back
};

// The folder name in the folder open as folderFd, opened without following
// a link; invalid, with errno set, when it cannot be.
FileDescriptor OpenFolderAt(int folderFd, const std::string& name);

// Deletes the pending folder name, whose descriptor is fd, from the folder
// whose descriptor is folderFd: unless its names were kept, first its
// files/, then each name its record claims that is a regular file of this
// user's with one link holding what the record says, or empty; then its
// record, its mark, what else it holds, its lock file and itself, in that
// order, so that a kill on the way leaves a folder that is cleared the same
// way. The caller holds its lock through lock, which this closes before
// the lock file goes. Returns why the folder was left as it is (its record
// does not bind, a name could not be looked at or removed); "" when it is
// cleared, or left for the next clean-up only because a mount still keeps a
// file of it busy. Never raises.
std::string ClearPendingFolder(int folderFd, int fd, const std::string& name, FileDescriptor lock,
                               KeptMark mark) noexcept;

// Clears the pending folder name in the folder open as folderFd unless its
// maker holds it; also one whose clearing left only what a FUSE or NFS mount
// keeps of a file removed while open. Only one of this user's, with a lock
// file of the user's; one without a lock file that holds anything else (an
// earlier version's, a user's folder under such a name) is left and told. Returns why a folder
// that no one holds, as far as can be seen, was left; "" when it is cleared,
// in use, or gone. Never raises.
std::string RemoveStalePendingFolder(int folderFd, const std::string& name) noexcept;

}  // namespace ombrel
