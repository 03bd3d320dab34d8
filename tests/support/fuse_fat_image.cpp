#include "support/fuse_fat_image.h"

#include <stdlib.h>
#include <sys/mount.h>
#include <sys/vfs.h>
#include <unistd.h>

namespace ombrel::testing {

namespace {

// Runs a command line quietly; whether it succeeded.
bool Run(const std::string& command) { return ::system((command + " >/dev/null 2>&1").c_str()) == 0; }

// A folder's path quoted for the shell.
std::string Quoted(const std::string& text) {
  std::string quoted = "'";
  for (const char c : text) quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
  return quoted + "'";
}

constexpr long kFuseMagic = 0x65735546;

}  // namespace

FuseFatImage::FuseFatImage(std::string image, std::string folder, int megabytes) : folder_(std::move(folder)) {
  if (::access("/dev/fuse", R_OK | W_OK) != 0) {
    reason_ = "no /dev/fuse to mount a FAT image through";
    return;
  }
  if (!Run("command -v fusefat") || !Run("command -v mkfs.vfat")) {
    reason_ = "fusefat and mkfs.vfat (packages fusefat, dosfstools) are not installed";
    return;
  }
  if (!Run("truncate -s " + std::to_string(megabytes) + "M " + Quoted(image)) ||
      !Run("mkfs.vfat " + Quoted(image))) {
    reason_ = "cannot make a FAT image at " + image;
    return;
  }
  struct statfs status {};
  // One thread in the driver: it then handles a closed file's release, which
  // the kernel sends without waiting, before a later unlink of that file.
  // With several, the unlink can come first and the driver keeps the file
  // under a hidden name of its own; a clean-up after a kill would then find
  // a pending folder it cannot remove yet, at random under load.
  if (!Run("fusefat -s -o rw+ " + Quoted(image) + " " + Quoted(folder_)) || ::statfs(folder_.c_str(), &status) != 0 ||
      status.f_type != kFuseMagic) {
    reason_ = "cannot mount a FAT image through fusefat on " + folder_ + " (mounting needs the right to)";
    return;
  }
  mounted_ = true;
}

FuseFatImage::~FuseFatImage() {
  // Detached, so a file still open somewhere cannot keep it mounted.
  if (mounted_ && !Run("fusermount -u -z " + Quoted(folder_))) ::umount2(folder_.c_str(), MNT_DETACH);
}

}  // namespace ombrel::testing
