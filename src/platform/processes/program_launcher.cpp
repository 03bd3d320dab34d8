#include "platform/processes/program_launcher.h"

#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "platform/errors/error.h"
#include "platform/posix/file_descriptor.h"
#include "platform/posix/retry_after_signal.h"

namespace ombrel {

namespace {

constexpr const char* kSource = "StartDetached";

}  // namespace

void StartDetached(const std::string& path) {
  // A pipe closed on exec tells whether the exec worked: the parent reads
  // either end-of-file (it did) or the child's errno (it did not).
  int status_pipe[2];
  if (::pipe2(status_pipe, O_CLOEXEC) != 0) {
    // Taken before the message is built: building it allocates, which may
    // set errno, and the operands of "+" are evaluated in no fixed order.
    const int pipe_error = errno;
    throw Error(err::kPathFileAccessError, kSource,
                "Cannot start " + path + ": " + std::strerror(pipe_error));
  }
  const pid_t child = ::fork();
  if (child == 0) {
    // The intermediate child starts the program in a new session and leaves
    // at once, so the program is nobody's child here and never a zombie.
    ::setsid();
    const pid_t grandchild = ::fork();
    if (grandchild == 0) {
      ::execl(path.c_str(), path.c_str(), static_cast<char*>(nullptr));
      const int error = errno;
      [[maybe_unused]] const ssize_t n = ::write(status_pipe[1], &error, sizeof error);
      ::_exit(127);
    }
    const int error = errno;
    if (grandchild < 0) {
      [[maybe_unused]] const ssize_t n = ::write(status_pipe[1], &error, sizeof error);
    }
    ::_exit(grandchild < 0 ? 1 : 0);
  }
  const int fork_error = errno;
  FileDescriptor(status_pipe[1]).Reset();
  const FileDescriptor readEnd(status_pipe[0]);
  if (child < 0) {
    throw Error(err::kPathFileAccessError, kSource,
                "Cannot start " + path + ": " + std::strerror(fork_error));
  }
  int child_status = 0;
  RetryAfterSignal(pid_t{-1}, ::waitpid, child, &child_status, 0);
  int exec_error = 0;
  const ssize_t n = RetryAfterSignal(ssize_t{-1}, ::read, readEnd.get(), &exec_error, sizeof exec_error);
  if (n > 0) {
    throw Error(err::kFileNotFound, kSource,
                "Cannot start " + path + ": " + std::strerror(exec_error));
  }
}

}  // namespace ombrel
