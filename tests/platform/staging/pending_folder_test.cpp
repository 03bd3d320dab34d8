#include "platform/staging/pending_folder.h"
#include "platform/staging/temporary_names.h"
#include "platform/staging/stale_temporaries.h"

#include <gtest/gtest.h>
#include <fcntl.h>
#include <signal.h>
#include <sys/file.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <string>
#include <vector>

#include "platform/errors/error.h"
#include "platform/staging/pending_file.h"
#include "support/seam_control.h"
#include "support/temp_dir.h"

namespace ombrel {
namespace {

using testing::Listing;
using testing::TempDir;

void WriteFile(PendingFolder& pending, const std::string& name, const std::string& bytes) {
  const int fd = pending.Create(name);
  ASSERT_EQ(::write(fd, bytes.data(), bytes.size()), static_cast<ssize_t>(bytes.size()));
  ::close(fd);
}

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
    WriteFile(pending, "a.xml", "order");
    WriteFile(pending, "b.jpg", "photo");
    EXPECT_TRUE(pending.Name("a.xml"));
    EXPECT_FALSE(pending.Name("b.jpg"));
    EXPECT_EQ(dir.Read("a.xml"), "order");
  }
  // Not committed: the name it gave is gone, the user's file is not.
  EXPECT_EQ(Listing(dir.path()), std::vector<std::string>{"b.jpg"});
  EXPECT_EQ(dir.Read("b.jpg"), "the user's photo");

  PendingFolder pending(dir.str(), "test");
  WriteFile(pending, "a.xml", "order");
  EXPECT_TRUE(pending.Name("a.xml"));
  pending.Commit();
  EXPECT_EQ(Listing(dir.path()), (std::vector<std::string>{"a.xml", "b.jpg"}));
  EXPECT_EQ(dir.Read("a.xml"), "order");
}

// A run killed while it gives names leaves its pending folder; the next
// clean-up removes it with the names it gave, never a file of the same name
// and bytes that is not one of them, nor a pending folder still in use.
TEST(PendingFolderTest, WhatAKilledRunNamedGoesWithItsPendingFolder) {
  TempDir dir;
  dir.Write("c.xml", "rent");  // the user's, with the bytes the run stages
  const pid_t child = ::fork();
  ASSERT_GE(child, 0);
  if (child == 0) {
    PendingFolder pending(dir.str(), "test");
    WriteFile(pending, "a.xml", "order");
    WriteFile(pending, "c.xml", "rent");
    WriteFile(pending, "d.jpg", "photo");
    if (!pending.Name("a.xml") || pending.Name("c.xml")) ::_exit(1);
    ::raise(SIGKILL);
  }
  int status = 0;
  ::waitpid(child, &status, 0);
  ASSERT_TRUE(WIFSIGNALED(status));
  EXPECT_EQ(dir.Read("a.xml"), "order");
  EXPECT_EQ(PendingFolders(dir), 1U);

  PendingFolder live(dir.str(), "test");
  WriteFile(live, "e.xml", "in use");
  RemoveStaleTemporaries(dir.str());
  EXPECT_EQ(PendingFolders(dir), 1U);
  std::vector<std::string> left = Listing(dir.path());
  left.erase(std::remove_if(left.begin(), left.end(), IsTemporaryName), left.end());
  if (testing::SeamHasHardLinks()) {
    EXPECT_EQ(left, std::vector<std::string>{"c.xml"});
  } else {
    // A name given by a move cannot be told from a user's file for certain
    // once its giver is gone: it stays, whole.
    EXPECT_EQ(left, (std::vector<std::string>{"a.xml", "c.xml"}));
    EXPECT_EQ(dir.Read("a.xml"), "order");
  }
  EXPECT_EQ(dir.Read("c.xml"), "rent");
  EXPECT_TRUE(live.Name("e.xml"));
}

// An earlier version wrote its files straight into the pending folder and
// locked the folder itself. What a killed run of it left is cleared as that
// version cleared it: the names it gave and the folder go, a user's file of
// the same name and bytes stays, and a folder that version still holds is
// left alone.
TEST(PendingFolderTest, WhatAnEarlierVersionLeftIsClearedUnlessItIsHeld) {
  if (!testing::SeamHasHardLinks()) GTEST_SKIP() << "the names such a folder gave are hard links";
  TempDir dir;
  const std::string left = dir.str() + ".ombrel-Ab12Cd";
  const std::string held = dir.str() + ".ombrel-Ef34Gh";
  dir.Write(".ombrel-Ab12Cd/a.xml", "order");
  dir.Write(".ombrel-Ab12Cd/c.xml", "rent");
  dir.Write("c.xml", "rent");  // the user's
  dir.Write(".ombrel-Ef34Gh/e.xml", "in use");
  ASSERT_EQ(::link((left + "/a.xml").c_str(), (dir.str() + "a.xml").c_str()), 0);
  ASSERT_EQ(::link((held + "/e.xml").c_str(), (dir.str() + "e.xml").c_str()), 0);
  const int holder = ::open(held.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  ASSERT_GE(holder, 0);
  const bool canLockFolders = ::flock(holder, LOCK_EX | LOCK_NB) == 0;

  RemoveStaleTemporaries(dir.str());
  ::close(holder);

  if (!canLockFolders) {
    // NFS: that version could not have made it, and nothing can tell
    // whether a folder is held, so it stays.
    EXPECT_EQ(PendingFolders(dir), 2U);
    return;
  }
  EXPECT_EQ(Listing(dir.path()), (std::vector<std::string>{".ombrel-Ef34Gh", "c.xml", "e.xml"}));
  EXPECT_EQ(dir.Read("c.xml"), "rent");
  EXPECT_EQ(dir.Read(".ombrel-Ef34Gh/e.xml"), "in use");
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
