// Reaching a folder named by someone this process does not trust (a record
// another window wrote) without letting a symbolic link anywhere on the way
// take it elsewhere: each folder is opened inside the one before it, never
// through a link.
#pragma once

#include <sys/types.h>

#include <optional>
#include <string>
#include <vector>

#include "platform/posix/file_descriptor.h"

namespace ombrel {

// The folder reached from the folder open as rootFd through folders, each a
// plain name, none of them a symbolic link; rootFd itself when folders is
// empty (duplicated). Invalid, with errno set, when one is missing (ENOENT),
// a link (ELOOP, whatever the kernel says of a link opened as a folder),
// not a folder (ENOTDIR) or cannot be opened.
FileDescriptor OpenFolderWithoutLinks(int rootFd, const std::vector<std::string>& folders);

// The first of folders, from rootFd down, that is a symbolic link: its path
// relative to rootFd ("Pix") and the user who owns the link. Nothing when
// there is none, or the way cannot be looked at.
struct LinkOnTheWay {
  std::string path;
  uid_t owner = 0;
};
std::optional<LinkOnTheWay> FirstLinkOnTheWay(int rootFd, const std::vector<std::string>& folders);

}  // namespace ombrel
