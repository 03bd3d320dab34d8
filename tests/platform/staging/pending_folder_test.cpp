#include "platform/staging/pending_folder.h"
#include "platform/staging/temporary_names.h"
#include "platform/staging/stale_temporaries.h"

#include <gtest/gtest.h>
#include <fcntl.h>
#include <signal.h>
#include <sys/file.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "platform/errors/error.h"
#include "platform/posix/file_descriptor.h"
#include "platform/staging/pending_file.h"
#include "platform/staging/pending_folder_layout.h"
#include "platform/staging/staging_pauses.h"
#include "support/seam_control.h"
#include "support/staged_files.h"
#include "support/temp_dir.h"

namespace ombrel {
namespace {

namespace fs = std::filesystem;
using testing::Listing;
using testing::StageFile;
using testing::TempDir;

std::size_t PendingFolders(const TempDir& dir) {
  const std::vector<std::string> names = Listing(dir.path());
  return static_cast<std::size_t>(std::count_if(names.begin(), names.end(), [](const std::string& name) {
    return IsTemporaryName(name);
  }));
}

TEST(PendingFolderTest, NamesAreKeptOnlyOnceCommitted) {
  TempDir dir;
  dir.Write("b.jpg", "the user's photo");
  {
    PendingFolder pending(dir.str(), "test");
    ASSERT_TRUE(StageFile(pending, "a.xml", "order"));
    ASSERT_TRUE(StageFile(pending, "b.jpg", "photo"));
    EXPECT_TRUE(pending.Name("a.xml"));
    EXPECT_FALSE(pending.Name("b.jpg"));
    EXPECT_EQ(dir.Read("a.xml"), "order");
  }
  // Not committed: the name it gave is gone, the user's file is not.
  EXPECT_EQ(Listing(dir.path()), std::vector<std::string>{"b.jpg"});
  EXPECT_EQ(dir.Read("b.jpg"), "the user's photo");

  PendingFolder pending(dir.str(), "test");
  ASSERT_TRUE(StageFile(pending, "a.xml", "order"));
  EXPECT_TRUE(pending.Name("a.xml"));
  pending.Commit();
  EXPECT_EQ(Listing(dir.path()), (std::vector<std::string>{"a.xml", "b.jpg"}));
  EXPECT_EQ(dir.Read("a.xml"), "order");
}

// What may happen to a name between the moment a pending folder gave it and
// the moment it is taken back, by the folder dropped uncommitted or by the
// clean-up after its maker was killed, and whether the name goes.
struct NameCase {
  const char* name;
  const char* what;
  std::function<void(const TempDir&, const std::string&)> change;  // nothing: as it was given
  bool goes;
};

void ReplaceWith(const TempDir& dir, const std::string& name, const std::string& bytes) {
  // A new file: writing through the old name would change the staged file
  // it is a hard link of.
  dir.Write(".new", bytes);
  fs::rename(dir.File(".new"), dir.File(name));
}

const std::vector<NameCase>& NameCases() {
  static const std::vector<NameCase> cases = {
      {"given.xml", "as it was given", nullptr, true},
      // A mount that stamps a file with the time of its rename (fusefat).
      {"restamped.xml", "with another time",
       [](const TempDir& dir, const std::string& name) {
         const struct timespec times[2] = {{1000000000, 0}, {1000000000, 0}};
         ASSERT_EQ(::utimensat(AT_FDCWD, dir.File(name).c_str(), times, AT_SYMLINK_NOFOLLOW), 0);
       },
       true},
      // A mount that gives a file another inode number once the kernel
      // forgot it, or two names of one file two numbers (FUSE, sshfs).
      {"renumbered.xml", "as another file with the same bytes",
       [](const TempDir& dir, const std::string& name) { ReplaceWith(dir, name, "renumbered.xml's bytes"); },
       true},
      {"emptied.xml", "emptied, as a claim a kill came before the rename of",
       [](const TempDir& dir, const std::string& name) { ReplaceWith(dir, name, ""); }, true},
      {"others.xml", "replaced by a user's file of the same size",
       [](const TempDir& dir, const std::string& name) { ReplaceWith(dir, name, "OTHERS.XML'S BYTES"); },
       false},
      {"longer.xml", "replaced by a user's longer file",
       [](const TempDir& dir, const std::string& name) { ReplaceWith(dir, name, "longer.xml's bytes, and more"); },
       false},
      {"linked.xml", "replaced by a symbolic link to a file with its bytes",
       [](const TempDir& dir, const std::string& name) {
         dir.Write("elsewhere", "linked.xml's bytes");
         fs::remove(dir.File(name));
         fs::create_symlink(dir.File("elsewhere"), dir.File(name));
       },
       false},
      {"folder.xml", "replaced by a folder",
       [](const TempDir& dir, const std::string& name) {
         fs::remove(dir.File(name));
         fs::create_directory(dir.File(name));
       },
       false},
  };
  return cases;
}

// The bytes each case's name is staged with: its own, so that one file's
// bytes are never another's.
std::string BytesOf(const std::string& name) { return name + "'s bytes"; }

// Stages and names every case's file, and also: a name a user's file had
// before the record was written, with the same bytes; an empty one of a
// user's, as empty as a staged file; a name a user took between the record
// and its naming. True when all went as expected.
bool StageAndName(PendingFolder& pending, const TempDir& dir) {
  bool ok = StageFile(pending, "before.xml", BytesOf("before.xml")) && StageFile(pending, "EMPTY.XML", "") &&
            StageFile(pending, "raced.xml", BytesOf("raced.xml"));
  for (const NameCase& row : NameCases()) ok = StageFile(pending, row.name, BytesOf(row.name)) && ok;
  ok = !pending.Name("before.xml") && !pending.Name("EMPTY.XML") && ok;  // the record is written here
  dir.Write("raced.xml", BytesOf("raced.xml"));
  ok = !pending.Name("raced.xml") && ok;
  for (const NameCase& row : NameCases()) ok = pending.Name(row.name) && ok;
  return ok;
}

void ChangeNames(const TempDir& dir) {
  for (const NameCase& row : NameCases()) {
    if (row.change) row.change(dir, row.name);
  }
}

void CheckNamesTakenBack(const TempDir& dir) {
  for (const NameCase& row : NameCases()) {
    EXPECT_EQ(fs::exists(fs::symlink_status(dir.File(row.name))), !row.goes) << row.name << " " << row.what;
  }
  EXPECT_EQ(dir.Read("before.xml"), BytesOf("before.xml"));
  EXPECT_EQ(dir.Read("raced.xml"), BytesOf("raced.xml"));
  EXPECT_TRUE(fs::exists(dir.File("EMPTY.XML")));
  EXPECT_EQ(dir.Read("others.xml"), "OTHERS.XML'S BYTES");
}

void WriteUsersFiles(const TempDir& dir) {
  dir.Write("before.xml", BytesOf("before.xml"));
  dir.Write("EMPTY.XML", "");
}

// Taken back by the pending folder itself, dropped without Commit(): each
// name that still holds what it was given, whatever its time or inode
// number; never a file of a user's.
TEST(PendingFolderTest, ADroppedOneTakesBackEveryNameThatHoldsWhatItGave) {
  TempDir dir;
  WriteUsersFiles(dir);
  {
    PendingFolder pending(dir.str(), "test");
    ASSERT_TRUE(StageAndName(pending, dir));
    ChangeNames(dir);
  }
  CheckNamesTakenBack(dir);
  EXPECT_EQ(PendingFolders(dir), 0U);
}

// The same after its maker was killed while it gave names: the next
// clean-up takes back what the record says it gave, and leaves a pending
// folder still in use.
TEST(PendingFolderTest, WhatAKilledRunNamedGoesWithItsPendingFolder) {
  TempDir dir;
  WriteUsersFiles(dir);
  const pid_t child = ::fork();
  ASSERT_GE(child, 0);
  if (child == 0) {
    PendingFolder pending(dir.str(), "test");
    if (!StageAndName(pending, dir)) ::_exit(1);
    ::raise(SIGKILL);
  }
  int status = 0;
  ::waitpid(child, &status, 0);
  ASSERT_TRUE(WIFSIGNALED(status));
  EXPECT_EQ(dir.Read("given.xml"), BytesOf("given.xml"));
  EXPECT_EQ(PendingFolders(dir), 1U);
  ChangeNames(dir);

  PendingFolder live(dir.str(), "test");
  ASSERT_TRUE(StageFile(live, "live.xml", "in use"));
  RemoveStaleTemporaries(dir.str());
  EXPECT_EQ(PendingFolders(dir), 1U);
  CheckNamesTakenBack(dir);
  EXPECT_TRUE(live.Name("live.xml"));
}

// Killed once it had marked its names kept: they all stay.
TEST(PendingFolderTest, NamesAKilledRunMarkedKeptStay) {
  TempDir dir;
  const pid_t child = ::fork();
  ASSERT_GE(child, 0);
  if (child == 0) {
    PendingFolder pending(dir.str(), "test");
    if (!StageFile(pending, "a.xml", "order") || !StageFile(pending, "b.jpg", "photo") || !pending.Name("a.xml") ||
        !pending.Name("b.jpg")) {
      ::_exit(1);
    }
    // The mark made as Commit() makes it, and the process killed before it
    // clears its folder.
    const std::vector<std::string> names = Listing(dir.path());
    const auto folder = std::find_if(names.begin(), names.end(), IsTemporaryName);
    if (folder == names.end()) ::_exit(2);
    const std::string mark = dir.File(*folder) + "/" + pending_layout::kKept;
    if (!FileDescriptor(::open(mark.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600))) ::_exit(3);
    ::raise(SIGKILL);
  }
  int status = 0;
  ::waitpid(child, &status, 0);
  ASSERT_TRUE(WIFSIGNALED(status));
  RemoveStaleTemporaries(dir.str());
  EXPECT_EQ(Listing(dir.path()), (std::vector<std::string>{"a.xml", "b.jpg"}));
  EXPECT_EQ(dir.Read("a.xml"), "order");
  EXPECT_EQ(dir.Read("b.jpg"), "photo");
}

// A folder under a pending folder's name without a lock file that holds
// files of its own (an earlier version's pending folder, a user's folder) is
// nothing this version made: it stays with everything in it, and is told.
TEST(PendingFolderTest, ALocklessFolderHoldingFilesIsLeftAndTold) {
  TempDir dir;
  dir.Write(".ombrel-Ab12Cd/a.xml", "order");
  dir.Write(".ombrel-Ab12Cd/photo.jpg", "the user's photo");
  const std::vector<LeftTemporary> left = RemoveStaleTemporaries(dir.str());
  ASSERT_EQ(left.size(), 1U);
  EXPECT_EQ(left[0].path, dir.str() + ".ombrel-Ab12Cd");
  EXPECT_EQ(left[0].why, "it has no lock file and holds files no clean-up of this version made");
  EXPECT_EQ(dir.Read(".ombrel-Ab12Cd/photo.jpg"), "the user's photo");
  EXPECT_EQ(dir.Read(".ombrel-Ab12Cd/a.xml"), "order");
}

// A clearing a mount kept busy (a file removed while open, kept under a
// hidden name) leaves the folder with nothing but that: the next clean-up
// removes it. Whatever else such a folder holds it keeps while its own
// names are there.
TEST(PendingFolderTest, WhatAClearingLeftBusyGoesAtTheNextCleanUp) {
  TempDir dir;
  dir.Write(".ombrel-Ab12Cd/.fuse_hidden0000000a00000001", "");
  dir.Write(".ombrel-Ef34Gh/.nfs000000000000000a00000002", "");
  RemoveStaleTemporaries(dir.str());
  EXPECT_TRUE(Listing(dir.path()).empty());
}

// A pending folder made but then not to be opened (a descriptor short) is
// removed, and the error is the real cause, not a name that was taken.
TEST(PendingFolderTest, OneThatCannotBeOpenedAfterItWasMadeIsRemovedAndSaysWhy) {
#if defined(__SANITIZE_ADDRESS__)
  GTEST_SKIP() << "the sanitizers check a thrown object through a pipe, which needs the descriptors "
                  "this test takes away";
#endif
  TempDir dir;
  struct rlimit before {};
  ASSERT_EQ(::getrlimit(RLIMIT_NOFILE, &before), 0);
  // Room for exactly one more descriptor: the folder's own.
  const int lowest = ::dup(0);
  ASSERT_GE(lowest, 0);
  ::close(lowest);
  struct rlimit tight = before;
  tight.rlim_cur = static_cast<rlim_t>(lowest) + 1;
  ASSERT_EQ(::setrlimit(RLIMIT_NOFILE, &tight), 0);
  std::string failure;
  int number = 0;
  try {
    PendingFolder pending(dir.str(), "test");
  } catch (const Error& error) {
    failure = error.description();
    number = error.number();
  }
  ::setrlimit(RLIMIT_NOFILE, &before);
  EXPECT_EQ(failure, "Cannot create a file in " + dir.str() + ": Too many open files");
  EXPECT_EQ(number, 75);
  EXPECT_TRUE(Listing(dir.path()).empty());
}

}  // namespace
}  // namespace ombrel
