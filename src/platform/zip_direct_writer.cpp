#include "platform/zip_direct_writer.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <ctime>

#include "platform/errno_error.h"
#include "platform/error.h"
#include "platform/sender_text.h"

namespace ombrel {

namespace {

// The fields libzip fills in for the entries we write: made by libzip's
// version (6.3) on Unix, which is what gives the external attributes their
// meaning: a plain file its owner may write and everyone read.
constexpr std::uint16_t kMadeBy = (3 << 8) | 63;
constexpr std::uint16_t kNeededToStore = 10;
constexpr std::uint16_t kNeededToDeflate = 20;
constexpr std::uint16_t kMethodStore = 0;
constexpr std::uint16_t kMethodDeflate = 8;
constexpr std::uint16_t kFlagFastestLevel = 2 << 1;  // libzip's mark for levels 1 and 2
constexpr std::uint16_t kFlagUtf8Name = 1 << 11;
constexpr std::uint32_t kExternalAttributes = static_cast<std::uint32_t>(S_IFREG | 0644) << 16;

constexpr std::size_t kLocalHeaderSize = 30;
constexpr std::size_t kCentralHeaderSize = 46;
constexpr std::size_t kEndRecordSize = 22;
constexpr std::size_t kCrcAt = 14;             // in the local header
constexpr std::size_t kCompressedSizeAt = 18;  // in the local header

// zlib takes at most this much input per call.
constexpr std::size_t kLargestDeflateInput = std::size_t{1} << 30;

void Put16(unsigned char* at, std::uint16_t value) {
  at[0] = static_cast<unsigned char>(value);
  at[1] = static_cast<unsigned char>(value >> 8);
}

void Put32(unsigned char* at, std::uint32_t value) {
  Put16(at, static_cast<std::uint16_t>(value));
  Put16(at + 2, static_cast<std::uint16_t>(value >> 16));
}

struct DosTime {
  std::uint16_t time = 0;
  std::uint16_t date = 0;
};

// Local time as libzip turns it into MS-DOS fields: a year before 1980 counts
// as 1980 (month, day and time kept), a year past 2107 wraps around in the
// 7 bits of the year, seconds are halved.
DosTime ToDosTime(std::time_t when) {
  std::tm local{};
  if (::localtime_r(&when, &local) == nullptr) return {0, (1 << 5) | 1};  // 1980-01-01
  if (local.tm_year < 80) local.tm_year = 80;
  DosTime dos;
  dos.date = static_cast<std::uint16_t>(((local.tm_year - 80) << 9) + ((local.tm_mon + 1) << 5) + local.tm_mday);
  dos.time = static_cast<std::uint16_t>((local.tm_hour << 11) + (local.tm_min << 5) + (local.tm_sec >> 1));
  return dos;
}

// The plan admits only printable ASCII and well-formed UTF-8: any byte past
// ASCII makes it a UTF-8 name, which libzip marks as such.
bool IsAscii(const std::string& name) {
  return std::all_of(name.begin(), name.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

struct Entry {
  const std::string* name = nullptr;
  std::uint16_t needed = 0;
  std::uint16_t flags = 0;
  std::uint16_t method = 0;
  DosTime modified;
  std::uint32_t crc = 0;
  std::uint32_t compressedSize = 0;
  std::uint32_t size = 0;
  std::uint32_t offset = 0;  // of the local header
};

// The archive on its way to the file, gathered in the state's buffer so that
// a small archive leaves in one write. Fields written before their value was
// known are filled in afterwards, in the buffer or in the file.
class Output {
 public:
  Output(int fd, unsigned char* buffer, const std::string& path, const std::string& source)
      : fd_(fd), buffer_(buffer), path_(path), source_(source) {}

  std::uint64_t Offset() const { return written_ + used_; }

  // Free bytes at the end of the buffer, at least one (the buffer is
  // written out first when full); size receives how many.
  unsigned char* Room(std::size_t& size) {
    if (used_ == ZipWriteState::kBufferSize) Flush();
    size = ZipWriteState::kBufferSize - used_;
    return buffer_ + used_;
  }
  void Used(std::size_t count) { used_ += count; }

  // Headers and names are never split between two writes, so a later
  // Patch of a header finds it whole in the buffer or whole in the file.
  void Append(const void* bytes, std::size_t count) {
    if (count > ZipWriteState::kBufferSize - used_) Flush();
    std::memcpy(buffer_ + used_, bytes, count);
    used_ += count;
  }

  void Patch(std::uint64_t offset, const void* bytes, std::size_t count) {
    if (offset >= written_) {
      std::memcpy(buffer_ + (offset - written_), bytes, count);
      return;
    }
    const auto* from = static_cast<const unsigned char*>(bytes);
    std::size_t done = 0;
    while (done < count) {
      const ssize_t n = ::pwrite(fd_, from + done, count - done, static_cast<off_t>(offset + done));
      if (n < 0 && errno == EINTR) continue;
      if (n <= 0) throw ErrnoCause(n < 0 ? errno : EIO, source_, "Cannot write", path_);
      done += static_cast<std::size_t>(n);
    }
  }

  void Flush() {
    std::size_t done = 0;
    while (done < used_) {
      const ssize_t n = ::write(fd_, buffer_ + done, used_ - done);
      if (n < 0 && errno == EINTR) continue;
      if (n <= 0) throw ErrnoCause(n < 0 ? errno : EIO, source_, "Cannot write", path_);
      done += static_cast<std::size_t>(n);
    }
    written_ += used_;
    used_ = 0;
  }

 private:
  int fd_;
  unsigned char* buffer_;
  const std::string& path_;
  const std::string& source_;
  std::uint64_t written_ = 0;  // bytes in the file before the buffer's first
  std::size_t used_ = 0;
};

class FileCloser {
 public:
  explicit FileCloser(int fd) : fd_(fd) {}
  ~FileCloser() { ::close(fd_); }
  FileCloser(const FileCloser&) = delete;
  FileCloser& operator=(const FileCloser&) = delete;

 private:
  int fd_;
};

class DirectWriter {
 public:
  DirectWriter(int fd, const std::string& path, ZipWriteState& state, const std::string& source)
      : out_(fd, state.Buffer(), path, source), path_(path), state_(state), source_(source) {}

  void AddText(const ZipTextEntry& text) {
    Entry& entry = Begin(text.name, kMethodDeflate);
    entry.modified = ToDosTime(text.modified);
    entry.crc = static_cast<std::uint32_t>(
        crc32_z(crc32_z(0, nullptr, 0), reinterpret_cast<const Bytef*>(text.bytes.data()), text.bytes.size()));
    entry.size = static_cast<std::uint32_t>(text.bytes.size());
    WriteLocalHeader(entry);

    z_stream& stream = state_.FreshDeflateStream();
    const auto* next = reinterpret_cast<const unsigned char*>(text.bytes.data());
    std::size_t left = text.bytes.size();
    for (;;) {
      if (stream.avail_in == 0 && left > 0) {
        const std::size_t chunk = std::min(left, kLargestDeflateInput);
        stream.next_in = const_cast<Bytef*>(next);
        stream.avail_in = static_cast<uInt>(chunk);
        next += chunk;
        left -= chunk;
      }
      std::size_t room = 0;
      stream.next_out = out_.Room(room);
      stream.avail_out = static_cast<uInt>(room);
      const int result = deflate(&stream, left == 0 ? Z_FINISH : Z_NO_FLUSH);
      out_.Used(room - stream.avail_out);
      if (result == Z_STREAM_END) break;
      if (result != Z_OK) Fail("Compression error");
    }
    entry.compressedSize = static_cast<std::uint32_t>(stream.total_out);
    unsigned char field[4];
    Put32(field, entry.compressedSize);
    out_.Patch(entry.offset + kCompressedSizeAt, field, sizeof(field));
  }

  void AddFile(const ZipFileEntry& file, std::uint64_t plannedSize) {
    const int fd = ::open(file.path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) Fail(std::string("Can't open file: ") + std::strerror(errno));
    FileCloser closer(fd);
    struct stat status {};
    if (::fstat(fd, &status) != 0) Fail(std::string("Read error: ") + std::strerror(errno));
    if (!S_ISREG(status.st_mode) || static_cast<std::uint64_t>(status.st_size) != plannedSize) Changed(file);

    Entry& entry = Begin(file.name, kMethodStore);
    entry.modified = ToDosTime(status.st_mtime);
    entry.size = entry.compressedSize = static_cast<std::uint32_t>(plannedSize);
    WriteLocalHeader(entry);

    uLong crc = crc32_z(0, nullptr, 0);
    for (std::uint64_t left = plannedSize; left > 0;) {
      std::size_t room = 0;
      unsigned char* into = out_.Room(room);
      const ssize_t n = ::read(fd, into, static_cast<std::size_t>(std::min<std::uint64_t>(room, left)));
      if (n < 0 && errno == EINTR) continue;
      if (n < 0) Fail(std::string("Read error: ") + std::strerror(errno));
      if (n == 0) Changed(file);  // shorter than it was
      crc = crc32_z(crc, into, static_cast<std::size_t>(n));
      out_.Used(static_cast<std::size_t>(n));
      left -= static_cast<std::uint64_t>(n);
    }
    for (;;) {  // and no longer
      unsigned char beyond = 0;
      const ssize_t n = ::read(fd, &beyond, 1);
      if (n < 0 && errno == EINTR) continue;
      if (n < 0) Fail(std::string("Read error: ") + std::strerror(errno));
      if (n > 0) Changed(file);
      break;
    }
    entry.crc = static_cast<std::uint32_t>(crc);
    unsigned char field[4];
    Put32(field, entry.crc);
    out_.Patch(entry.offset + kCrcAt, field, sizeof(field));
  }

  void Finish() {
    const std::uint64_t directoryStart = out_.Offset();
    for (const Entry& entry : entries_) {
      unsigned char header[kCentralHeaderSize] = {};
      Put32(header, 0x02014b50);
      Put16(header + 4, kMadeBy);
      Put16(header + 6, entry.needed);
      Put16(header + 8, entry.flags);
      Put16(header + 10, entry.method);
      Put16(header + 12, entry.modified.time);
      Put16(header + 14, entry.modified.date);
      Put32(header + 16, entry.crc);
      Put32(header + 20, entry.compressedSize);
      Put32(header + 24, entry.size);
      Put16(header + 28, static_cast<std::uint16_t>(entry.name->size()));
      // No extra field, no comment, disk 0, no internal attributes.
      Put32(header + 38, kExternalAttributes);
      Put32(header + 42, entry.offset);
      out_.Append(header, sizeof(header));
      out_.Append(entry.name->data(), entry.name->size());
    }
    const std::uint64_t directorySize = out_.Offset() - directoryStart;
    unsigned char end[kEndRecordSize] = {};
    Put32(end, 0x06054b50);
    // Disk 0 of 0.
    Put16(end + 8, static_cast<std::uint16_t>(entries_.size()));
    Put16(end + 10, static_cast<std::uint16_t>(entries_.size()));
    Put32(end + 12, static_cast<std::uint32_t>(directorySize));
    Put32(end + 16, static_cast<std::uint32_t>(directoryStart));
    // No archive comment.
    out_.Append(end, sizeof(end));
    out_.Flush();
  }

 private:
  Entry& Begin(const std::string& name, std::uint16_t method) {
    Entry& entry = entries_.emplace_back();
    entry.name = &name;
    entry.method = method;
    entry.needed = method == kMethodDeflate ? kNeededToDeflate : kNeededToStore;
    entry.flags = static_cast<std::uint16_t>((method == kMethodDeflate ? kFlagFastestLevel : 0) |
                                             (IsAscii(name) ? 0 : kFlagUtf8Name));
    entry.offset = static_cast<std::uint32_t>(out_.Offset());
    return entry;
  }

  void WriteLocalHeader(const Entry& entry) {
    unsigned char header[kLocalHeaderSize] = {};
    Put32(header, 0x04034b50);
    Put16(header + 4, entry.needed);
    Put16(header + 6, entry.flags);
    Put16(header + 8, entry.method);
    Put16(header + 10, entry.modified.time);
    Put16(header + 12, entry.modified.date);
    Put32(header + kCrcAt, entry.crc);
    Put32(header + kCompressedSizeAt, entry.compressedSize);
    Put32(header + 22, entry.size);
    Put16(header + 26, static_cast<std::uint16_t>(entry.name->size()));
    // No extra field.
    out_.Append(header, sizeof(header));
    out_.Append(entry.name->data(), entry.name->size());
  }

  [[noreturn]] void Fail(const std::string& why) const {
    throw Error(err::kPathFileAccessError, source_, "Cannot write " + SenderText(path_) + ": " + why);
  }

  [[noreturn]] void Changed(const ZipFileEntry& file) const {
    Fail(SenderText(file.path) + " changed size while it was being copied");
  }

  Output out_;
  const std::string& path_;
  ZipWriteState& state_;
  const std::string& source_;
  std::vector<Entry> entries_;
};

}  // namespace

void WriteZipDirectly(int fd, const std::string& path, const std::vector<ZipTextEntry>& texts,
                      const std::vector<ZipFileEntry>& files, const std::vector<std::uint64_t>& fileSizes,
                      ZipWriteState& state, const std::string& source) {
  DirectWriter writer(fd, path, state, source);
  for (const ZipTextEntry& text : texts) writer.AddText(text);
  for (std::size_t i = 0; i < files.size(); ++i) writer.AddFile(files[i], fileSizes[i]);
  writer.Finish();
}

}  // namespace ombrel
