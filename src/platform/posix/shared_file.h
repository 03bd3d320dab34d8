// A file that every user who may write its folder may write too: made, when
// missing, with the folder's read and write bits rather than what the umask
// leaves, as a database's journal takes its database's permissions. For the
// files the windows of several users share in one folder: the workspace's
// lock file and the log.
#pragma once

#include <string>

#include "platform/posix/file_descriptor.h"

namespace ombrel {

// Opens path with flags (without O_CREAT), making it first when missing.
// A file of this user's whose bits are narrower than its folder's (made by
// an earlier version under the umask) is widened; another user's is left as
// it is, since only its owner may. Invalid, with errno set, when it cannot be
// opened or made.
FileDescriptor OpenSharedFile(const std::string& path, int flags);

}  // namespace ombrel
