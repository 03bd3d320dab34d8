// A file system of a given type mounted on a folder for one test, in a mount
// namespace of the test program's own, so that no other process sees it and
// none outlives the program. Mounting needs privileges that a CI machine may
// not grant: a test asks mounted() and skips with reason().
#pragma once

#include <string>

namespace ombrel::testing {

class PrivateMount {
 public:
  // Mounts a file system of type ("tmpfs", "ramfs") with options as mount's
  // -o takes them ("size=65536", or "" for none) on folder, which must exist.
  PrivateMount(std::string folder, std::string type, std::string options = "");
  ~PrivateMount();
  PrivateMount(const PrivateMount&) = delete;
  PrivateMount& operator=(const PrivateMount&) = delete;

  bool mounted() const { return mounted_; }
  // Why the mount failed.
  const std::string& reason() const { return reason_; }

  // Writes the file "filler" in it until no more fits, so that it states
  // nothing free; false when it still does.
  bool Fill();
  // Mounts it again read-only, keeping what it holds; false when that fails.
  bool MakeReadOnly();

 private:
  std::string folder_;
  std::string type_;
  std::string options_;
  bool mounted_ = false;
  std::string reason_;
};

}  // namespace ombrel::testing
