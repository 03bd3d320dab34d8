#include "support/private_mount.h"

#include <sched.h>
#include <sys/mount.h>
#include <sys/statvfs.h>

#include <cerrno>
#include <cstring>
#include <fstream>

namespace ombrel::testing {

namespace {

// Moves the program into a mount namespace of its own, once; "" or why not.
// Its mounts are then private: none reaches the machine's, and they go
// with the program however it ends.
const std::string& OwnMountNamespace() {
  static const std::string why = []() -> std::string {
    if (::unshare(CLONE_NEWNS) != 0) {
      const int error = errno;
      return std::string("cannot have a mount namespace of its own: ") + std::strerror(error) +
             " (needs root or CAP_SYS_ADMIN)";
    }
    if (::mount("none", "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0) {
      const int error = errno;
      return std::string("cannot make its mounts private: ") + std::strerror(error);
    }
    return "";
  }();
  return why;
}

}  // namespace

PrivateMount::PrivateMount(std::string folder, std::string type, std::string options)
    : folder_(std::move(folder)), type_(std::move(type)), options_(std::move(options)) {
  reason_ = OwnMountNamespace();
  if (!reason_.empty()) return;
  if (::mount(type_.c_str(), folder_.c_str(), type_.c_str(), MS_NOSUID | MS_NODEV,
              options_.empty() ? nullptr : options_.c_str()) == 0) {
    mounted_ = true;
  } else {
    const int error = errno;
    reason_ = "cannot mount a " + type_ + " on " + folder_ + ": " + std::strerror(error);
  }
}

PrivateMount::~PrivateMount() {
  // Detached, so a file still open somewhere cannot keep it mounted.
  if (mounted_) ::umount2(folder_.c_str(), MNT_DETACH);
}

bool PrivateMount::Fill() {
  {
    std::ofstream out(folder_ + "/filler", std::ios::binary);
    const std::string block(4096, 'f');
    while (out.write(block.data(), static_cast<std::streamsize>(block.size())) && out.flush()) {
    }
  }
  struct statvfs status {};
  return mounted_ && ::statvfs(folder_.c_str(), &status) == 0 && status.f_bavail == 0;
}

bool PrivateMount::MakeReadOnly() {
  return mounted_ && ::mount(type_.c_str(), folder_.c_str(), type_.c_str(),
                             MS_REMOUNT | MS_RDONLY | MS_NOSUID | MS_NODEV,
                             options_.empty() ? nullptr : options_.c_str()) == 0;
}

}  // namespace ombrel::testing
