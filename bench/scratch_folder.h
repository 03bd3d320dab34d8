// A fresh folder for one measurement, made under a chosen base folder (the
// disk for the I/O figures, memory-backed for the CPU ones) and removed with
// everything in it when the object goes away.
#pragma once

#include <string>

namespace ombrel::bench {

class ScratchFolder {
 public:
  // Throws std::runtime_error when the folder cannot be made.
  explicit ScratchFolder(const std::string& base);
  ~ScratchFolder();
  ScratchFolder(const ScratchFolder&) = delete;
  ScratchFolder& operator=(const ScratchFolder&) = delete;

  // The folder, without a final "/".
  const std::string& path() const { return path_; }
  // path() + "/" + name; creates nothing.
  std::string File(const std::string& name) const { return path_ + "/" + name; }

 private:
  std::string path_;
};

// The system's temporary folder (TMPDIR, else /tmp): disk-backed here.
std::string DiskBase();
// /dev/shm when it is a writable folder, else DiskBase().
std::string MemoryBase();

}  // namespace ombrel::bench
