// The archives WriteZipFile writes are the very bytes libzip writes for the
// same entries, whether they are written directly or, past the ZIP64 limit,
// through libzip.
#include "platform/zip_file_writer.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <zip.h>

#include <gtest/gtest.h>

#include <cstdint>
#include <ctime>
#include <random>
#include <string>
#include <vector>

#include "platform/zip_plan.h"
#include "platform/zip_write_state.h"
#include "support/temp_dir.h"

namespace ombrel {
namespace {

using testing::TempDir;

// The reference: the archive as libzip writes it, configured as the reports
// were before they were written directly (deflated at level 1, stored
// photos, 0644 Unix attributes; the texts' time given, as the writer's is).
void WriteWithLibzip(const std::string& path, const std::vector<ZipTextEntry>& texts,
                     const std::vector<ZipFileEntry>& files) {
  int code = 0;
  zip_t* archive = zip_open(path.c_str(), ZIP_CREATE | ZIP_TRUNCATE, &code);
  ASSERT_NE(archive, nullptr) << code;
  const auto add = [&](const std::string& name, zip_source_t* source, zip_int32_t method, zip_uint32_t level) {
    const zip_int64_t index = zip_file_add(archive, name.c_str(), source, ZIP_FL_ENC_UTF_8);
    EXPECT_GE(index, 0) << name << ": " << zip_strerror(archive);
    const auto at = static_cast<zip_uint64_t>(index);
    zip_set_file_compression(archive, at, method, level);
    zip_file_set_external_attributes(archive, at, 0, ZIP_OPSYS_UNIX,
                                     static_cast<zip_uint32_t>(S_IFREG | 0644) << 16);
    return at;
  };
  for (const ZipTextEntry& text : texts) {
    const zip_uint64_t at =
        add(text.name, zip_source_buffer(archive, text.bytes.data(), text.bytes.size(), 0), ZIP_CM_DEFLATE, 1);
    zip_file_set_mtime(archive, at, text.modified, 0);
  }
  for (const ZipFileEntry& file : files) {
    add(file.name, zip_source_file(archive, file.path.c_str(), 0, -1), ZIP_CM_STORE, 0);
  }
  ASSERT_EQ(zip_close(archive), 0) << zip_strerror(archive);
}

// "" when equal, else where they part (the archives are too large to print).
std::string Difference(const std::string& actual, const std::string& expected) {
  if (actual == expected) return "";
  std::size_t at = 0;
  while (at < actual.size() && at < expected.size() && actual[at] == expected[at]) ++at;
  return "sizes " + std::to_string(actual.size()) + " and " + std::to_string(expected.size()) +
         ", first difference at byte " + std::to_string(at);
}

// Text shaped like REPORT.XML: compresses as a report does.
std::string ReportLikeText(std::size_t size, unsigned seed) {
  std::mt19937 random(seed);
  std::string text = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<REPORT SKELETON=\"UAR-3X5.RPT\">\n";
  while (text.size() < size) {
    text += "    <FIELD ADDR=\"" + std::to_string(random() % 400 + 1) + "|" + std::to_string(random() % 9 + 1) +
            "\">" + std::to_string(random() % 100000) + " Larkspur Lane</FIELD>\n";
  }
  text.resize(size);
  return text;
}

std::string RandomBytes(std::size_t size, unsigned seed) {
  std::mt19937 random(seed);
  std::string bytes(size, '\0');
  for (char& c : bytes) c = static_cast<char>(random());
  return bytes;
}

struct Photo {
  std::string name;
  std::string bytes;
  std::time_t modified;
};

struct ArchiveCase {
  const char* what;
  std::vector<ZipTextEntry> texts;
  std::vector<Photo> photos;
};

// Local times that libzip's MS-DOS fields treat each their own way.
constexpr std::time_t kOddSecond = 1733836089;   // 2024-12-10, seconds halved
constexpr std::time_t kBefore1980 = 86400 * 400;  // 1971: counted as 1980
constexpr std::time_t kLastDosYear = 4354819199;  // 2107-12-31 23:59:59 UTC
constexpr std::time_t kPastDosYears = 5679000000;  // 2149: the year wraps around

std::vector<ArchiveCase> Cases() {
  const std::time_t now = kOddSecond;
  return {
      {"empty text, no photo", {{"REPORT.XML", "", now}}, {}},
      {"tiny text", {{"REPORT.XML", "<REPORT/>\n", now}}, {}},
      {"typical report", {{"REPORT.XML", ReportLikeText(52 * 1024, 1), now}}, {}},
      {"several MiB of report", {{"REPORT.XML", ReportLikeText(5 * 1024 * 1024 + 17, 2), now}}, {}},
      // Deflate stores it; the output passes the writer's buffer.
      {"incompressible text", {{"REPORT.XML", RandomBytes(3 * 1024 * 1024 + 5, 3), now}}, {}},
      // Around deflate's 32 KiB window, its 64 KiB window buffer and its
      // block of 32 Ki symbols; several texts through the same stream.
      {"texts around deflate's own sizes",
       {{"A.XML", ReportLikeText(32767, 4), now},
        {"B.XML", ReportLikeText(32768, 5), now},
        {"C.XML", RandomBytes(32769, 6), now},
        {"D.XML", ReportLikeText(65535, 7), now},
        {"E.XML", RandomBytes(65536, 8), now},
        {"F.XML", ReportLikeText(65537, 9), now},
        {"G.XML", std::string(131073, 'a'), now},
        {"H.XML", RandomBytes(1024 * 1024 - 120, 10), now},
        {"I.XML", ReportLikeText(200000, 11), now}},
       {}},
      {"photos",
       {{"REPORT.XML", ReportLikeText(20000, 12), kBefore1980}},
       {{"IMAGES/IMAGE1.jpg", RandomBytes(70000, 13), kOddSecond},
        {"IMAGES/IMAGE2.jpg", "", kBefore1980},
        {"IMAGES/Caf\xC3\xA9 \xE2\x80\x9C" "front\xE2\x80\x9D.jpg", RandomBytes(100, 14), kLastDosYear},
        {"IMAGES/IMAGE4.JPG", RandomBytes(5000, 15), kPastDosYears},
        // Headers whose CRC is filled in after the buffer went to the file.
        {"IMAGES/IMAGE5.jpg", RandomBytes(1024 * 1024 + 7, 16), kOddSecond + 1},
        {"IMAGES/IMAGE6.jpg", RandomBytes(3 * 1024 * 1024, 17), kOddSecond + 2}}},
      {"photos only, a UTF-8 text name",
       {{"R\xC3\x89PORT.XML", "<REPORT/>", kLastDosYear}},
       {{"IMAGES/IMAGE1.png", RandomBytes(4096, 18), kOddSecond}}},
      {"no text", {}, {{"IMAGES/IMAGE1.jpg", RandomBytes(10, 19), kOddSecond}}},
  };
}

TEST(ZipFileWriterTest, WritesTheBytesLibzipWrites) {
  for (const bool prepared : {false, true}) {
    // One state for all, as a program keeps it: each archive after a larger one.
    ZipWriteState state;
    // A prepared state keeps nothing of the text it was warmed with.
    if (prepared) state.Prepare();
    for (const ArchiveCase& c : Cases()) {
      SCOPED_TRACE(std::string(c.what) + (prepared ? ", prepared state" : ""));
      TempDir dir;
      std::vector<ZipFileEntry> files;
      for (const Photo& photo : c.photos) {
        const std::string path = dir.Write("photo" + std::to_string(files.size()), photo.bytes);
        const timespec times[2] = {{photo.modified, 0}, {photo.modified, 0}};
        ASSERT_EQ(::utimensat(AT_FDCWD, path.c_str(), times, 0), 0);
        files.push_back({photo.name, path});
      }
      WriteWithLibzip(dir.File("libzip.zip"), c.texts, files);
      const std::string expected = dir.Read("libzip.zip");
      ASSERT_FALSE(expected.empty());

      // Written directly...
      ASSERT_TRUE(PlanDirectWrite(c.texts, files));
      WriteZipFile(dir.File("direct.zip"), c.texts, files, state, "test");
      EXPECT_EQ(Difference(dir.Read("direct.zip"), expected), "");
      // ...and through libzip, as an archive that needs ZIP64 would be.
      WriteZipFile(dir.File("through libzip.zip"), c.texts, files, state, "test", 0);
      EXPECT_EQ(Difference(dir.Read("through libzip.zip"), expected), "");
    }
  }
}

}  // namespace
}  // namespace ombrel
