#include <zip.h>

#include <gtest/gtest.h>
#include <pugixml.hpp>

#include <filesystem>
#include <map>

#include "platform/error_matchers.h"
#include "platform/rpt_document.h"
#include "support/temp_dir.h"

namespace ombrel {
namespace {

namespace fs = std::filesystem;
using testing::RaisedError;
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

std::vector<std::string> Listing(const fs::path& folder) {
  std::vector<std::string> names;
  for (const auto& entry : fs::directory_iterator(folder)) names.push_back(entry.path().filename());
  std::sort(names.begin(), names.end());
  return names;
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
  for (const char* odd : {"FLOORPLANNUM", "LENDERCLIENTSTREET", "0|1", "1|0", "|1", "1|", "a|b", "-1|2",
                          "1|2|3", "1 |2", "", "12345678901|1"}) {
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
            (std::vector<std::pair<std::string, std::string>>{{"7|1", "again"}, {"4|2", "second"}}));
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

}  // namespace
}  // namespace ombrel
