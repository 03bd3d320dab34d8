#include "platform/report/held_entry_writer.h"

#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>

#include "platform/posix/whole_io.h"

namespace ombrel {

int HeldEntryWriter::Write(const void* data, std::size_t length) {
  const char* bytes = static_cast<const char*>(data);
  // A part before the hold goes over the file's bytes in place.
  if (position_ < heldFrom_) {
    const auto before = static_cast<std::size_t>(std::min<std::uint64_t>(length, heldFrom_ - position_));
    if (const int failure = WriteAllAt(fd_, bytes, before, static_cast<off_t>(position_))) return failure;
    bytes += before;
    length -= before;
    position_ += before;
  }
  if (length == 0) return 0;
  const std::uint64_t at = position_ - heldFrom_;
  if (at + length > held_.size()) held_.resize(at + length);
  std::memcpy(held_.data() + at, bytes, length);
  position_ += length;
  end_ = std::max(end_, position_);
  if (position_ == end_ && held_.size() >= kHoldBytes) return Flush();
  return 0;
}

int HeldEntryWriter::Seek(std::uint64_t position) {
  // Back at the end after writing a header again: that entry is final.
  const bool toEnd = position == end_ && position_ != end_;
  position_ = position;
  return toEnd ? Flush() : 0;
}

int HeldEntryWriter::Flush() {
  if (held_.empty()) return 0;
  if (const int failure = WriteAllAt(fd_, held_.data(), held_.size(), static_cast<off_t>(heldFrom_))) return failure;
  heldFrom_ += held_.size();
  held_.clear();
  return 0;
}

}  // namespace ombrel
