#include "platform/posix/file_lock.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <string>

#include "support/temp_dir.h"

namespace ombrel {
namespace {

using testing::TempDir;

int OpenForWriting(const std::string& path) {
  return ::open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0666);
}

// One description holds it; a second one, in this process or another, is
// told it is held until the first is closed.
TEST(FileLockTest, OneHolderAtATimeEvenWithinOneProcess) {
  TempDir dir;
  const std::string path = dir.str() + "lock";
  const int first = OpenForWriting(path);
  const int second = OpenForWriting(path);
  ASSERT_GE(first, 0);
  ASSERT_GE(second, 0);
  EXPECT_EQ(TryLockFile(first), FileLockResult::kLocked);
  EXPECT_EQ(TryLockFile(second), FileLockResult::kHeld);

  const pid_t child = ::fork();
  ASSERT_GE(child, 0);
  if (child == 0) {
    const int other = OpenForWriting(path);
    ::_exit(other >= 0 && TryLockFile(other) == FileLockResult::kHeld ? 0 : 1);
  }
  int status = 0;
  ::waitpid(child, &status, 0);
  EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);

  ::close(first);
  EXPECT_EQ(TryLockFile(second), FileLockResult::kLocked);
  ::close(second);
}

// A process that dies holding the lock frees it.
TEST(FileLockTest, AKilledHolderLeavesTheLockFree) {
  TempDir dir;
  const std::string path = dir.str() + "lock";
  int ready[2];
  ASSERT_EQ(::pipe(ready), 0);
  const pid_t child = ::fork();
  ASSERT_GE(child, 0);
  if (child == 0) {
    const int fd = OpenForWriting(path);
    const char locked = fd >= 0 && TryLockFile(fd) == FileLockResult::kLocked ? 'y' : 'n';
    if (::write(ready[1], &locked, 1) != 1) ::_exit(1);
    ::pause();
  }
  char locked = 0;
  ASSERT_EQ(::read(ready[0], &locked, 1), 1);
  ASSERT_EQ(locked, 'y');
  const int fd = OpenForWriting(path);
  EXPECT_EQ(TryLockFile(fd), FileLockResult::kHeld);
  ::kill(child, SIGKILL);
  ::waitpid(child, nullptr, 0);
  EXPECT_EQ(TryLockFile(fd), FileLockResult::kLocked);
  ::close(fd);
  ::close(ready[0]);
  ::close(ready[1]);
}

// A descriptor open only for reading cannot take an exclusive lock: the
// failure is told apart from a lock someone holds.
TEST(FileLockTest, ADescriptorNotOpenForWritingFails) {
  TempDir dir;
  const std::string path = dir.str() + "lock";
  ::close(OpenForWriting(path));
  const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
  ASSERT_GE(fd, 0);
  EXPECT_EQ(TryLockFile(fd), FileLockResult::kFailed);
  EXPECT_EQ(errno, EBADF);
  ::close(fd);
}

}  // namespace
}  // namespace ombrel
