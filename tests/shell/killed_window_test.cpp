// A window killed at its Save dialog leaves its documents under their real
// names. The next window's step, on another envelope, must go as it goes on
// a clean workspace: the same boxes (none), a report holding only its own
// envelope's photos, and afterwards nothing of either envelope but the
// envelopes themselves.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "platform/workspace/workspace_lock.h"
#include "real_engine_shell_test.h"
#include "support/envelope_builder.h"
#include "support/report_reader.h"

namespace ombrel {
namespace {

namespace fs = std::filesystem;
using testing::EnvelopeBuilder;
using testing::ReadReport;
using testing::RealEngineShellTest;
using testing::ShownBox;
using testing::ShownDialog;
using testing::WrittenReport;

// An order naming a front and a street photo.
std::string Order(const std::string& borrower) {
  return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<ORDER><FORMNUM>1004</FORMNUM><BORROWER>" + borrower +
         "</BORROWER><SUBJECTFRONTVIEW>front.jpg</SUBJECTFRONTVIEW>"
         "<SUBJECTSTREETVIEW>street.jpg</SUBJECTSTREETVIEW></ORDER>\n";
}

const std::string kDeadFront = "\xFF\xD8\xFF\xE0 the dead window's front photo";
const std::string kDeadStreet = "\xFF\xD8\xFF\xE0 the dead window's street photo";
const std::string kLiveFront = "\xFF\xD8\xFF\xE0 the live window's front photo";

struct KilledWindowCase {
  const char* what;
  bool deadFront;   // the dead window's envelope has a front photo (other bytes than the live one's)
  bool deadStreet;  // and a street photo, which the live window's envelope lacks
};
void PrintTo(const KilledWindowCase& c, std::ostream* out) { *out << c.what; }

class EnvelopeStepAfterAKilledWindowTest : public RealEngineShellTest,
                                           public ::testing::WithParamInterface<KilledWindowCase> {
 protected:
  std::string Report(const std::string& name) const { return dataDir + "/DATA/" + name; }

  // The step on envelope in a child process, killed at its Save dialog.
  void KillAtItsSaveDialog(const std::string& envelope) {
    const pid_t child = ::fork();
    if (child == 0) {
      ui.onDialog = [](ShownDialog::Kind kind) {
        if (kind == ShownDialog::kSave) ::raise(SIGKILL);
      };
      ui.AnswerDialog(envelope);
      ui.AnswerDialog(Report("DEAD.RPT"));
      Program().Open_Click();
      ::_exit(0);
    }
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL) << "the window was not killed";
  }

  // The step on envelope in this window, saving the report as reportName:
  // the boxes it showed and the report it wrote.
  std::pair<std::vector<ShownBox>, std::optional<WrittenReport>> Convert(const std::string& envelope,
                                                                        const std::string& reportName) {
    ui.boxes.clear();
    ui.AnswerDialog(envelope);
    ui.AnswerDialog(Report(reportName));
    Program().Open_Click();
    EXPECT_TRUE(ui.AllAnswersUsed());
    return {ui.boxes, ReadReport(Report(reportName))};
  }

  std::vector<std::string> Files(const std::string& folder) const {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(kestrovDir + "/" + folder)) {
      names.push_back(entry.path().filename().string());
    }
    std::sort(names.begin(), names.end());
    return names;
  }
};

INSTANTIATE_TEST_SUITE_P(
    KilledWindow, EnvelopeStepAfterAKilledWindowTest,
    ::testing::Values(KilledWindowCase{"a street photo only the dead window's envelope carried", false, true},
                      KilledWindowCase{"a front photo of one name with other bytes", true, false},
                      KilledWindowCase{"both", true, true}),
    [](const ::testing::TestParamInfo<KilledWindowCase>& info) { return std::to_string(info.index); });

TEST_P(EnvelopeStepAfterAKilledWindowTest, TheNextStepGoesAsOnACleanWorkspace) {
  const KilledWindowCase& c = GetParam();
  SCOPED_TRACE(c.what);
  EnvelopeBuilder dead;
  dead.Add("DEAD.XML", "OADI/XML", "", Order("Dead Window"));
  if (c.deadFront) dead.Add("front.jpg", "IMAGE/JPG", "SUBJECT FRONT", kDeadFront);
  if (c.deadStreet) dead.Add("street.jpg", "IMAGE/JPG", "STREET", kDeadStreet);
  dead.Write(XmlDir() + "dead.env");
  EnvelopeBuilder live;
  live.Add("LIVE.XML", "OADI/XML", "", Order("Live Window"));
  live.Add("front.jpg", "IMAGE/JPG", "SUBJECT FRONT", kLiveFront);
  live.Write(XmlDir() + "live.env");

  // What the live window's step does on a clean workspace.
  const auto [cleanBoxes, cleanReport] = Convert(XmlDir() + "live.env", "CLEAN.RPT");
  ASSERT_TRUE(cleanReport.has_value());
  ASSERT_NE(cleanReport->Image("SUB_1_3X5"), nullptr);
  EXPECT_EQ(cleanReport->Image("SUB_1_3X5")->bytes, kLiveFront);

  // The dead window left its documents under their names.
  KillAtItsSaveDialog(XmlDir() + "dead.env");
  EXPECT_FALSE(Files("Pix").empty());
  ASSERT_GT(Files("XML").size(), 2U);

  const auto [boxes, report] = Convert(XmlDir() + "live.env", "LIVE.RPT");
  EXPECT_EQ(boxes, cleanBoxes);
  ASSERT_TRUE(report.has_value());
  std::vector<std::pair<std::string, std::optional<std::string>>> images, cleanImages;
  for (const auto& image : report->images) images.emplace_back(image.frame, image.bytes);
  for (const auto& image : cleanReport->images) cleanImages.emplace_back(image.frame, image.bytes);
  EXPECT_EQ(images, cleanImages);

  EXPECT_EQ(Files("XML"), (std::vector<std::string>{"dead.env", "live.env"}));
  EXPECT_EQ(Files("Pix"), std::vector<std::string>{});
  EXPECT_EQ(dirs.Read("kestrov/Ombrel.lock"), "");
  EXPECT_FALSE(fs::exists(Report("DEAD.RPT")));
  // The log says what was cleared; the user is told nothing.
  const std::vector<std::string> log = LogTexts();
  EXPECT_EQ(std::count_if(log.begin(), log.end(),
                          [](const std::string& line) { return line.find("did not finish") != std::string::npos; }),
            1);
}

}  // namespace
}  // namespace ombrel
