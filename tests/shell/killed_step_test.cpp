// The envelope step killed right after each call that names, renames or
// removes a file, from its first such call until a run ends by itself. After
// every kill the next step in the workspace, on another envelope, must go as
// it goes on a clean workspace: the same boxes, a report holding only its own
// envelope's photos, and afterwards nothing of either envelope but the
// envelopes, nor a temporary. The killed step's report name held an older
// report, which must still be that report or be the killed step's whole one.
// Runs under the file-system seam, once for each file system it plays.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "killed_step_fixture.h"
#include "platform/workspace/record_file.h"
#include "support/envelope_builder.h"
#include "support/report_reader.h"
#include "support/seam_control.h"

namespace ombrel {
namespace {

namespace fs = std::filesystem;
using testing::EnvelopeBuilder;
using testing::Listing;
using testing::KilledStepTest;
using testing::ReadReport;
using testing::WrittenReport;

const std::string kKilledFront = "\xFF\xD8\xFF\xE0 the killed step's front photo";
const std::string kKilledStreet = "\xFF\xD8\xFF\xE0 the killed step's street photo";
const std::string kNextFront = "\xFF\xD8\xFF\xE0 the next step's front photo";

bool IsTemporary(const std::string& name) { return name.rfind(".ombrel-", 0) == 0; }

class EnvelopeStepKilledAfterEachCallTest : public KilledStepTest {
 protected:
  // The step on envelope, saving as reportName, in a child process killed
  // right after its counted call kill; the child's status. A child that runs
  // to its end exits 0 when it showed no box and used every answer.
  int StepKilledAt(const std::string& envelope, const std::string& reportName, long kill) {
    const pid_t child = ::fork();
    if (child == 0) {
      ui.boxes.clear();
      ui.AnswerDialog(envelope);
      ui.AnswerDialog(Report(reportName));
      testing::ArmSeam(0, kill);
      Program().Open_Click();
      ::_exit(ui.boxes.empty() && ui.AllAnswersUsed() ? 0 : 3);
    }
    int status = 0;
    EXPECT_EQ(::waitpid(child, &status, 0), child);
    return status;
  }
};

TEST_F(EnvelopeStepKilledAfterEachCallTest, TheNextStepGoesAsOnACleanWorkspace) {
  if (!testing::SeamLoaded()) GTEST_SKIP() << "counting the calls needs the file-system seam";
  EnvelopeBuilder killed;
  killed.Add("KILLED.XML", "OADI/XML", "", Order("Killed Step"));
  killed.Add("front.jpg", "IMAGE/JPG", "SUBJECT FRONT", kKilledFront);
  killed.Add("street.jpg", "IMAGE/JPG", "STREET", kKilledStreet);
  killed.Write(XmlDir() + "killed.env");
  // Its order names street.jpg too, which only the killed step's envelope
  // carries; its front.jpg holds other bytes.
  EnvelopeBuilder next;
  next.Add("NEXT.XML", "OADI/XML", "", Order("Next Step"));
  next.Add("front.jpg", "IMAGE/JPG", "SUBJECT FRONT", kNextFront);
  next.Write(XmlDir() + "next.env");

  // What each step does on a clean workspace.
  const auto [cleanBoxes, cleanReport] = Convert(XmlDir() + "next.env", "CLEAN.RPT");
  ASSERT_TRUE(cleanReport.has_value());
  ASSERT_NE(cleanReport->Image("SUB_1_3X5"), nullptr);
  EXPECT_EQ(cleanReport->Image("SUB_1_3X5")->bytes, kNextFront);
  const auto [killedBoxes, killedReport] = Convert(XmlDir() + "killed.env", "KILLED.RPT");
  ASSERT_TRUE(killedBoxes.empty());
  ASSERT_TRUE(killedReport.has_value());
  const std::string oldReport = dirs.Read(Report("CLEAN.RPT"));
  const std::vector<std::string> kestrov = Listing(kestrovDir);

  long kill = 1;
  for (;; ++kill) {
    SCOPED_TRACE("killed after call " + std::to_string(kill));
    dirs.Write(Report("KILLED.RPT"), oldReport);
    fs::remove(Report("NEXT.RPT"));
    const int status = StepKilledAt(XmlDir() + "killed.env", "KILLED.RPT", kill);
    const bool ranToItsEnd = WIFEXITED(status);
    if (ranToItsEnd) {
      EXPECT_EQ(WEXITSTATUS(status), 0) << "the step that ran to its end showed a box";
    } else {
      ASSERT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL);
    }

    const auto [boxes, report] = Convert(XmlDir() + "next.env", "NEXT.RPT");
    EXPECT_EQ(boxes, cleanBoxes);
    ASSERT_TRUE(report.has_value());
    EXPECT_EQ(ImagesOf(*report), ImagesOf(*cleanReport));

    EXPECT_EQ(Listing(kestrovDir + "/XML"), (std::vector<std::string>{"killed.env", "next.env"}));
    EXPECT_EQ(Listing(kestrovDir + "/Pix"), std::vector<std::string>{});
    EXPECT_EQ(Listing(kestrovDir), kestrov);
    EXPECT_EQ(dirs.Read("kestrov/Ombrel.lock"), "");
    EXPECT_EQ(dirs.Read("kestrov/" + RecordFileName(::geteuid())), "");
    const std::vector<std::string> data = Listing(dataDir + "/DATA");
    EXPECT_EQ(std::count_if(data.begin(), data.end(), IsTemporary), 0) << ::testing::PrintToString(data);
    // The older report is either untouched or replaced by the whole new one.
    const std::string killedReportNow = dirs.Read(Report("KILLED.RPT"));
    if (killedReportNow != oldReport) {
      const std::optional<WrittenReport> replaced = ReadReport(Report("KILLED.RPT"));
      ASSERT_TRUE(replaced.has_value()) << "a report neither old nor whole";
      EXPECT_EQ(ImagesOf(*replaced), ImagesOf(*killedReport));
    } else {
      EXPECT_FALSE(ranToItsEnd) << "the step that ran to its end left the old report";
    }
    // A first failure leaves the workspace unclean for every later kill.
    if (ranToItsEnd || HasFailure() || kill >= 1000) break;
  }
  EXPECT_LT(kill, 1000) << "the step never ran to its end";
  // Kills fell after the step had named its documents: the next step had a
  // record to clear, and cleared all of it.
  EXPECT_GT(LogLinesSaying("did not finish"), 0);
  EXPECT_EQ(LogLinesSaying("could not be removed"), 0);
}

}  // namespace
}  // namespace ombrel
