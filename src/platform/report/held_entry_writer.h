// The archive's bytes on their way into the report's pending file. libzip
// writes each entry's header, then its data, then goes back and writes the
// header again with the sizes and CRC. FAT through FUSE refuses a write that
// extends a file after one into the middle of the file's last cluster
// (EPERM), which is where that header lies when the entry is small. So the
// bytes of the entry being written are held here and patched in memory; they
// go to the file, in order, when libzip returns to the end of the archive. An
// entry that outgrows the hold goes to the file as it grows, so its header
// lies at least the hold before the file's end, far past any cluster, when
// it is written again in place.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace ombrel {

class HeldEntryWriter {
 public:
  static constexpr std::uint64_t kHoldBytes = 1 << 20;

  // fd: the empty file, written with pwrite only.
  explicit HeldEntryWriter(int fd) : fd_(fd) {}

  // Each returns 0, or the errno of the call that failed.
  int Write(const void* data, std::size_t length);  // at Tell()
  int Seek(std::uint64_t position);
  int Flush();  // everything held goes to the file

  std::uint64_t Tell() const { return position_; }
  std::uint64_t Size() const { return end_; }

 private:
  int fd_;
  std::uint64_t position_ = 0;  // where the next write goes
  std::uint64_t end_ = 0;       // the archive's size so far
  std::uint64_t heldFrom_ = 0;  // bytes before it are in the file
  std::vector<char> held_;      // the bytes from heldFrom_ to end_
};

}  // namespace ombrel
