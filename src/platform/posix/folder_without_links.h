// Reaching a folder named by someone this process does not trust (a record
// another window wrote) without letting a symbolic link anywhere on the way
// take it elsewhere: each folder is opened inside the one before it, never
// through a link.
#pragma once

#include <string>
#include <vector>

#include "platform/posix/file_descriptor.h"

namespace ombrel {

// The folder reached from the folder open as rootFd through folders, each a
// plain name, none of them a symbolic link; rootFd itself when folders is
// empty (duplicated). Invalid, with errno set, when one is missing (ENOENT),
// a link (ELOOP), not a folder (ENOTDIR) or cannot be opened.
FileDescriptor OpenFolderWithoutLinks(int rootFd, const std::vector<std::string>& folders);

}  // namespace ombrel
