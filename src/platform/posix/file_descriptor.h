// One open descriptor, closed when its owner goes: the one way the program
// holds a file or folder open, so no path out of a function can leak one.
#pragma once

#include <utility>

namespace ombrel {

class FileDescriptor {
 public:
  FileDescriptor() = default;
  explicit FileDescriptor(int fd) : fd_(fd) {}
  ~FileDescriptor() { Reset(); }
  FileDescriptor(FileDescriptor&& other) noexcept : fd_(other.Release()) {}
  FileDescriptor& operator=(FileDescriptor&& other) noexcept {
    if (this != &other) {
      Reset();
      fd_ = other.Release();
    }
    return *this;
  }
  FileDescriptor(const FileDescriptor&) = delete;
  FileDescriptor& operator=(const FileDescriptor&) = delete;

  int get() const { return fd_; }
  bool valid() const { return fd_ >= 0; }
  explicit operator bool() const { return valid(); }

  // Closes now, so a failing close (a full disk on some file systems) is
  // seen: false with errno set. Closing nothing succeeds. The descriptor is
  // released either way; a close is never retried, as Linux has let go of
  // it even when close fails.
  bool Close();
  // Closes whatever is held, ignoring a failure: for paths that already fail.
  void Reset();
  // Hands the descriptor over; this object holds none afterwards.
  int Release() { return std::exchange(fd_, -1); }

 private:
  int fd_ = -1;
};

}  // namespace ombrel
