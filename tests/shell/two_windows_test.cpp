// Two windows, two processes of the program with the real engine, on one
// workspace at once. The first stops at its Save dialog while the second
// starts its step; the second either waits its turn through the error box
// (Retry once the first has finished) or, were the step not kept to one at a
// time, runs to its end first. Either way each report must be whole and hold
// only its own envelope's photos.
#include <gtest/gtest.h>
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <filesystem>
#include <fstream>
#include <functional>
#include <ostream>
#include <string>
#include <vector>

#include "platform/workspace/record_file.h"
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

constexpr int kWaitMilliseconds = 30000;

// One byte from fd within kWaitMilliseconds; '\0' at a timeout or the end.
char ReadEvent(int fd) {
  pollfd watched{fd, POLLIN, 0};
  for (;;) {
    const int ready = ::poll(&watched, 1, kWaitMilliseconds);
    if (ready < 0 && errno == EINTR) continue;
    char event = 0;
    if (ready != 1 || ::read(fd, &event, 1) != 1) return '\0';
    return event;
  }
}

std::string Order(const std::string& borrower) {
  return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<ORDER><FORMNUM>1004</FORMNUM><BORROWER>" +
         borrower + "</BORROWER><SUBJECTFRONTVIEW>front.jpg</SUBJECTFRONTVIEW></ORDER>\n";
}

const std::string kFirstPhoto = "\xFF\xD8\xFF\xE0 the first envelope's front photo";

// A window in a child process. At each box and each Save dialog it tells the
// test ('B', 'S') and waits until the test lets it go on; at its step's end it
// writes the texts of the boxes it saw to boxesFile and tells 'E'.
class Window {
 public:
  Window() = default;
  Window(const Window&) = delete;
  Window& operator=(const Window&) = delete;
  ~Window() {
    if (pid_ > 0) {
      ::kill(pid_, SIGKILL);
      ::waitpid(pid_, nullptr, 0);
    }
    for (int fd : {events_[0], events_[1], go_[0], go_[1]}) {
      if (fd >= 0) ::close(fd);
    }
  }

  // Runs press, which presses the program's button, in a child of this
  // process, answering through ui: the fixture's, copied into the child with
  // the fork.
  void Start(testing::HookedUi& ui, const std::function<void()>& press, const std::string& envelope,
             const std::string& report, const std::string& boxesFile) {
    if (::pipe(events_) != 0 || ::pipe(go_) != 0) return;
    pid_ = ::fork();
    if (pid_ != 0) return;
    // The child: the program, driven through the fixture's copy of the Ui.
    auto tell = [this](char event) {
      if (::write(events_[1], &event, 1) != 1) ::_exit(2);
    };
    auto waitToGoOn = [this] { ReadEvent(go_[0]); };
    ui.onBox = [&](const ShownBox&) {
      tell('B');
      waitToGoOn();
    };
    ui.onDialog = [&](ShownDialog::Kind kind) {
      if (kind != ShownDialog::kSave) return;
      tell('S');
      waitToGoOn();
    };
    ui.AnswerDialog(envelope);
    ui.AnswerBox(MsgResult::kRetry);
    ui.AnswerDialog(report);
    press();
    std::ofstream out(boxesFile, std::ios::binary);
    for (const ShownBox& box : ui.boxes) out << box.text << "\n--\n";
    out.close();
    tell('E');
    ::_exit(0);
  }

  bool started() const { return pid_ > 0; }
  char NextEvent() { return ReadEvent(events_[0]); }
  void GoOn() {
    const char go = 'g';
    if (::write(go_[1], &go, 1) != 1) ADD_FAILURE() << "the window cannot be told to go on";
  }
  // Lets the window go on at every stop to its end; true when it ended.
  bool RunToItsEnd() {
    for (;;) {
      const char event = NextEvent();
      if (event == 'E') break;
      if (event == '\0') return false;
      GoOn();
    }
    int status = 0;
    ::waitpid(pid_, &status, 0);
    pid_ = -1;
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
  }

 private:
  pid_t pid_ = -1;
  int events_[2] = {-1, -1};
  int go_[2] = {-1, -1};
};

struct TwoWindowsCase {
  const char* what;
  bool sameEnvelope;  // false: the second envelope's order names a photo only the first has
};
void PrintTo(const TwoWindowsCase& c, std::ostream* out) { *out << c.what; }

class TwoWindowsTest : public RealEngineShellTest,
                       public ::testing::WithParamInterface<TwoWindowsCase> {
 protected:
  std::string Report(const std::string& name) const { return dataDir + "/DATA/" + name; }
};

INSTANTIATE_TEST_SUITE_P(
    TwoWindows, TwoWindowsTest,
    ::testing::Values(TwoWindowsCase{"an order naming a photo only the other envelope has", false},
                      TwoWindowsCase{"the same envelope in both windows", true}),
    [](const ::testing::TestParamInfo<TwoWindowsCase>& info) {
      return info.param.sameEnvelope ? std::string("SameEnvelope") : std::string("OtherEnvelope");
    });

TEST_P(TwoWindowsTest, NoReportIsLostAndNoPhotoCrossesEnvelopes) {
  const TwoWindowsCase& c = GetParam();
  SCOPED_TRACE(c.what);
  EnvelopeBuilder first;
  first.Add("ONE.XML", "OADI/XML", "", Order("First Window"));
  first.Add("front.jpg", "IMAGE/JPG", "SUBJECT FRONT", kFirstPhoto);
  first.Write(XmlDir() + "one.env");
  EnvelopeBuilder second;
  second.Add("TWO.XML", "OADI/XML", "", Order("Second Window"));
  second.Write(XmlDir() + "two.env");
  const std::string secondEnvelope = XmlDir() + (c.sameEnvelope ? "one.env" : "two.env");

  const auto press = [this] { Program().Open_Click(); };
  Window one, two;
  one.Start(ui, press, XmlDir() + "one.env", Report("ONE.RPT"), dirs.File("one.boxes"));
  ASSERT_TRUE(one.started());
  ASSERT_EQ(one.NextEvent(), 'S');  // the first window at its Save dialog
  two.Start(ui, press, secondEnvelope, Report("TWO.RPT"), dirs.File("two.boxes"));
  ASSERT_TRUE(two.started());
  const char firstStop = two.NextEvent();
  if (firstStop == 'B') {
    // The second waits at its box: the first finishes, then the second Retries.
    one.GoOn();
    EXPECT_TRUE(one.RunToItsEnd());
    two.GoOn();
    EXPECT_TRUE(two.RunToItsEnd());
  } else {
    // The second was not stopped: it runs to its end before the first saves.
    EXPECT_EQ(firstStop, 'S');
    two.GoOn();
    EXPECT_TRUE(two.RunToItsEnd());
    one.GoOn();
    EXPECT_TRUE(one.RunToItsEnd());
  }

  // The second window was told to wait, once; the first saw nothing.
  EXPECT_EQ(dirs.Read("one.boxes"), "");
  EXPECT_EQ(dirs.Read("two.boxes"), "Error 70 in Open:\nAnother window is converting an envelope in " +
                                        kestrovDir + "/. Press Retry when it has finished.\n--\n");

  // Both reports are whole; the first envelope's photo is only in the
  // reports of the first envelope.
  const auto oneReport = ReadReport(Report("ONE.RPT"));
  const auto twoReport = ReadReport(Report("TWO.RPT"));
  ASSERT_TRUE(oneReport.has_value());
  ASSERT_TRUE(twoReport.has_value());
  ASSERT_NE(oneReport->Image("SUB_1_3X5"), nullptr);
  EXPECT_EQ(oneReport->Image("SUB_1_3X5")->bytes, kFirstPhoto);
  if (c.sameEnvelope) {
    ASSERT_NE(twoReport->Image("SUB_1_3X5"), nullptr);
    EXPECT_EQ(twoReport->Image("SUB_1_3X5")->bytes, kFirstPhoto);
  } else {
    for (const auto& image : twoReport->images) {
      EXPECT_NE(image.bytes, kFirstPhoto) << "the first envelope's photo in " << image.frame;
    }
  }

  // Nothing of either envelope is left in the workspace.
  std::vector<std::string> left;
  for (const auto& entry : fs::recursive_directory_iterator(kestrovDir)) {
    if (!entry.is_directory()) left.push_back(fs::relative(entry.path(), kestrovDir).string());
  }
  std::sort(left.begin(), left.end());
  EXPECT_EQ(left, (std::vector<std::string>{"Alias/global.ali", "Kestrov.exe", RecordFileName(::geteuid()),
                                            "Ombrel.lock", "XML/one.env", "XML/two.env"}));
}

}  // namespace
}  // namespace ombrel
