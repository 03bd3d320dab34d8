// The unpacking and the save on a real FAT file system mounted through FUSE,
// which has no hard links, no rename that refuses to replace and no
// O_TMPFILE. Skips, saying why, where no such mount can be made.
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <memory>
#include <random>
#include <string>
#include <utility>
#include <vector>

#include <gtest/gtest.h>
#include <zip.h>

#include "platform/envelope/zip_envelope.h"
#include "platform/report/held_entry_writer.h"
#include "platform/report/zip_file_writer.h"
#include "platform/staging/pending_file.h"
#include "platform/staging/pending_folder.h"
#include "platform/staging/stale_temporaries.h"
#include "support/envelope_builder.h"
#include "support/fuse_fat_image.h"
#include "support/seam_control.h"
#include "support/staged_files.h"
#include "support/temp_dir.h"
#include "support/unpacking_kills.h"

namespace ombrel {
namespace {

namespace fs = std::filesystem;
using testing::EnvelopeBuilder;
using testing::EnvelopeEntry;
using testing::FuseFatImage;
using testing::Listing;
using testing::TempDir;

class FuseFatTest : public ::testing::Test {
 protected:
  void SetUp() override {
    fs::create_directory(dir_.path() / "fat");
    fat_ = std::make_unique<FuseFatImage>(dir_.File("fat.img"), dir_.File("fat"));
    if (!fat_->mounted()) GTEST_SKIP() << fat_->reason();
  }

  std::string Folder() const { return dir_.File("fat") + "/"; }
  std::string Read(const std::string& name) const { return dir_.Read("fat/" + name); }
  std::vector<std::string> Names() const { return Listing(dir_.path() / "fat"); }

  TempDir dir_;
  std::unique_ptr<FuseFatImage> fat_;  // unmounted before dir_ goes
};

TEST_F(FuseFatTest, AnEnvelopeUnpacksThereAndAFailedOneTakesBackEveryName) {
  EnvelopeBuilder builder;
  builder.Add("order.xml", "OADI/XML", "APPRAISAL", "<ORDER><FORMNUM>1004</FORMNUM></ORDER>");
  builder.Add("front.jpg", "IMAGE/JPG", "", std::string(100000, 'f'));
  builder.Add("rent.xml", "OADI-SUP/XML", "", "<ORDER><FORMNUM>1007</FORMNUM></ORDER>");
  // Written beside the mount and copied in: fusefat refuses a write that
  // extends a file after a write over its start (EPERM), the way every ZIP
  // writer patches its headers.
  builder.Write(dir_.File("MY.ENV"));
  std::ofstream(Folder() + "MY.ENV", std::ios::binary) << dir_.Read("MY.ENV");
  ZipEnvelope envelope;
  ASSERT_TRUE(envelope.OpenEnvelope(Folder() + "MY.ENV"));
  ASSERT_TRUE(envelope.ExtractTo(Folder(), 0)) << envelope.Failure()->description();
  std::vector<std::string> expected = {"MY.ENV"};
  for (const EnvelopeEntry& entry : builder.documents()) {
    EXPECT_EQ(Read(entry.guid + entry.ext), entry.bytes);
    expected.push_back(entry.guid + entry.ext);
  }
  std::sort(expected.begin(), expected.end());
  EXPECT_EQ(Names(), expected);

  // The last document's name held by a file of the user's: the two named
  // before it by a move are taken back, the user's file stays.
  for (const EnvelopeEntry& entry : builder.documents()) fs::remove(Folder() + entry.guid + entry.ext);
  const EnvelopeEntry& last = builder.documents().back();
  std::ofstream(Folder() + last.guid + last.ext) << "the user's own file";
  EXPECT_FALSE(envelope.ExtractTo(Folder(), 0));
  std::vector<std::string> left = {"MY.ENV", last.guid + last.ext};
  std::sort(left.begin(), left.end());
  EXPECT_EQ(Names(), left);
  EXPECT_EQ(Read(last.guid + last.ext), "the user's own file");
}

// The report's file as the save gives it its name: written under a
// temporary name (no O_TMPFILE there), then named by a check and a rename
// (no hard links, no rename that refuses to replace), or renamed over the
// report it replaces.
TEST_F(FuseFatTest, AReportsFileTakesItsNameThereAndReplacesAnother) {
  std::ofstream(Folder() + "TAKEN.RPT") << "the user's own report";
  for (const std::string& report : {std::string("REPORT.RPT"), std::string("TAKEN.RPT")}) {
    PendingFile file(Folder(), "test");
    ASSERT_EQ(::write(file.fd(), "PK new report", 13), 13);
    EXPECT_EQ(file.LinkAs(Folder() + report), report == "REPORT.RPT");
    if (report == "TAKEN.RPT") {
      EXPECT_EQ(Read("TAKEN.RPT"), "the user's own report");
      file.ReplaceAs(Folder() + report);
    }
  }
  EXPECT_EQ(Names(), (std::vector<std::string>{"REPORT.RPT", "TAKEN.RPT"}));
  EXPECT_EQ(Read("REPORT.RPT"), "PK new report");
  EXPECT_EQ(Read("TAKEN.RPT"), "PK new report");
}

// Each entry's name and bytes, in the archive's order, read by libzip, which
// checks the archive's consistency and each entry's CRC; nothing when it
// cannot be read.
std::vector<std::pair<std::string, std::string>> ArchiveEntries(const std::string& path) {
  std::vector<std::pair<std::string, std::string>> entries;
  int code = 0;
  zip_t* archive = zip_open(path.c_str(), ZIP_RDONLY | ZIP_CHECKCONS, &code);
  if (archive == nullptr) return entries;
  for (zip_int64_t i = 0; i < zip_get_num_entries(archive, 0); ++i) {
    zip_stat_t stat;
    zip_file_t* file = zip_fopen_index(archive, static_cast<zip_uint64_t>(i), 0);
    if (file == nullptr || zip_stat_index(archive, static_cast<zip_uint64_t>(i), 0, &stat) != 0) break;
    std::string bytes(stat.size, '\0');
    const zip_int64_t read = zip_fread(file, bytes.data(), bytes.size());
    zip_fclose(file);
    if (read != static_cast<zip_int64_t>(bytes.size())) break;
    entries.emplace_back(stat.name, bytes);
  }
  zip_close(archive);
  return entries;
}

// The whole save there: fusefat refuses a write that extends a file after
// one into the middle of its last cluster, where libzip writes a small
// entry's header again. Small entries before and after a photo that
// outgrows what the writer holds, whose header is written again in place.
TEST_F(FuseFatTest, AWholeReportIsWrittenThereAndReadsBack) {
  std::string large(HeldEntryWriter::kHoldBytes + 5000, '\0');
  std::mt19937 random(7);
  for (char& c : large) c = static_cast<char>(random());
  const std::vector<std::pair<std::string, std::string>> photos = {
      {"IMAGES/IMAGE1.jpg", "a small photo"}, {"IMAGES/IMAGE2.jpg", large}, {"IMAGES/IMAGE3.jpg", "the last"}};
  std::vector<ZipFileEntry> files;
  for (const auto& [name, bytes] : photos) {
    const std::string path = dir_.File(name.substr(7));
    std::ofstream(path, std::ios::binary) << bytes;
    files.push_back({name, path});
  }
  const std::string xml = "<REPORT SKELETON=\"UAR-3X5.RPT\"/>";
  // Twice: the second report replaces the first.
  for (int time = 0; time < 2; ++time) WriteZipFile(Folder() + "REPORT.RPT", {{"REPORT.XML", xml, 0}}, files, "test");
  std::vector<std::pair<std::string, std::string>> expected = {{"REPORT.XML", xml}};
  expected.insert(expected.end(), photos.begin(), photos.end());
  const auto entries = ArchiveEntries(Folder() + "REPORT.RPT");
  ASSERT_EQ(entries.size(), expected.size());
  for (std::size_t i = 0; i < expected.size(); ++i) {
    EXPECT_EQ(entries[i].first, expected[i].first);
    EXPECT_TRUE(entries[i].second == expected[i].second) << entries[i].first << " differs";
  }
  EXPECT_EQ(Names(), std::vector<std::string>{"REPORT.RPT"});
}

// What a killed run left there is told from what a live one holds: the
// lock is honoured through FUSE. The name the killed one gave by a move is
// taken back, as its record says it gave it.
TEST_F(FuseFatTest, ACleanUpThereRemovesWhatAKilledRunLeftAndKeepsALiveOne) {
  const pid_t child = ::fork();
  ASSERT_GE(child, 0);
  if (child == 0) {
    PendingFolder pending(Folder(), "test");
    for (const char* name : {"a.xml", "b.xml"}) {
      if (!testing::StageFile(pending, name, "order")) ::_exit(1);
    }
    PendingFile file(Folder(), "test");
    if (::write(file.fd(), "half", 4) != 4 || !pending.Name("a.xml")) ::_exit(1);
    ::raise(SIGKILL);
  }
  int status = 0;
  ::waitpid(child, &status, 0);
  ASSERT_TRUE(WIFSIGNALED(status));
  EXPECT_EQ(Names().size(), 3U);  // the pending folder, the temporary, a.xml

  PendingFolder live(Folder(), "test");
  RemoveStaleTemporaries(Folder());
  std::vector<std::string> left = Names();
  ASSERT_EQ(left.size(), 1U) << ::testing::PrintToString(left);
  EXPECT_EQ(left[0].rfind(".ombrel-", 0), 0U);
  ASSERT_TRUE(testing::StageFile(live, "c.xml", ""));
  EXPECT_TRUE(live.Name("c.xml"));
}

// A kill after any call of an unpacking there, counted by the file-system
// seam (so this runs under it: the seam.local tests). No hard links and no
// rename that refuses to replace there: names are claimed, and moved over
// their claims.
TEST_F(FuseFatTest, AKillAtAnyCallOfAnUnpackingThereLeavesOnlyWholeDocuments) {
  if (!testing::SeamLoaded()) GTEST_SKIP() << "counts calls through the file-system seam: run by the seam.* tests";
  int made = 0;
  testing::CheckKillsDuringUnpacking(
      [&] {
        const std::string folder = Folder() + "try" + std::to_string(++made);
        fs::create_directory(folder);
        return folder + "/";
      });
}

}  // namespace
}  // namespace ombrel
