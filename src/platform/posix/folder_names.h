// The names a folder holds: the one directory-listing loop of the program.
#pragma once

#include <string>
#include <vector>

namespace ombrel {

// The names in the folder at path (files, folders and anything else), "."
// and ".." left out, in no particular order; none when it cannot be listed.
std::vector<std::string> FolderNames(const std::string& path);

// The same for the folder open as fd, read from its start; fd stays open and
// its own position is not moved.
std::vector<std::string> FolderNames(int fd);

}  // namespace ombrel
