#include "platform/workspace/record_file.h"

#include <fcntl.h>
#include <sys/stat.h>

#include <cerrno>
#include <charconv>
#include <cstring>
#include <new>

#include "platform/posix/own_file.h"
#include "platform/posix/retry_after_signal.h"
#include "platform/posix/whole_io.h"

namespace ombrel {

namespace {

constexpr std::string_view kPrefix = "Ombrel.";
constexpr std::string_view kSuffix = ".record";

std::string SystemText(int error) { return std::strerror(error); }

// Why the file open as fd is no record of user's; "" when it may be.
std::string WhyNotARecord(int fd, uid_t user, struct stat& status) {
  if (::fstat(fd, &status) != 0) return "it cannot be looked at: " + SystemText(errno);
  if (const std::string why = WhyNotWrittenBy(status, user); !why.empty()) return "it " + why;
  if (status.st_size > kMaxRecordBytes) {
    return "it holds " + std::to_string(status.st_size) + " bytes, more than a step records";
  }
  return "";
}

}  // namespace

std::string RecordFileName(uid_t user) {
  return std::string(kPrefix) + std::to_string(user) + std::string(kSuffix);
}

std::optional<uid_t> RecordFileUser(std::string_view name) {
  if (name.size() <= kPrefix.size() + kSuffix.size() || !name.starts_with(kPrefix) || !name.ends_with(kSuffix)) {
    return std::nullopt;
  }
  const std::string_view digits = name.substr(kPrefix.size(), name.size() - kPrefix.size() - kSuffix.size());
  uid_t user = 0;
  const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), user);
  if (error != std::errc() || end != digits.data() + digits.size() || digits.front() == '+' ||
      (digits.size() > 1 && digits.front() == '0')) {
    return std::nullopt;
  }
  return user;
}

RecordFile OpenRecordFile(int workspaceFd, uid_t user, bool own) {
  RecordFile record;
  const std::string name = RecordFileName(user);
  const int flags = (own ? O_RDWR : O_RDONLY) | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC;
  FileDescriptor fd(RetryAfterSignal(-1, ::openat, workspaceFd, name.c_str(), flags));
  if (!fd && errno == ENOENT && own) {
    // Made by this step alone, so no one else chose its bits.
    fd = FileDescriptor(RetryAfterSignal(-1, ::openat, workspaceFd, name.c_str(), flags | O_CREAT | O_EXCL, 0644));
  }
  if (!fd) {
    const int error = errno;
    if (error == ENOENT) {
      record.missing = true;
    } else {
      record.refusal = error == ELOOP ? "it is a symbolic link" : "it cannot be opened: " + SystemText(error);
    }
    return record;
  }
  struct stat status {};
  record.refusal = WhyNotARecord(fd.get(), user, status);
  if (!record.refusal.empty()) return record;
  try {
    record.bytes.resize(static_cast<std::size_t>(status.st_size));
  } catch (const std::bad_alloc&) {
    record.refusal = "there is no memory to read its " + std::to_string(status.st_size) + " bytes";
    return record;
  }
  const ssize_t read = ReadFullAt(fd.get(), record.bytes.data(), record.bytes.size(), 0);
  if (read < 0) {
    record.refusal = "it cannot be read: " + SystemText(errno);
    record.bytes.clear();
    return record;
  }
  // A record shorter than it was a moment ago ends where the read ended.
  record.bytes.resize(static_cast<std::size_t>(read));
  record.fd = std::move(fd);
  return record;
}

}  // namespace ombrel
