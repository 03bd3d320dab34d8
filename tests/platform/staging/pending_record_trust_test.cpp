// What a clean-up does with pending folders it did not make: another user's,
// planted ones, and the user's own whose record or lock file someone else
// could have written or replaced. Nothing such a folder says deletes a file;
// it is left as it is and reported. Tests that need a second user run as
// root and fork a child that becomes nobody.
#include <gtest/gtest.h>
#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "platform/errors/error.h"
#include "platform/staging/pending_file.h"
#include "platform/staging/pending_folder.h"
#include "platform/staging/pending_folder_layout.h"
#include "platform/staging/pending_record.h"
#include "platform/staging/stale_temporaries.h"
#include "platform/staging/staging_pauses.h"
#include "platform/staging/temporary_names.h"
#include "support/staged_files.h"
#include "support/temp_dir.h"

namespace ombrel {
namespace {

namespace fs = std::filesystem;
using testing::Crc32;
using testing::Listing;
using testing::StageFile;
using testing::TempDir;

constexpr uid_t kNobody = 65534;
const std::string kNobodysWhy = "it belongs to another user (uid 65534)";

#define REQUIRE_ROOT() \
  if (::geteuid() != 0) GTEST_SKIP() << "needs root, to run a part of the test as another user"

// Runs body in a child process, as nobody when asNobody; true when it ended
// as body wanted: returning true, or killed by SIGKILL when it raised it.
bool InChild(bool asNobody, const std::function<bool()>& body) {
  const pid_t child = ::fork();
  if (child == 0) {
    if (asNobody && (::setgid(kNobody) != 0 || ::setuid(kNobody) != 0)) ::_exit(2);
    bool ok = false;
    try {
      ok = body();
    } catch (...) {
    }
    ::_exit(ok ? 0 : 1);
  }
  int status = 0;
  if (child < 0 || ::waitpid(child, &status, 0) != child) return false;
  return (WIFEXITED(status) && WEXITSTATUS(status) == 0) || (WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL);
}

// The pending folders in dir, sorted.
std::vector<std::string> PendingFoldersIn(const TempDir& dir) {
  std::vector<std::string> names = Listing(dir.path());
  std::erase_if(names, [&](const std::string& name) {
    return !IsTemporaryName(name) || !fs::is_directory(fs::symlink_status(dir.path() / name));
  });
  return names;
}

// A pending folder left by a step killed once it had named each file (name,
// bytes) in dir: that step's record, files and names, as nobody's when
// asNobody. Its name; "" when it could not be made.
std::string KilledWhileNaming(const TempDir& dir, const std::vector<std::pair<std::string, std::string>>& files,
                              bool asNobody = false) {
  const std::vector<std::string> before = PendingFoldersIn(dir);
  const bool killed = InChild(asNobody, [&] {
    PendingFolder pending(dir.str(), "test");
    for (const auto& [name, bytes] : files) {
      if (!StageFile(pending, name, bytes)) return false;
    }
    for (const auto& [name, bytes] : files) {
      if (!pending.Name(name)) return false;
    }
    ::raise(SIGKILL);
    return false;
  });
  std::vector<std::string> after = PendingFoldersIn(dir);
  std::erase_if(after, [&](const std::string& name) {
    return std::find(before.begin(), before.end(), name) != before.end();
  });
  return killed && after.size() == 1 ? after[0] : "";
}

std::string Whys(const std::vector<LeftTemporary>& left) {
  std::string text;
  for (const LeftTemporary& one : left) text += one.path + ": " + one.why + "\n";
  return text;
}

// Another user's stale temporaries stay as they are, reported; a live one
// of theirs is no leftover and is not reported; the user's own stale
// pending folder beside them is cleared as ever.
TEST(PendingRecordTrustTest, AnotherUsersLeftoversAreLeftAloneAndReported) {
  REQUIRE_ROOT();
  TempDir dir;
  ASSERT_EQ(::chmod(dir.path().c_str(), 0777), 0);
  const std::string theirs = KilledWhileNaming(dir, {{"theirs.jpg", "their photo"}}, true);
  ASSERT_FALSE(theirs.empty());
  ASSERT_TRUE(InChild(true, [&] {
    PendingFile file(dir.str(), "test", PendingFile::Naming::kNamed);
    ::raise(SIGKILL);
    return false;
  }));
  // What is reported: their pending folder and their temporary.
  std::vector<std::string> stale = Listing(dir.path());
  std::erase(stale, "theirs.jpg");
  ASSERT_EQ(stale.size(), 2U);
  // A live temporary of theirs, held until the clean-up is done.
  int toChild[2];
  int fromChild[2];
  ASSERT_EQ(::pipe(toChild), 0);
  ASSERT_EQ(::pipe(fromChild), 0);
  const pid_t live = ::fork();
  if (live == 0) {
    if (::setgid(kNobody) != 0 || ::setuid(kNobody) != 0) ::_exit(2);
    PendingFile file(dir.str(), "test", PendingFile::Naming::kNamed);
    char c = 'r';
    if (::write(fromChild[1], &c, 1) != 1 || ::read(toChild[0], &c, 1) != 1) ::_exit(3);
    ::_exit(0);
  }
  char ready = 0;
  ASSERT_EQ(::read(fromChild[0], &ready, 1), 1);
  const std::vector<std::string> theirsAll = Listing(dir.path());
  const std::string mine = KilledWhileNaming(dir, {{"mine.jpg", "my photo"}});
  ASSERT_FALSE(mine.empty());

  const std::vector<LeftTemporary> left = RemoveStaleTemporaries(dir.str());
  const std::vector<std::string> after = Listing(dir.path());

  ASSERT_EQ(::write(toChild[1], "g", 1), 1);
  int status = 0;
  ASSERT_EQ(::waitpid(live, &status, 0), live);
  for (const int fd : {toChild[0], toChild[1], fromChild[0], fromChild[1]}) ::close(fd);
  EXPECT_EQ(after, theirsAll);
  EXPECT_EQ(dir.Read("theirs.jpg"), "their photo");
  EXPECT_EQ(Listing(dir.path() / theirs), (std::vector<std::string>{"files", "lock", "record"}));
  std::vector<std::string> reported;
  for (const LeftTemporary& one : left) {
    EXPECT_EQ(one.why, kNobodysWhy) << one.path;
    reported.push_back(one.path.substr(dir.str().size()));
  }
  std::sort(reported.begin(), reported.end());
  EXPECT_EQ(reported, stale);
}

// The victims a planted record aims at: files of this user's, in the folder
// and beside it, with the bytes and sizes the record states.
struct Victims {
  explicit Victims(const TempDir& dir) {
    dir.Write("photo.jpg", "the user's photo");
    dir.Write("empty.txt", "");
    dir.Write("beside/secret", "the user's secret");
    ::chmod(dir.File("beside/secret").c_str(), 0600);
  }

  static std::string Claims(const TempDir& dir) {
    const std::string photo = "the user's photo";
    const std::string secret = "the user's secret";
    return ClaimEntry({"photo.jpg", photo.size(), Crc32(photo)}) +
           ClaimEntry({"empty.txt", 5, 0x12345678U}) +  // another size and CRC: only emptiness matches
           ClaimEntry({dir.File("beside/secret"), secret.size(), Crc32(secret)}) +
           ClaimEntry({"../" + dir.path().filename().string() + "/beside/secret", secret.size(), Crc32(secret)});
  }

  static void ExpectUntouched(const TempDir& dir) {
    EXPECT_EQ(dir.Read("photo.jpg"), "the user's photo");
    EXPECT_TRUE(fs::exists(dir.File("empty.txt")));
    EXPECT_EQ(dir.Read("beside/secret"), "the user's secret");
  }
};

// A pending folder planted with a lock file and a record that claims the
// user's files (by absolute name, through "..", an empty one with another
// size and CRC, one by its true size and CRC): nothing is removed, and the
// folder is left and reported. Planted by another user, it is theirs; by
// the user, its names that are not plain refuse the record.
TEST(PendingRecordTrustTest, APlantedPendingFolderRemovesNothing) {
  for (const bool byNobody : {true, false}) {
    SCOPED_TRACE(byNobody ? "planted by another user" : "planted by the user, naming what is no plain name");
    if (byNobody && ::geteuid() != 0) {
      std::cout << "[ SKIPPED  ] planting as another user needs root\n";
      continue;
    }
    TempDir dir;
    ASSERT_EQ(::chmod(dir.path().c_str(), 0777), 0);
    const Victims victims(dir);
    const std::string folder = ".ombrel-Plant1";
    const std::string record = Victims::Claims(dir);
    ASSERT_TRUE(InChild(byNobody, [&] {
      const std::string path = dir.File(folder);
      if (::mkdir(path.c_str(), 0755) != 0) return false;
      for (const auto& [name, bytes] : {std::pair<std::string, std::string>{"lock", ""}, {"record", record}}) {
        const int fd = ::open((path + "/" + name).c_str(), O_WRONLY | O_CREAT | O_EXCL, 0600);
        if (fd < 0 || ::write(fd, bytes.data(), bytes.size()) != static_cast<ssize_t>(bytes.size())) return false;
        ::close(fd);
      }
      return true;
    }));
    const std::vector<std::string> before = Listing(dir.path() / folder);

    const std::vector<LeftTemporary> left = RemoveStaleTemporaries(dir.str());

    Victims::ExpectUntouched(dir);
    EXPECT_EQ(Listing(dir.path() / folder), before);
    ASSERT_EQ(left.size(), 1U) << Whys(left);
    EXPECT_EQ(left[0].path, dir.str() + folder);
    EXPECT_EQ(left[0].why, byNobody ? kNobodysWhy
                                    : "its record claims \"" + dir.File("beside/secret") +
                                          "\", which is not a plain file name");
  }
}

// The user's own pending folder, left by a killed step, once someone could
// have written or replaced its record or lock file: the folder is left as
// it is, its names too, and the clean-up says why.
TEST(PendingRecordTrustTest, ARecordOrLockFileNotTheUsersOwnLeavesTheFolderAsItIs) {
  const struct {
    const char* name;
    std::function<void(const TempDir&, const std::string& folder)> change;
    std::string why;
    bool needsRoot = false;
  } cases[] = {
      {"a record that is a symbolic link to a copy of it",
       [](const TempDir& dir, const std::string& record) {
         fs::copy_file(record, dir.File("copy"));
         fs::remove(record);
         fs::create_symlink(dir.File("copy"), record);
       },
       "its record is a symbolic link"},
      {"a record with a second link", [](const TempDir& dir, const std::string& record) {
         ASSERT_EQ(::link(record.c_str(), dir.File("second").c_str()), 0);
       },
       "its record has 2 links"},
      {"a record the group may write",
       [](const TempDir&, const std::string& record) { ASSERT_EQ(::chmod(record.c_str(), 0620), 0); },
       "its record may be written by other users"},
      {"a record anyone may write",
       [](const TempDir&, const std::string& record) { ASSERT_EQ(::chmod(record.c_str(), 0606), 0); },
       "its record may be written by other users"},
      {"a record that is a FIFO",
       [](const TempDir&, const std::string& record) {
         fs::remove(record);
         ASSERT_EQ(::mkfifo(record.c_str(), 0600), 0);
       },
       "its record is not a regular file"},
      // Sparse: were it read, it would take its size in memory.
      {"a record one byte over the most the program writes",
       [](const TempDir&, const std::string& record) {
         ASSERT_EQ(::truncate(record.c_str(), static_cast<off_t>(kMaxPendingRecordBytes) + 1), 0);
       },
       "its record holds more than the " + std::to_string(kMaxPendingRecordBytes) +
           " bytes a record is ever written with"},
      {"a record claiming a name through \"..\"",
       [](const TempDir& dir, const std::string& record) {
         const std::string bytes = "the user's";
         dir.Write("beside/victim", bytes);
         const std::string claim = ClaimEntry({"../beside/victim", bytes.size(), Crc32(bytes)});
         const int fd = ::open(record.c_str(), O_WRONLY | O_APPEND);
         ASSERT_EQ(::write(fd, claim.data(), claim.size()), static_cast<ssize_t>(claim.size()));
         ::close(fd);
       },
       "its record claims \"../beside/victim\", which is not a plain file name"},
      {"a record of another user's",
       [](const TempDir&, const std::string& record) { ASSERT_EQ(::chown(record.c_str(), kNobody, kNobody), 0); },
       "its record belongs to another user (uid 65534)", true},
      {"a lock file of another user's",
       [](const TempDir&, const std::string& record) {
         const std::string lock = fs::path(record).replace_filename(pending_layout::kLock).string();
         ASSERT_EQ(::chown(lock.c_str(), kNobody, kNobody), 0);
       },
       "its lock file belongs to another user (uid 65534)", true},
      {"a lock file that is a symbolic link",
       [](const TempDir& dir, const std::string& record) {
         const std::string lock = fs::path(record).replace_filename(pending_layout::kLock).string();
         dir.Write("a lock", "");
         fs::remove(lock);
         fs::create_symlink(dir.File("a lock"), lock);
       },
       "its lock file is a symbolic link"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    if (c.needsRoot && ::geteuid() != 0) continue;
    TempDir dir;
    const std::string folder = KilledWhileNaming(dir, {{"given.jpg", "the step's photo"}});
    ASSERT_FALSE(folder.empty());
    c.change(dir, dir.File(folder) + "/" + pending_layout::kRecord);
    const std::vector<std::string> before = Listing(dir.path() / folder);

    const std::vector<LeftTemporary> left = RemoveStaleTemporaries(dir.str());

    EXPECT_EQ(dir.Read("given.jpg"), "the step's photo");
    EXPECT_EQ(Listing(dir.path() / folder), before);
    if (fs::exists(dir.File("beside/victim"))) {
      EXPECT_EQ(dir.Read("beside/victim"), "the user's");
    }
    ASSERT_EQ(left.size(), 1U) << Whys(left);
    EXPECT_EQ(left[0].path, dir.str() + folder);
    EXPECT_EQ(left[0].why, c.why);
  }
}

// A name the user's own record claims goes only when it is a regular file
// of the user's with one link: one the user linked elsewhere, or another
// user's with the very bytes or empty, stays.
TEST(PendingRecordTrustTest, OnlyTheUsersOwnFilesWithOneLinkAreTakenBack) {
  TempDir dir;
  const std::string folder = KilledWhileNaming(
      dir, {{"given.jpg", "photo 1"}, {"linked.jpg", "photo 2"}, {"theirs.jpg", "photo 3"}, {"empty.jpg", "photo 4"}});
  ASSERT_FALSE(folder.empty());
  ASSERT_EQ(::link(dir.File("linked.jpg").c_str(), dir.File("backup.jpg").c_str()), 0);
  const bool root = ::geteuid() == 0;
  if (root) {
    ASSERT_EQ(::chown(dir.File("theirs.jpg").c_str(), kNobody, kNobody), 0);
    fs::remove(dir.File("empty.jpg"));
    dir.Write("empty.jpg", "");
    ASSERT_EQ(::chown(dir.File("empty.jpg").c_str(), kNobody, kNobody), 0);
  }

  const std::vector<LeftTemporary> left = RemoveStaleTemporaries(dir.str());

  EXPECT_TRUE(left.empty()) << Whys(left);
  std::vector<std::string> expected = {"backup.jpg", "linked.jpg"};
  if (root) expected = {"backup.jpg", "empty.jpg", "linked.jpg", "theirs.jpg"};
  EXPECT_EQ(Listing(dir.path()), expected);
  EXPECT_EQ(dir.Read("linked.jpg"), "photo 2");
}

int failWith = 0;
StagingFault failAt = StagingFault::kKeptMarkLookedAt;
int Fault(StagingFault at) { return at == failAt ? failWith : 0; }

// While set, the call at fails with error.
class FaultInjected {
 public:
  FaultInjected(StagingFault at, int error) {
    failAt = at;
    failWith = error;
    SetStagingFaultHook(Fault);
  }
  ~FaultInjected() { SetStagingFaultHook(nullptr); }
};

// A look that fails says nothing of what is there: the clean-up leaves the
// folder, claims and all, and says why; the next one that can look clears it.
TEST(PendingRecordTrustTest, ALookThatFailsLeavesTheFolderForALaterCleanUp) {
  TempDir dir;
  const std::string folder = KilledWhileNaming(dir, {{"given.jpg", "the step's photo"}});
  ASSERT_FALSE(folder.empty());
  const struct {
    StagingFault at;
    std::string why;
  } faults[] = {
      {StagingFault::kKeptMarkLookedAt, "whether its names were kept cannot be looked at: Input/output error"},
      {StagingFault::kClaimLookedAt, "the name \"given.jpg\" it claims cannot be looked at: Input/output error"},
  };
  for (const auto& fault : faults) {
    SCOPED_TRACE(fault.why);
    std::vector<LeftTemporary> left;
    {
      const FaultInjected injected(fault.at, EIO);
      left = RemoveStaleTemporaries(dir.str());
    }
    ASSERT_EQ(left.size(), 1U) << Whys(left);
    EXPECT_EQ(left[0].path, dir.str() + folder);
    EXPECT_EQ(left[0].why, fault.why);
    EXPECT_EQ(dir.Read("given.jpg"), "the step's photo");
    EXPECT_TRUE(fs::exists(dir.File(folder) + "/" + pending_layout::kRecord));
  }
  EXPECT_TRUE(RemoveStaleTemporaries(dir.str()).empty());
  EXPECT_TRUE(Listing(dir.path()).empty());
}

// Once Commit() has made its mark, the names stay and it succeeds, whatever
// the clearing after it can see; a name that cannot be looked at when the
// record is written is that error, not a name taken.
TEST(PendingRecordTrustTest, ACommitKeepsItsNamesAndAFailedLookIsItsError) {
  TempDir dir;
  {
    const FaultInjected kept(StagingFault::kKeptMarkLookedAt, EIO);
    PendingFolder pending(dir.str(), "test");
    ASSERT_TRUE(StageFile(pending, "a.xml", "order"));
    ASSERT_TRUE(pending.Name("a.xml"));
    EXPECT_NO_THROW(pending.Commit());
  }
  EXPECT_EQ(Listing(dir.path()), std::vector<std::string>{"a.xml"});
  EXPECT_EQ(dir.Read("a.xml"), "order");

  TempDir other;
  std::string failure;
  {
    PendingFolder pending(other.str(), "test");
    ASSERT_TRUE(StageFile(pending, "b.xml", "rent"));
    const FaultInjected injected(StagingFault::kFreeNameLookedAt, EIO);
    try {
      pending.Name("b.xml");
    } catch (const Error& error) {
      failure = error.description();
    }
  }
  EXPECT_EQ(failure, "Cannot look at " + other.str() + "b.xml: Input/output error");
  EXPECT_TRUE(Listing(other.path()).empty());
}

}  // namespace
}  // namespace ombrel
