#include "platform/posix/shared_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <functional>
#include <ostream>
#include <string>

#include "support/another_user.h"
#include "support/temp_dir.h"

namespace ombrel {
namespace {

namespace fs = std::filesystem;
using testing::TempDir;

// What a file is, as its owner would see it changed.
struct FileState {
  mode_t mode = 0;
  uid_t owner = 0;
  std::string bytes;
  bool operator==(const FileState&) const = default;
};

void PrintTo(const FileState& state, std::ostream* out) {
  *out << "mode 0" << std::oct << state.mode << std::dec << ", owner " << state.owner << ", \"" << state.bytes
       << "\"";
}

FileState StateOf(const TempDir& dir, const std::string& path) {
  struct stat status {};
  if (::lstat(path.c_str(), &status) != 0) return {};
  return {status.st_mode, status.st_uid, S_ISREG(status.st_mode) ? dir.Read(path) : ""};
}

constexpr int kCallersFlags[] = {O_RDWR | O_CLOEXEC, O_WRONLY | O_APPEND | O_CLOEXEC};

// Whoever may write the shared folder chose what has the name: a link, a
// second name of someone's file, a FIFO or a folder is refused, at once,
// with its errno and words, and neither the name nor what it leads to
// changes: no mode widened, no owner, no byte.
TEST(SharedFileTest, WhatIsNoPlainFileOfItsOwnIsRefusedAndLeftAsItIs) {
  const bool root = ::geteuid() == 0;
  struct Case {
    const char* what;
    bool othersTarget;  // the target belongs to nobody: needs root to lay
    std::function<int(const std::string& name, const std::string& target)> lay;
    int error;
    const char* why;
  };
  const Case cases[] = {
      {"a symbolic link to this user's 0600 file", false,
       [](const std::string& name, const std::string& target) { return ::symlink(target.c_str(), name.c_str()); },
       ELOOP, "it is a symbolic link"},
      {"a symbolic link to another user's 0600 file", true,
       [](const std::string& name, const std::string& target) { return ::symlink(target.c_str(), name.c_str()); },
       ELOOP, "it is a symbolic link"},
      {"a hard link to this user's 0600 file", false,
       [](const std::string& name, const std::string& target) { return ::link(target.c_str(), name.c_str()); },
       EMLINK, "it has another name too (a hard link)"},
      {"a hard link to another user's 0600 file", true,
       [](const std::string& name, const std::string& target) { return ::link(target.c_str(), name.c_str()); },
       EMLINK, "it has another name too (a hard link)"},
      {"a FIFO no one reads", false,
       [](const std::string& name, const std::string&) { return ::mkfifo(name.c_str(), 0600); }, ENXIO,
       "it is not a file"},
      {"a folder", false, [](const std::string& name, const std::string&) { return ::mkdir(name.c_str(), 0700); },
       EISDIR, "it is not a file"},
  };
  const mode_t umask = ::umask(022);
  for (const Case& c : cases) {
    if (c.othersTarget && !root) continue;  // only root can give a file away
    for (const int flags : kCallersFlags) {
      SCOPED_TRACE(std::string(c.what) + ", flags " + std::to_string(flags));
      TempDir dir;
      // A folder every user may write, whose bits a file made there takes.
      const std::string shared = dir.File("shared");
      fs::create_directories(shared);
      ASSERT_EQ(::chmod(shared.c_str(), 01777), 0);
      const std::string target = dir.Write("private", "someone's own bytes\n");
      ASSERT_EQ(::chmod(target.c_str(), 0600), 0);
      if (c.othersTarget) {
        ASSERT_EQ(::chown(target.c_str(), testing::kNobody, testing::kNobody), 0);
      }
      const std::string name = shared + "/Ombrel.lock";
      ASSERT_EQ(c.lay(name, target), 0);
      const FileState targetBefore = StateOf(dir, target);
      const FileState nameBefore = StateOf(dir, name);

      std::string why = "left from before";
      errno = 0;
      const FileDescriptor fd = OpenSharedFile(name, flags, &why);
      const int error = errno;
      EXPECT_FALSE(fd);
      EXPECT_EQ(error, c.error) << std::strerror(error);
      EXPECT_EQ(why, c.why);
      EXPECT_EQ(StateOf(dir, target), targetBefore);
      EXPECT_EQ(StateOf(dir, name), nameBefore);
    }
  }
  ::umask(umask);
}

// Permissions are set only on a file made here. One found under the name,
// even this user's own and narrower than its folder (an earlier version made
// its files under the umask), is used as it is: neither widened nor emptied,
// whatever flags the caller passed.
TEST(SharedFileTest, AFileFoundUnderTheNameIsUsedAsItIs) {
  TempDir dir;
  const std::string shared = dir.File("shared");
  fs::create_directories(shared);
  ASSERT_EQ(::chmod(shared.c_str(), 0777), 0);
  const std::string path = dir.Write("shared/Ombrel.LOG", "an earlier run's lines\r\n");
  ASSERT_EQ(::chmod(path.c_str(), 0644), 0);
  const FileState before = StateOf(dir, path);

  for (const int flags : {O_RDWR | O_CLOEXEC, O_WRONLY | O_APPEND | O_TRUNC | O_CLOEXEC}) {
    SCOPED_TRACE(flags);
    std::string why = "left from before";
    const FileDescriptor fd = OpenSharedFile(path, flags, &why);
    ASSERT_TRUE(fd) << std::strerror(errno);
    EXPECT_EQ(why, "");
    EXPECT_EQ(StateOf(dir, path), before);
  }
}

// The open never waits, in case a FIFO has the name, but the descriptor
// given blocks as the caller asked: a file made or found alike.
TEST(SharedFileTest, TheDescriptorBlocksUnlessTheCallerAsksOtherwise) {
  TempDir dir;
  for (const bool existing : {false, true}) {
    for (const int nonblocking : {0, O_NONBLOCK}) {
      SCOPED_TRACE(std::string(existing ? "found" : "made") + (nonblocking ? ", O_NONBLOCK" : ""));
      const std::string path = dir.File("Ombrel.lock");
      fs::remove(path);
      if (existing) dir.Write("Ombrel.lock", "");
      const FileDescriptor fd = OpenSharedFile(path, O_RDWR | O_CLOEXEC | nonblocking);
      ASSERT_TRUE(fd) << std::strerror(errno);
      EXPECT_EQ(::fcntl(fd.get(), F_GETFL) & O_NONBLOCK, nonblocking);
      EXPECT_NE(::fcntl(fd.get(), F_GETFD) & FD_CLOEXEC, 0);
    }
  }
}

}  // namespace
}  // namespace ombrel
