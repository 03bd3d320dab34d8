#include "platform/zip_write_state.h"

#include <cstdint>
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

void ZipWriteState::Prepare() {
  // Text that does not compress, so that deflate writes every buffer it
  // has: the window, the match chains and the block of pending symbols.
  // It is taken from the first half of the buffer and deflated into the
  // second, which touches both.
  constexpr std::size_t kTextSize = 128 * 1024;
  static_assert(2 * kTextSize <= kBufferSize);
  unsigned char* text = Buffer();
  uint32_t x = 0x9E3779B9u;
  for (std::size_t i = 0; i < kTextSize; ++i) {
    x ^= x << 13;
    x ^= x >> 17;
    x ^= x << 5;
    text[i] = static_cast<unsigned char>(x);
  }
  z_stream& stream = FreshDeflateStream();
  stream.next_in = text;
  stream.avail_in = kTextSize;
  stream.next_out = text + kTextSize;
  stream.avail_out = static_cast<uInt>(kBufferSize - kTextSize);
  deflate(&stream, Z_FINISH);
  // The next entry starts from a reset stream.
  FreshDeflateStream();
}

unsigned char* ZipWriteState::Buffer() {
  if (!buffer_) buffer_ = std::make_unique_for_overwrite<unsigned char[]>(kBufferSize);
  return buffer_.get();
}

}  // namespace ombrel
