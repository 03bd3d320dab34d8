// A small file system of its own for one test: a tmpfs of a given size
// mounted on a folder, to fill a disk or make a folder read-only for real
// (root writes through file permissions). Mounting needs privileges that a CI
// machine may not grant: a test asks mounted() and skips with reason().
#pragma once

#include <cstddef>
#include <string>

namespace ombrel::testing {

class SmallFileSystem {
 public:
  // Mounts a tmpfs of bytes (rounded up to pages) on folder, which must exist.
  SmallFileSystem(std::string folder, std::size_t bytes);
  ~SmallFileSystem();
  SmallFileSystem(const SmallFileSystem&) = delete;
  SmallFileSystem& operator=(const SmallFileSystem&) = delete;

  bool mounted() const { return mounted_; }
  // Why the mount failed.
  const std::string& reason() const { return reason_; }

  // Makes the whole file system read-only; false when that fails.
  bool MakeReadOnly();
  // The bytes that can still be written.
  std::size_t FreeBytes() const;

 private:
  std::string folder_;
  std::size_t bytes_;
  bool mounted_ = false;
  std::string reason_;
};

}  // namespace ombrel::testing
