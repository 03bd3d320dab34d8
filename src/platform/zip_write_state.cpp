#include "platform/zip_write_state.h"

#include <new>

namespace ombrel {

namespace {

// libzip's own choice for deflated entries: no zlib wrapper, the largest
// window and the most memory for matching, the default strategy.
constexpr int kLevel = 1;
constexpr int kWindowBits = -15;
constexpr int kMemoryLevel = 9;

}  // namespace

ZipWriteState::~ZipWriteState() {
  if (streamMade_) deflateEnd(&stream_);
}

z_stream& ZipWriteState::FreshDeflateStream() {
  if (!streamMade_) {
    stream_ = z_stream{};
    if (deflateInit2(&stream_, kLevel, Z_DEFLATED, kWindowBits, kMemoryLevel, Z_DEFAULT_STRATEGY) != Z_OK) {
      throw std::bad_alloc();
    }
    streamMade_ = true;
  } else if (deflateReset(&stream_) != Z_OK) {
    // Only a damaged stream refuses a reset: start over with a new one.
    deflateEnd(&stream_);
    streamMade_ = false;
    return FreshDeflateStream();
  }
  // A reset keeps where input and output were: an entry that failed midway
  // would leave them pointing into the last archive's text and buffer.
  stream_.next_in = nullptr;
  stream_.avail_in = 0;
  stream_.next_out = nullptr;
  stream_.avail_out = 0;
  return stream_;
}

unsigned char* ZipWriteState::Buffer() {
  if (!buffer_) buffer_ = std::make_unique_for_overwrite<unsigned char[]>(kBufferSize);
  return buffer_.get();
}

}  // namespace ombrel
