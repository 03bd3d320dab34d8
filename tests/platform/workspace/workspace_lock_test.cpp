#include "platform/workspace/workspace_lock.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <functional>
#include <string>

#include "support/fuse_fat_image.h"
#include "support/small_file_system.h"
#include "support/temp_dir.h"

namespace ombrel {
namespace {

namespace fs = std::filesystem;
using testing::FuseFatImage;
using testing::SmallFileSystem;
using testing::TempDir;

// What a process other than this one is told when it tries the lock.
WorkspaceLockResult TryInAnotherProcess(const std::string& folder) {
  const pid_t child = ::fork();
  if (child == 0) {
    const WorkspaceLockResult result = CreateFileWorkspaceLock(folder)->TryTake();
    ::_exit(static_cast<int>(result));
  }
  int status = 0;
  ::waitpid(child, &status, 0);
  return static_cast<WorkspaceLockResult>(WIFEXITED(status) ? WEXITSTATUS(status) : 99);
}

// One holder at a time in folder, whether the other is in this process or
// another; the lock file is made empty where there is none, used as it is
// where there is one (whatever it holds is neither read nor changed: it may
// be another user's file), and stays when every holder has let go.
void ExpectOneHolderAtATime(const std::string& folder, bool existing) {
  SCOPED_TRACE(existing ? "a lock file left by an earlier run" : "no lock file yet");
  const std::string file = folder + kWorkspaceLockFileName;
  if (existing) std::ofstream(file, std::ios::binary) << "a user's note";

  auto first = CreateFileWorkspaceLock(folder);
  auto second = CreateFileWorkspaceLock(folder);
  EXPECT_EQ(fs::exists(file), existing);  // nothing is made before a try
  EXPECT_EQ(first->TryTake(), WorkspaceLockResult::kTaken);
  EXPECT_TRUE(fs::is_regular_file(file));
  EXPECT_EQ(second->TryTake(), WorkspaceLockResult::kHeld);
  EXPECT_EQ(second->Failure(), std::nullopt);
  EXPECT_EQ(TryInAnotherProcess(folder), WorkspaceLockResult::kHeld);
  EXPECT_EQ(first->TryTake(), WorkspaceLockResult::kTaken);  // still its own

  first.reset();
  EXPECT_EQ(second->TryTake(), WorkspaceLockResult::kTaken);
  EXPECT_EQ(TryInAnotherProcess(folder), WorkspaceLockResult::kHeld);
  second.reset();
  EXPECT_EQ(TryInAnotherProcess(folder), WorkspaceLockResult::kTaken);
  std::ifstream in(file, std::ios::binary);
  EXPECT_EQ(std::string(std::istreambuf_iterator<char>(in), {}), existing ? "a user's note" : "");
}

TEST(WorkspaceLockTest, OneHolderAtATimeAndTheFileStays) {
  for (const bool existing : {false, true}) {
    TempDir dir;
    ExpectOneHolderAtATime(dir.str(), existing);
  }
}

// The same on FAT through FUSE, as an order program's folder on a USB stick.
TEST(WorkspaceLockTest, OneHolderAtATimeOnFatThroughFuse) {
  TempDir dir;
  const std::string folder = dir.File("stick");
  fs::create_directories(folder);
  FuseFatImage stick(dir.File("stick.img"), folder, 8);
  if (!stick.mounted()) GTEST_SKIP() << stick.reason();
  for (const bool existing : {false, true}) {
    if (existing) fs::remove(folder + "/" + kWorkspaceLockFileName);
    ExpectOneHolderAtATime(folder + "/", existing);
  }
}

// Where no lock file can be made or locked, the try says so and why, naming
// the file, and makes nothing anywhere.
TEST(WorkspaceLockTest, WhatCannotBeALockFileIsToldApartFromAHeldLock) {
  struct Case {
    const char* what;
    std::function<void(const TempDir&)> lay;
    const char* folder;  // under the temporary folder
    const char* before;  // the failure's text: before, the lock file's path, after
    const char* after;
  };
  const Case cases[] = {
      {"a folder of the lock file's name",
       [](const TempDir& dir) { fs::create_directories(dir.File(kWorkspaceLockFileName)); }, "",
       "Cannot use ", " as the lock file: it is not a file"},
      {"a link of the lock file's name, to a file not there",
       [](const TempDir& dir) {
         fs::create_symlink(dir.File("elsewhere"), dir.File(kWorkspaceLockFileName));
       },
       "", "Cannot use ", " as the lock file: it is a symbolic link"},
      {"a FIFO no one reads",
       [](const TempDir& dir) {
         ASSERT_EQ(::mkfifo(dir.File(kWorkspaceLockFileName).c_str(), 0666), 0);
       },
       "", "Cannot use ", " as the lock file: it is not a file"},
      {"a second name of a user's file",
       [](const TempDir& dir) {
         dir.Write("notes.txt", "a user's notes");
         fs::create_hard_link(dir.File("notes.txt"), dir.File(kWorkspaceLockFileName));
       },
       "", "Cannot use ", " as the lock file: it has another name too (a hard link)"},
      {"a folder that is not there", [](const TempDir&) {}, "missing/", "Cannot create or open ",
       ": No such file or directory"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    TempDir dir;
    c.lay(dir);
    const std::string folder = dir.str() + c.folder;
    const std::vector<std::string> before = testing::Listing(dir.path());
    auto lock = CreateFileWorkspaceLock(folder);
    for (int attempt = 0; attempt < 2; ++attempt) {
      EXPECT_EQ(lock->TryTake(), WorkspaceLockResult::kUnavailable);
      ASSERT_TRUE(lock->Failure().has_value());
      EXPECT_EQ(lock->Failure()->description(),
                c.before + folder + kWorkspaceLockFileName + c.after);
    }
    EXPECT_NO_THROW(lock->Record({{dir.File("a.jpg"), 1, 0}}));  // nothing to record into
    lock->Forget();
    EXPECT_EQ(testing::Listing(dir.path()), before);
  }
}

TEST(WorkspaceLockTest, AReadOnlyFolderHasNoLockFile) {
  TempDir dir;
  const std::string folder = dir.File("workspace");
  fs::create_directories(folder);
  SmallFileSystem disk(folder, 64 * 1024);
  if (!disk.mounted()) GTEST_SKIP() << disk.reason();
  ASSERT_TRUE(disk.MakeReadOnly());
  auto lock = CreateFileWorkspaceLock(folder + "/");
  EXPECT_EQ(lock->TryTake(), WorkspaceLockResult::kUnavailable);
  ASSERT_TRUE(lock->Failure().has_value());
  EXPECT_EQ(lock->Failure()->description(),
            "Cannot create or open " + folder + "/Ombrel.lock: Read-only file system");
}

}  // namespace
}  // namespace ombrel
