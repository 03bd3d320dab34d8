// The whole road for a 1004 order: an envelope with nine comparables, photos,
// a sketch and a flood map goes through the program's start-up and envelope
// step, the real engine, XML reader and report writer, and the report file
// read back must hold what the order holds. The demo order of the repository
// must make such a report too.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "support/order_xml.h"
#include "support/report_reader.h"
#include "support/report_workspace.h"
#include "translators/form1004/fm1004.h"

namespace ombrel {
namespace {

using testing::EnvelopePhoto;
using testing::ReportForm;
using testing::ReportWorkspace;
using testing::WrittenReport;

using Order = std::map<std::string, std::string>;

// The order document holding each tag's value where the XML reader finds a
// tag without alias.
std::string OrderText(const Order& order) {
  testing::OrderXml xml;
  for (const auto& [tag, value] : order) xml.Set(tag, value);
  return xml.Text();
}

std::string ReadFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

std::string N(int n) { return std::to_string(n); }

// A full order: the boxes and joins with values they know, a few plain
// values, nine comparables, photos and maps.
Order FullOrder() {
  Order order = {
      {"PROPADDR", "<PROPADDR> & more"},
      {"APPRAISER", "<APPRAISER> & more"},
      {"SUPAPPRAISER", "<SUPAPPRAISER> & more"},
      {"FORMNUM", "1004"},
      {"CURRENTOCCUPANT", "TENANT"},
      {"BUILTUP", "25-75%"},
      {"OCCUPANCYOWNER", "ON"},
      {"ZONINGCOMPLIANCE", "NOZONING"},
      {"APPRAISALMADE", "SUBJECTTOCOMPLETION"},
      {"INSPECTSUBJECTPROP", "DIDNOT"},
      {"LEGALDESC", "Lot 14, Block 3\r\nMaple Ridge"},
      {"COMMENTSONCOST", "Cost new from a national service."},
      {"LENDERCLIENTSTREET", "1 Main St"},
      {"LENDERCLIENTCITY", "Des Moines"},
      {"LENDERCLIENTSTATEPROV", "IA"},
      {"LENDERCLIENTZIP", "50309"},
      {"APPRAISERSTREET", "221 Lincoln Way"},
      {"APPRAISERCITY", "Ames"},
      {"APPRAISERSTATEPROV", "IA"},
      {"APPRAISERZIP", "50014"},
      {"SUBJECTADDRCITY", "Ames"},
      {"SUBJECTADDRZIP", "50010"},
      {"BASEMENTUNLABELED", "Workshop"},
      {"BASEMENTUNLABELEDDESC", "Unfinished"},
      {"ESTMARKETVALUEDT", "03/28/2024"},
      {"BORROWER", "Jordan Whitfield"},
      {"CASE_NO", "C-17"},
      {"APPRAISERSTATECERTNUM", "CR02817"},
      {"APPRAISERCERTSTATEPROV", "IA"},
      {"ADDENDA(1)NUM", "1"},
      {"ADDENDA(1)NAME", "Scope of the Appraisal"},
      {"ADDENDA(1)VALUE", "Interior and exterior inspection."},
      {"ADDENDA(2)NUM", "2"},
      {"ADDENDA(2)NAME", "ADDITIONAL COMMENTS"},
      {"ADDENDA(2)VALUE", "For a first mortgage."},
      {"SUBJECTFRONTVIEW", "front.jpg"},
      {"SUBJECTREARVIEW", "rear.jpg"},
      {"SUBJECTSTREETVIEW", "street.jpg"},
      {"COMP(1)PHOTO", "comp1.jpg"},
      {"COMP(1)PHOTONUM", "1"},
      // The order numbers its second comparable 5 and labels its photo 3:
      // the photo follows the comparable's own number.
      {"COMP(2)PHOTO", "comp2.jpg"},
      {"COMP(2)PHOTONUM", "3"},
      {"COMP(9)PHOTO", "comp9.jpg"},
      {"COMP(9)PHOTONUM", "9"},
      {"ADDPHOTO(1)", "extra1.jpg"},
      {"ADDPHOTO(18)", "extra18.jpg"},
      {"FLOORPLAN", "sketch.jpg"},
      {"FLOORPLANNAME", "FIRST FLOOR"},
      {"FLOODMAP", "flood.jpg"},
      {"FLOODMAPNAME", "FEMA PANEL 0165F"},
  };
  for (int n = 1; n <= 9; ++n) {
    const std::string comp = "COMP(" + N(n) + ")";
    order[comp + "NUM"] = n == 2 ? "5" : N(n);
    order[comp + "ADDRSTREET"] = N(n) + " Elm St";
    order[comp + "ADDRCITY"] = "Ames";
    order[comp + "ADDRSTATEPROV"] = "IA";
    order[comp + "ADDRZIP"] = "5001" + N(n);
    order[comp + "NETADJUSTPOSNEG"] = n % 2 == 1 ? "POSITIVE" : "NEGATIVE";
  }
  return order;
}

const std::vector<EnvelopePhoto> kPhotos = {"front.jpg", "rear.jpg",    "street.jpg",  "comp1.jpg",
                                          "comp2.jpg", "comp9.jpg",   "extra1.jpg",  "extra18.jpg",
                                          "sketch.jpg", "flood.jpg"};

void ExpectField(const WrittenReport& report, const std::string& formId, const std::string& addr,
                 const std::string& value) {
  const ReportForm* form = report.Form(formId);
  ASSERT_NE(form, nullptr) << formId;
  EXPECT_EQ(form->Field(addr), std::optional<std::string>(value)) << formId << " " << addr;
}

TEST(FM1004Report, NineComparablesPhotosSketchAndFloodMap) {
  ReportWorkspace workspace;
  const Order order = FullOrder();
  const std::optional<WrittenReport> report = workspace.Convert(OrderText(order), kPhotos);
  ASSERT_TRUE(report.has_value());
  EXPECT_TRUE(workspace.ui.boxes.empty());
  EXPECT_EQ(report->skeleton, "UAR-3X5.RPT");
  EXPECT_EQ(report->FormIds(),
            (std::vector<std::string>{"UA2", "Extended_Comments", "offscrn", "cmps46", "cmps79",
                                      "sketch", "floodmap"}));
  const std::pair<const char*, const char*> versions[] = {
      {"UA2", "2"}, {"Extended_Comments", "2"}, {"offscrn", "5"}, {"cmps46", "1"},
      {"cmps79", "1"}, {"sketch", "2"}, {"floodmap", "2"}};
  for (const auto& [id, version] : versions) {
    ASSERT_NE(report->Form(id), nullptr) << id;
    EXPECT_EQ(report->Form(id)->version, version) << id;
  }

  // Boxes, joins and long comments on "UA2".
  const std::pair<const char*, const char*> main[] = {
      {"7|4", "X"},    // tenant
      {"14|3", "X"},   // 25-75% built up
      {"15|4", "X"},   // owner occupancy
      {"41|4", "X"},   // no zoning
      {"151|3", "X"},  // subject to completion
      {"162|4", "X"},  // did not inspect
      {"5|1", "Lot 14, Block 3\r\nMaple Ridge"},
      {"90|4", "Cost new from a national service."},
      {"11|2", "1 Main St, Des Moines, IA  50309"},
      {"12|2", "221 Lincoln Way, Ames, IA  50014"},
      {"102|1", "Ames  50010"},
      {"102|4", "Ames, IA  50013"},
      {"59|4", "Workshop  Unfinished"},
      {"73|1", ""},    // a join of tags without values is still written
      {"133|1", "X"},  // comparable 1 positive
      {"133|5", "X"},  // comparable 2 negative
      {"133|7", "X"},  // comparable 3 positive
  };
  for (const auto& [addr, value] : main) ExpectField(*report, "UA2", addr, value);
  for (const char* addr : {"7|3", "7|5", "14|2", "133|2", "133|4"}) {
    EXPECT_EQ(report->Form("UA2")->Field(addr), std::nullopt) << addr;
  }

  // Overflow forms: the comparable in place k takes the k-th column.
  ExpectField(*report, "cmps46", "11|2", "Ames, IA  50014");
  ExpectField(*report, "cmps46", "11|4", "Ames, IA  50016");
  ExpectField(*report, "cmps46", "42|2", "X");  // comparable 4 negative
  ExpectField(*report, "cmps46", "42|4", "X");  // comparable 5 positive
  ExpectField(*report, "cmps46", "42|8", "X");  // comparable 6 negative
  ExpectField(*report, "cmps79", "11|3", "Ames, IA  50018");
  ExpectField(*report, "cmps79", "42|7", "X");  // comparable 9 positive at place 3
  EXPECT_EQ(report->Form("cmps79")->Field("42|2"), std::nullopt);

  // Headed comments: each under the field whose heading its name bears.
  const ReportForm* comments = report->Form("Extended_Comments");
  ASSERT_NE(comments, nullptr);
  EXPECT_EQ(comments->Field("4|1"), std::optional<std::string>("Interior and exterior inspection."));
  EXPECT_EQ(comments->titles.at("4|1"), "Scope of the Appraisal");
  EXPECT_EQ(comments->Field("162|1"), std::optional<std::string>("For a first mortgage."));
  EXPECT_EQ(comments->titles.at("162|1"), "ADDITIONAL COMMENTS");
  EXPECT_EQ(comments->Field("53|1"), std::nullopt);

  // Report profile and the two signer blocks.
  const std::pair<const char*, std::string> profile[] = {
      {"2|3", "C-17"},
      {"6|1", "Jordan Whitfield"},
      {"7|1", order.at("PROPADDR")},
      {"11|2", "March 28, 2024"},
      {"15|1", "1 Main St"},
      {"16|1", "Des Moines, IA"},
      {"3|3", "SMITH"},
      {"30|1", "X"},
      {"31|1", order.at("APPRAISER")},
      {"34|2", "X"},
      {"33|1", "CR02817"},
      {"39|3", "X"},
      {"40|1", order.at("SUPAPPRAISER")},
      {"40|3", "X"},  // the supervisor did not inspect
  };
  for (const auto& [addr, value] : profile) ExpectField(*report, "offscrn", addr, value);

  // Photos: subject, comparables (the second on its own number's frame),
  // general photos, the sketch and the flood map with their addenda.
  for (const char* frame : {"SUB_1_3X5", "SUB_2_3X5", "SUB_3_3X5", "CMP_1_3X5", "CMP_5_3X5",
                            "CMP_9_3X5", "GN_1_3X5", "GN_18_3X5", "SKETCH_SUBJECT", "MAP_FLOOD"}) {
    const auto* image = report->Image(frame);
    ASSERT_NE(image, nullptr) << frame;
    EXPECT_NE(std::find(report->entries.begin(), report->entries.end(), image->entry),
              report->entries.end())
        << frame;
  }
  EXPECT_EQ(report->images.size(), 10u);
  EXPECT_EQ(report->Image("CMP_5_3X5")->fileName, "comp2");
  EXPECT_EQ(report->Image("CMP_2_3X5"), nullptr);
  ExpectField(*report, "sketch", "5|1", "FIRST FLOOR");
  ExpectField(*report, "floodmap", "5|1", "FEMA PANEL 0165F");

  // The envelope's documents are gone again.
  EXPECT_FALSE(std::filesystem::exists(workspace.dirs.File("kestrov/Pix/front.jpg")));
  EXPECT_FALSE(std::filesystem::exists(workspace.dirs.File("kestrov/XML/ORDER.XML")));
}

TEST(FM1004Report, ComparablesFourToNineWithoutStreetsGetNoOverflowForm) {
  ReportWorkspace workspace;
  Order order = FullOrder();
  for (int n = 4; n <= 9; ++n) order.erase("COMP(" + N(n) + ")ADDRSTREET");
  const std::optional<WrittenReport> report = workspace.Convert(OrderText(order), kPhotos);
  ASSERT_TRUE(report.has_value());
  EXPECT_EQ(report->FormIds(), (std::vector<std::string>{"UA2", "Extended_Comments", "offscrn",
                                                         "sketch", "floodmap"}));
  ExpectField(*report, "UA2", "101|4", "3 Elm St");
}

// The order and alias file that scripts/run puts into the demo workspace, with
// its two photos, make a complete report with an overflow form.
TEST(FM1004Report, TheDemoOrderBecomesAReport) {
  const std::filesystem::path demo =
      std::filesystem::path(__FILE__).parent_path() / "../../../tools/demo";
  const std::string orderText = ReadFile((demo / "order-1004.xml").string());
  const std::string aliases = ReadFile((demo / "global.ali").string());
  ASSERT_FALSE(orderText.empty()) << demo;
  ASSERT_FALSE(aliases.empty()) << demo;
  ReportWorkspace workspace(aliases);

  const std::optional<WrittenReport> report =
      workspace.Convert(orderText, {"front.jpg", "rear.jpg"});
  ASSERT_TRUE(report.has_value());
  EXPECT_TRUE(workspace.ui.boxes.empty());
  EXPECT_EQ(report->FormIds(),
            (std::vector<std::string>{"UA2", "Extended_Comments", "offscrn", "cmps46"}));
  ExpectField(*report, "UA2", "4|1", "412 Larkspur Lane");
  ExpectField(*report, "UA2", "11|1", "First Prairie Savings");
  ExpectField(*report, "UA2", "11|2", "100 Main Street, Millbrook, OH  43215");
  ExpectField(*report, "UA2", "101|4", "1204 Meadow Run");  // through the alias file
  ExpectField(*report, "UA2", "102|2", "Millbrook, OH  43210");
  ExpectField(*report, "cmps46", "10|2", "55 Thistle Way");
  ExpectField(*report, "cmps46", "48|1",
              "Comparable 4 is the oldest sale and is given the least weight.");
  ExpectField(*report, "offscrn", "6|1", "Dana Whitfield");
  ExpectField(*report, "offscrn", "11|2", "March 18, 2026");
  ExpectField(*report, "Extended_Comments", "162|1",
              "Prepared for the lender named above, for a first mortgage financing decision.");
  EXPECT_NE(report->Image("SUB_1_3X5"), nullptr);
  EXPECT_NE(report->Image("SUB_2_3X5"), nullptr);
}

}  // namespace
}  // namespace ombrel
