#include "platform/posix/folder_names.h"

#include <dirent.h>
#include <fcntl.h>
#include <unistd.h>

#include <string_view>

#include "platform/posix/file_descriptor.h"

namespace ombrel {

namespace {

// Lists the folder open as fd, which the listing takes over and closes.
std::vector<std::string> NamesOf(FileDescriptor fd) {
  std::vector<std::string> names;
  if (!fd) return names;
  DIR* folder = ::fdopendir(fd.get());
  if (folder == nullptr) return names;
  fd.Release();  // the listing's now
  while (const dirent* entry = ::readdir(folder)) {
    const std::string_view name(entry->d_name);
    if (name != "." && name != "..") names.emplace_back(name);
  }
  ::closedir(folder);
  return names;
}

}  // namespace

std::vector<std::string> FolderNames(const std::string& path) {
  return NamesOf(FileDescriptor(::open(path.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC)));
}

std::vector<std::string> FolderNames(int fd) {
  // A descriptor of its own, opened anew rather than duplicated: a duplicate
  // would share (and move) the caller's position in the folder.
  return NamesOf(FileDescriptor(::openat(fd, ".", O_RDONLY | O_DIRECTORY | O_CLOEXEC)));
}

}  // namespace ombrel
