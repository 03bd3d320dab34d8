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
#include <fstream>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "platform/workspace/record_file.h"
#include "platform/workspace/step_record.h"
#include "platform/workspace/workspace_lock.h"
#include "killed_step_fixture.h"
#include "support/envelope_builder.h"
#include "support/recorded_file.h"
#include "support/report_reader.h"

namespace ombrel {
namespace {

namespace fs = std::filesystem;
using testing::EnvelopeBuilder;
using testing::KilledStepTest;
using testing::Listing;
using testing::ShownDialog;

const std::string kDeadFront = "\xFF\xD8\xFF\xE0 the dead window's front photo";
const std::string kDeadStreet = "\xFF\xD8\xFF\xE0 the dead window's street photo";
const std::string kLiveFront = "\xFF\xD8\xFF\xE0 the live window's front photo";

// The envelope of the window that lives on: its order and a front photo.
void WriteLiveEnvelope(const std::string& path, const std::string& order) {
  EnvelopeBuilder live;
  live.Add("LIVE.XML", "OADI/XML", "", order);
  live.Add("front.jpg", "IMAGE/JPG", "SUBJECT FRONT", kLiveFront);
  live.Write(path);
}

struct KilledWindowCase {
  const char* what;
  bool deadFront;   // the dead window's envelope has a front photo (other bytes than the live one's)
  bool deadStreet;  // and a street photo, which the live window's envelope lacks
};
void PrintTo(const KilledWindowCase& c, std::ostream* out) { *out << c.what; }

class EnvelopeStepAfterAKilledWindowTest : public KilledStepTest,
                                           public ::testing::WithParamInterface<KilledWindowCase> {
 protected:
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
  WriteLiveEnvelope(XmlDir() + "live.env", Order("Live Window"));

  // What the live window's step does on a clean workspace.
  const auto [cleanBoxes, cleanReport] = Convert(XmlDir() + "live.env", "CLEAN.RPT");
  ASSERT_TRUE(cleanReport.has_value());
  ASSERT_NE(cleanReport->Image("SUB_1_3X5"), nullptr);
  EXPECT_EQ(cleanReport->Image("SUB_1_3X5")->bytes, kLiveFront);

  // The dead window left its documents under their names.
  KillAtItsSaveDialog(XmlDir() + "dead.env");
  EXPECT_FALSE(Listing(kestrovDir + "/Pix").empty());
  ASSERT_GT(Listing(kestrovDir + "/XML").size(), 2U);

  const auto [boxes, report] = Convert(XmlDir() + "live.env", "LIVE.RPT");
  EXPECT_EQ(boxes, cleanBoxes);
  ASSERT_TRUE(report.has_value());
  EXPECT_EQ(ImagesOf(*report), ImagesOf(*cleanReport));

  EXPECT_EQ(Listing(kestrovDir + "/XML"), (std::vector<std::string>{"dead.env", "live.env"}));
  EXPECT_EQ(Listing(kestrovDir + "/Pix"), std::vector<std::string>{});
  EXPECT_EQ(dirs.Read("kestrov/Ombrel.lock"), "");
  EXPECT_EQ(dirs.Read("kestrov/" + RecordFileName(::geteuid())), "");
  EXPECT_FALSE(fs::exists(Report("DEAD.RPT")));
  // The log says what was cleared; the user is told nothing.
  EXPECT_EQ(LogLinesSaying("did not finish"), 1);
}

// A photo another user's killed window left, under a name this window's
// order gives, that its writer could not have removed (a picture folder
// only root may write): it stays, the log says so, and this window's report
// holds no photo rather than theirs.
TEST_F(KilledStepTest, APhotoAnotherUsersStepLeftReachesNoReport) {
  if (::geteuid() != 0) GTEST_SKIP() << "needs root, to own files as another user";
  constexpr uid_t kNobody = 65534;
  WriteLiveEnvelope(XmlDir() + "live.env", Order("Live Window"));
  const auto [cleanBoxes, cleanReport] = Convert(XmlDir() + "live.env", "CLEAN.RPT");
  ASSERT_TRUE(cleanReport.has_value());

  const std::string pix = kestrovDir + "/Pix/";
  fs::create_directories(pix);
  ASSERT_EQ(::chmod(pix.c_str(), 0755), 0);
  const std::string street = pix + "street.jpg";
  std::ofstream(street, std::ios::binary) << kDeadStreet;
  ASSERT_EQ(::chown(street.c_str(), kNobody, kNobody), 0);
  const std::string record = kestrovDir + "/" + RecordFileName(kNobody);
  std::ofstream(record, std::ios::binary) << EncodeRecord({testing::Holding("Pix/street.jpg", kDeadStreet)});
  ASSERT_EQ(::chown(record.c_str(), kNobody, kNobody), 0);
  ASSERT_EQ(::chmod(record.c_str(), 0644), 0);

  const auto [boxes, report] = Convert(XmlDir() + "live.env", "LIVE.RPT");
  EXPECT_EQ(boxes, cleanBoxes);
  ASSERT_TRUE(report.has_value());
  EXPECT_EQ(ImagesOf(*report), ImagesOf(*cleanReport));
  EXPECT_TRUE(fs::exists(street));
  EXPECT_EQ(LogLinesSaying("Left " + street), 1);
}

}  // namespace
}  // namespace ombrel
