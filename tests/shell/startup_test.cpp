#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "shell/executable_path.h"
#include "shell/main_form.h"
#include "shell_fixture.h"
#include "support/envelope_builder.h"

namespace ombrel {
namespace {

using testing::Creation;
using testing::ShellTest;
using testing::ShownBox;

class StartupTest : public ShellTest {
 protected:
  // Runs the start-up on a fresh Main, kept as loaded; true when the window
  // would be shown.
  bool Load() {
    loaded = std::make_unique<Main>(Services());
    return loaded->Form_Load();
  }
  void ExpectReleased() {
    EXPECT_EQ(loaded->Services().log, nullptr);
    EXPECT_EQ(loaded->Services().fileSystem, nullptr);
    EXPECT_EQ(loaded->Engine(), nullptr);
  }

  std::unique_ptr<Main> loaded;
};

TEST_F(StartupTest, SetsTheFoldersAndStartsTheLog) {
  Main& main = StartedMain();
  const EngineServices& services = main.Services();
  EXPECT_EQ(services.dataFolder, dataDir + "/DATA/");
  EXPECT_EQ(services.aliasFolder, kestrovDir + "/Alias/");
  EXPECT_EQ(services.pixFolder, kestrovDir + "/Pix/");
  EXPECT_EQ(main.XmlFolder(), kestrovDir + "/XML/");
  ASSERT_NE(services.log, nullptr);
  EXPECT_NE(services.fileSystem, nullptr);
  EXPECT_EQ(services.log->LogTarget(), binDir + "/Ombrel.LOG");
  EXPECT_EQ(LogTexts(), (std::vector<std::string>{"  ->"}));
  EXPECT_EQ(ui.beeps, 0);
}

TEST_F(StartupTest, DerivesTheDataFolderWithOrWithoutATrailingSeparator) {
  const std::vector<std::string> values = {dataDir, dataDir + "/", "  " + dataDir + "  "};
  for (const std::string& value : values) {
    SCOPED_TRACE("DataDir=\"" + value + "\"");
    WriteSettings(value, kestrovExe);
    Main main(Services());
    EXPECT_TRUE(main.Form_Load());
    EXPECT_EQ(main.Services().dataFolder, dataDir + "/DATA/");
    main.Form_Unload();
  }
  EXPECT_TRUE(ui.boxes.empty());
}

TEST_F(StartupTest, TheDataSubfolderItselfIsNotTested) {
  std::filesystem::remove_all(dataDir + "/DATA");
  EXPECT_EQ(StartedMain().Services().dataFolder, dataDir + "/DATA/");
}

TEST_F(StartupTest, AMissingLogWriterEndsTheProgramAfterABeepAndABox) {
  loggerCreated = false;
  EXPECT_FALSE(Load());
  const std::vector<ShownBox> expected = {
      {"Unable to create Error Log object.", MsgButtons::kOk, MsgIcon::kCritical, "Object Error"}};
  EXPECT_EQ(ui.boxes, expected);
  EXPECT_EQ(ui.boxesAtBeep, (std::vector<std::size_t>{0}));  // the beep comes first
  EXPECT_FALSE(std::filesystem::exists(LogPath()));
  ExpectReleased();
}

TEST_F(StartupTest, AMissingFileSystemIsLoggedAndEndsTheProgram) {
  components.fileSystemCreation = Creation::kGivesNothing;
  EXPECT_FALSE(Load());
  const std::vector<ShownBox> expected = {
      {"Unable to create File System object.", MsgButtons::kOk, MsgIcon::kCritical,
       "Object Error"}};
  EXPECT_EQ(ui.boxes, expected);
  EXPECT_EQ(ui.beeps, 0);
  EXPECT_EQ(LogTexts(),
            (std::vector<std::string>{"  ->", "! Unable to create Scripting.FileSystemObject."}));
  ExpectReleased();
}

TEST_F(StartupTest, ADataDirThatIsNoFolderEndsTheProgramWithAnEmptyBox) {
  struct Case {
    std::string what;
    bool writeIni;
    std::optional<std::string> dataDir;
  };
  const std::vector<Case> cases = {
      {"no QOR.INI", false, std::nullopt},
      {"no DataDir key", true, std::nullopt},
      {"DataDir of blanks only", true, "   "},
      {"a missing folder", true, "/nonexistent/corvana"},
      {"a file", true, "KESTROV_EXE"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    ui.boxes.clear();
    std::filesystem::remove(settingsDir + "/QOR.INI");
    if (c.writeIni) {
      WriteSettings(c.dataDir == "KESTROV_EXE" ? std::optional(kestrovExe) : c.dataDir,
                    kestrovExe);
    }
    EXPECT_FALSE(Load());
    const std::vector<ShownBox> expected = {{"", MsgButtons::kOk, MsgIcon::kNone, "Ombrel"}};
    EXPECT_EQ(ui.boxes, expected);
    EXPECT_EQ(loaded->Services().aliasFolder, "");  // Kestrov's folders are never read
    ExpectReleased();
  }
  EXPECT_EQ(ui.beeps, 0);
  // Each attempt logged its start and nothing else.
  EXPECT_EQ(LogTexts(), std::vector<std::string>(cases.size(), "  ->"));
}

TEST_F(StartupTest, AKestrThatIsNoFileEndsTheProgramWithTheKestrovBox) {
  std::filesystem::create_directories(dirs.File("folder/Kestrov.exe"));
  const std::vector<std::optional<std::string>> values = {
      std::nullopt, "", kestrovDir, dirs.File("folder/Kestrov.exe"), kestrovDir + "/Other.exe"};
  for (const std::optional<std::string>& value : values) {
    SCOPED_TRACE(value.value_or("(no key)"));
    ui.boxes.clear();
    WriteSettings(dataDir, value);
    EXPECT_FALSE(Load());
    const std::vector<ShownBox> expected = {{"This software is meant to be used with Kestrov.exe.",
                                             MsgButtons::kOk, MsgIcon::kInformation, "Ombrel"}};
    EXPECT_EQ(ui.boxes, expected);
    EXPECT_EQ(loaded->XmlFolder(), "");
    ExpectReleased();
  }
}

TEST_F(StartupTest, AKestrovAtTheRootGivesFoldersAtTheRoot) {
  // Any existing file will do for KESTR; the folders beside it are not tested.
  const std::string exe = dirs.File("Kestrov.exe");
  dirs.Write("Kestrov.exe", "");
  WriteSettings(dataDir, exe);
  Main& main = StartedMain();
  EXPECT_EQ(main.Services().aliasFolder, dirs.str() + "Alias/");
  EXPECT_EQ(main.Services().pixFolder, dirs.str() + "Pix/");
  EXPECT_EQ(main.XmlFolder(), dirs.str() + "XML/");
}

TEST_F(StartupTest, AnErrorGoesToTheReporterUnderLoading) {
  components.fileSystemCreation = Creation::kRaises;
  // Cancel: the start-up stops where it is, and the window is shown anyway.
  ui.AnswerBox(MsgResult::kCancel);
  EXPECT_TRUE(Load());
  ASSERT_EQ(ui.boxes.size(), 1U);
  EXPECT_EQ(ui.boxes[0], (ShownBox{"Error 429 in Loading:\nActiveX component can't create object",
                                   MsgButtons::kRetryCancel, MsgIcon::kInformation, "Ombrel"}));
  EXPECT_EQ(loaded->Services().dataFolder, "");
  EXPECT_EQ(LogTexts(), (std::vector<std::string>{
                            "  ->", "! Error 429 in Loading [Ombrel]: ActiveX component can't "
                                    "create object"}));

  // Retry goes on with the next step, which has no file system to ask.
  ui.boxes.clear();
  ui.AnswerBox(MsgResult::kRetry);
  ui.AnswerBox(MsgResult::kCancel);
  EXPECT_TRUE(Load());
  ASSERT_EQ(ui.boxes.size(), 2U);
  EXPECT_EQ(ui.boxes[1].text.rfind("Error 91 in Loading:", 0), 0U);
  EXPECT_TRUE(ui.AllAnswersUsed());
}

// Released in the reverse order of creation: the engine goes while the
// envelope files, the file system and the log are still there.
class WatchedEngine : public testing::ObservingEngine {
 public:
  WatchedEngine(const EngineServices& services,
                std::vector<testing::ObservingEngine::Call>* calls, std::string* seen)
      : ObservingEngine(services, calls, nullptr), services_(services), seen_(seen) {}
  ~WatchedEngine() override {
    *seen_ = std::string(services_.EnvelopeFiles().empty() ? "" : "files ") +
             (services_.fileSystem != nullptr ? "fso " : "") +
             (services_.log != nullptr ? "log" : "");
  }

 private:
  const EngineServices& services_;
  std::string* seen_;
};

TEST_F(StartupTest, ShutdownReleasesTheSharedObjects) {
  std::string seenByEngine;
  MainServices services = Services();
  services.createEngine = [&](const EngineServices& engineServices) {
    return std::make_unique<WatchedEngine>(engineServices, &translations, &seenByEngine);
  };
  Main main(std::move(services));
  ASSERT_TRUE(main.Form_Load());
  // An envelope of one order document, which is deleted afterwards but
  // stays on record.
  testing::EnvelopeBuilder builder;
  builder.Add("main.xml", "OADI/XML", "", "<ORDER>main</ORDER>");
  builder.Write(kestrovDir + "/XML/order.env");
  ui.AnswerDialog(kestrovDir + "/XML/order.env");
  main.Open_Click();
  ASSERT_NE(main.Engine(), nullptr);
  ASSERT_EQ(main.Services().EnvelopeFiles().size(), 1U);

  main.Form_Unload();
  EXPECT_EQ(seenByEngine, "files fso log");
  EXPECT_EQ(main.Engine(), nullptr);
  EXPECT_TRUE(main.Services().EnvelopeFiles().empty());
  EXPECT_EQ(main.Services().fileSystem, nullptr);
  EXPECT_EQ(main.Services().log, nullptr);
}

TEST(ExecutablePathTest, TheLogIsNamedAfterTheRunningExecutable) {
  EXPECT_EQ(std::filesystem::path(ExecutablePath()).filename(), "shell_tests");
  EXPECT_TRUE(std::filesystem::path(ExecutablePath()).is_absolute());
  EXPECT_EQ(LogPathFor("/opt/ombrel/Ombrel"), "/opt/ombrel/Ombrel.LOG");
  EXPECT_EQ(LogPathFor("/opt/ombrel/Ombrel.bin"), "/opt/ombrel/Ombrel.LOG");
}

}  // namespace
}  // namespace ombrel
