#include "shell/about.h"

#include <filesystem>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "platform/errors/error.h"
#include "services/app_title.h"
#include "shell_fixture.h"
#include "support/temp_dir.h"

namespace ombrel {
namespace {

namespace fs = std::filesystem;
using testing::ShellTest;
using testing::ShownBox;
using testing::TempDir;

const ShownBox kUnavailable{"System Information Is Unavailable At This Time", MsgButtons::kOk,
                            MsgIcon::kNone, "Ombrel"};

class AboutTest : public ShellTest {
 protected:
  // registry.ini in the settings folder, which is the Windows directory here.
  void WriteRegistry(const std::string& text) { dirs.Write("settings/registry.ini", text); }
};

TEST_F(AboutTest, ShowsTheProgramsTexts) {
  Main& main = StartedMain();
  ui.AnswerAbout(false);
  main.mnuAbout_Click();
  ASSERT_EQ(ui.abouts.size(), 1U);
  const AboutContent shown = ui.abouts[0];
  EXPECT_EQ(shown.caption, "About Ombrel");
  EXPECT_EQ(shown.title, "Ombrel");
  EXPECT_EQ(shown.version, "Version " + std::to_string(OMBREL_VERSION_MAJOR) + "." +
                               std::to_string(OMBREL_VERSION_MINOR) + "." +
                               std::to_string(OMBREL_VERSION_PATCH));
  EXPECT_EQ(shown.date, "September 13, 2002");
  EXPECT_EQ(shown.description,
            "Ombrel unpacks envelope files and converts the resulting xml into Corvana report "
            "files.");
  EXPECT_FALSE(shown.disclaimer.empty());
  EXPECT_TRUE(ui.boxes.empty());
  EXPECT_TRUE(startedPrograms.empty());
  // Each showing loads the box afresh.
  ui.AnswerAbout(false);
  main.mnuAbout_Click();
  ASSERT_EQ(ui.abouts.size(), 2U);
  EXPECT_EQ(ui.abouts[1].version, shown.version);
}

TEST_F(AboutTest, SystemInfoStartsTheToolTheRegistryNames) {
  struct Case {
    std::string what, registry, expected;
  };
  const std::string folder = dirs.File("msinfo");
  dirs.Write("msinfo/MSINFO32.EXE", "");
  const std::vector<Case> cases = {
      {"the PATH value", "[HKEY_LOCAL_MACHINE\\SOFTWARE\\Microsoft\\Shared Tools\\MSINFO]\n"
                         "PATH=/opt/tools/msinfo32\n",
       "/opt/tools/msinfo32"},
      {"the PATH value wins", "[HKEY_LOCAL_MACHINE\\SOFTWARE\\Microsoft\\Shared Tools\\MSINFO]\n"
                              "PATH=/opt/tools/msinfo32\n"
                              "[HKEY_LOCAL_MACHINE\\SOFTWARE\\Microsoft\\Shared Tools Location]\n"
                              "MSINFO=" + folder + "\n",
       "/opt/tools/msinfo32"},
      {"the MSINFO folder", "[HKEY_LOCAL_MACHINE\\SOFTWARE\\Microsoft\\Shared Tools Location]\n"
                            "MSINFO=" + folder + "\n",
       folder + "/MSINFO32.EXE"},
  };
  Main& main = StartedMain();
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    startedPrograms.clear();
    WriteRegistry(c.registry);
    ui.AnswerAbout(true);
    main.mnuAbout_Click();
    EXPECT_EQ(startedPrograms, (std::vector<std::string>{c.expected}));
    EXPECT_TRUE(ui.boxes.empty());
  }
}

TEST_F(AboutTest, WithoutAToolSystemInfoSaysItIsUnavailable) {
  const std::string folder = dirs.File("msinfo");
  fs::create_directories(folder);
  const std::vector<std::pair<std::string, std::string>> cases = {
      {"no registry.ini", ""},
      {"no such key", "[HKEY_LOCAL_MACHINE\\SOFTWARE\\Other]\nPATH=/x\n"},
      {"no PATH value, and the folder lacks MSINFO32.EXE",
       "[HKEY_LOCAL_MACHINE\\SOFTWARE\\Microsoft\\Shared Tools\\MSINFO]\n"
       "OTHER=/x\n"
       "[HKEY_LOCAL_MACHINE\\SOFTWARE\\Microsoft\\Shared Tools Location]\n"
       "MSINFO=" + folder + "\n"},
  };
  Main& main = StartedMain();
  for (const auto& [what, registry] : cases) {
    SCOPED_TRACE(what);
    ui.boxes.clear();
    fs::remove(settingsDir + "/registry.ini");
    if (!registry.empty()) WriteRegistry(registry);
    ui.AnswerAbout(true);
    main.mnuAbout_Click();
    EXPECT_EQ(ui.boxes, (std::vector<ShownBox>{kUnavailable}));
  }
  EXPECT_TRUE(startedPrograms.empty());
  EXPECT_EQ(LogTexts(), (std::vector<std::string>{"  ->"}));  // the box keeps no log line
}

TEST_F(AboutTest, AToolThatCannotStartGivesTheSameBox) {
  MainServices services = Services();
  services.startProgram = [](const std::string& path) {
    throw Error(53, "Ombrel", "Cannot start " + path);
  };
  Main main(services);
  ASSERT_TRUE(main.Form_Load());
  WriteRegistry(
      "[HKEY_LOCAL_MACHINE\\SOFTWARE\\Microsoft\\Shared Tools\\MSINFO]\nPATH=/opt/msinfo32\n");
  ui.AnswerAbout(true);
  main.mnuAbout_Click();
  EXPECT_EQ(ui.boxes, (std::vector<ShownBox>{kUnavailable}));
  main.Form_Unload();
}

TEST(GetKeyValueTest, ReadsAValueOrGivesFalseAndAnEmptyText) {
  TempDir windir;
  windir.Write("registry.ini",
               "[HKEY_LOCAL_MACHINE\\SOFTWARE\\Microsoft\\Shared Tools\\MSINFO]\n"
               "PATH=/opt/tools/msinfo32\n");
  std::unique_ptr<Registry> registry = CreateIniRegistry(windir.path().string());
  testing::ScriptedUi ui;
  About about(ui, registry.get(), nullptr, nullptr);
  std::string value = "stale";
  EXPECT_TRUE(about.GetKeyValue(kHkeyLocalMachine, "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO",
                                "PATH", value));
  EXPECT_EQ(value, "/opt/tools/msinfo32");
  EXPECT_FALSE(about.GetKeyValue(kHkeyLocalMachine, "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO",
                                 "MISSING", value));
  EXPECT_EQ(value, "");
  value = "stale";
  EXPECT_FALSE(about.GetKeyValue(kHkeyLocalMachine, "SOFTWARE\\Nothing", "PATH", value));
  EXPECT_EQ(value, "");
}

}  // namespace
}  // namespace ombrel
