#include <signal.h>
#include <sys/stat.h>
#include <sys/types.h>
#include <sys/wait.h>
#include <fcntl.h>
#include <unistd.h>
#include <zip.h>

#include <gtest/gtest.h>
#include <pugixml.hpp>

#include <chrono>
#include <filesystem>
#include <functional>
#include <map>
#include <thread>

#include "platform/errors/error_matchers.h"
#include "platform/report/rpt_document.h"
#include "support/temp_dir.h"

namespace ombrel {
namespace {

namespace fs = std::filesystem;
using testing::RaisedError;
using testing::Listing;
using testing::TempDir;

// Every entry of a ZIP archive, by name; empty when it cannot be read.
std::map<std::string, std::string> ReadArchive(const std::string& path) {
  std::map<std::string, std::string> entries;
  int code = 0;
  zip_t* archive = zip_open(path.c_str(), ZIP_RDONLY | ZIP_CHECKCONS, &code);
  if (archive == nullptr) return entries;
  for (zip_int64_t i = 0; i < zip_get_num_entries(archive, 0); ++i) {
    zip_stat_t stat;
    zip_stat_index(archive, static_cast<zip_uint64_t>(i), 0, &stat);
    std::string bytes(stat.size, '\0');
    zip_file_t* file = zip_fopen_index(archive, static_cast<zip_uint64_t>(i), 0);
    if (file != nullptr && zip_fread(file, bytes.data(), stat.size) == static_cast<zip_int64_t>(stat.size)) {
      entries[stat.name] = bytes;
    }
    if (file != nullptr) zip_fclose(file);
  }
  zip_discard(archive);
  return entries;
}

// REPORT.XML of a written report, read back by a conforming parser.
pugi::xml_node LoadReportXml(const std::string& path, pugi::xml_document& document) {
  const std::string xml = ReadArchive(path)["REPORT.XML"];
  EXPECT_TRUE(document.load_buffer(xml.data(), xml.size(), pugi::parse_default | pugi::parse_ws_pcdata));
  return document.child("REPORT");
}

std::vector<std::pair<std::string, std::string>> Elements(pugi::xml_node form, const char* name) {
  std::vector<std::pair<std::string, std::string>> out;
  for (const pugi::xml_node node : form.children(name)) {
    out.emplace_back(node.attribute("ADDR").value(), node.child_value());
  }
  return out;
}

class ReportDocumentTest : public ::testing::Test {
 protected:
  RptDocument report_;
  TempDir dir_;
};

TEST_F(ReportDocumentTest, EveryValueSurvivesTheRoundTripByteForByte) {
  const std::vector<std::pair<std::string, std::string>> values = {
      {"1|1", "line one\r\nline two"},
      {"1|2", "lone\rcarriage return"},
      {"1|3", "a\nb"},
      {"1|4", "\t"},
      {"1|5", " "},
      {"1|6", "  leading and trailing  "},
      {"1|7", "\xE2\x80\xA6"},
      {"1|8", "<&> \"quoted\" 'single' ]]>"},
      {"1|9", ""},
      {"2|1", "\r\n\r\n"},
      {"2|2", "Caf\xC3\xA9 \xE2\x80\x9Cq\xE2\x80\x9D"},
  };
  report_.SetSkeleton("UAR-3X5.RPT");
  HostForm* form = report_.AddForm("UA2");
  ASSERT_NE(form, nullptr);
  form->SetVersion("2.5 \"rev\"\t\r\n");
  for (const auto& [address, value] : values) form->AddField(address, value);
  form->AddTitle("3|1", "SCOPE OF\r\nTHE APPRAISAL ");
  ASSERT_TRUE(report_.WriteReport(dir_.File("SMITH.RPT")));

  pugi::xml_document document;
  const pugi::xml_node root = LoadReportXml(dir_.File("SMITH.RPT"), document);
  EXPECT_STREQ(root.attribute("SKELETON").value(), "UAR-3X5.RPT");
  const pugi::xml_node written = root.child("FORM");
  EXPECT_STREQ(written.attribute("ID").value(), "UA2");
  EXPECT_STREQ(written.attribute("VERSION").value(), "2.5 \"rev\"\t\r\n");
  EXPECT_EQ(Elements(written, "FIELD"), values);
  EXPECT_EQ(Elements(written, "TITLE"),
            (std::vector<std::pair<std::string, std::string>>{{"3|1", "SCOPE OF\r\nTHE APPRAISAL "}}));
}

TEST_F(ReportDocumentTest, FieldsKeepTheOrderFirstWrittenAndOnlyRealAddresses) {
  report_.SetSkeleton("X.RPT");
  HostForm* main = report_.AddForm("UA2");
  HostForm* profile = report_.AddForm("offscrn");
  main->AddField("7|1", "first");
  main->AddField("4|2", "second");
  main->AddField("7|1", "replaced");   // keeps its place
  main->AddField("07|01", "again");    // the same field written another way
  main->AddField("999999999|0000000000999999999", "largest");  // nine digits after the zeros
  main->AddField("4|999999999", "beside the largest");
  for (const char* odd : {"FLOORPLANNUM", "LENDERCLIENTSTREET", "0|1", "1|0", "|1", "1|", "a|b", "-1|2",
                          "1|2|3", "1 |2", "", "12345678901|1", "1000000000|1", "1|4294967297"}) {
    main->AddField(odd, "kept nowhere");
  }
  profile->AddField("3|3", "SMITH");
  ASSERT_TRUE(report_.WriteReport(dir_.File("r.rpt")));

  pugi::xml_document document;
  const pugi::xml_node root = LoadReportXml(dir_.File("r.rpt"), document);
  std::vector<std::string> forms;
  for (const pugi::xml_node form : root.children("FORM")) forms.push_back(form.attribute("ID").value());
  EXPECT_EQ(forms, (std::vector<std::string>{"UA2", "offscrn"}));
  EXPECT_EQ(Elements(root.child("FORM"), "FIELD"),
            (std::vector<std::pair<std::string, std::string>>{{"7|1", "again"},
                                                              {"4|2", "second"},
                                                              {"999999999|999999999", "largest"},
                                                              {"4|999999999", "beside the largest"}}));
}

TEST_F(ReportDocumentTest, ManyFieldsKeepTheirFirstPlaceAndLastValue) {
  report_.SetSkeleton("X.RPT");
  HostForm* main = report_.AddForm("UA2");
  // More fields than a form usually has, on lines and columns both large and
  // small; then every other one written again, from the last to the first.
  std::vector<std::pair<std::string, std::string>> expected;
  for (int line = 1; line <= 60; ++line) {
    for (int field : {1, 2, 3, 17, 65536, 999999999}) {
      const std::string address = std::to_string(line) + "|" + std::to_string(field);
      main->AddField(address, "first " + address);
      expected.emplace_back(address, "first " + address);
    }
  }
  for (std::size_t i = expected.size(); i-- > 0;) {
    if (i % 2 != 0) continue;
    main->AddField("0" + expected[i].first, "again " + expected[i].first);
    expected[i].second = "again " + expected[i].first;
  }
  ASSERT_TRUE(report_.WriteReport(dir_.File("r.rpt")));

  pugi::xml_document document;
  const pugi::xml_node root = LoadReportXml(dir_.File("r.rpt"), document);
  EXPECT_EQ(Elements(root.child("FORM"), "FIELD"), expected);
}

TEST_F(ReportDocumentTest, FormsAreFoundWithoutRegardToCase) {
  EXPECT_EQ(report_.AddForm(""), nullptr);
  HostForm* profile = report_.AddForm("offscrn");
  ASSERT_NE(profile, nullptr);
  EXPECT_EQ(report_.GetForm("Offscrn"), profile);
  EXPECT_EQ(report_.GetForm("OFFSCRN"), profile);
  EXPECT_EQ(report_.GetForm("offscrn"), profile);
  EXPECT_EQ(profile->Form(), "offscrn");
  EXPECT_EQ(report_.GetForm("UA2"), nullptr);
  EXPECT_EQ(report_.GetForm(""), nullptr);
  profile->SetVersion("1.0");
  EXPECT_EQ(report_.GetForm("OFFSCRN")->Version(), "1.0");
}

TEST_F(ReportDocumentTest, ImagesAreStoredByFrameAndTheLastAttachedWins) {
  const std::string front = dir_.Write("Pix/front.jpg", std::string("\xFF\xD8 front\0bytes", 14));
  const std::string rear = dir_.Write("Pix/rear.JPG", "rear bytes");
  const std::string other = dir_.Write("Pix/other.jpg", "other bytes");
  EXPECT_EQ(report_.AddImage(""), nullptr);

  ReportImage* image = report_.AddImage("SUB_1_3X5");
  ASSERT_NE(image, nullptr);
  image->SetFileName("other");
  image->SetExtension("jpg");
  image->AttachFile(other);
  ReportImage* again = report_.AddImage("SUB_1_3X5");  // replaces the frame's image
  again->SetFileName("front");
  again->SetExtension("jpg");
  again->SetWidth(0);
  again->SetHeight(0);
  again->AttachFile(front);
  ReportImage* second = report_.AddImage("SUB_2_3X5");
  second->SetFileName("rear");
  second->SetExtension("JPG");
  second->AttachFile(rear);
  report_.AddImage("SUB_3_3X5");  // nothing attached: not written

  ASSERT_TRUE(report_.WriteReport(dir_.File("photos.rpt")));
  const auto entries = ReadArchive(dir_.File("photos.rpt"));
  pugi::xml_document document;
  const pugi::xml_node root = LoadReportXml(dir_.File("photos.rpt"), document);
  std::vector<std::string> shown;
  for (const pugi::xml_node node : root.children("IMAGE")) {
    const std::string entry = node.attribute("ENTRY").value();
    shown.push_back(std::string(node.attribute("FRAME").value()) + " " + node.attribute("FILENAME").value() +
                    "." + node.attribute("EXTENSION").value() + " " + node.attribute("WIDTH").value() + "x" +
                    node.attribute("HEIGHT").value() + " " + entry);
    ASSERT_EQ(entries.count(entry), 1u) << entry;
  }
  EXPECT_EQ(shown, (std::vector<std::string>{"SUB_1_3X5 front.jpg 0x0 IMAGES/IMAGE1.jpg",
                                             "SUB_2_3X5 rear.JPG 0x0 IMAGES/IMAGE2.jpg"}));
  EXPECT_EQ(entries.at("IMAGES/IMAGE1.jpg"), dir_.Read("Pix/front.jpg"));
  EXPECT_EQ(entries.at("IMAGES/IMAGE2.jpg"), "rear bytes");
  EXPECT_EQ(entries.size(), 3u);
}

TEST_F(ReportDocumentTest, AttachingAnUnreadableFileRaises) {
  ReportImage* image = report_.AddImage("SUB_1_3X5");
  fs::create_directory(dir_.path() / "folder");
  for (const std::string& path : {dir_.File("missing.jpg"), dir_.File("folder"), std::string()}) {
    SCOPED_TRACE(path);
    auto error = RaisedError([&] { image->AttachFile(path); });
    ASSERT_TRUE(error);
    EXPECT_EQ(error->source(), "QorFile.DOCUMENT");
    EXPECT_NE(error->description().find(path), std::string::npos);
  }
  EXPECT_EQ(RaisedError([&] { image->AttachFile(dir_.File("missing.jpg")); })->number(), 53);
}

TEST_F(ReportDocumentTest, AFailedWriteLeavesNoFileAndTheOldReportUntouched) {
  report_.SetSkeleton("UAR-3X5.RPT");
  report_.AddForm("UA2")->AddField("1|1", "new");
  const std::string photo = dir_.Write("front.jpg", "photo");
  ReportImage* image = report_.AddImage("SUB_1_3X5");
  image->AttachFile(photo);
  const std::string existing = dir_.Write("SMITH.RPT", "the report written yesterday");

  fs::remove(photo);  // gone between attaching and writing
  EXPECT_FALSE(report_.WriteReport(existing));
  EXPECT_EQ(dir_.Read("SMITH.RPT"), "the report written yesterday");
  EXPECT_EQ(Listing(dir_.path()), std::vector<std::string>{"SMITH.RPT"});

  EXPECT_FALSE(report_.WriteReport(dir_.File("no such folder/SMITH.RPT")));
  EXPECT_FALSE(report_.WriteReport(dir_.path().string()));
  EXPECT_FALSE(report_.WriteReport(""));
  EXPECT_EQ(Listing(dir_.path()), std::vector<std::string>{"SMITH.RPT"});

  // With the photo back, the same report replaces the old one.
  dir_.Write("front.jpg", "photo");
  ASSERT_TRUE(report_.WriteReport(existing));
  EXPECT_EQ(ReadArchive(existing).at("IMAGES/IMAGE1.jpg"), "photo");
  EXPECT_EQ(Listing(dir_.path()), (std::vector<std::string>{"SMITH.RPT", "front.jpg"}));
}

TEST_F(ReportDocumentTest, AnyLegalReportNameSaves) {
  report_.AddForm("UA2")->AddField("1|1", "long");
  // Up to the 255 bytes a name may have, new and replacing an earlier report.
  for (const std::size_t length : {std::size_t{240}, std::size_t{241}, std::size_t{255}}) {
    SCOPED_TRACE(length);
    const std::string name = std::string(length - 4, 'N') + ".RPT";
    ASSERT_TRUE(report_.WriteReport(dir_.File(name)));
    ASSERT_TRUE(report_.WriteReport(dir_.File(name)));
    EXPECT_FALSE(report_.WriteFailure());
    EXPECT_EQ(ReadArchive(dir_.File(name)).count("REPORT.XML"), 1U);
    fs::remove(dir_.File(name));
  }
  EXPECT_TRUE(Listing(dir_.path()).empty());
}

TEST_F(ReportDocumentTest, AFailedWriteSaysWhy) {
  report_.AddForm("UA2");
  const std::string photo = dir_.Write("front.jpg", "photo");
  report_.AddImage("SUB_1_3X5")->AttachFile(photo);
  const struct {
    std::string path;
    std::function<void()> arrange;
    int32_t number;
    std::string description;
  } cases[] = {
      {dir_.File(std::string(252, 'N') + ".RPT"), [] {}, err::kPathFileAccessError,
       "Cannot create " + dir_.File(std::string(252, 'N') + ".RPT") + ": File name too long"},
      {dir_.File("gone/SMITH.RPT"), [] {}, err::kFileNotFound,
       "Cannot create a file in " + dir_.File("gone") + ": No such file or directory"},
      {dir_.File("SMITH.RPT"), [&] { fs::remove(photo); }, err::kPathFileAccessError,
       "Cannot write " + dir_.File("SMITH.RPT") + ": Read error: No such file or directory"},
      {dir_.path().string(), [] {}, err::kPathFileAccessError,
       "Cannot write " + dir_.path().string() + ": Is a directory"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.path);
    c.arrange();
    EXPECT_FALSE(report_.WriteReport(c.path));
    ASSERT_TRUE(report_.WriteFailure());
    EXPECT_EQ(report_.WriteFailure()->number(), c.number);
    EXPECT_EQ(report_.WriteFailure()->source(), "QorFile.DOCUMENT");
    EXPECT_EQ(report_.WriteFailure()->description(), c.description);
  }
  EXPECT_TRUE(Listing(dir_.path()).empty());
}

TEST_F(ReportDocumentTest, EntriesAreStoredReadableByAllAndWritableByTheOwnerOnly) {
  report_.AddForm("UA2");
  report_.AddImage("SUB_1_3X5")->AttachFile(dir_.Write("front.jpg", "photo"));
  const std::string path = dir_.File("SMITH.RPT");
  ASSERT_TRUE(report_.WriteReport(path));
  int code = 0;
  zip_t* archive = zip_open(path.c_str(), ZIP_RDONLY, &code);
  ASSERT_NE(archive, nullptr);
  ASSERT_EQ(zip_get_num_entries(archive, 0), 2);
  for (zip_uint64_t i = 0; i < 2; ++i) {
    SCOPED_TRACE(zip_get_name(archive, i, 0));
    zip_uint8_t system = 0;
    zip_uint32_t attributes = 0;
    ASSERT_EQ(zip_file_get_external_attributes(archive, i, 0, &system, &attributes), 0);
    EXPECT_EQ(system, ZIP_OPSYS_UNIX);
    EXPECT_EQ(attributes >> 16, static_cast<zip_uint32_t>(S_IFREG | 0644));
  }
  zip_discard(archive);
}

// A real kill in the middle of the write: the child writes a report whose
// photo is a pipe, so the write stops inside the archive until the test
// feeds the pipe; the test feeds some of it and kills the child there.
TEST_F(ReportDocumentTest, AKillDuringTheWriteLeavesTheEarlierReportAndNothingElse) {
  report_.AddForm("UA2")->AddField("1|1", std::string(100000, 'v'));
  // Attached as a file, then made a pipe: opening a pipe waits for a writer.
  const std::string pipe = dir_.Write("front.jpg", "x");
  report_.AddImage("SUB_1_3X5")->AttachFile(pipe);
  fs::remove(pipe);
  ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
  const std::string earlier = dir_.Write("SMITH.RPT", "the report written yesterday");

  const pid_t child = ::fork();
  ASSERT_GE(child, 0);
  if (child == 0) {
    report_.WriteReport(earlier);
    ::_exit(0);
  }
  const int feed = ::open(pipe.c_str(), O_WRONLY);  // waits for the child to read
  ASSERT_GE(feed, 0);
  const std::string chunk(65536, 'p');
  ASSERT_EQ(::write(feed, chunk.data(), chunk.size()), static_cast<ssize_t>(chunk.size()));
  std::this_thread::sleep_for(std::chrono::milliseconds(50));
  ::kill(child, SIGKILL);
  int status = 0;
  ::waitpid(child, &status, 0);
  ::close(feed);
  EXPECT_TRUE(WIFSIGNALED(status));

  EXPECT_EQ(dir_.Read("SMITH.RPT"), "the report written yesterday");
  EXPECT_EQ(Listing(dir_.path()), (std::vector<std::string>{"SMITH.RPT", "front.jpg"}));
}

}  // namespace
}  // namespace ombrel
