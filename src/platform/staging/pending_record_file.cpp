#include "platform/staging/pending_record_file.h"

#include <fcntl.h>
#include <sys/stat.h>

#include <cerrno>
#include <cstring>

#include "platform/files/path_names.h"
#include "platform/posix/file_descriptor.h"
#include "platform/posix/own_file.h"
#include "platform/posix/whole_io.h"
#include "platform/staging/pending_folder_layout.h"
#include "platform/text/sender_text.h"

namespace ombrel {

namespace {

constexpr std::size_t kChunk = 64 * 1024;

FoundRecord Refused(std::string why) { return FoundRecord{{}, "its record " + why}; }

}  // namespace

FoundRecord ReadPendingRecord(int fd) {
  const FileDescriptor file(
      ::openat(fd, pending_layout::kRecord, O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
  if (!file) {
    const int error = errno;
    if (error == ENOENT) return FoundRecord{};
    if (error == ELOOP) return Refused("is a symbolic link");
    return Refused(std::string("cannot be opened: ") + std::strerror(error));
  }
  struct stat status {};
  if (::fstat(file.get(), &status) != 0) {
    const int error = errno;
    return Refused(std::string("cannot be looked at: ") + std::strerror(error));
  }
  if (const std::string why = WhyNotWrittenBy(status, ProcessUser()); !why.empty()) return Refused(why);
  const uint64_t size = static_cast<uint64_t>(status.st_size);
  const std::string tooLarge = "holds more than the " + std::to_string(kMaxPendingRecordBytes) +
                               " bytes a record is ever written with";
  if (size > kMaxPendingRecordBytes) return Refused(tooLarge);
  std::string bytes;
  bytes.reserve(static_cast<std::size_t>(size));
  // It may have grown since: never read past the cap.
  std::string chunk(kChunk, '\0');
  for (;;) {
    const ssize_t n = ReadFull(file.get(), chunk.data(), chunk.size());
    if (n < 0) {
      const int error = errno;
      return Refused(std::string("cannot be read: ") + std::strerror(error));
    }
    if (bytes.size() + static_cast<std::size_t>(n) > kMaxPendingRecordBytes) return Refused(tooLarge);
    bytes.append(chunk.data(), static_cast<std::size_t>(n));
    if (static_cast<std::size_t>(n) < chunk.size()) break;
  }
  FoundRecord found;
  found.claims = ClaimedNames(bytes);
  for (const RecordedName& claimed : found.claims) {
    // The program claims only names an envelope may give; any other could
    // reach outside the folder.
    if (!IsPlainFileName(claimed.name)) {
      return Refused("claims \"" + SenderText(claimed.name) + "\", which is not a plain file name");
    }
  }
  return found;
}

}  // namespace ombrel
