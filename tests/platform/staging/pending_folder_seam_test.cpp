// The pending folder where the file-system seam makes a call answer as
// another file system would, or stops the process between two calls. These
// run only under the seam (the seam.* tests).
#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "platform/errors/error.h"
#include "platform/staging/pending_file.h"
#include "platform/staging/pending_folder.h"
#include "platform/staging/pending_folder_layout.h"
#include "platform/staging/stale_temporaries.h"
#include "support/seam_control.h"
#include "support/staged_files.h"
#include "support/temp_dir.h"

namespace ombrel {
namespace {

using testing::Listing;
using testing::TempDir;

#define REQUIRE_SEAM() \
  if (!testing::SeamLoaded()) GTEST_SKIP() << "runs under the file-system seam: the seam.* tests"

// A clean-up in another process runs while a new pending folder is between
// two of its first calls: after its mkdir (the folder has no lock file yet),
// and after its lock file is made but not yet locked. The clean-up takes
// the folder for stale and clears it; the new one notices, removes what a
// mount kept of its lock file, takes another name, and works; nothing is
// left but what it named.
TEST(PendingFolderSeamTest, OneTakenByACleanUpBeforeItsLockTriesAnotherName) {
  REQUIRE_SEAM();
  for (const long stop : {1L, 2L}) {
    SCOPED_TRACE(stop == 1 ? "after its mkdir" : "after its lock file is made");
    TempDir dir;
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
      testing::ArmSeam(stop, 0);
      try {
        PendingFolder pending(dir.str(), "test");
        if (!testing::StageFile(pending, "a.xml", "order") || !pending.Name("a.xml")) ::_exit(2);
        pending.Commit();
      } catch (const Error&) {
        ::_exit(3);
      }
      ::_exit(0);
    }
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, WUNTRACED), child);
    ASSERT_TRUE(WIFSTOPPED(status));
    const std::vector<std::string> taken = Listing(dir.path());
    ASSERT_EQ(taken.size(), 1U);
    RemoveStaleTemporaries(dir.str());
    // Gone; or, where a mount keeps a file removed while open (the lock file
    // the stopped process holds), left with nothing but that.
    const std::vector<std::string> left =
        std::filesystem::exists(dir.path() / taken[0]) ? Listing(dir.path() / taken[0]) : std::vector<std::string>{};
    EXPECT_TRUE(left.empty() || (left.size() == 1 && pending_layout::IsHiddenLeftover(left[0])))
        << "the clean-up left " << taken[0] << " with " << ::testing::PrintToString(left);
    ::kill(child, SIGCONT);
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0);
    EXPECT_EQ(Listing(dir.path()), std::vector<std::string>{"a.xml"});
    EXPECT_EQ(dir.Read("a.xml"), "order");
  }
}

// A lock the file system refuses (no lock daemon answers) is the error, said
// to be a lock's, in the system's words; the pending folder made is gone.
TEST(PendingFolderSeamTest, ALockRefusedIsTheCauseAndNothingIsLeft) {
  REQUIRE_SEAM();
  TempDir dir;
  testing::RefuseLocks(true);
  std::string failure;
  try {
    PendingFolder pending(dir.str(), "test");
  } catch (const Error& error) {
    failure = error.description();
  }
  std::string fileFailure;
  try {
    PendingFile file(dir.str(), "test", PendingFile::Naming::kNamed);
  } catch (const Error& error) {
    fileFailure = error.description();
  }
  testing::RefuseLocks(false);
  EXPECT_EQ(failure, "Cannot lock a file in " + dir.str() + ": No locks available");
  EXPECT_EQ(fileFailure, "Cannot lock a file in " + dir.str() + ": No locks available");
  EXPECT_TRUE(Listing(dir.path()).empty());
}

// A file made without a name takes the lock before it is given a temporary
// one (to be renamed over a report): a lock refused there is the error too,
// and the report it would have replaced stays as it was.
TEST(PendingFolderSeamTest, ALockRefusedBeforeAnUnnamedFileIsNamedIsTheCause) {
  REQUIRE_SEAM();
  if (testing::SeamPersonality() != "local") GTEST_SKIP() << "needs a file system with unnamed files";
  TempDir dir;
  dir.Write("REPORT.RPT", "the report saved before");
  std::string failure;
  {
    PendingFile file(dir.str(), "test");
    ASSERT_EQ(::write(file.fd(), "new", 3), 3);
    testing::RefuseLocks(true);
    try {
      file.ReplaceAs(dir.str() + "REPORT.RPT");
    } catch (const Error& error) {
      failure = error.description();
    }
    testing::RefuseLocks(false);
  }
  EXPECT_EQ(failure, "Cannot lock a file in " + dir.str() + ": No locks available");
  EXPECT_EQ(Listing(dir.path()), std::vector<std::string>{"REPORT.RPT"});
  EXPECT_EQ(dir.Read("REPORT.RPT"), "the report saved before");
}

// Names given by a move, where the file system has no hard links, are taken
// back when the pending folder is dropped uncommitted, but only while each
// is still the file moved there: one the user put in its place stays.
TEST(PendingFolderSeamTest, NamesGivenByAMoveAreTakenBackButNeverAUsersFile) {
  REQUIRE_SEAM();
  TempDir dir;
  dir.Write("b.xml", "the user's");
  {
    PendingFolder pending(dir.str(), "test");
    ASSERT_TRUE(testing::StageFile(pending, "a.xml", "order"));
    ASSERT_TRUE(testing::StageFile(pending, "b.xml", "rent"));
    ASSERT_TRUE(testing::StageFile(pending, "c.jpg", "photo"));
    EXPECT_TRUE(pending.Name("a.xml"));
    EXPECT_FALSE(pending.Name("b.xml"));
    EXPECT_TRUE(pending.Name("c.jpg"));
    // The user replaces the photo just named with a file of their own.
    ASSERT_EQ(::unlink(dir.File("c.jpg").c_str()), 0);
    dir.Write("c.jpg", "the user's own photo");
  }
  std::vector<std::string> expected = {"b.xml", "c.jpg"};
  EXPECT_EQ(Listing(dir.path()), expected);
  EXPECT_EQ(dir.Read("b.xml"), "the user's");
  EXPECT_EQ(dir.Read("c.jpg"), "the user's own photo");
}

}  // namespace
}  // namespace ombrel
