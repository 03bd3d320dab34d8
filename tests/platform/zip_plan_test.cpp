// Which archives are written directly and which through libzip: every archive
// libzip would write with ZIP64 records, or treat in a way of its own, must
// go to libzip.
#include "platform/zip_plan.h"

#include <sys/stat.h>
#include <zlib.h>

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <optional>
#include <string>
#include <vector>

#include "support/temp_dir.h"

namespace ombrel {
namespace {

using testing::TempDir;

// Headers of one entry named "a": local 30 + 1, central 46 + 1; end record 22.
constexpr std::uint64_t kOneEntryOverhead = 100;
// libzip writes ZIP64 records for a deflated entry of more bytes than this,
// whatever deflate makes of them.
constexpr std::uint64_t kLibzipDeflateZip64From = 4293656963 + 1;

TEST(ZipPlanTest, ArchivesReachingTheFieldLimitNeedZip64) {
  const std::uint64_t largestStored = kZipFieldLimit - kOneEntryOverhead - 1;
  const std::uint64_t gib = std::uint64_t{1} << 30;
  const struct {
    const char* what;
    std::vector<ZipEntryShape> entries;
    bool fits;
  } cases[] = {
      {"nothing", {}, true},
      {"a stored file just below", {{1, largestStored, false}}, true},
      {"a stored file one byte more", {{1, largestStored + 1, false}}, false},
      {"a stored file of 4 GiB", {{1, 4 * gib, false}}, false},
      {"two files of 2 GiB: the second's offset", {{1, 2 * gib, false}, {1, 2 * gib, false}}, false},
      {"a typical report", {{10, 52 * 1024, true}, {17, 4 << 20, false}}, true},
      {"a deflated text libzip gives ZIP64", {{1, kLibzipDeflateZip64From, true}}, false},
      // Deflate may make more of a text than it was: counted at its most.
      {"a deflated text near the limit", {{1, kZipFieldLimit - (1 << 20), true}}, false},
      {"a deflated text that fits at its most", {{1, 4200000000, true}}, true},
      {"a long name", {{0xFFFF, 1000, false}}, true},
      {"a size no sum may wrap around", {{1, std::numeric_limits<std::uint64_t>::max(), false}, {1, 200, false}},
       false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    EXPECT_EQ(FitsWithoutZip64(c.entries), c.fits);
  }
}

TEST(ZipPlanTest, TheEndRecordCountsEntriesInSixteenBits) {
  EXPECT_TRUE(FitsWithoutZip64(std::vector<ZipEntryShape>(0xFFFE, {12, 1000, false})));
  EXPECT_FALSE(FitsWithoutZip64(std::vector<ZipEntryShape>(0xFFFF, {12, 1000, false})));
}

TEST(ZipPlanTest, OnlyPlainNamesAreWrittenDirectly) {
  const struct {
    std::string name;
    bool plain;
  } cases[] = {
      {"REPORT.XML", true},
      {"IMAGES/IMAGE12.jpeg", true},
      {" ~!\"#$%&'()*+,-.:;<=>?@[\\]^_`{|}", true},
      {"Caf\xC3\xA9/\xE2\x80\x9C\xF0\x9F\x93\xB7\xE2\x80\x9D", true},  // two, three and four bytes
      {std::string(0xFFFF, 'n'), true},
      {std::string(0x10000, 'n'), false},
      {"", false},
      {"IMAGES/", false},  // a folder to libzip
      {"a\tb", false},
      {"a\nb", false},
      {std::string("a\0b", 3), false},
      {"a\x7F", false},
      {"caf\xC3", false},               // cut short
      {"caf\xC3\xA9\xA9", false},       // a stray continuation byte
      {"\xC0\xAF", false},              // overlong
      {"\xE0\x80\xAF", false},          // overlong
      {"\xED\xA0\x80", false},          // a surrogate
      {"\xF4\x90\x80\x80", false},      // past U+10FFFF
      {"\xE9t\xE9.jpg", false},         // Latin-1
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name.substr(0, 40));
    EXPECT_EQ(IsPlainEntryName(c.name), c.plain);
  }
}

TEST(ZipPlanTest, FilesOfUnknownSizeAndUnusualArchivesGoToLibzip) {
  TempDir dir;
  const std::string photo = dir.Write("photo.jpg", std::string(1000, 'p'));
  const std::string empty = dir.Write("empty.jpg", "");
  ASSERT_EQ(::mkfifo(dir.File("pipe.jpg").c_str(), 0600), 0);
  const std::vector<ZipTextEntry> report = {{"REPORT.XML", std::string(5000, 'x'), 0}};
  const std::uint64_t total = 22 + (30 + 46 + 2 * 10 + compressBound(5000)) + (30 + 46 + 2 * 17 + 1000);

  const struct {
    const char* what;
    std::vector<ZipTextEntry> texts;
    std::vector<ZipFileEntry> files;
    std::uint64_t limit;
    std::optional<std::vector<std::uint64_t>> sizes;
  } cases[] = {
      {"a report with photos", report, {{"IMAGES/IMAGE1.jpg", photo}, {"IMAGES/IMAGE2.jpg", empty}},
       kZipFieldLimit, std::vector<std::uint64_t>{1000, 0}},
      {"just below a lowered limit", report, {{"IMAGES/IMAGE1.jpg", photo}}, total + 1,
       std::vector<std::uint64_t>{1000}},
      {"at a lowered limit", report, {{"IMAGES/IMAGE1.jpg", photo}}, total, std::nullopt},
      {"a pipe", report, {{"IMAGES/IMAGE1.jpg", dir.File("pipe.jpg")}}, kZipFieldLimit, std::nullopt},
      {"a folder", report, {{"IMAGES/IMAGE1.jpg", dir.path().string()}}, kZipFieldLimit, std::nullopt},
      {"a missing file", report, {{"IMAGES/IMAGE1.jpg", dir.File("gone.jpg")}}, kZipFieldLimit, std::nullopt},
      {"the same name twice", report, {{"IMAGES/IMAGE1.jpg", photo}, {"IMAGES/IMAGE1.jpg", empty}},
       kZipFieldLimit, std::nullopt},
      {"a text and a file of one name", report, {{"REPORT.XML", photo}}, kZipFieldLimit, std::nullopt},
      {"a name that is not plain", report, {{"IMAGES/IMAGE1.jpg\n", photo}}, kZipFieldLimit, std::nullopt},
      {"a text name that is not plain", {{"REPORT\x01.XML", "x", 0}}, {}, kZipFieldLimit, std::nullopt},
      {"no entries", {}, {}, kZipFieldLimit, std::nullopt},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    EXPECT_EQ(PlanDirectWrite(c.texts, c.files, c.limit), c.sizes);
  }
}

}  // namespace
}  // namespace ombrel
