// One envelope step at a time in a workspace: while another window holds the
// order program's folder, the step's error box says so; Retry goes on once
// the other has finished, Cancel leaves every file.
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstddef>
#include <filesystem>
#include <map>
#include <memory>
#include <ostream>
#include <string>
#include <vector>

#include "platform/workspace/record_file.h"
#include "platform/workspace/step_record.h"
#include "platform/workspace/workspace_lock.h"
#include "shell/main_form.h"
#include "shell_fixture.h"
#include "support/envelope_builder.h"
#include "support/small_file_system.h"

namespace ombrel {
namespace {

namespace fs = std::filesystem;
using testing::Creation;
using testing::EnvelopeBuilder;
using testing::ShellTest;
using testing::ShownBox;
using testing::ShownDialog;
using testing::SmallFileSystem;

// Every file under root with its bytes, by path relative to root.
std::map<std::string, std::string> FilesWithBytes(const fs::path& root, const testing::TempDir& dirs) {
  std::map<std::string, std::string> files;
  for (const auto& entry : fs::recursive_directory_iterator(root)) {
    if (!entry.is_directory()) files[fs::relative(entry.path(), root).string()] = dirs.Read(entry.path());
  }
  return files;
}

// This user's record in the workspace.
std::string OwnRecord() { return RecordFileName(::geteuid()); }

std::vector<std::string> Names(const std::map<std::string, std::string>& files) {
  std::vector<std::string> names;
  for (const auto& [name, bytes] : files) names.push_back(name);
  return names;
}

// Another window's hold on the workspace's lock: a second lock in this
// process, or one taken by a child process until it is let go.
class OtherWindow {
 public:
  OtherWindow(const std::string& folder, bool inAnotherProcess) {
    if (!inAnotherProcess) {
      lock_ = CreateFileWorkspaceLock(folder);
      holds_ = lock_->TryTake() == WorkspaceLockResult::kTaken;
      return;
    }
    int ready[2];
    if (::pipe(ready) != 0 || ::pipe(go_) != 0) return;
    child_ = ::fork();
    if (child_ == 0) {
      ::close(go_[1]);
      const auto lock = CreateFileWorkspaceLock(folder);
      const char taken = lock->TryTake() == WorkspaceLockResult::kTaken ? 'y' : 'n';
      if (::write(ready[1], &taken, 1) != 1) ::_exit(1);
      char any = 0;
      while (::read(go_[0], &any, 1) > 0) {
      }  // until the test closes its end, or ends
      ::_exit(0);
    }
    ::close(ready[1]);
    ::close(go_[0]);
    char taken = 0;
    holds_ = child_ > 0 && ::read(ready[0], &taken, 1) == 1 && taken == 'y';
    ::close(ready[0]);
  }
  ~OtherWindow() { LetGo(); }
  OtherWindow(const OtherWindow&) = delete;
  OtherWindow& operator=(const OtherWindow&) = delete;

  bool holds() const { return holds_; }

  // The other window has finished: its lock is free when this returns.
  void LetGo() {
    lock_.reset();
    if (child_ > 0) {
      ::close(go_[1]);
      ::waitpid(child_, nullptr, 0);
      child_ = -1;
    }
    holds_ = false;
  }

 private:
  std::unique_ptr<WorkspaceLock> lock_;
  pid_t child_ = -1;
  int go_[2] = {-1, -1};
  bool holds_ = false;
};

class OneStepPerWorkspaceTest : public ShellTest {
 protected:
  std::string Workspace() const { return kestrovDir + "/"; }
  std::string XmlDir() const { return kestrovDir + "/XML/"; }
  std::string PixDir() const { return kestrovDir + "/Pix/"; }

  // What a window holding nothing is told by the lock right now.
  WorkspaceLockResult Probe() const { return CreateFileWorkspaceLock(Workspace())->TryTake(); }

  // An order and a photo in Kestrov's XML folder, picked in the Open dialog.
  void PickOrderAndPhoto() {
    EnvelopeBuilder builder;
    builder.Add("main.xml", "OADI/XML", "", "<ORDER>main</ORDER>");
    builder.Add("rear.jpg", "IMAGE/JPG", "SUBJECT REAR", "our rear photo");
    builder.Write(XmlDir() + "order.env");
    ui.AnswerDialog(XmlDir() + "order.env");
  }

  // The other window's step as it stands at its Save dialog.
  void LayTheOtherWindowsDocuments() {
    dirs.Write("kestrov/XML/theirs.xml", "<ORDER>theirs</ORDER>");
    dirs.Write("kestrov/Pix/front.jpg", "their front photo");
  }

  ShownBox HeldBox() const {
    return {"Error 70 in Open:\nAnother window is converting an envelope in " + Workspace() +
                ". Press Retry when it has finished.",
            MsgButtons::kRetryCancel, MsgIcon::kInformation, "Ombrel"};
  }
  std::string HeldLogLine() const {
    return "! Error 70 in Open [Ombrel]: Another window is converting an envelope in " +
           Workspace() + ". Press Retry when it has finished.";
  }

  // The step went on without the lock: it converted, showed nothing, logged
  // once why other windows were not kept out (what, the lock file's path,
  // then why), and left only the envelope.
  void ExpectConvertedWithoutTheLock(const std::string& what, const std::string& why) {
    EXPECT_TRUE(ui.boxes.empty());
    EXPECT_EQ(translations.size(), 1U);
    EXPECT_EQ(LogTexts(), (std::vector<std::string>{
                              "  ->", "* Other windows are not kept out of " + Workspace() +
                                          " during this step: " + what + Workspace() + "Ombrel.lock" +
                                          why}));
    EXPECT_EQ(Names(FilesWithBytes(kestrovDir, dirs)),
              (std::vector<std::string>{"Kestrov.exe", "XML/order.env"}));
  }
};

// A window alone takes the lock once its envelope is picked, holds it through
// the translation and lets go when the step ends; its user sees nothing of
// it but the lock file, which stays. A second step of the same window takes
// it again.
TEST_F(OneStepPerWorkspaceTest, AWindowAloneHoldsTheLockFromItsPickToItsEnd) {
  Main& main = StartedMain();
  std::vector<WorkspaceLockResult> atOpen, atTranslate;
  ui.onDialog = [&](ShownDialog::Kind kind) {
    if (kind == ShownDialog::kOpen) atOpen.push_back(Probe());
  };
  onTranslate = [&](const testing::ObservingEngine::Call&) { atTranslate.push_back(Probe()); };
  for (int step = 0; step < 2; ++step) {
    PickOrderAndPhoto();
    main.Open_Click();
  }

  using R = WorkspaceLockResult;
  EXPECT_EQ(atOpen, (std::vector<R>{R::kTaken, R::kTaken}));
  EXPECT_EQ(atTranslate, (std::vector<R>{R::kHeld, R::kHeld}));
  EXPECT_EQ(Probe(), R::kTaken);
  EXPECT_TRUE(ui.boxes.empty());
  EXPECT_EQ(translations.size(), 2U);
  EXPECT_EQ(LogTexts(), (std::vector<std::string>{"  ->"}));
  const auto files = FilesWithBytes(kestrovDir, dirs);
  EXPECT_EQ(Names(files), (std::vector<std::string>{"Kestrov.exe", OwnRecord(), "Ombrel.lock", "XML/order.env"}));
  EXPECT_EQ(files.at(OwnRecord()), "");
  EXPECT_EQ(files.at("Ombrel.lock"), "");
}

// An envelope in another order program's folder (its XML/) is unpacked
// there under that folder's lock as well, and the names given there are
// recorded beside that lock: that order program's own windows wait until
// the step ends, and their clean-up never takes this step's documents for
// a dead step's. Its photos, given in this workspace's Pix/, are recorded
// here.
TEST_F(OneStepPerWorkspaceTest, AnEnvelopeInAnotherOrderProgramsFolderIsUnpackedUnderItsLock) {
  Main& main = StartedMain();
  const std::string other = dirs.File("other") + "/";
  fs::create_directories(other + "XML");
  // That order program has run before: its lock file is there.
  ASSERT_EQ(CreateFileWorkspaceLock(other)->TryTake(), WorkspaceLockResult::kTaken);
  EnvelopeBuilder builder;
  builder.Add("main.xml", "OADI/XML", "", "<ORDER>main</ORDER>");
  builder.Add("rear.jpg", "IMAGE/JPG", "SUBJECT REAR", "our rear photo");
  builder.Write(other + "XML/order.env");
  ui.AnswerDialog(other + "XML/order.env");

  std::vector<WorkspaceLockResult> atTranslate;
  std::vector<RecordedFile> theirsAtTranslate, oursAtTranslate;
  onTranslate = [&](const testing::ObservingEngine::Call&) {
    atTranslate.push_back(CreateFileWorkspaceLock(other)->TryTake());
    theirsAtTranslate = DecodeRecord(dirs.Read("other/" + OwnRecord()));
    oursAtTranslate = DecodeRecord(dirs.Read("kestrov/" + OwnRecord()));
  };
  main.Open_Click();

  EXPECT_TRUE(ui.boxes.empty());
  EXPECT_EQ(translations.size(), 1U);
  EXPECT_EQ(atTranslate, std::vector<WorkspaceLockResult>{WorkspaceLockResult::kHeld});
  std::vector<std::string> theirs, ours;
  for (const RecordedFile& file : theirsAtTranslate) theirs.push_back(file.path);
  for (const RecordedFile& file : oursAtTranslate) ours.push_back(file.path);
  EXPECT_EQ(theirs.size(), 4U);  // each document under its entry's name and its own
  for (const std::string& path : theirs) EXPECT_EQ(path.rfind("XML/", 0), 0U) << path;
  EXPECT_EQ(ours, std::vector<std::string>{"Pix/rear.jpg"});
  EXPECT_EQ(dirs.Read("other/" + OwnRecord()), "");
  EXPECT_EQ(dirs.Read("kestrov/" + OwnRecord()), "");
  EXPECT_EQ(CreateFileWorkspaceLock(other)->TryTake(), WorkspaceLockResult::kTaken);
}

// Another window's lock keeps no one from the Open dialog: a window whose
// user cancels it is told nothing.
TEST_F(OneStepPerWorkspaceTest, AnotherWindowsLockLeavesTheOpenDialogAsItWas) {
  Main& main = StartedMain();
  OtherWindow other(Workspace(), false);
  ASSERT_TRUE(other.holds());
  ui.AnswerDialog(std::nullopt);
  main.Open_Click();
  EXPECT_EQ(ui.dialogs.size(), 1U);
  EXPECT_TRUE(ui.boxes.empty());
  EXPECT_EQ(LogTexts(), (std::vector<std::string>{"  ->"}));
}

// While another window holds the lock, each try shows the step's error box.
// The other window lets go while the box is shown for letGoAtBox (1 for the
// first; 0: never). Cancel leaves every file; Retry after the other has let
// go converts the envelope, leaving the other window's files.
struct HeldCase {
  const char* what;
  bool inAnotherProcess;
  std::vector<MsgResult> answers;
  std::size_t letGoAtBox;
  bool converts;
};
void PrintTo(const HeldCase& c, std::ostream* out) { *out << c.what; }

class HeldWorkspaceTest : public OneStepPerWorkspaceTest,
                          public ::testing::WithParamInterface<HeldCase> {};

INSTANTIATE_TEST_SUITE_P(
    OneStepPerWorkspaceTest, HeldWorkspaceTest,
    ::testing::Values(
        HeldCase{"Cancel", false, {MsgResult::kCancel}, 0, false},
        HeldCase{"Retry while it is held, then Cancel", true,
                 {MsgResult::kRetry, MsgResult::kCancel}, 0, false},
        HeldCase{"Retry once the other process has finished", true, {MsgResult::kRetry}, 1, true},
        HeldCase{"Retry, then Retry once the other window has finished", false,
                 {MsgResult::kRetry, MsgResult::kRetry}, 2, true}),
    [](const ::testing::TestParamInfo<HeldCase>& info) { return std::to_string(info.index); });

TEST_P(HeldWorkspaceTest, TheErrorBoxWaitsForTheOtherWindow) {
  const HeldCase& c = GetParam();
  SCOPED_TRACE(c.what);
  Main& main = StartedMain();
  OtherWindow other(Workspace(), c.inAnotherProcess);
  ASSERT_TRUE(other.holds());
  LayTheOtherWindowsDocuments();
  PickOrderAndPhoto();
  const auto before = FilesWithBytes(dirs.path(), dirs);
  for (MsgResult answer : c.answers) ui.AnswerBox(answer);
  ui.onBox = [&](const ShownBox&) {
    if (ui.boxes.size() == c.letGoAtBox) other.LetGo();
  };
  main.Open_Click();

  EXPECT_TRUE(ui.AllAnswersUsed());
  EXPECT_EQ(ui.boxes, std::vector<ShownBox>(c.answers.size(), HeldBox()));
  std::vector<std::string> log = {"  ->"};
  log.insert(log.end(), c.answers.size(), HeldLogLine());
  EXPECT_EQ(LogTexts(), log);
  if (c.converts) {
    ASSERT_EQ(translations.size(), 1U);
    EXPECT_EQ(translations[0].xmlFile, XmlDir() + "main.xml");
    EXPECT_EQ(Names(FilesWithBytes(kestrovDir, dirs)),
              (std::vector<std::string>{"Kestrov.exe", OwnRecord(), "Ombrel.lock", "Pix/front.jpg",
                                        "XML/order.env", "XML/theirs.xml"}));
    EXPECT_EQ(dirs.Read("kestrov/Pix/front.jpg"), "their front photo");
  } else {
    EXPECT_TRUE(translations.empty());
    auto after = FilesWithBytes(dirs.path(), dirs);
    after.erase("bin/Ombrel.LOG");
    auto expected = before;
    expected.erase("bin/Ombrel.LOG");
    EXPECT_EQ(after, expected);
  }
}

// Where no lock file can be had, a window converts as it would without the
// lock, and the log says other windows were not kept out.
TEST_F(OneStepPerWorkspaceTest, NoLockFileThereLetsTheStepGoOnAndIsLogged) {
  fs::create_directories(kestrovDir + "/Ombrel.lock");
  Main& main = StartedMain();
  PickOrderAndPhoto();
  main.Open_Click();
  ExpectConvertedWithoutTheLock("Cannot use ", " as the lock file: it is not a file");
}

// The order program's folder read-only, as it may be for a user who may only
// write its XML and Pix folders.
TEST_F(OneStepPerWorkspaceTest, AReadOnlyOrderProgramFolderStillConverts) {
  SmallFileSystem workspace(kestrovDir, 64 * 1024);
  if (!workspace.mounted()) GTEST_SKIP() << workspace.reason();
  for (const char* folder : {"Alias", "Pix", "XML"}) fs::create_directories(kestrovDir + "/" + folder);
  dirs.Write("kestrov/Kestrov.exe", "");
  SmallFileSystem xml(XmlDir(), 1024 * 1024);
  SmallFileSystem pix(PixDir(), 1024 * 1024);
  ASSERT_TRUE(xml.mounted() && pix.mounted());
  ASSERT_TRUE(workspace.MakeReadOnly());
  Main& main = StartedMain();
  PickOrderAndPhoto();
  main.Open_Click();
  ExpectConvertedWithoutTheLock("Cannot create or open ", ": Read-only file system");
}

// A lock that cannot be created is an error of the step like any other
// component's: shown under "Open", Cancel ends the step before the envelope
// is opened.
TEST_F(OneStepPerWorkspaceTest, ALockThatCannotBeCreatedIsShownAndCancelEndsTheStep) {
  const std::vector<std::pair<Creation, std::string>> cases = {
      {Creation::kGivesNothing, "Error 91 in Open:\nObject variable or With block variable not set"},
      {Creation::kRaises, "Error 429 in Open:\nActiveX component can't create object"},
  };
  Main& main = StartedMain();
  for (const auto& [creation, text] : cases) {
    SCOPED_TRACE(text);
    components.workspaceLockCreation = creation;
    ui.boxes.clear();
    PickOrderAndPhoto();
    ui.AnswerBox(MsgResult::kCancel);
    main.Open_Click();
    ASSERT_EQ(ui.boxes.size(), 1U);
    EXPECT_EQ(ui.boxes[0].text, text);
    EXPECT_EQ(ui.boxes[0].buttons, MsgButtons::kRetryCancel);
    EXPECT_TRUE(translations.empty());
    EXPECT_EQ(Names(FilesWithBytes(kestrovDir, dirs)),
              (std::vector<std::string>{"Kestrov.exe", "XML/order.env"}));
  }
}

}  // namespace
}  // namespace ombrel
