// A step's record beside the workspace's lock file: what a step that died
// had recorded is cleared by the next holder, exactly the names that still
// hold the recorded bytes, each only as far as the record's writer could;
// a step that finished leaves nothing to clear.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <string>
#include <vector>

#include "platform/errors/error.h"
#include "platform/workspace/record_file.h"
#include "platform/workspace/step_record.h"
#include "platform/workspace/workspace_lock.h"
#include "support/another_user.h"
#include "support/small_file_system.h"
#include "support/recorded_file.h"
#include "support/temp_dir.h"

namespace ombrel {
namespace {

namespace fs = std::filesystem;
using testing::AnotherUserResult;
using testing::kNobody;
using testing::RunAsAnotherUser;
using testing::SmallFileSystem;
using testing::Holding;
using testing::TempDir;

// Every file, folder and link under root, relative to it, sorted.
std::vector<std::string> Everything(const fs::path& root) {
  std::vector<std::string> names;
  for (const auto& entry : fs::recursive_directory_iterator(root)) {
    names.push_back(entry.path().lexically_relative(root).string());
  }
  std::sort(names.begin(), names.end());
  return names;
}

// This process's user's record file.
std::string OwnRecord() { return RecordFileName(::geteuid()); }

// A step that records files, then gives them their names (writes them, each
// with the bytes given), and dies before it forgets them: destroyed in this
// process, or killed in a child.
enum class Death { kLockDestroyed, kProcessKilled };

struct Given {
  std::string path;
  std::string bytes;
};

void RecordAndDie(const std::string& workspace, const std::vector<RecordedFile>& files,
                  const std::vector<Given>& given, Death death) {
  const auto step = [&] {
    auto lock = CreateFileWorkspaceLock(workspace);
    if (lock->TryTake() != WorkspaceLockResult::kTaken) return false;
    lock->Record(files);
    for (const Given& file : given) std::ofstream(file.path, std::ios::binary) << file.bytes;
    return true;
  };
  if (death == Death::kLockDestroyed) {
    ASSERT_TRUE(step());
    return;
  }
  const pid_t child = ::fork();
  if (child == 0) {
    if (!step()) ::_exit(1);
    ::raise(SIGKILL);
  }
  int status = 0;
  ASSERT_EQ(::waitpid(child, &status, 0), child);
  ASSERT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL);
}

// The next holder removes exactly the recorded names that hold the recorded
// bytes; it leaves a name holding other bytes or another size, a folder or a
// link under a recorded name (and the file the link points at), and every
// file the record does not name. The record is empty afterwards, and the
// log can name each file removed and the folders they were in.
TEST(WorkspaceRecordTest, TheNextHolderClearsExactlyWhatADeadStepRecorded) {
  for (const Death death : {Death::kLockDestroyed, Death::kProcessKilled}) {
    SCOPED_TRACE(death == Death::kLockDestroyed ? "lock destroyed" : "process killed");
    TempDir dir;
    const std::string w = dir.str();
    for (const char* folder : {"XML", "Pix", "Other"}) fs::create_directories(w + folder);
    dir.Write("target.jpg", "linked photo");
    dir.Write("Pix/unrecorded.jpg", "front photo");
    const std::vector<RecordedFile> recorded = {
        Holding(w + "XML/{GUID}.xml", "<ORDER/>"),
        Holding(w + "XML/order.xml", "<ORDER/>"),
        Holding(w + "Pix/front.jpg", "front photo"),
        Holding(w + "Pix/line\nbreak.jpg", "photo with a line break in its name"),
        Holding(w + "XML/empty.xml", ""),
        Holding(w + "Pix/other.jpg", "our photo!!"),  // as long as theirs
        Holding(w + "Pix/short.jpg", "short"),
        Holding(w + "XML/folder.xml", ""),
        Holding(w + "Pix/link.jpg", "linked photo"),
        Holding(w + "XML/missing.xml", "never named"),
        Holding(w + "XML/order.xml", "<ORDER/>"),  // recorded twice, as a document's two names may be
    };
    const std::vector<Given> given = {
        {w + "XML/order.xml", "<ORDER/>"},    {w + "XML/{GUID}.xml", "<ORDER/>"},
        {w + "Pix/front.jpg", "front photo"}, {w + "Pix/line\nbreak.jpg", "photo with a line break in its name"},
        {w + "XML/empty.xml", ""},            {w + "Pix/other.jpg", "their photo"},
        {w + "Pix/short.jpg", "shor"},
    };
    RecordAndDie(w, recorded, given, death);
    // What a user put under the step's names after the step recorded them.
    fs::create_directories(w + "XML/folder.xml");
    fs::create_symlink(w + "target.jpg", w + "Pix/link.jpg");
    EXPECT_NE(dir.Read(OwnRecord()), "");

    auto next = CreateFileWorkspaceLock(w);
    ASSERT_EQ(next->TryTake(), WorkspaceLockResult::kTaken);
    ASSERT_TRUE(next->Cleared().has_value());
    std::vector<std::string> removed = next->Cleared()->removed;
    std::sort(removed.begin(), removed.end());
    EXPECT_EQ(removed, (std::vector<std::string>{w + "Pix/front.jpg", w + "Pix/line\nbreak.jpg", w + "XML/empty.xml",
                                                 w + "XML/order.xml", w + "XML/{GUID}.xml"}));
    EXPECT_EQ(next->Cleared()->folders, (std::vector<std::string>{w + "Pix/", w + "XML/"}));
    EXPECT_EQ(next->Cleared()->left, 0U);
    EXPECT_EQ(next->Cleared()->failure, std::nullopt);
    EXPECT_TRUE(next->Cleared()->refused.empty());
    EXPECT_EQ(Everything(dir.path()),
              (std::vector<std::string>{OwnRecord(), "Ombrel.lock", "Other", "Pix", "Pix/link.jpg", "Pix/other.jpg",
                                        "Pix/short.jpg", "Pix/unrecorded.jpg", "XML", "XML/folder.xml",
                                        "target.jpg"}));
    EXPECT_EQ(dir.Read("Pix/other.jpg"), "their photo");
    EXPECT_EQ(dir.Read("target.jpg"), "linked photo");
    EXPECT_EQ(dir.Read(OwnRecord()), "");
    EXPECT_EQ(dir.Read(kWorkspaceLockFileName), "");
    next.reset();
    // Cleared once: the holder after that finds no record.
    auto third = CreateFileWorkspaceLock(w);
    ASSERT_EQ(third->TryTake(), WorkspaceLockResult::kTaken);
    EXPECT_EQ(third->Cleared(), std::nullopt);
  }
}

// A step records only names inside the workspace that are free when it
// records them: a name that holds a file already (a user's photo of the
// same bytes, say) is not the step's, so a later clearing never takes it.
// A name outside the workspace's folder, or reached through a link, is not
// recorded, and the step is told which folders those were.
TEST(WorkspaceRecordTest, OnlyFreeNamesInsideTheWorkspaceAreRecorded) {
  TempDir dir;
  const std::string w = dir.File("workspace") + "/";
  for (const char* folder : {"workspace/XML", "workspace/Pix", "elsewhere"}) fs::create_directories(dir.File(folder));
  fs::create_directory_symlink(dir.File("elsewhere"), w + "Linked");
  dir.Write("workspace/Pix/front.jpg", "front photo");
  auto lock = CreateFileWorkspaceLock(w);
  ASSERT_EQ(lock->TryTake(), WorkspaceLockResult::kTaken);
  const RecordNotes notes = lock->Record({
      Holding(w + "XML/order.xml", "<ORDER/>"),
      Holding(w + "Pix/front.jpg", "front photo"),
      Holding(w + "Linked/order.xml", "<ORDER/>"),
      Holding(dir.File("elsewhere/order.xml"), "<ORDER/>"),
      Holding(w + "XML/order.xml", "<ORDER/>"),
  });
  EXPECT_EQ(notes.outside, (std::vector<std::string>{dir.File("elsewhere/"), w + "Linked/"}));
  EXPECT_EQ(DecodeRecord(dir.Read("workspace/" + OwnRecord())),
            std::vector<RecordedFile>{Holding("XML/order.xml", "<ORDER/>")});
}

// A kill while the record is written leaves a torn last entry: it is no
// entry, and every whole one before it is read. A file holding no record
// at all gives none.
TEST(WorkspaceRecordTest, ATornLastEntryIsIgnored) {
  const RecordedFile first = Holding("XML/order.xml", "<ORDER/>");
  const RecordedFile second = Holding("Pix/12:34 5.jpg", "photo");
  const std::string whole = EncodeRecord({first, second});
  EXPECT_EQ(DecodeRecord(whole), (std::vector<RecordedFile>{first, second}));
  const std::string firstBytes = EncodeRecord({first});
  const std::string secondBytes = EncodeRecord({second});
  for (std::size_t cut = 0; cut < secondBytes.size(); ++cut) {
    SCOPED_TRACE(cut);
    EXPECT_EQ(DecodeRecord(firstBytes + secondBytes.substr(0, cut)), std::vector<RecordedFile>{first});
  }
  for (const std::string junk : {"a user's note", "0:\n", "-5:/a 1 00000000\n", "4:/a/b 1 0000000g\n"}) {
    SCOPED_TRACE(junk);
    EXPECT_TRUE(DecodeRecord(junk).empty());
  }

  // And through the lock: the torn tail is dropped with the rest.
  TempDir dir;
  RecordAndDie(dir.str(), {Holding(dir.File("order.xml"), "<ORDER/>")}, {{dir.File("order.xml"), "<ORDER/>"}},
               Death::kLockDestroyed);
  const std::string torn = EncodeRecord({Holding("torn.xml", "x")});
  {
    std::ofstream record(dir.File(OwnRecord()), std::ios::binary | std::ios::app);
    record << torn.substr(0, torn.size() - 3);
  }
  dir.Write("torn.xml", "x");
  auto next = CreateFileWorkspaceLock(dir.str());
  ASSERT_EQ(next->TryTake(), WorkspaceLockResult::kTaken);
  ASSERT_TRUE(next->Cleared().has_value());
  EXPECT_EQ(next->Cleared()->removed, std::vector<std::string>{dir.File("order.xml")});
  EXPECT_EQ(Everything(dir.path()), (std::vector<std::string>{OwnRecord(), "Ombrel.lock", "torn.xml"}));
  EXPECT_EQ(dir.Read(OwnRecord()), "");
}

// A step that finishes forgets its record: the next holder finds nothing,
// and a file that has the recorded bytes again (a user's copy) stays.
TEST(WorkspaceRecordTest, AFinishedStepLeavesNothingToClear) {
  TempDir dir;
  {
    auto lock = CreateFileWorkspaceLock(dir.str());
    ASSERT_EQ(lock->TryTake(), WorkspaceLockResult::kTaken);
    lock->Record({Holding(dir.File("front.jpg"), "front photo")});
    lock->Record({Holding(dir.File("rear.jpg"), "rear photo")});
    EXPECT_EQ(DecodeRecord(dir.Read(OwnRecord())).size(), 2U);
    dir.Write("front.jpg", "front photo");
    lock->Forget();
    EXPECT_EQ(dir.Read(OwnRecord()), "");
  }
  auto next = CreateFileWorkspaceLock(dir.str());
  ASSERT_EQ(next->TryTake(), WorkspaceLockResult::kTaken);
  EXPECT_EQ(next->Cleared(), std::nullopt);
  EXPECT_EQ(dir.Read("front.jpg"), "front photo");
}

// A step clears, in each folder it records names in, what it left without
// a name of its own: when it starts, a killed run's; when it finishes, its
// own pending folder, which a FUSE mount can keep a moment after close. A
// folder the step recorded nothing in is not its business.
TEST(WorkspaceRecordTest, AStepClearsItsOwnLeftoversInTheFoldersItRecorded) {
  TempDir dir;
  fs::create_directories(dir.path() / "XML" / ".ombrel-AbC123");
  fs::create_directories(dir.path() / "Other" / ".ombrel-DeF456");
  auto lock = CreateFileWorkspaceLock(dir.str());
  ASSERT_EQ(lock->TryTake(), WorkspaceLockResult::kTaken);
  lock->Record({Holding(dir.File("XML/order.xml"), "order")});
  EXPECT_FALSE(fs::exists(dir.path() / "XML" / ".ombrel-AbC123"));
  fs::create_directories(dir.path() / "XML" / ".ombrel-GhI789");
  lock->Forget();
  EXPECT_FALSE(fs::exists(dir.path() / "XML" / ".ombrel-GhI789"));
  EXPECT_TRUE(fs::exists(dir.path() / "Other" / ".ombrel-DeF456"));
  EXPECT_EQ(dir.Read(OwnRecord()), "");
}

// A recorded name that holds the recorded bytes but cannot be removed (a
// read-only file system) stays recorded, past a later step that finishes,
// so each holder tries it again; the log can say why.
TEST(WorkspaceRecordTest, WhatCannotBeRemovedStaysRecorded) {
  TempDir dir;
  fs::create_directories(dir.File("Pix"));
  SmallFileSystem pix(dir.File("Pix"), 64 * 1024);
  if (!pix.mounted()) GTEST_SKIP() << pix.reason();
  const RecordedFile photo = Holding(dir.File("Pix/front.jpg"), "front photo");
  RecordAndDie(dir.str(), {photo, Holding(dir.File("order.xml"), "<ORDER/>")},
               {{dir.File("Pix/front.jpg"), "front photo"}, {dir.File("order.xml"), "<ORDER/>"}},
               Death::kLockDestroyed);
  ASSERT_TRUE(pix.MakeReadOnly());

  for (int holder = 0; holder < 2; ++holder) {
    SCOPED_TRACE(holder);
    auto lock = CreateFileWorkspaceLock(dir.str());
    ASSERT_EQ(lock->TryTake(), WorkspaceLockResult::kTaken);
    ASSERT_TRUE(lock->Cleared().has_value());
    EXPECT_EQ(lock->Cleared()->removed.size(), holder == 0 ? 1U : 0U);
    EXPECT_EQ(lock->Cleared()->left, 1U);
    ASSERT_TRUE(lock->Cleared()->failure.has_value());
    EXPECT_EQ(lock->Cleared()->failure->description(),
              "Cannot delete " + dir.File("Pix/front.jpg") + ": Read-only file system");
    // This holder's own step finishes: what it recorded goes, the rest stays.
    lock->Record({Holding(dir.File("report.tmp"), "x")});
    lock->Forget();
    EXPECT_EQ(DecodeRecord(dir.Read(OwnRecord())), std::vector<RecordedFile>{Holding("Pix/front.jpg", "front photo")});
  }
  EXPECT_EQ(dir.Read("Pix/front.jpg"), "front photo");
}

// A record that cannot be written raises the error that says why, and
// leaves the record as it was: nothing of it to hide what comes after.
TEST(WorkspaceRecordTest, ARecordThatCannotBeWrittenRaisesAndLeavesTheRecord) {
  TempDir dir;
  const std::string w = dir.File("workspace");
  fs::create_directories(w);
  SmallFileSystem disk(w, 64 * 1024);
  if (!disk.mounted()) GTEST_SKIP() << disk.reason();
  auto lock = CreateFileWorkspaceLock(w + "/");
  ASSERT_EQ(lock->TryTake(), WorkspaceLockResult::kTaken);
  lock->Record({Holding(w + "/order.xml", "<ORDER/>")});
  dir.Write("workspace/fill", std::string(disk.FreeBytes(), 'f'));
  std::vector<RecordedFile> many;
  for (int i = 0; i < 2000; ++i) many.push_back(Holding(w + "/" + std::string(100, 'p') + std::to_string(i), "x"));
  try {
    lock->Record(many);
    ADD_FAILURE() << "a record written to a full disk";
  } catch (const Error& error) {
    EXPECT_EQ(error.description(), "Cannot write " + w + "/" + OwnRecord() + ": No space left on device");
  }
  EXPECT_EQ(dir.Read("workspace/" + OwnRecord()), EncodeRecord({Holding("order.xml", "<ORDER/>")}));
}

mode_t ModeOf(const std::string& path) {
  struct stat status {};
  return ::lstat(path.c_str(), &status) == 0 ? status.st_mode & 07777 : 0;
}

// The lock file takes the folder's read and write bits whatever the umask,
// so every user who may write the folder may lock it. One that exists keeps
// its bits: only a file this process has just made has its bits set.
TEST(WorkspaceRecordTest, TheLockFileTakesTheFoldersPermissions) {
  const mode_t umask = ::umask(022);
  struct Case {
    mode_t folder;
    bool existing;  // made before with 0644
    mode_t file;
  };
  for (const Case& c : {Case{0777, false, 0666}, Case{01777, false, 0666}, Case{0750, false, 0640},
                        Case{0755, false, 0644}, Case{0777, true, 0644}}) {
    SCOPED_TRACE(std::to_string(c.folder) + (c.existing ? " existing" : ""));
    TempDir dir;
    const std::string w = dir.File("workspace");
    fs::create_directories(w);
    ASSERT_EQ(::chmod(w.c_str(), c.folder), 0);
    if (c.existing) {
      dir.Write("workspace/Ombrel.lock", "");
      ASSERT_EQ(::chmod((w + "/Ombrel.lock").c_str(), 0644), 0);
    }
    ASSERT_EQ(CreateFileWorkspaceLock(w + "/")->TryTake(), WorkspaceLockResult::kTaken);
    EXPECT_EQ(ModeOf(w + "/Ombrel.lock"), c.file);
    // A user's record is theirs alone to write.
    EXPECT_EQ(ModeOf(w + "/" + OwnRecord()) & 0022, 0U);
  }
  ::umask(umask);
}

// What a process of another user (nobody) is told by the lock, and whether
// it may then record; 'y' taken and recorded, 'h' held, 's' the folder is
// not that user's to write (the test is skipped), else a failure.
char TryAsNobody(const std::string& workspace) {
  for (const char expected : {'y', 'h', 's'}) {
    const AnotherUserResult result = RunAsAnotherUser([&] {
      if (::access(workspace.c_str(), W_OK | X_OK) != 0) return expected == 's';
      auto lock = CreateFileWorkspaceLock(workspace);
      switch (lock->TryTake()) {
        case WorkspaceLockResult::kHeld: return expected == 'h';
        case WorkspaceLockResult::kUnavailable: return false;
        case WorkspaceLockResult::kTaken: break;
      }
      try {
        lock->Record({Holding(workspace + "nobody.jpg", "x")});
      } catch (...) {
        return false;
      }
      return expected == 'y';
    });
    if (result == AnotherUserResult::kCannotBecome) return 's';
    if (result == AnotherUserResult::kDone) return expected;
  }
  return '?';
}

// A second user on a workspace both may write is kept out while the first
// holds it, and takes it once the first has let go, recording in a record
// of its own.
TEST(WorkspaceRecordTest, ASecondUserWhoMayWriteTheFolderTakesTheLock) {
  if (::geteuid() != 0) GTEST_SKIP() << "needs root, to run a part of the test as another user";
  const mode_t umask = ::umask(022);
  for (const mode_t mode : {mode_t{0777}, mode_t{01777}}) {
    SCOPED_TRACE(mode);
    TempDir dir;
    ASSERT_EQ(::chmod(dir.path().c_str(), 0755), 0);
    const std::string w = dir.File("workspace") + "/";
    fs::create_directories(w);
    ASSERT_EQ(::chmod(w.c_str(), mode), 0);
    {
      auto first = CreateFileWorkspaceLock(w);
      ASSERT_EQ(first->TryTake(), WorkspaceLockResult::kTaken);
      const char held = TryAsNobody(w);
      if (held == 's') GTEST_SKIP() << "the user nobody cannot reach " << w;
      EXPECT_EQ(held, 'h');
    }
    EXPECT_EQ(TryAsNobody(w), 'y');
    EXPECT_EQ(DecodeRecord(dir.Read("workspace/" + RecordFileName(kNobody))),
              std::vector<RecordedFile>{Holding("nobody.jpg", "x")});
    EXPECT_EQ(dir.Read("workspace/Ombrel.lock"), "");
  }
  ::umask(umask);
}

}  // namespace
}  // namespace ombrel
