#include <memory>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "services/engine_services.h"
#include "services/error_handler.h"
#include "support/hooked_ui.h"
#include "support/pinned_clock.h"
#include "support/temp_dir.h"

namespace ombrel {
namespace {

using testing::HookedUi;
using testing::PinnedClock;
using testing::ShownBox;
using testing::TempDir;

const std::string kStamp = "12/10/2026 1:05:09 PM    ";
const std::string kStartLine = kStamp + "   ->\r\n";

class ReportErrorTest : public ::testing::Test {
 protected:
  ReportErrorTest() {
    log_ = std::make_unique<Logger>(
        services, std::make_unique<PinnedClock>(std::make_shared<DateTime>(testing::TestNow())),
        CreateLocalFileSystem());
    services.ui = &ui;
    services.log = log_.get();
    log_->StartLogging(LogPath(), 2);
  }

  std::string LogPath() const { return dir.File("Ombrel.LOG"); }
  std::string Log() const { return dir.Read("Ombrel.LOG"); }

  bool Report(const Error& error, const std::string& place) {
    return ReportError(services, place, error);
  }

  TempDir dir;
  HookedUi ui;
  EngineServices services;

 private:
  std::unique_ptr<Logger> log_;
};

TEST_F(ReportErrorTest, ShowsAndLogsTheError) {
  struct Case {
    Error error;
    std::string place;
    MsgResult answer;
    std::string text;
    std::string logLine;
  };
  const std::vector<Case> cases = {
      {Error(58, "Scripting.FileSystemObject", "File already exists"), "Open", MsgResult::kRetry,
       "Error 58 in Open:\nFile already exists",
       " ! Error 58 in Open [Scripting.FileSystemObject]: File already exists"},
      {Error(static_cast<int32_t>(0x8004791CU), "FM1004", "Invalid Server Object"),
       "XmlReader::Translate", MsgResult::kCancel,
       "Error -2147190500 in XmlReader::Translate:\nInvalid Server Object",
       " ! Error -2147190500 in XmlReader::Translate [FM1004]: Invalid Server Object"},
      {Error(5, "Ombrel", ""), "SplitY2KDate", MsgResult::kCancel, "Error 5 in SplitY2KDate:\n",
       " ! Error 5 in SplitY2KDate [Ombrel]: "},
      // The box shows the line break; the log keeps the error on one line.
      {Error(76, "EnvKit.Envelope", "two\nlines"), "Loading", MsgResult::kRetry,
       "Error 76 in Loading:\ntwo\nlines", " ! Error 76 in Loading [EnvKit.Envelope]: two\\nlines"},
  };
  std::string expectedLog = kStartLine;
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    ui.AnswerBox(c.answer);
    EXPECT_EQ(Report(c.error, c.place), c.answer == MsgResult::kRetry);
    const ShownBox expected{c.text, MsgButtons::kRetryCancel, MsgIcon::kInformation,
                            c.error.source()};
    EXPECT_EQ(ui.boxes.back(), expected);
    expectedLog += kStamp + c.logLine + "\r\n";
  }
  EXPECT_EQ(Log(), expectedLog);
  EXPECT_EQ(ui.boxes.size(), cases.size());
}

TEST_F(ReportErrorTest, AnErrorNumberedZeroShowsAndLogsNothing) {
  EXPECT_FALSE(Report(Error(0, "Ombrel", "not an error"), "Open"));
  EXPECT_TRUE(ui.boxes.empty());
  EXPECT_EQ(Log(), kStartLine);
}

TEST_F(ReportErrorTest, AMissingLogWriterStillShowsTheBox) {
  services.log = nullptr;
  ui.AnswerBox(MsgResult::kRetry);
  EXPECT_TRUE(Report(Error(70, "Ombrel", "Permission denied"), "Open"));
  ASSERT_EQ(ui.boxes.size(), 1U);
  EXPECT_EQ(ui.boxes[0].text, "Error 70 in Open:\nPermission denied");
}

TEST_F(ReportErrorTest, WithoutAUiItLogsAndReturnsFalse) {
  services.ui = nullptr;
  EXPECT_FALSE(Report(Error(70, "Ombrel", "Permission denied"), "Open"));
  EXPECT_EQ(Log(), kStartLine + kStamp + " ! Error 70 in Open [Ombrel]: Permission denied\r\n");
}

TEST_F(ReportErrorTest, AFailingLogShowsItsOwnBoxThenTheError) {
  // The log cannot be written: the writer's failure shows once, then the
  // error being reported; nothing recurses.
  std::filesystem::remove(LogPath());
  std::filesystem::create_directories(LogPath());
  ui.AnswerBox(MsgResult::kCancel);  // the log writer's own failure
  ui.AnswerBox(MsgResult::kCancel);  // the reported error
  EXPECT_FALSE(Report(Error(58, "Scripting.FileSystemObject", "File already exists"), "Open"));
  ASSERT_EQ(ui.boxes.size(), 2U);
  EXPECT_EQ(ui.boxes[0].text.rfind("Error 75 in Logger::LogEvent:\n", 0), 0U);
  EXPECT_EQ(ui.boxes[1].text, "Error 58 in Open:\nFile already exists");
  EXPECT_EQ(ui.boxes[1].title, "Scripting.FileSystemObject");
}

// The handler convention the engine and translators reuse: Run goes on with
// the next statement after Retry, Repeat runs the failed statement again,
// and Cancel leaves with the result so far.
TEST_F(ReportErrorTest, RunSkipsTheFailedStatementOnRetryAndStopsOnCancel) {
  // The place named by its owner and member, as the engine names it.
  const std::string owner = "XmlReader";
  ErrorHandler handler(services, owner, "CheckAlias");
  std::vector<std::string> done;
  auto failing = [&] {
    done.push_back("fail");
    throw Error(9, "Ombrel", "Subscript out of range");
  };
  ui.AnswerBox(MsgResult::kRetry);
  ui.AnswerBox(MsgResult::kCancel);
  EXPECT_TRUE(handler.Run([&] { done.push_back("one"); }));
  EXPECT_TRUE(handler.Run(failing));
  EXPECT_TRUE(handler.Run([&] { done.push_back("two"); }));
  EXPECT_FALSE(handler.Run(failing));
  EXPECT_EQ(done, (std::vector<std::string>{"one", "fail", "two", "fail"}));
  ASSERT_EQ(ui.boxes.size(), 2U);
  EXPECT_EQ(ui.boxes[0].text, "Error 9 in XmlReader::CheckAlias:\nSubscript out of range");
}

TEST_F(ReportErrorTest, RepeatRunsTheFailedStatementAgainUntilItWorksOrCancel) {
  ErrorHandler handler(services, "Open");
  int attempts = 0;
  ui.AnswerBox(MsgResult::kRetry);
  ui.AnswerBox(MsgResult::kRetry);
  EXPECT_TRUE(handler.Repeat([&] {
    if (++attempts < 3) throw Error(58, "Scripting.FileSystemObject", "File already exists");
  }));
  EXPECT_EQ(attempts, 3);

  attempts = 0;
  ui.AnswerBox(MsgResult::kRetry);
  ui.AnswerBox(MsgResult::kCancel);
  EXPECT_FALSE(handler.Repeat([&] {
    ++attempts;
    throw Error(58, "Scripting.FileSystemObject", "File already exists");
  }));
  EXPECT_EQ(attempts, 2);
  ASSERT_EQ(ui.boxes.size(), 4U);
  EXPECT_EQ(ui.boxes[3].text, "Error 58 in Open:\nFile already exists");
  EXPECT_TRUE(ui.AllAnswersUsed());
}

}  // namespace
}  // namespace ombrel
