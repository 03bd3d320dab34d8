// A clean-up and the making of a pending folder in two processes, forced
// into each order that timing alone would seldom give, through the points
// where a test steps in between two calls (staging_pauses.h). In every
// order the clean-up leaves a live pending folder whole, and clears it once
// its maker is killed.
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "platform/posix/file_descriptor.h"
#include "platform/staging/pending_folder.h"
#include "platform/staging/pending_folder_layout.h"
#include "platform/staging/staging_pauses.h"
#include "platform/staging/stale_temporaries.h"
#include "platform/staging/temporary_names.h"
#include "support/staged_files.h"
#include "support/temp_dir.h"

namespace ombrel {
namespace {

namespace fs = std::filesystem;
using testing::Listing;
using testing::TempDir;

// The two ends each process writes to and reads from.
int toParent[2] = {-1, -1};
int toMaker[2] = {-1, -1};

void Send(int fd, char message) {
  if (::write(fd, &message, 1) != 1) ::_exit(10);
}

char Receive(int fd) {
  char message = 0;
  return ::read(fd, &message, 1) == 1 ? message : 0;
}

// The maker stops once, right after its first mkdir, until told to go on.
void MakerPause(StagingPause at) {
  static bool paused = false;
  if (at != StagingPause::kFolderMade || paused) return;
  paused = true;
  Send(toParent[1], 'm');
  Receive(toMaker[0]);
}

// The clean-up lets the maker make its folder whole, lock file, files/ and
// a staged file, between its look for the lock file and its rmdir.
void CleanUpPause(StagingPause at) {
  if (at != StagingPause::kNoLockFound) return;
  Send(toMaker[1], 'g');
  EXPECT_EQ(Receive(toParent[0]), 'r');
}

// The maker: makes a pending folder (stopping after its mkdir), stages a
// file, and holds it until told to name it; then it is killed.
[[noreturn]] void Maker(const std::string& folder) {
  SetStagingPauseHook(MakerPause);
  PendingFolder pending(folder, "test");
  if (!testing::StageFile(pending, "a.xml", "order")) ::_exit(1);
  Send(toParent[1], 'r');
  Receive(toMaker[0]);
  if (!pending.Name("a.xml")) ::_exit(2);
  ::raise(SIGKILL);
  ::_exit(3);
}

std::vector<std::string> PendingFoldersIn(const TempDir& dir) {
  std::vector<std::string> names = Listing(dir.path());
  names.erase(std::remove_if(names.begin(), names.end(), [](const std::string& name) { return !IsTemporaryName(name); }),
              names.end());
  return names;
}

TEST(PendingFolderInterleavingTest, ACleanUpNeverTakesAPendingFolderWhoseMakerIsAlive) {
  for (const bool cleanUpFirst : {false, true}) {
    SCOPED_TRACE(cleanUpFirst ? "the maker makes its folder between the clean-up's look for its lock file and its rmdir"
                              : "the clean-up runs between the maker's mkdir and its lock file");
    TempDir dir;
    ASSERT_EQ(::pipe(toParent), 0);
    ASSERT_EQ(::pipe(toMaker), 0);
    const FileDescriptor ends[] = {FileDescriptor(toParent[0]), FileDescriptor(toParent[1]),
                                   FileDescriptor(toMaker[0]), FileDescriptor(toMaker[1])};
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) Maker(dir.str());
    ASSERT_EQ(Receive(toParent[0]), 'm');
    ASSERT_EQ(PendingFoldersIn(dir).size(), 1U);
    if (cleanUpFirst) {
      SetStagingPauseHook(CleanUpPause);
      RemoveStaleTemporaries(dir.str());
      SetStagingPauseHook(nullptr);
    } else {
      // Takes the empty folder: the maker finds it gone and makes another.
      RemoveStaleTemporaries(dir.str());
      EXPECT_TRUE(Listing(dir.path()).empty());
      Send(toMaker[1], 'g');
      ASSERT_EQ(Receive(toParent[0]), 'r');
    }
    // The maker's folder is whole, and stays through another clean-up.
    RemoveStaleTemporaries(dir.str());
    const std::vector<std::string> folders = PendingFoldersIn(dir);
    ASSERT_EQ(folders.size(), 1U);
    EXPECT_TRUE(fs::exists(dir.File(folders[0] + "/" + pending_layout::kLock)));
    EXPECT_EQ(dir.Read(folders[0] + "/" + pending_layout::kFiles + "/a.xml"), "order");

    // Killed once it has named its file: the next clean-up takes all back.
    Send(toMaker[1], 'n');
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFSIGNALED(status)) << "the maker ended with " << WEXITSTATUS(status);
    EXPECT_EQ(dir.Read("a.xml"), "order");
    RemoveStaleTemporaries(dir.str());
    EXPECT_TRUE(Listing(dir.path()).empty()) << ::testing::PrintToString(Listing(dir.path()));
  }
}

}  // namespace
}  // namespace ombrel
