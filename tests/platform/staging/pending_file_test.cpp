#include "platform/staging/pending_file.h"
#include "platform/staging/stale_temporaries.h"

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "platform/errors/error.h"
#include "support/seam_control.h"
#include "support/temp_dir.h"

namespace ombrel {
namespace {

namespace fs = std::filesystem;
using testing::Listing;
using testing::TempDir;
using Naming = PendingFile::Naming;

void WriteAll(const PendingFile& file, const std::string& bytes) {
  ASSERT_EQ(::write(file.fd(), bytes.data(), bytes.size()), static_cast<ssize_t>(bytes.size()));
}

TEST(PendingFileTest, TakesItsNameOnlyWhenToldAndNeverReplacesByLinking) {
  for (const Naming naming : {Naming::kUnnamedWherePossible, Naming::kNamed}) {
    SCOPED_TRACE(naming == Naming::kNamed ? "named" : "unnamed");
    TempDir dir;
    dir.Write("taken.xml", "someone's file");
    {
      PendingFile file(dir.str(), "test", naming);
      WriteAll(file, "new bytes");
      // Whatever it is written under, it is never under a real name yet.
      for (const std::string& name : Listing(dir.path())) {
        EXPECT_TRUE(name == "taken.xml" || name.rfind(".ombrel-", 0) == 0) << name;
      }
      EXPECT_FALSE(file.LinkAs(dir.File("taken.xml")));
      EXPECT_TRUE(file.LinkAs(dir.File("fresh.xml")));
    }
    EXPECT_EQ(Listing(dir.path()), (std::vector<std::string>{"fresh.xml", "taken.xml"}));
    EXPECT_EQ(dir.Read("fresh.xml"), "new bytes");
    EXPECT_EQ(dir.Read("taken.xml"), "someone's file");

    {
      PendingFile file(dir.str(), "test", naming);
      WriteAll(file, "replacement");
      file.ReplaceAs(dir.File("taken.xml"));
    }
    {
      PendingFile abandoned(dir.str(), "test", naming);
      WriteAll(abandoned, "never finished");
    }
    EXPECT_EQ(Listing(dir.path()), (std::vector<std::string>{"fresh.xml", "taken.xml"}));
    EXPECT_EQ(dir.Read("taken.xml"), "replacement");
  }
}

TEST(PendingFileTest, AFolderThatCannotTakeAFileIsTheError) {
  TempDir dir;
  for (const Naming naming : {Naming::kUnnamedWherePossible, Naming::kNamed}) {
    try {
      PendingFile file(dir.File("missing"), "test", naming);
      ADD_FAILURE() << "made a file in a missing folder";
    } catch (const Error& error) {
      EXPECT_EQ(error.number(), err::kFileNotFound);
      EXPECT_EQ(error.source(), "test");
      EXPECT_EQ(error.description(),
                "Cannot create a file in " + dir.File("missing") + ": No such file or directory");
    }
  }
}

// A process killed while writing under a temporary name leaves that file;
// the next clean-up removes it, but never one that a live writer holds.
TEST(PendingFileTest, TheTemporaryOfAKilledWriterIsRemovedAndALiveOneKept) {
  TempDir dir;
  const pid_t child = ::fork();
  ASSERT_GE(child, 0);
  if (child == 0) {
    PendingFile file(dir.str(), "test", Naming::kNamed);
    const std::string bytes = "half a document";
    if (::write(file.fd(), bytes.data(), bytes.size()) < 0) ::_exit(1);
    ::raise(SIGKILL);
  }
  int status = 0;
  ::waitpid(child, &status, 0);
  ASSERT_TRUE(WIFSIGNALED(status));
  const std::vector<std::string> left = Listing(dir.path());
  ASSERT_EQ(left.size(), 1U);
  EXPECT_EQ(left[0].rfind(".ombrel-", 0), 0U);

  PendingFile live(dir.str(), "test", Naming::kNamed);
  dir.Write(".ombrel-notes", "a user's file, not one of ours");
  dir.Write(".ombrel-ABCDEFG", "nor this");
  RemoveStaleTemporaries(dir.str());
  const std::vector<std::string> kept = Listing(dir.path());
  EXPECT_EQ(kept.size(), 3U);
  EXPECT_EQ(std::count(kept.begin(), kept.end(), left[0]), 0);
  EXPECT_EQ(dir.Read(".ombrel-notes"), "a user's file, not one of ours");
  EXPECT_EQ(dir.Read(".ombrel-ABCDEFG"), "nor this");
  EXPECT_TRUE(live.LinkAs(dir.File("done.xml")));
}

// A clean-up in another window may run at any moment of a save, also while
// the file has just been given a temporary name to be renamed over the
// report: it never takes the live file for stale. The save is stopped after
// each call that names, renames or removes a file (through the file-system
// seam, so this runs only under it) while the clean-up runs.
TEST(PendingFileTest, ACleanUpAtAnyMomentOfASaveLeavesItsFileAlone) {
  if (!testing::SeamLoaded()) GTEST_SKIP() << "stops a save through the file-system seam: the seam.* tests";
  for (long stop = 1;; ++stop) {
    SCOPED_TRACE("stopped after call " + std::to_string(stop));
    TempDir dir;
    dir.Write("REPORT.RPT", "the report before");
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
      testing::ArmSeam(stop, 0);
      try {
        PendingFile file(dir.str(), "test");
        if (::write(file.fd(), "the new report", 14) != 14) ::_exit(2);
        file.ReplaceAs(dir.File("REPORT.RPT"));
      } catch (const Error&) {
        ::_exit(3);
      }
      ::_exit(0);
    }
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, WUNTRACED), child);
    const bool stopped = WIFSTOPPED(status);
    if (stopped) {
      RemoveStaleTemporaries(dir.str());
      ::kill(child, SIGCONT);
      ASSERT_EQ(::waitpid(child, &status, 0), child);
    }
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0);
    EXPECT_EQ(Listing(dir.path()), std::vector<std::string>{"REPORT.RPT"});
    EXPECT_EQ(dir.Read("REPORT.RPT"), "the new report");
    if (!stopped) break;
  }
}

}  // namespace
}  // namespace ombrel
