// A process killed right after any call of a save that names, renames or
// removes a file: after the next clean-up the report is the one it replaced
// or the new one, whole, and no temporary is left. The calls are counted by
// the file-system seam, so this runs only under it (the seam.* tests), as
// every file system it stands for.
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "platform/report/zip_file_writer.h"
#include "platform/staging/pending_file.h"
#include "platform/staging/stale_temporaries.h"
#include "support/seam_control.h"
#include "support/temp_dir.h"

namespace ombrel {
namespace {

using testing::Listing;
using testing::TempDir;

TEST(SaveKillTest, AfterAKillAtAnyCallTheReportIsTheOldOrTheNewOne) {
  if (!testing::SeamLoaded()) GTEST_SKIP() << "counts calls through the file-system seam: run by the seam.* tests";
  const std::vector<ZipTextEntry> texts = {{"REPORT.XML", "<REPORT>new</REPORT>", 1700000000}};
  TempDir reference;
  WriteZipFile(reference.File("REPORT.RPT"), texts, {}, "test");
  const std::string fresh = reference.Read("REPORT.RPT");
  ASSERT_FALSE(fresh.empty());
  int kept = 0;
  int replaced = 0;
  // A save names, renames or removes a file a handful of times; a count far
  // past that means the save never ends, which fails rather than hangs.
  constexpr long kMostCalls = 1000;
  long kill = 1;
  for (;; ++kill) {
    ASSERT_LE(kill, kMostCalls) << "the save still had not ended";
    SCOPED_TRACE("killed after call " + std::to_string(kill));
    TempDir dir;
    dir.Write("REPORT.RPT", "the report saved before");
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
      testing::ArmSeam(0, kill);
      try {
        WriteZipFile(dir.File("REPORT.RPT"), texts, {}, "test");
      } catch (...) {
        ::_exit(2);
      }
      ::_exit(0);
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    RemoveStaleTemporaries(dir.str());
    EXPECT_EQ(Listing(dir.path()), std::vector<std::string>{"REPORT.RPT"});
    const std::string report = dir.Read("REPORT.RPT");
    EXPECT_TRUE(report == fresh || report == "the report saved before") << report.size() << " bytes";
    if (WIFEXITED(status)) {
      ASSERT_EQ(WEXITSTATUS(status), 0) << "the save failed";
      EXPECT_EQ(report, fresh);
      break;
    }
    ASSERT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL);
    ++(report == fresh ? replaced : kept);
  }
  EXPECT_GT(kept, 0);
  EXPECT_GT(replaced, 0);
}

}  // namespace
}  // namespace ombrel
