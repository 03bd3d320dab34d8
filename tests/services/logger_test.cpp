#include "services/logger.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <deque>
#include <filesystem>
#include <memory>
#include <string>
#include <system_error>
#include <vector>

#include <gtest/gtest.h>

#include "services/engine_services.h"
#include "services/error_handler.h"
#include "support/another_user.h"
#include "support/hooked_ui.h"
#include "support/pinned_clock.h"
#include "support/scripted_append_files.h"
#include "support/temp_dir.h"

namespace ombrel {
namespace {

using testing::AnotherUserResult;
using testing::HookedUi;
using testing::PinnedClock;
using testing::RunAsAnotherUser;
using testing::ScriptedAppendFiles;
using testing::ShownBox;
using testing::TempDir;

// "12/10/2026 1:05:09 PM" left-aligned in 25 characters.
const std::string kStamp = "12/10/2026 1:05:09 PM    ";

class LoggerTest : public ::testing::Test {
 protected:
  LoggerTest() { services.ui = &ui; }

  // A logger that reports its failures through services, without being its log.
  std::unique_ptr<Logger> NewLogger() {
    return std::make_unique<Logger>(services, std::make_unique<PinnedClock>(now), CreateLocalFileSystem());
  }
  // A logger that is also the log of services, as the program's is.
  Logger& ProgramLogger() {
    programLogger_ = NewLogger();
    services.log = programLogger_.get();
    return *programLogger_;
  }

  TempDir dir;
  HookedUi ui;
  EngineServices services;
  std::shared_ptr<DateTime> now = std::make_shared<DateTime>(testing::TestNow());

 private:
  std::unique_ptr<Logger> programLogger_;
};

TEST_F(LoggerTest, WritesEachTypeWithItsMarkAfterTheDateField) {
  struct Case {
    int32_t type;
    std::string expected;
  };
  const Case cases[] = {
      {1, kStamp + " ! text\r\n"},
      {2, kStamp + " * text\r\n"},
      {4, kStamp + "   text\r\n"},
      {0, kStamp + "  text\r\n"},
      {3, kStamp + "  text\r\n"},
      {8, kStamp + "  text\r\n"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE("type " + std::to_string(c.type));
    const std::string path = dir.File("type" + std::to_string(c.type) + ".LOG");
    Logger logger(services, std::make_unique<PinnedClock>(now), CreateLocalFileSystem());
    logger.StartLogging(path, 2);
    logger.LogEvent("text", c.type);
    EXPECT_EQ(dir.Read(path), kStamp + "   ->\r\n" + c.expected);
  }
  EXPECT_TRUE(ui.boxes.empty());
}

TEST_F(LoggerTest, AnOmittedTypeHasNoMark) {
  const std::string path = dir.File("Ombrel.LOG");
  auto logger = NewLogger();
  logger->StartLogging(path, 2);
  logger->LogEvent("plain");
  EXPECT_EQ(dir.Read(path), kStamp + "   ->\r\n" + kStamp + "  plain\r\n");
}

TEST_F(LoggerTest, KeepsTheTextUnchangedAndEndsTheLineAfterIt) {
  const std::string path = dir.File("Ombrel.LOG");
  auto logger = NewLogger();
  logger->StartLogging(path, 2);
  logger->LogEvent("first\nsecond  ", kLogWarning);
  logger->LogEvent("", kLogError);
  EXPECT_EQ(dir.Read(path),
            kStamp + "   ->\r\n" + kStamp + " * first\nsecond  \r\n" + kStamp + " ! \r\n");
}

TEST_F(LoggerTest, AtMidnightTheDateStandsAlone) {
  *now = DateTime{{2027, 1, 2}, 0, 0, 0};
  const std::string path = dir.File("Ombrel.LOG");
  auto logger = NewLogger();
  logger->StartLogging(path, 2);
  *now = DateTime{{2027, 1, 2}, 0, 0, 1};
  logger->LogEvent("a second later", kLogInformation);
  EXPECT_EQ(dir.Read(path), "1/2/2027" + std::string(17, ' ') + "   ->\r\n" +
                                "1/2/2027 12:00:01 AM" + std::string(5, ' ') +
                                "   a second later\r\n");
}

TEST_F(LoggerTest, EveryRunAppendsAfterTheRunsBefore) {
  const std::string path = dir.File("Ombrel.LOG");
  {
    auto first = NewLogger();
    first->StartLogging(path, 2);
    first->LogEvent("run one", kLogInformation);
  }
  // The file is complete after each line, before the writer goes away.
  auto second = NewLogger();
  second->StartLogging(path, 2);
  EXPECT_EQ(dir.Read(path), kStamp + "   ->\r\n" + kStamp + "   run one\r\n" + kStamp + "   ->\r\n");
  second->LogEvent("run two", kLogInformation);
  EXPECT_EQ(dir.Read(path), kStamp + "   ->\r\n" + kStamp + "   run one\r\n" + kStamp +
                                "   ->\r\n" + kStamp + "   run two\r\n");
  EXPECT_EQ(second->LogTarget(), path);
}

TEST_F(LoggerTest, StartsOnlyInModeTwo) {
  const std::string path = dir.File("Ombrel.LOG");
  auto logger = NewLogger();
  logger->StartLogging(path, 1);
  EXPECT_FALSE(std::filesystem::exists(path));
  EXPECT_EQ(logger->LogTarget(), "");
}

TEST_F(LoggerTest, LogErrorWritesTheError) {
  const std::string path = dir.File("Ombrel.LOG");
  auto logger = NewLogger();
  logger->StartLogging(path, 2);
  const Error error(static_cast<int32_t>(0x8004791CU), "FM1004", "Invalid Server Object");
  logger->LogError("XmlReader::Translate", error);
  EXPECT_EQ(dir.Read(path), kStamp + "   ->\r\n" + kStamp +
                                " ! Error -2147190500 in XmlReader::Translate [FM1004]: "
                                "Invalid Server Object\r\n");
}

TEST_F(LoggerTest, AnErrorQuotingALineBreakStaysOneLine) {
  // The description quotes a document name from an envelope; the source
  // could come from anywhere too.
  const std::string path = dir.File("Ombrel.LOG");
  auto logger = NewLogger();
  logger->StartLogging(path, 2);
  const Error error(58, "Scripting\rFileSystemObject",
                    "File already exists: /x/a.xml\r\n" + kStamp + " ! forged\x1B[2J");
  logger->LogError("Open", error);
  EXPECT_EQ(dir.Read(path), kStamp + "   ->\r\n" + kStamp +
                                " ! Error 58 in Open [Scripting\\rFileSystemObject]: "
                                "File already exists: /x/a.xml\\r\\n" + kStamp +
                                " ! forged\\x1B[2J\r\n");
}

// The log's folder is missing: every line fails to open. The writer's own
// failure is shown once per line, with Retry and Cancel, and the reporter's
// attempt to log it must not start the cycle again.
TEST_F(LoggerTest, AnUnwritableLogShowsOneBoxPerLineAndCancelGoesOn) {
  const std::string path = dir.File("missing/Ombrel.LOG");
  Logger& logger = ProgramLogger();
  ui.AnswerBox(MsgResult::kCancel);  // the "->" of StartLogging
  ui.AnswerBox(MsgResult::kCancel);
  ui.AnswerBox(MsgResult::kCancel);
  logger.StartLogging(path, 2);
  logger.LogEvent("one", kLogInformation);
  logger.LogEvent("two", kLogError);

  ASSERT_EQ(ui.boxes.size(), 3U);
  for (const ShownBox& box : ui.boxes) {
    EXPECT_EQ(box.text.rfind("Error 76 in Logger::LogEvent:\n", 0), 0U) << box.text;
    EXPECT_NE(box.text.find(path), std::string::npos) << box.text;
    EXPECT_EQ(box.buttons, MsgButtons::kRetryCancel);
    EXPECT_EQ(box.icon, MsgIcon::kInformation);
    EXPECT_EQ(box.title, "Ombrel");
  }
  EXPECT_FALSE(std::filesystem::exists(path));
  EXPECT_TRUE(ui.AllAnswersUsed());
}

TEST_F(LoggerTest, RetryOpensTheFileAgain) {
  const std::string path = dir.File("later/Ombrel.LOG");
  Logger& logger = ProgramLogger();
  // The user makes the folder, then presses Retry.
  ui.onBox = [&](const ShownBox&) { std::filesystem::create_directories(dir.File("later")); };
  ui.AnswerBox(MsgResult::kRetry);
  logger.StartLogging(path, 2);
  logger.LogEvent("after the retry", kLogInformation);

  EXPECT_EQ(ui.boxes.size(), 1U);
  EXPECT_EQ(dir.Read(path), kStamp + "   ->\r\n" + kStamp + "   after the retry\r\n");
}

TEST_F(LoggerTest, ALogThatIsAFolderFailsLikeAnyUnwritableLog) {
  std::filesystem::create_directories(dir.File("Ombrel.LOG"));
  Logger& logger = ProgramLogger();
  ui.AnswerBox(MsgResult::kRetry);
  ui.AnswerBox(MsgResult::kCancel);
  logger.StartLogging(dir.File("Ombrel.LOG"), 2);
  // Retry tried the same open again, then Cancel gave the line up.
  ASSERT_EQ(ui.boxes.size(), 2U);
  EXPECT_EQ(ui.boxes[0], ui.boxes[1]);
  EXPECT_EQ(ui.boxes[0].text.rfind("Error 75 in Logger::LogEvent:\n", 0), 0U) << ui.boxes[0].text;
}

// A log planted by a user who may write the program's folder (a shared
// sticky folder) as a link to a root-only file, or as a second name of it,
// is never written: the line fails as any log that cannot be opened does,
// and the file it leads to keeps its mode and bytes.
TEST_F(LoggerTest, ALogThatIsALinkToAnotherFileIsNotWritten) {
  struct Case {
    const char* what;
    bool asAnotherUser;  // planted by nobody, as a second user would
    int (*plant)(const char* target, const char* name);
  };
  const Case cases[] = {
      {"a symbolic link planted by another user", true, ::symlink},
      {"a symbolic link planted by this user", false, ::symlink},
      {"a hard link", false, ::link},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    TempDir shared;
    ASSERT_EQ(::chmod(shared.path().c_str(), 0755), 0);
    const std::string bin = shared.File("bin");
    std::filesystem::create_directories(bin);
    ASSERT_EQ(::chmod(bin.c_str(), 01777), 0);
    const std::string target = shared.Write("root-only", "root's own bytes\n");
    ASSERT_EQ(::chmod(target.c_str(), 0600), 0);
    const std::string path = bin + "/Ombrel.LOG";
    if (c.asAnotherUser) {
      const AnotherUserResult planted =
          RunAsAnotherUser([&] { return c.plant(target.c_str(), path.c_str()) == 0; });
      if (planted == AnotherUserResult::kCannotBecome) continue;  // needs root
      ASSERT_EQ(planted, AnotherUserResult::kDone);
    } else {
      ASSERT_EQ(c.plant(target.c_str(), path.c_str()), 0);
    }

    HookedUi boxUi;
    EngineServices reporter;
    reporter.ui = &boxUi;
    Logger logger(reporter, std::make_unique<PinnedClock>(now), CreateLocalFileSystem());
    reporter.log = &logger;
    boxUi.AnswerBox(MsgResult::kCancel);  // the "->" of StartLogging
    boxUi.AnswerBox(MsgResult::kCancel);
    logger.StartLogging(path, 2);
    logger.LogEvent("a line", kLogInformation);

    ASSERT_EQ(boxUi.boxes.size(), 2U);
    for (const ShownBox& box : boxUi.boxes) {
      EXPECT_EQ(box.text.rfind("Error 75 in Logger::LogEvent:\nPath/File access error: cannot open the log file " +
                                   path + " (",
                               0),
                0U)
          << box.text;
      EXPECT_EQ(box.buttons, MsgButtons::kRetryCancel);
    }
    struct stat status {};
    ASSERT_EQ(::stat(target.c_str(), &status), 0);
    EXPECT_EQ(status.st_mode & 07777, 0600U);
    EXPECT_EQ(status.st_uid, ::geteuid());
    EXPECT_EQ(shared.Read(target), "root's own bytes\n");
  }
}

// A write or a close of the log that fails shows its box like a failed open:
// its own number and words, Retry and Cancel. Retry after a write that
// stopped part way writes only the rest, so the line is in the log once.
TEST_F(LoggerTest, AFailedWriteOrCloseShowsItsBoxAndRetryGoesOnWhereItStopped) {
  const std::string path = "/logs/Ombrel.LOG";
  const std::string line = kStamp + "   ->\r\n";
  const std::error_code full(ENOSPC, std::generic_category());
  const std::error_code io(EIO, std::generic_category());
  struct Case {
    std::string what;
    std::deque<ScriptedAppendFiles::Script::WriteFailure> writeFailures;
    std::deque<std::error_code> closeFailures;
    std::vector<MsgResult> answers;
    std::string box;      // the start of each box shown
    std::size_t boxes;
    std::string written;  // what the log holds after the line
  };
  const Case cases[] = {
      {"a write stopped part way, then Retry", {{10, full}}, {}, {MsgResult::kRetry},
       "Error 61 in Logger::LogEvent:\nDisk full: cannot write to the log file " + path +
           " (No space left on device)",
       1, line},
      {"a write that fails, then Cancel", {{0, io}}, {}, {MsgResult::kCancel},
       "Error 75 in Logger::LogEvent:\nPath/File access error: cannot write to the log file " + path +
           " (Input/output error)",
       1, ""},
      {"two writes that stop part way", {{3, full}, {4, full}}, {}, {MsgResult::kRetry, MsgResult::kRetry},
       "Error 61 in Logger::LogEvent:\nDisk full: cannot write to the log file ", 2, line},
      {"a close that fails, then Retry", {}, {io}, {MsgResult::kRetry},
       "Error 75 in Logger::LogEvent:\nPath/File access error: cannot close the log file " + path +
           " (Input/output error)",
       1, line},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    auto files = std::make_unique<ScriptedAppendFiles>();
    ScriptedAppendFiles::Script& script = files->script();
    script.writeFailures = c.writeFailures;
    script.closeFailures = c.closeFailures;
    HookedUi boxUi;
    EngineServices reporter;
    reporter.ui = &boxUi;
    for (MsgResult answer : c.answers) boxUi.AnswerBox(answer);
    Logger logger(reporter, std::make_unique<PinnedClock>(now), std::move(files));
    reporter.log = &logger;

    logger.StartLogging(path, 2);

    ASSERT_EQ(boxUi.boxes.size(), c.boxes);
    for (const ShownBox& box : boxUi.boxes) {
      EXPECT_EQ(box.text.rfind(c.box, 0), 0U) << box.text;
      EXPECT_EQ(box.buttons, MsgButtons::kRetryCancel);
    }
    EXPECT_EQ(script.files[path], c.written);
    EXPECT_TRUE(boxUi.AllAnswersUsed());
  }
}

}  // namespace
}  // namespace ombrel
