// What writing ZIP archives keeps from one archive to the next: the deflate
// state of the compressed entries (buffers of 64 to 128 KiB each) and the
// buffer an archive is put together in. A program that writes report after
// report allocates them, and the system maps their pages, once instead of
// for every report. Each is made when first needed, or by Prepare. One archive at a time:
// whoever writes through a state must not share it with a concurrent writer.
#pragma once

#include <zlib.h>

#include <cstddef>
#include <memory>

namespace ombrel {

class ZipWriteState {
 public:
  // Large enough that a typical report leaves in one write and a photo is
  // copied in a few reads and writes, small enough to keep for good.
  static constexpr std::size_t kBufferSize = std::size_t{1} << 20;

  ZipWriteState() = default;
  ~ZipWriteState();
  ZipWriteState(const ZipWriteState&) = delete;
  ZipWriteState& operator=(const ZipWriteState&) = delete;

  // The raw deflate stream at level 1, with the parameters that give the
  // same bytes as libzip writes at that level, ready for a new entry.
  // Raises std::bad_alloc when zlib cannot have its memory.
  z_stream& FreshDeflateStream();

  // Makes the deflate state and the buffer now and runs a report's worth of
  // text through them, so that the system maps their pages when the program
  // starts rather than during its first report. Leaves nothing behind that a
  // later archive could see. Raises std::bad_alloc as FreshDeflateStream.
  void Prepare();

  // kBufferSize bytes, holding whatever the last archive left there.
  unsigned char* Buffer();

 private:
  z_stream stream_{};
  bool streamMade_ = false;
  std::unique_ptr<unsigned char[]> buffer_;
};

}  // namespace ombrel
