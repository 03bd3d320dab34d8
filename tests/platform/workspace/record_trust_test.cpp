// A record is input like an envelope: whoever could write it chose what it
// says. These tests play a second user of a shared workspace (nobody) and
// root's window after it: planted records, planted entries, links and hard
// links. Nothing a record says removes, empties or re-permissions a file its
// writer could not have changed itself.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <functional>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "platform/errors/error.h"
#include "platform/workspace/record_file.h"
#include "platform/workspace/step_record.h"
#include "platform/workspace/workspace_lock.h"
#include "support/another_user.h"
#include "support/recorded_file.h"
#include "support/temp_dir.h"

namespace ombrel {
namespace {

namespace fs = std::filesystem;
using testing::kNobody;
using testing::Holding;
using testing::TempDir;

struct Status {
  uid_t owner;
  mode_t mode;
  std::string bytes;
  bool operator==(const Status&) const = default;
};

Status StatusOf(const std::string& path) {
  struct stat status {};
  if (::lstat(path.c_str(), &status) != 0) return {0, 0, "(missing)"};
  std::ifstream in(path, std::ios::binary);
  return {status.st_uid, status.st_mode & 07777, std::string(std::istreambuf_iterator<char>(in), {})};
}

// A file with bytes, owned by owner, with mode.
std::string Plant(const TempDir& dir, const std::string& name, const std::string& bytes, uid_t owner,
                  mode_t mode = 0644) {
  const std::string path = dir.Write(name, bytes);
  EXPECT_EQ(::chown(path.c_str(), owner, owner), 0);
  EXPECT_EQ(::chmod(path.c_str(), mode), 0);
  return path;
}

// A record file of files, as the user it is named for would leave it.
void PlantRecord(const TempDir& dir, uid_t user, const std::vector<RecordedFile>& files, uid_t owner,
                 mode_t mode = 0644) {
  Plant(dir, RecordFileName(user), EncodeRecord(files), owner, mode);
}

class RecordTrustTest : public ::testing::Test {
 protected:
  void SetUp() override {
    if (::geteuid() != 0) GTEST_SKIP() << "needs root, to own files as another user";
    ASSERT_EQ(::chmod(dir.path().c_str(), 0777), 0);
    for (const char* folder : {"XML", "Pix", "Mine", "Elsewhere"}) fs::create_directories(dir.File(folder));
    ASSERT_EQ(::chmod(dir.File("XML").c_str(), 0777), 0);
    ASSERT_EQ(::chmod(dir.File("Pix").c_str(), 01777), 0);
    // A folder of root's that nobody may not write.
    ASSERT_EQ(::chmod(dir.File("Mine").c_str(), 0755), 0);
  }

  const ClearedStep& Take() {
    lock = CreateFileWorkspaceLock(dir.str());
    EXPECT_EQ(lock->TryTake(), WorkspaceLockResult::kTaken);
    cleared = lock->Cleared().value_or(ClearedStep{});
    return cleared;
  }

  TempDir dir;
  std::unique_ptr<WorkspaceLock> lock;
  ClearedStep cleared;
};

// Another user's record removes only that user's files, and only where that
// user could have removed them: never root's files (of the recorded bytes,
// or empty), never a file of theirs in a folder they may not write; what of
// theirs stays is told, so no report takes it.
TEST_F(RecordTrustTest, AnotherUsersRecordRemovesOnlyWhatThatUserCould) {
  const std::string roots = Plant(dir, "XML/roots.xml", "root's order", 0);
  const std::string rootsEmpty = Plant(dir, "XML/empty.xml", "", 0);
  const std::string theirs = Plant(dir, "XML/theirs.xml", "their order", kNobody);
  const std::string theirsInMine = Plant(dir, "Mine/theirs.jpg", "their photo", kNobody);
  const std::string theirsInPix = Plant(dir, "Pix/front.jpg", "their front photo", kNobody);
  const std::string theirsLinked = Plant(dir, "Elsewhere/linked.xml", "their linked order", kNobody);
  fs::create_directory_symlink(dir.File("Elsewhere"), dir.File("Linked"));
  PlantRecord(dir, kNobody,
              {Holding("XML/roots.xml", "root's order"), Holding("XML/empty.xml", ""),
               Holding("XML/theirs.xml", "their order"), Holding("Mine/theirs.jpg", "their photo"),
               Holding("Pix/front.jpg", "their front photo"), Holding("Linked/linked.xml", "their linked order")},
              kNobody);
  const Status rootsBefore = StatusOf(roots);

  const ClearedStep& step = Take();
  EXPECT_EQ(step.removed, (std::vector<std::string>{theirsInPix, theirs}));
  EXPECT_FALSE(fs::exists(theirs));
  EXPECT_EQ(StatusOf(roots), rootsBefore);
  EXPECT_TRUE(fs::exists(rootsEmpty));
  EXPECT_TRUE(fs::exists(theirsInMine));
  EXPECT_TRUE(fs::exists(theirsLinked));
  // Root may remove anything from the sticky Pix/, and nobody their own.
  EXPECT_FALSE(fs::exists(theirsInPix));
  EXPECT_TRUE(step.refused.empty());
  EXPECT_EQ(step.othersLeft, (std::vector<std::string>{dir.File("Linked/linked.xml"), theirsInMine}));
  // Another user's record is never changed.
  EXPECT_EQ(StatusOf(dir.File(RecordFileName(kNobody))).bytes,
            EncodeRecord({Holding("XML/roots.xml", "root's order"), Holding("XML/empty.xml", ""),
                          Holding("XML/theirs.xml", "their order"), Holding("Mine/theirs.jpg", "their photo"),
                          Holding("Pix/front.jpg", "their front photo"),
                          Holding("Linked/linked.xml", "their linked order")}));
}

// What another user's dead step left and this window could not remove (a
// sticky picture folder, a window that is not root's) is named for the
// report's photo lookup to pass over.
TEST_F(RecordTrustTest, WhatAnotherUsersStepLeftThatStaysIsTold) {
  Plant(dir, "Pix/front.jpg", "their front photo", 0);
  PlantRecord(dir, 0, {Holding("Pix/front.jpg", "their front photo")}, 0);
  ASSERT_EQ(::chmod(dir.File(RecordFileName(0)).c_str(), 0644), 0);
  std::vector<std::string> othersLeft;
  const auto result = testing::RunAsAnotherUser([&] {
    auto nobodys = CreateFileWorkspaceLock(dir.str());
    if (nobodys->TryTake() != WorkspaceLockResult::kTaken || !nobodys->Cleared()) return false;
    return nobodys->Cleared()->othersLeft == std::vector<std::string>{dir.File("Pix/front.jpg")} &&
           nobodys->Cleared()->removed.empty();
  });
  EXPECT_EQ(result, testing::AnotherUserResult::kDone);
  EXPECT_EQ(StatusOf(dir.File("Pix/front.jpg")).bytes, "their front photo");
}

// This user's own record binds only places inside the workspace, by plain
// names, in folders reached without links, and only files of this user's:
// an entry with "..", ".", an empty part or an absolute path is not read,
// and a file another user put under a recorded name stays.
TEST_F(RecordTrustTest, AnEntryReachesOnlyThisUsersFilesInsideTheWorkspace) {
  const std::string outside = Plant(dir, "../outside-" + dir.path().filename().string(), "kept", 0);
  const std::string linked = Plant(dir, "Elsewhere/linked.xml", "linked", 0);
  fs::create_directory_symlink(dir.File("Elsewhere"), dir.File("Linked"));
  const std::string same = Plant(dir, "XML/same.xml", "spelt", 0);
  const std::string theirs = Plant(dir, "XML/theirs.xml", "their bytes", kNobody);
  PlantRecord(dir, 0,
              {Holding(outside, "kept"), Holding("../" + fs::path(outside).filename().string(), "kept"),
               Holding("Linked/linked.xml", "linked"), Holding("XML/./same.xml", "spelt"),
               Holding("XML//same.xml", "spelt"), Holding("./XML/same.xml", "spelt"),
               Holding("XML/theirs.xml", "their bytes")},
              0);
  const ClearedStep& step = Take();
  EXPECT_TRUE(step.removed.empty());
  EXPECT_EQ(step.refused, std::vector<std::string>{dir.File(RecordFileName(0)) +
                                                   ": 5 of its entries name no place inside the workspace"});
  for (const std::string& path : {outside, linked, same, theirs}) EXPECT_TRUE(fs::exists(path)) << path;
  fs::remove(outside);
}

// A record is read only when it is a regular file with one link, owned by
// the user its name gives, that no one else may write; anything else is
// neither read nor changed (a hard link to a user's file keeps its bytes and
// mode), and the log is told why. The user's own steps then go unrecorded.
TEST_F(RecordTrustTest, ARecordThatIsNotItsWritersAloneIsNotReadNorChanged) {
  const std::string victim = Plant(dir, "Mine/victim.txt", "root's secret", 0, 0600);
  const std::string bait = Plant(dir, "XML/bait.xml", "bait", 0);
  const std::string baitEntry = EncodeRecord({Holding("XML/bait.xml", "bait")});
  struct Case {
    const char* what;
    std::function<void()> plant;
    uid_t user;  // whose record the name gives
    std::string why;
  };
  const std::string own = dir.File(RecordFileName(0));
  const std::string nobodys = dir.File(RecordFileName(kNobody));
  const std::vector<Case> cases = {
      {"a symbolic link", [&] { fs::create_symlink(victim, own); }, 0, "it is a symbolic link"},
      {"a hard link", [&] { fs::create_hard_link(victim, own); }, 0, "it has 2 links"},
      {"writable by others", [&] { PlantRecord(dir, 0, {Holding("XML/bait.xml", "bait")}, 0, 0666); }, 0,
       "it may be written by other users"},
      {"a folder", [&] { fs::create_directories(own); }, 0, "it cannot be opened: Is a directory"},
      {"another user's name, root's file", [&] { PlantRecord(dir, kNobody, {Holding("XML/bait.xml", "bait")}, 0); },
       kNobody, "it belongs to another user (uid 0)"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    fs::remove_all(own);
    fs::remove_all(nobodys);
    c.plant();
    const Status victimBefore = StatusOf(victim);
    const ClearedStep& step = Take();
    EXPECT_TRUE(step.removed.empty());
    EXPECT_TRUE(fs::exists(bait));
    EXPECT_EQ(step.refused, std::vector<std::string>{dir.File(RecordFileName(c.user)) + ": " + c.why});
    EXPECT_EQ(step.recording, c.user != 0);
    EXPECT_EQ(StatusOf(victim), victimBefore);
    // Nothing is recorded into a refused record.
    lock->Record({Holding(dir.File("XML/next.xml"), "next")});
    lock->Forget();
    EXPECT_EQ(StatusOf(victim), victimBefore);
    lock.reset();
  }
}

// Each folder a record names is opened once and each file read once, however
// often the record names them: 2,000 entries naming one file of the right
// size and a wrong CRC leave it, and the one entry with its right CRC
// removes it.
TEST_F(RecordTrustTest, ManyEntriesNamingOneFileDecideOnce) {
  const std::string bytes(1 << 20, 'p');
  Plant(dir, "XML/big.xml", bytes, 0);
  std::vector<RecordedFile> entries(2000, RecordedFile{"XML/big.xml", bytes.size(), 0x12345678});
  PlantRecord(dir, 0, entries, 0);
  EXPECT_TRUE(Take().removed.empty());
  EXPECT_TRUE(fs::exists(dir.File("XML/big.xml")));
  lock.reset();
  entries.push_back(Holding("XML/big.xml", bytes));
  PlantRecord(dir, 0, entries, 0);
  EXPECT_EQ(Take().removed, std::vector<std::string>{dir.File("XML/big.xml")});
}

// Names planted in any number tell the log of the first few only.
TEST_F(RecordTrustTest, PlantedRecordsInAnyNumberAreToldInAFewLines) {
  for (uid_t user = 1000; user < 1100; ++user) PlantRecord(dir, user, {Holding("XML/a.xml", "a")}, kNobody);
  const ClearedStep& step = Take();
  ASSERT_EQ(step.refused.size(), 17U);
  EXPECT_EQ(step.refused.back(), "and 84 more");
  EXPECT_NE(step.refused.front().find("it belongs to another user (uid 65534)"), std::string::npos);
}

// A folder of the workspace that another user made a symbolic link to a
// folder of this user's is their choice of where this step would write and
// delete: the step is refused with the error that names the link, before
// anything is done there. A link of this user's own is followed, unrecorded.
TEST_F(RecordTrustTest, AFolderReachedThroughAnotherUsersLinkIsRefused) {
  const std::string photo = Plant(dir, "Mine/front.jpg", "front photo", 0);
  const std::string stale = Plant(dir, "Mine/.ombrel-Stale1", "a temporary of root's", 0);
  fs::remove(dir.File("Pix"));
  fs::create_directory_symlink(dir.File("Mine"), dir.File("Pix"));
  ASSERT_EQ(::lchown(dir.File("Pix").c_str(), kNobody, kNobody), 0);
  Take();
  try {
    lock->Record({Holding(dir.File("Pix/front.jpg"), "front photo")});
    ADD_FAILURE() << "a folder reached through another user's link was used";
  } catch (const Error& error) {
    EXPECT_EQ(error.description(), "Cannot give names in " + dir.File("Pix/") + ": " + dir.File("Pix") +
                                       " is a symbolic link of another user (uid 65534)");
  }
  EXPECT_TRUE(fs::exists(photo));
  EXPECT_TRUE(fs::exists(stale));
  EXPECT_EQ(StatusOf(dir.File(RecordFileName(0))).bytes, "");

  ASSERT_EQ(::lchown(dir.File("Pix").c_str(), 0, 0), 0);
  const RecordNotes notes = lock->Record({Holding(dir.File("Pix/rear.jpg"), "rear photo")});
  EXPECT_EQ(notes.outside, std::vector<std::string>{dir.File("Pix/")});
  EXPECT_EQ(StatusOf(dir.File(RecordFileName(0))).bytes, "");
}

}  // namespace
}  // namespace ombrel
