// Telling one file from another by what the file system says of it, not by
// its name: a name can be given to another file at any moment.
#pragma once

#include <sys/stat.h>

#include <string>

namespace ombrel {

// Whether both describe one file (device and inode).
bool SameFile(const struct stat& a, const struct stat& b);

// Whether name in the folder open as folderFd (not followed through a
// symbolic link) is still the file open as fd.
bool NamesOpenFile(int folderFd, const std::string& name, int fd);

}  // namespace ombrel
