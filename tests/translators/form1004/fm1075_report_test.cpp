// A 1075 envelope through the whole program: start-up and envelope step, the
// real engine, XML reader and report writer. The report file is read back and
// its forms, fields, comments and images checked against what the order holds.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "support/order_xml.h"
#include "support/report_reader.h"
#include "support/report_workspace.h"
#include "translators/form1004/fm1075.h"

namespace ombrel {
namespace {

using testing::EnvelopePhoto;
using testing::ReportForm;
using testing::ReportWorkspace;
using testing::WrittenReport;

using Order = std::map<std::string, std::string>;

std::string N(int n) { return std::to_string(n); }

// Converts an envelope of the order and these photos as a user would, saving
// the report as UNIT4B.RPT, and reads it back.
std::optional<WrittenReport> Convert(ReportWorkspace& workspace, const Order& order,
                                     const std::vector<EnvelopePhoto>& photos) {
  testing::OrderXml xml;
  for (const auto& [tag, value] : order) xml.Set(tag, value);
  return workspace.Convert(xml.Text(), photos, "UNIT4B.RPT");
}

// An order with boxes and joins with values they know, a few plain values,
// nine comparables, photos and a sketch.
// Comparables 2 and 5 have a unit number and no street.
Order FullOrder() {
  Order order = {
      {"PROPADDR", "<PROPADDR> & more"},
      {"APPRAISER", "<APPRAISER> & more"},
      {"APPRAISERSTATELICNUM", "<APPRAISERSTATELICNUM> & more"},
      {"SUPAPPRAISER", "<SUPAPPRAISER> & more"},
      {"COMP(7)SALESPRICE", "<COMP(7)SALESPRICE> & more"},
      {"COMMENTSALESCOMPARETHREE", "<COMMENTSALESCOMPARETHREE> & more"},
      {"COMP(3)PRIORSALEDATA", "<COMP(3)PRIORSALEDATA> & more"},
      {"FORMNUM", "1075"},
      {"CASE_NO", "C-1075"},
      {"BORROWER", "Cora Vick"},
      {"LEGALDESC", "Unit 4B\nHarbor View Cooperative"},
      {"CURRENTOCCUPANT", "TENANTREQUIRED"},
      {"BUILTUP", "OVER 75%"},
      {"CONDOOCCUPANCYVACANTA", "ON"},
      {"COOPOCCUPANCYTENANT", "ON"},
      {"FEMAFLOODHAZARD", "NO"},
      {"KITCHENEQUIPMICROWAVE", "ON"},
      {"MGMTGROUP", "COOPERATIVEBOARD"},
      {"DATASRCOTHER", "ON"},
      {"DATASRC(1)INFO", "Management agent"},
      {"DATASRC(3)INFO", "County records"},
      {"SHARESNUMISSUED", "1200"},
      {"PARKINGUNLABELED", "Carport"},
      {"PARKINGUNLABELEDDESC", "2 spaces"},
      {"APPRAISALMADE", "REPAIRSALTERATIONS"},
      {"INSPECTSUBJECTPROP", "DID"},
      {"LENDERCLIENTSTREET", "1 Lake Ave"},
      {"LENDERCLIENTCITY", "Duluth"},
      {"LENDERCLIENTSTATEPROV", "MN"},
      {"LENDERCLIENTZIP", "55801"},
      {"APPRAISERADDR", "9 Pine St, Duluth, MN  55803"},
      {"APPRAISERSTREET", "not used beside the whole address"},
      {"APPRAISERCITY", "Duluth"},
      {"SUBJECTADDRSTREET", "12 Harbor View Dr"},
      {"SUBJECTUNITNUM", "4B"},
      {"SUBJECTADDRCITY", "Duluth"},
      {"SUBJECTADDRZIP", "55802"},
      {"ESTMARKETVALUEDT", "03/28/2024"},
      {"ADDENDA(1)NUM", "1"},
      {"ADDENDA(1)NAME", "Scope of the Appraisal"},
      {"ADDENDA(1)VALUE", "Interior and exterior inspection of the unit."},
      {"ADDENDA(2)NUM", "2"},
      {"ADDENDA(2)NAME", "ADDITIONAL COMMENTS"},
      {"ADDENDA(2)VALUE", "The project is well kept."},
      {"SUBJECTFRONTVIEW", "front.jpg"},
      {"COMP(1)PHOTO", "comp1.jpg"},
      {"COMP(1)PHOTONUM", "1"},
      // The order numbers its second comparable 5 and labels its photo 3:
      // the photo follows the comparable's own number.
      {"COMP(2)PHOTO", "comp2.jpg"},
      {"COMP(2)PHOTONUM", "3"},
      {"COMP(9)PHOTO", "comp9.jpg"},
      {"COMP(9)PHOTONUM", "9"},
      {"ADDPHOTO(1)", "lobby.jpg"},
      {"FLOORPLAN", "plan.jpg"},
      {"FLOORPLANNAME", "UNIT FLOOR PLAN"},
  };
  for (int n = 1; n <= 9; ++n) {
    const std::string comp = "COMP(" + N(n) + ")";
    order[comp + "NUM"] = n == 2 ? "5" : N(n);
    if (n != 2 && n != 5) order[comp + "ADDRSTREET"] = N(n) + "00 Lake St";
    if (n % 2 == 1 || n == 2) order[comp + "UNITNUM"] = N(n);
    order[comp + "ADDRCITY"] = "Duluth";
    order[comp + "ADDRSTATEPROV"] = "MN";
    order[comp + "ADDRZIP"] = "5580" + N(n);
    order[comp + "NETADJUSTPOSNEG"] = n % 2 == 1 ? "POSITIVE" : "NEGATIVE";
  }
  return order;
}

const std::vector<EnvelopePhoto> kPhotos = {"front.jpg", "comp1.jpg", "comp2.jpg",
                                          "comp9.jpg", "lobby.jpg", "plan.jpg"};

void ExpectField(const WrittenReport& report, const std::string& formId, const std::string& addr,
                 const std::optional<std::string>& value) {
  const ReportForm* form = report.Form(formId);
  ASSERT_NE(form, nullptr) << formId;
  EXPECT_EQ(form->Field(addr), value) << formId << " " << addr;
}

TEST(FM1075Report, NineComparablesPhotosAndSketch) {
  ReportWorkspace workspace;
  const Order order = FullOrder();
  const std::optional<WrittenReport> report = Convert(workspace, order, kPhotos);
  ASSERT_TRUE(report.has_value());
  EXPECT_TRUE(workspace.ui.boxes.empty()) << workspace.ui.boxes.front().text;
  EXPECT_EQ(report->skeleton, "CIA-3X5.RPT");
  EXPECT_EQ(report->FormIds(), (std::vector<std::string>{"CIA", "Extended_Comments", "offscrn",
                                                         "CIACMP46", "ciacmp79", "sketch"}));
  const std::pair<const char*, const char*> versions[] = {
      {"CIA", "1"},      {"Extended_Comments", "1"}, {"offscrn", "5"},
      {"CIACMP46", "1"}, {"ciacmp79", "1"},          {"sketch", "2"}};
  for (const auto& [id, version] : versions) {
    ASSERT_NE(report->Form(id), nullptr) << id;
    EXPECT_EQ(report->Form(id)->version, version) << id;
  }

  ExpectField(*report, "CIA", "248|1", std::nullopt);  // the appraiser holds no certificate

  // Boxes, joins, addresses and long comments on "CIA".
  const std::pair<const char*, const char*> main[] = {
      {"9|3", "X"},    // tenant required
      {"15|2", "X"},   // over 75% built up: the group starts at field 2
      {"18|5", "X"},   // condominium vacancy, out of line with its twins
      {"17|4", "X"},   // co-operative tenant occupancy
      {"43|7", "X"},   // no flood hazard
      {"72|3", "X"},   // microwave
      {"109|4", "X"},  // co-operative board
      {"115|3", "X"},  // other data source
      {"232|2", "X"},  // subject to repairs
      {"245|3", "X"},  // inspected
      {"6|1", "Unit 4B\nHarbor View Cooperative"},
      {"12|2", "1 Lake Ave, Duluth, MN  55801"},
      {"13|2", "9 Pine St, Duluth, MN  55803"},
      {"52|3", "Carport  2 spaces"},
      {"53|4", ""},  // a join of tags without values is still written
      {"117|1", "Management agent\rCounty records"},
      {"120|1", "1200"},
      {"175|1", "12 Harbor View Dr, #4B"},
      {"176|1", "Duluth  55802"},
      {"175|2", "100 Lake St, #1"},
      {"175|3", "2"},  // a unit number without a street: no delimiter
      {"176|4", "Duluth, MN  55803"},
      {"212|1", "X"},  // comparable 1 positive
      {"212|5", "X"},  // comparable 2 negative
      {"212|7", "X"},  // comparable 3 positive
  };
  for (const auto& [addr, value] : main) ExpectField(*report, "CIA", addr, value);
  for (const char* addr : {"9|1", "15|3", "18|4", "18|7", "43|6", "109|1", "212|2", "212|4"}) {
    ExpectField(*report, "CIA", addr, std::nullopt);
  }

  // Overflow forms: comparable n at place n-3 or n-6, comparable 5 written
  // although it has no street of its own.
  ExpectField(*report, "CIACMP46", "11|2", "400 Lake St");
  ExpectField(*report, "CIACMP46", "11|3", "5");
  ExpectField(*report, "CIACMP46", "12|3", "Duluth, MN  55805");
  ExpectField(*report, "CIACMP46", "11|4", "600 Lake St");
  ExpectField(*report, "CIACMP46", "48|2", "X");  // comparable 4 negative
  ExpectField(*report, "CIACMP46", "48|4", "X");  // comparable 5 positive
  ExpectField(*report, "CIACMP46", "48|8", "X");  // comparable 6 negative
  ExpectField(*report, "ciacmp79", "11|2", "700 Lake St, #7");
  ExpectField(*report, "ciacmp79", "12|4", "Duluth, MN  55809");
  ExpectField(*report, "ciacmp79", "48|7", "X");  // comparable 9 positive at place 3
  ExpectField(*report, "ciacmp79", "48|1", "X");  // comparable 7 positive at place 1

  // Headed comments: each under the field whose heading its name bears.
  const ReportForm* comments = report->Form("Extended_Comments");
  ASSERT_NE(comments, nullptr);
  EXPECT_EQ(comments->Field("3|2"),
            std::optional<std::string>("Interior and exterior inspection of the unit."));
  EXPECT_EQ(comments->titles.at("3|2"), "Scope of the Appraisal");
  EXPECT_EQ(comments->Field("251|1"), std::optional<std::string>("The project is well kept."));
  EXPECT_EQ(comments->titles.at("251|1"), "ADDITIONAL COMMENTS");

  // Report profile and the two signer blocks.
  const std::pair<const char*, std::string> profile[] = {
      {"2|3", "C-1075"},
      {"3|3", "UNIT4B"},
      {"6|1", "Cora Vick"},
      {"7|1", order.at("PROPADDR")},
      {"11|2", "March 28, 2024"},
      {"15|1", "1 Lake Ave"},
      {"16|1", "Duluth, MN"},
      {"30|1", "X"},
      {"31|1", order.at("APPRAISER")},
      {"34|1", "X"},
      {"33|1", order.at("APPRAISERSTATELICNUM")},
      {"39|3", "X"},
      {"40|1", order.at("SUPAPPRAISER")},
      {"40|2", "X"},  // the supervisor inspected
  };
  for (const auto& [addr, value] : profile) ExpectField(*report, "offscrn", addr, value);

  // Photos: subject, comparables (the second on its own number's frame), a
  // general photo and the sketch with its addendum.
  for (const char* frame :
       {"SUB_1_3X5", "CMP_1_3X5", "CMP_5_3X5", "CMP_9_3X5", "GN_1_3X5", "SKETCH_SUBJECT"}) {
    const auto* image = report->Image(frame);
    ASSERT_NE(image, nullptr) << frame;
    EXPECT_NE(std::find(report->entries.begin(), report->entries.end(), image->entry),
              report->entries.end())
        << frame;
  }
  EXPECT_EQ(report->images.size(), 6u);
  EXPECT_EQ(report->Image("CMP_5_3X5")->fileName, "comp2");
  ExpectField(*report, "sketch", "5|1", "UNIT FLOOR PLAN");
}

TEST(FM1075Report, OnlyComparableSevenBeyondThreeGetsOnlyTheSecondOverflowForm) {
  ReportWorkspace workspace;
  Order order = FullOrder();
  // Unit numbers and cities alone do not make comparables 4 to 6.
  for (int n : {4, 6, 8, 9}) order.erase("COMP(" + N(n) + ")ADDRSTREET");
  // The additional comments come first in the order: the scope entry, offered
  // after them, finds no field left.
  order["ADDENDA(1)NAME"] = "ADDITIONAL COMMENTS";
  order["ADDENDA(1)VALUE"] = "The project is well kept.";
  order["ADDENDA(2)NAME"] = "Scope of the Appraisal";
  order["ADDENDA(2)VALUE"] = "Interior and exterior inspection of the unit.";

  const std::optional<WrittenReport> report = Convert(workspace, order, {});
  ASSERT_TRUE(report.has_value());
  EXPECT_TRUE(workspace.ui.boxes.empty()) << workspace.ui.boxes.front().text;
  EXPECT_EQ(report->FormIds(),
            (std::vector<std::string>{"CIA", "Extended_Comments", "offscrn", "ciacmp79"}));
  ExpectField(*report, "ciacmp79", "11|2", "700 Lake St, #7");
  ExpectField(*report, "ciacmp79", "11|3", "");  // comparable 8: neither street nor unit
  ExpectField(*report, "ciacmp79", "11|4", "9");
  ExpectField(*report, "ciacmp79", "15|2", order.at("COMP(7)SALESPRICE"));
  ExpectField(*report, "ciacmp79", "54|1", order.at("COMMENTSALESCOMPARETHREE"));
  ExpectField(*report, "CIA", "225|4", order.at("COMP(3)PRIORSALEDATA"));

  const ReportForm* comments = report->Form("Extended_Comments");
  ASSERT_NE(comments, nullptr);
  EXPECT_EQ(comments->fields,
            (std::map<std::string, std::string>{{"251|1", "The project is well kept."}}));
  EXPECT_TRUE(report->images.empty());
}

}  // namespace
}  // namespace ombrel
