#include "platform/files/pending_folder.h"

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <string>
#include <vector>

#include "platform/files/pending_file.h"
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
  EXPECT_EQ(left, std::vector<std::string>{"c.xml"});
  EXPECT_EQ(dir.Read("c.xml"), "rent");
  EXPECT_TRUE(live.Name("e.xml"));
}

}  // namespace
}  // namespace ombrel
