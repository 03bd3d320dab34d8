// A real FAT file system through FUSE for one test: an image made with
// mkfs.vfat and mounted with fusefat on a folder. It has no hard links, no
// rename that refuses to replace and no O_TMPFILE, as a USB stick mounted
// by a FUSE driver. Mounting needs /dev/fuse, the two tools and the right to
// mount: a test asks mounted() and skips with reason().
#pragma once

#include <string>

namespace ombrel::testing {

class FuseFatImage {
 public:
  // Makes a FAT image of megabytes MiB at image and mounts it on folder,
  // which must exist and be empty.
  FuseFatImage(std::string image, std::string folder, int megabytes = 32);
  ~FuseFatImage();
  FuseFatImage(const FuseFatImage&) = delete;
  FuseFatImage& operator=(const FuseFatImage&) = delete;

  bool mounted() const { return mounted_; }
  // Why it is not mounted.
  const std::string& reason() const { return reason_; }

 private:
  std::string folder_;
  bool mounted_ = false;
  std::string reason_;
};

}  // namespace ombrel::testing
