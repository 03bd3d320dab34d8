#include "support/small_file_system.h"

#include <sys/mount.h>
#include <sys/statvfs.h>

#include <cerrno>
#include <cstring>

namespace ombrel::testing {

SmallFileSystem::SmallFileSystem(std::string folder, std::size_t bytes)
    : folder_(std::move(folder)), bytes_(bytes) {
  const std::string options = "size=" + std::to_string(bytes_) + ",mode=0755";
  if (::mount("tmpfs", folder_.c_str(), "tmpfs", MS_NOSUID | MS_NODEV, options.c_str()) == 0) {
    mounted_ = true;
  } else {
    reason_ = "cannot mount a small tmpfs on " + folder_ + ": " + std::strerror(errno) +
              " (mounting needs root or CAP_SYS_ADMIN)";
  }
}

SmallFileSystem::~SmallFileSystem() {
  // Detached, so a file still open somewhere cannot keep it mounted.
  if (mounted_) ::umount2(folder_.c_str(), MNT_DETACH);
}

bool SmallFileSystem::MakeReadOnly() {
  const std::string options = "size=" + std::to_string(bytes_);
  return mounted_ && ::mount("tmpfs", folder_.c_str(), "tmpfs",
                             MS_REMOUNT | MS_RDONLY | MS_NOSUID | MS_NODEV, options.c_str()) == 0;
}

std::size_t SmallFileSystem::FreeBytes() const {
  struct statvfs status {};
  if (::statvfs(folder_.c_str(), &status) != 0) return 0;
  return static_cast<std::size_t>(status.f_bavail) * status.f_frsize;
}

}  // namespace ombrel::testing
