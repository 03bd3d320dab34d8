// The step's record in the workspace's lock file: what a step that died had
// recorded is cleared by the next holder, exactly the names that still hold
// the recorded bytes; a step that finished leaves nothing to clear.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#include <zlib.h>

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "platform/errors/error.h"
#include "platform/workspace/step_record.h"
#include "platform/workspace/workspace_lock.h"
#include "support/small_file_system.h"
#include "support/temp_dir.h"

namespace ombrel {
namespace {

namespace fs = std::filesystem;
using testing::SmallFileSystem;
using testing::TempDir;

// What a step records of a file that will hold bytes.
RecordedFile Holding(const std::string& path, const std::string& bytes) {
  const auto crc = crc32(crc32(0L, Z_NULL, 0), reinterpret_cast<const Bytef*>(bytes.data()),
                         static_cast<uInt>(bytes.size()));
  return {path, bytes.size(), static_cast<uint32_t>(crc)};
}

// Every file, folder and link under root, relative to it, sorted.
std::vector<std::string> Everything(const fs::path& root) {
  std::vector<std::string> names;
  for (const auto& entry : fs::recursive_directory_iterator(root)) {
    names.push_back(entry.path().lexically_relative(root).string());
  }
  std::sort(names.begin(), names.end());
  return names;
}

// A step that records files and dies before it forgets them: destroyed in
// this process, or killed in a child.
enum class Death { kLockDestroyed, kProcessKilled };

void RecordAndDie(const std::string& workspace, const std::vector<RecordedFile>& files, Death death) {
  if (death == Death::kLockDestroyed) {
    auto lock = CreateFileWorkspaceLock(workspace);
    ASSERT_EQ(lock->TryTake(), WorkspaceLockResult::kTaken);
    lock->Record(files);
    return;
  }
  const pid_t child = ::fork();
  if (child == 0) {
    auto lock = CreateFileWorkspaceLock(workspace);
    if (lock->TryTake() != WorkspaceLockResult::kTaken) ::_exit(1);
    lock->Record(files);
    ::raise(SIGKILL);
  }
  int status = 0;
  ASSERT_EQ(::waitpid(child, &status, 0), child);
  ASSERT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL);
}

std::string LockFileBytes(const TempDir& dir) { return dir.Read(kWorkspaceLockFileName); }

// The next holder removes exactly the recorded names that hold the recorded
// bytes, and the stale temporaries of the folders the record names; it
// leaves a name holding other bytes or another size, a folder or a link
// under a recorded name (and the file the link points at), and every file
// the record does not name. The record is empty afterwards.
TEST(WorkspaceRecordTest, TheNextHolderClearsExactlyWhatADeadStepRecorded) {
  for (const Death death : {Death::kLockDestroyed, Death::kProcessKilled}) {
    SCOPED_TRACE(death == Death::kLockDestroyed ? "lock destroyed" : "process killed");
    TempDir dir;
    const std::string w = dir.str();
    for (const char* folder : {"XML", "Pix", "Other"}) fs::create_directories(w + folder);
    dir.Write("XML/order.xml", "<ORDER/>");
    dir.Write("XML/{GUID}.xml", "<ORDER/>");
    dir.Write("Pix/front.jpg", "front photo");
    dir.Write("Pix/line\nbreak.jpg", "photo with a line break in its name");
    dir.Write("XML/empty.xml", "");
    dir.Write("Pix/other.jpg", "their photo");
    dir.Write("Pix/short.jpg", "shor");
    fs::create_directories(w + "XML/folder.xml");
    dir.Write("target.jpg", "linked photo");
    fs::create_symlink(w + "target.jpg", w + "Pix/link.jpg");
    dir.Write("Pix/unrecorded.jpg", "front photo");
    dir.Write("XML/.ombrel-Stale1", "half a document");
    dir.Write("Other/.ombrel-Stale2", "someone else's");
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
    RecordAndDie(w, recorded, death);
    EXPECT_NE(LockFileBytes(dir), "");

    auto next = CreateFileWorkspaceLock(w);
    ASSERT_EQ(next->TryTake(), WorkspaceLockResult::kTaken);
    ASSERT_TRUE(next->Cleared().has_value());
    EXPECT_EQ(next->Cleared()->removed, 5U);
    EXPECT_TRUE(next->Cleared()->left.empty());
    EXPECT_EQ(next->Cleared()->failure, std::nullopt);
    EXPECT_EQ(Everything(dir.path()),
              (std::vector<std::string>{"Ombrel.lock", "Other", "Other/.ombrel-Stale2", "Pix", "Pix/link.jpg",
                                        "Pix/other.jpg", "Pix/short.jpg", "Pix/unrecorded.jpg", "XML",
                                        "XML/folder.xml", "target.jpg"}));
    EXPECT_EQ(dir.Read("Pix/other.jpg"), "their photo");
    EXPECT_EQ(dir.Read("target.jpg"), "linked photo");
    EXPECT_EQ(LockFileBytes(dir), "");
    next.reset();
    // Cleared once: the holder after that finds no record.
    auto third = CreateFileWorkspaceLock(w);
    ASSERT_EQ(third->TryTake(), WorkspaceLockResult::kTaken);
    EXPECT_EQ(third->Cleared(), std::nullopt);
  }
}

// A kill while the record is written leaves a torn last entry: it is no
// entry, and every whole one before it is read. A file holding no record
// at all gives none.
TEST(WorkspaceRecordTest, ATornLastEntryIsIgnored) {
  const RecordedFile first = Holding("/w/XML/order.xml", "<ORDER/>");
  const RecordedFile second = Holding("/w/Pix/12:34 5.jpg", "photo");
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
  dir.Write("order.xml", "<ORDER/>");
  RecordAndDie(dir.str(), {Holding(dir.File("order.xml"), "<ORDER/>")}, Death::kLockDestroyed);
  const std::string torn = EncodeRecord({Holding(dir.File("torn.xml"), "x")});
  dir.Write(kWorkspaceLockFileName, LockFileBytes(dir) + torn.substr(0, torn.size() - 3));
  dir.Write("torn.xml", "x");
  auto next = CreateFileWorkspaceLock(dir.str());
  ASSERT_EQ(next->TryTake(), WorkspaceLockResult::kTaken);
  ASSERT_TRUE(next->Cleared().has_value());
  EXPECT_EQ(next->Cleared()->removed, 1U);
  EXPECT_EQ(Everything(dir.path()), (std::vector<std::string>{"Ombrel.lock", "torn.xml"}));
  EXPECT_EQ(LockFileBytes(dir), "");
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
    EXPECT_EQ(DecodeRecord(LockFileBytes(dir)).size(), 2U);
    dir.Write("front.jpg", "front photo");
    lock->Forget();
    EXPECT_EQ(LockFileBytes(dir), "");
  }
  auto next = CreateFileWorkspaceLock(dir.str());
  ASSERT_EQ(next->TryTake(), WorkspaceLockResult::kTaken);
  EXPECT_EQ(next->Cleared(), std::nullopt);
  EXPECT_EQ(dir.Read("front.jpg"), "front photo");
}

// A step that finishes also clears, in each folder it recorded names in,
// what it left without a name of its own: a FUSE mount lets go of a closed
// file only after close returns, so the step's pending folder can stay
// behind, held by its lock file's hidden copy, until a moment later. A
// folder the step recorded nothing in is not its business.
TEST(WorkspaceRecordTest, AFinishedStepClearsItsOwnLeftoversInTheFoldersItRecorded) {
  TempDir dir;
  fs::create_directories(dir.path() / "XML" / ".ombrel-AbC123");
  fs::create_directories(dir.path() / "Other" / ".ombrel-DeF456");
  auto lock = CreateFileWorkspaceLock(dir.str());
  ASSERT_EQ(lock->TryTake(), WorkspaceLockResult::kTaken);
  lock->Record({Holding(dir.File("XML/order.xml"), "order")});
  EXPECT_TRUE(fs::exists(dir.path() / "XML" / ".ombrel-AbC123"));
  lock->Forget();
  EXPECT_FALSE(fs::exists(dir.path() / "XML" / ".ombrel-AbC123"));
  EXPECT_TRUE(fs::exists(dir.path() / "Other" / ".ombrel-DeF456"));
  EXPECT_EQ(LockFileBytes(dir), "");
}

// A recorded name that holds the recorded bytes but cannot be removed (a
// read-only file system) stays recorded, past a later step that finishes,
// so each holder tries it again; the log can say why.
TEST(WorkspaceRecordTest, WhatCannotBeRemovedStaysRecorded) {
  TempDir dir;
  fs::create_directories(dir.File("Pix"));
  SmallFileSystem pix(dir.File("Pix"), 64 * 1024);
  if (!pix.mounted()) GTEST_SKIP() << pix.reason();
  dir.Write("Pix/front.jpg", "front photo");
  dir.Write("order.xml", "<ORDER/>");
  const RecordedFile photo = Holding(dir.File("Pix/front.jpg"), "front photo");
  RecordAndDie(dir.str(), {photo, Holding(dir.File("order.xml"), "<ORDER/>")}, Death::kLockDestroyed);
  ASSERT_TRUE(pix.MakeReadOnly());

  for (int holder = 0; holder < 2; ++holder) {
    SCOPED_TRACE(holder);
    auto lock = CreateFileWorkspaceLock(dir.str());
    ASSERT_EQ(lock->TryTake(), WorkspaceLockResult::kTaken);
    ASSERT_TRUE(lock->Cleared().has_value());
    EXPECT_EQ(lock->Cleared()->removed, holder == 0 ? 1U : 0U);
    EXPECT_EQ(lock->Cleared()->left, std::vector<RecordedFile>{photo});
    ASSERT_TRUE(lock->Cleared()->failure.has_value());
    EXPECT_EQ(lock->Cleared()->failure->description(),
              "Cannot delete " + dir.File("Pix/front.jpg") + ": Read-only file system");
    // This holder's own step finishes: what it recorded goes, the rest stays.
    lock->Record({Holding(dir.File("report.tmp"), "x")});
    lock->Forget();
    EXPECT_EQ(DecodeRecord(LockFileBytes(dir)), std::vector<RecordedFile>{photo});
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
  const RecordedFile first = Holding(w + "/order.xml", "<ORDER/>");
  lock->Record({first});
  dir.Write("workspace/fill", std::string(disk.FreeBytes(), 'f'));
  std::vector<RecordedFile> many;
  for (int i = 0; i < 2000; ++i) many.push_back(Holding(w + "/" + std::string(100, 'p') + std::to_string(i), "x"));
  try {
    lock->Record(many);
    ADD_FAILURE() << "a record written to a full disk";
  } catch (const Error& error) {
    EXPECT_EQ(error.description(), "Cannot write " + w + "/Ombrel.lock: No space left on device");
  }
  EXPECT_EQ(DecodeRecord(dir.Read("workspace/Ombrel.lock")), std::vector<RecordedFile>{first});
  EXPECT_EQ(dir.Read("workspace/Ombrel.lock"), EncodeRecord({first}));
}

mode_t ModeOf(const std::string& path) {
  struct stat status {};
  return ::stat(path.c_str(), &status) == 0 ? status.st_mode & 07777 : 0;
}

// The lock file takes the folder's read and write bits whatever the umask,
// so every user who may write the folder may lock it; one found there (an
// earlier version made it with the umask's bits) is used as it is, since
// widening a found file would widen whatever file a hard link there names.
TEST(WorkspaceRecordTest, TheLockFileTakesTheFoldersPermissions) {
  const mode_t umask = ::umask(022);
  struct Case {
    mode_t folder;
    bool existing;  // made before with 0644, and never widened
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
  }
  ::umask(umask);
}

// What a process of another user (nobody) is told by the lock, and whether
// it may then record; 'y' taken and recorded, 'h' held, 's' the folder is
// not that user's to write (the test is skipped), else a failure.
char TryAsNobody(const std::string& workspace) {
  const pid_t child = ::fork();
  if (child == 0) {
    if (::setgid(65534) != 0 || ::setuid(65534) != 0) ::_exit('s');
    if (::access(workspace.c_str(), W_OK | X_OK) != 0) ::_exit('s');
    auto lock = CreateFileWorkspaceLock(workspace);
    switch (lock->TryTake()) {
      case WorkspaceLockResult::kHeld: ::_exit('h');
      case WorkspaceLockResult::kUnavailable: ::_exit('u');
      case WorkspaceLockResult::kTaken: break;
    }
    try {
      lock->Record({Holding(workspace + "nobody.jpg", "x")});
    } catch (...) {
      ::_exit('r');
    }
    ::_exit('y');
  }
  int status = 0;
  ::waitpid(child, &status, 0);
  return WIFEXITED(status) ? static_cast<char>(WEXITSTATUS(status)) : '?';
}

// A second user on a workspace both may write is kept out while the first
// holds it, and takes it, record and all, once the first has let go.
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
    EXPECT_EQ(DecodeRecord(dir.Read("workspace/Ombrel.lock")),
              std::vector<RecordedFile>{Holding(w + "nobody.jpg", "x")});
  }
  ::umask(umask);
}

}  // namespace
}  // namespace ombrel
