// What a file's identity is worth on each file system the seam stands for:
// a descriptor held open names its file on every one of them, while numbers
// and times of files not held change as FUSE mounts change them. Checked
// through the calls the program makes, so that a seam that stopped seeing
// them fails here instead of letting every run under it pass as on a local
// disk. These run only under the seam (the seam.* tests).
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/statvfs.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "platform/posix/file_descriptor.h"
#include "platform/posix/file_identity.h"
#include "support/seam_control.h"
#include "support/temp_dir.h"

namespace ombrel {
namespace {

using testing::Listing;
using testing::TempDir;

#define REQUIRE_SEAM() \
  if (!testing::SeamLoaded()) GTEST_SKIP() << "runs under the file-system seam: the seam.* tests"

// What each personality does, as the tests below see it.
struct Mount {
  const char* personality;
  int linkError;         // what link() fails with; 0 where it works
  bool namesOwnNumbers;  // a hard link's names state two numbers
  bool stampsRenames;    // a rename moves the time to the next 2-second step
  bool emptyAreZero;     // every empty file states inode 0
  bool forgets;          // a forget renumbers files not held open
  bool forgetsAlways;    // ... between any two calls, as any does with OMBREL_FS_SEAM_FORGET=1
  bool hidesRemoved;     // a removed file held open stays under a hidden name
  bool statesBlocks;     // statvfs states the blocks
};

constexpr Mount kMounts[] = {
    // personality  link    own    stamps zero   forgets always hides  blocks
    {"local", 0, false, false, false, true, false, false, true},
    {"nfs", 0, false, false, false, true, false, true, true},
    {"vfat", EPERM, false, true, false, true, false, false, true},
    {"fusefat", EPERM, false, true, false, true, true, true, true},
    {"fusefat-ino", EPERM, false, true, true, false, false, true, true},
    {"fuse", 0, false, false, false, true, true, true, true},
    {"sshfs", 0, true, false, false, true, true, true, true},
    {"webdav", EIO, false, false, false, true, false, false, true},
    {"ramfs", 0, false, false, false, true, false, false, false},
};

const Mount& ThisMount() {
  const std::string personality = testing::SeamPersonality();
  for (const Mount& mount : kMounts) {
    if (personality == mount.personality) return mount;
  }
  ADD_FAILURE() << "no row for the personality " << personality;
  return kMounts[0];
}

ino_t Number(const std::string& path) {
  struct stat status {};
  EXPECT_EQ(::lstat(path.c_str(), &status), 0) << path;
  return status.st_ino;
}

// A file held open keeps its number through a forget, and its name still
// names it; one not held is given a new number (but where the file system
// states its own numbers).
TEST(FileIdentitySeamTest, AHeldFileKeepsItsNumberWhenTheKernelForgets) {
  REQUIRE_SEAM();
  const Mount& mount = ThisMount();
  TempDir dir;
  dir.Write("held.xml", "held");
  dir.Write("closed.xml", "closed");
  FileDescriptor folder(::open(dir.path().c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
  FileDescriptor held(::open(dir.File("held.xml").c_str(), O_RDONLY | O_CLOEXEC));
  ASSERT_GE(held.get(), 0);
  const ino_t heldBefore = Number(dir.File("held.xml"));
  const ino_t closedBefore = Number(dir.File("closed.xml"));
  const bool forgetsAlways = mount.forgets && (mount.forgetsAlways || testing::SeamForgetsAlways());
  EXPECT_EQ(Number(dir.File("closed.xml")) != closedBefore, forgetsAlways) << "two looks in a row";
  testing::ForgetInodes();
  EXPECT_TRUE(NamesOpenFile(folder.get(), "held.xml", held.get()));
  EXPECT_EQ(Number(dir.File("held.xml")), heldBefore);
  EXPECT_EQ(Number(dir.File("closed.xml")) != closedBefore, mount.forgets);
}

// A hard link's second name is the same file by its number only where the
// file system keeps one number per file; the descriptor opened by a name
// states that name's number.
TEST(FileIdentitySeamTest, AHardLinksNamesAreOneNumberOnlyWhereTheFileSystemKeepsOne) {
  REQUIRE_SEAM();
  const Mount& mount = ThisMount();
  TempDir dir;
  dir.Write("staged.jpg", "photo");
  const int linked = ::link(dir.File("staged.jpg").c_str(), dir.File("named.jpg").c_str());
  const int error = errno;
  if (mount.linkError != 0) {
    EXPECT_EQ(linked, -1);
    EXPECT_EQ(error, mount.linkError);
    EXPECT_EQ(Listing(dir.path()), std::vector<std::string>{"staged.jpg"});
    return;
  }
  ASSERT_EQ(linked, 0);
  FileDescriptor folder(::open(dir.path().c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
  FileDescriptor staged(::open(dir.File("staged.jpg").c_str(), O_RDONLY | O_CLOEXEC));
  FileDescriptor named(::open(dir.File("named.jpg").c_str(), O_RDONLY | O_CLOEXEC));
  EXPECT_TRUE(NamesOpenFile(folder.get(), "staged.jpg", staged.get()));
  EXPECT_TRUE(NamesOpenFile(folder.get(), "named.jpg", named.get()));
  EXPECT_EQ(NamesOpenFile(folder.get(), "named.jpg", staged.get()), !mount.namesOwnNumbers);
}

// A rename on FAT stamps the file with the time of the rename in 2-second
// steps: the seam moves it to the step after the time it had, so that a
// rename always changes it.
TEST(FileIdentitySeamTest, ARenameOnFatStampsTheFilesTime) {
  REQUIRE_SEAM();
  const Mount& mount = ThisMount();
  TempDir dir;
  dir.Write("a.xml", "order");
  const struct timespec written[2] = {{0, UTIME_OMIT}, {1000000001, 500000000}};
  ASSERT_EQ(::utimensat(AT_FDCWD, dir.File("a.xml").c_str(), written, 0), 0);
  struct timespec expected = written[1];
  for (const char* name : {"b.xml", "c.xml"}) {
    SCOPED_TRACE(name);
    const std::string from = dir.File(name[0] == 'b' ? "a.xml" : "b.xml");
    ASSERT_EQ(::rename(from.c_str(), dir.File(name).c_str()), 0);
    if (mount.stampsRenames) expected = {expected.tv_sec - expected.tv_sec % 2 + 2, 0};
    struct stat status {};
    ASSERT_EQ(::stat(dir.File(name).c_str(), &status), 0);
    EXPECT_EQ(status.st_mtim.tv_sec, expected.tv_sec);
    EXPECT_EQ(status.st_mtim.tv_nsec, expected.tv_nsec);
  }
}

// With its own numbers, FAT through FUSE gives every empty file inode 0.
TEST(FileIdentitySeamTest, EmptyFilesShareInodeZeroOnlyWhereFatGivesItsOwnNumbers) {
  REQUIRE_SEAM();
  const Mount& mount = ThisMount();
  TempDir dir;
  dir.Write("EMPTY.XML", "");
  dir.Write("staged.xml", "");
  dir.Write("order.xml", "<ORDER/>");
  EXPECT_EQ(Number(dir.File("EMPTY.XML")) == 0, mount.emptyAreZero);
  EXPECT_EQ(Number(dir.File("staged.xml")) == 0, mount.emptyAreZero);
  EXPECT_NE(Number(dir.File("order.xml")), 0U);
}

// A file removed while another process holds it open stays, under a hidden
// name in its folder, until that process closes it.
TEST(FileIdentitySeamTest, AFileRemovedWhileAnotherProcessHoldsItStaysHiddenUntilClosed) {
  REQUIRE_SEAM();
  const Mount& mount = ThisMount();
  TempDir dir;
  dir.Write("lock", "");
  int opened[2];
  int release[2];
  ASSERT_EQ(::pipe(opened), 0);
  ASSERT_EQ(::pipe(release), 0);
  const pid_t child = ::fork();
  ASSERT_GE(child, 0);
  if (child == 0) {
    const int fd = ::open(dir.File("lock").c_str(), O_RDONLY);
    char byte = 0;
    const bool told = ::write(opened[1], "o", 1) == 1 && ::read(release[0], &byte, 1) == 1;
    ::close(fd);
    ::_exit(fd >= 0 && told ? 0 : 1);
  }
  char byte = 0;
  ASSERT_EQ(::read(opened[0], &byte, 1), 1);
  ASSERT_EQ(::unlink(dir.File("lock").c_str()), 0);
  const std::vector<std::string> whileHeld = Listing(dir.path());
  ASSERT_EQ(::write(release[1], "r", 1), 1);
  int status = 0;
  ASSERT_EQ(::waitpid(child, &status, 0), child);
  EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
  for (const int fd : {opened[0], opened[1], release[0], release[1]}) ::close(fd);
  ASSERT_EQ(whileHeld.size(), mount.hidesRemoved ? 1U : 0U);
  if (mount.hidesRemoved) {
    EXPECT_EQ(whileHeld[0][0], '.') << whileHeld[0];
  }
  EXPECT_TRUE(Listing(dir.path()).empty());
}

// ramfs states no blocks at all, and so no free ones.
TEST(FileIdentitySeamTest, OnlyRamfsStatesNoBlocks) {
  REQUIRE_SEAM();
  const Mount& mount = ThisMount();
  TempDir dir;
  struct statvfs status {};
  ASSERT_EQ(::statvfs(dir.path().c_str(), &status), 0);
  EXPECT_EQ(status.f_blocks != 0, mount.statesBlocks);
  EXPECT_EQ(status.f_bavail != 0, mount.statesBlocks);
}

}  // namespace
}  // namespace ombrel
