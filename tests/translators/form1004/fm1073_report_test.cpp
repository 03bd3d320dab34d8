// A 1073 envelope through the whole program: the main window's start-up and
// envelope step, the real engine, XML reader and report document; the report
// file written is read back and its forms, fields and images checked against
// what the order holds.
#include <gtest/gtest.h>

#include <map>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "support/order_xml.h"
#include "support/report_reader.h"
#include "support/report_workspace.h"

namespace ombrel {
namespace {

using testing::EnvelopePhoto;
using testing::OrderXml;
using testing::ReportForm;
using testing::ReportWorkspace;
using testing::WrittenReport;

// The general photos keep their file in FILE beside their number.
const char* const kAliases =
    "; order tags whose place is not their own name\r\n"
    "ADDPHOTO(#) = ADDPHOTO(#)\\FILE\r\n";

// Runs the envelope step on an envelope of the order and these images, saves
// the report as condo.RPT and reads it back; no box may be shown.
std::optional<WrittenReport> Convert(ReportWorkspace& workspace, const OrderXml& order,
                                     const std::vector<EnvelopePhoto>& images) {
  std::optional<WrittenReport> report = workspace.Convert(order.Text(), images, "condo.RPT");
  EXPECT_TRUE(workspace.ui.boxes.empty()) << workspace.ui.boxes.front().text;
  EXPECT_TRUE(report.has_value()) << "no report written";
  return report;
}

// An order for a unit with comparables 1 to `comparables`; comparable n has the
// street "n00 Lake St", odd comparables a unit number, and values that name it.
OrderXml CondoOrder(int comparables) {
  OrderXml order;
  order.Set("FORMNUM", "1073");
  order.Set("TITLE", "Individual Condominium Unit Appraisal Report");
  order.Set("FILENUM", "F-1073");
  order.Set("BORROWER", "Cora Vick");
  order.Set("PROPADDR", "12 Harbor View Dr");
  order.Set("CITY", "Duluth");
  order.Set("STATEPROV", "MN");
  order.Set("ZIP", "55802");
  order.Set("UNITNUM", "4B");
  order.Set("LEGALDESC", "Unit 4B, Harbor View Condominium");
  order.Set("NBRHOODPROJNM", "Harbor View");
  order.Set("PHASENUM", "2");
  order.Set("CURRENTOCCUPANT", "TENANT");
  order.Set("BUILTUP", "25-75%");
  order.Set("OCCUPANCYOWNER", "ON");
  order.Set("CONDOPRICEPREDOMINATE", "185,000");
  order.Set("LENDERCLIENT", "North Shore Bank");
  order.Set("LENDERCLIENTSTREET", "1 Lake Ave");
  order.Set("LENDERCLIENTCITY", "Duluth");
  order.Set("LENDERCLIENTSTATEPROV", "MN");
  order.Set("LENDERCLIENTZIP", "55801");
  order.Set("APPRAISER", "Ada Lind");
  order.Set("APPRAISERADDR", "9 Pine St, Duluth, MN  55803");
  order.Set("APPRAISERSTREET", "not used beside the whole address");
  order.Set("APPRAISERSTATELICNUM", "LIC-77");
  order.Set("APPRAISERLICSTATEPROV", "MN");
  order.Set("SUPAPPRAISER", "Bo Sand");
  order.Set("INSPECTSUBJECTPROP", "DIDNOT");
  order.Set("PARKINGUNLABELED", "Carport");
  order.Set("PARKINGUNLABELEDDESC", "2 spaces");
  order.Set("CONDOTYPE", "HIGHRISE");
  order.Set("UNLABELEDLEVEL", "Loft");
  order.Set("UNLABELEDAREASQFT", "300");
  order.Set("MGMTGROUP", "MGMTAGENT");
  order.Set("SUBJECTADDRSTREET", "12 Harbor View Dr");
  order.Set("SUBJECTUNITNUM", "4B");
  order.Set("SALESCOMPUNLABELED", "Storage");
  order.Set("SUBJECTUNLABELEDDESC", "Locker");
  order.Set("COMMENTSALESCOMPARE", "All three sales are in the project.");
  order.Set("COMMENTSALESCOMPARETWO", "Sales four to six are nearby.");
  order.Set("COMMENTSALESCOMPARETHREE", "Sales seven to nine are older.");
  order.Set("ESTMARKETVALUE", "190,000");
  order.Set("FINALRECON", "The sales comparison approach is given most weight.");
  // Subject, sketch and flood map images.
  order.Set("SUBJECTFRONTVIEW", "front.jpg");
  order.Set("FLOORPLAN", "plan.jpg");
  order.Set("FLOORPLANNAME", "Unit floor plan");
  order.Set("FLOODMAP", "flood.jpg");
  order.Set("FLOODMAPNAME", "Flood zone map");
  // Headed comments: the additional comments are named in small letters.
  order.SetItem("ADDENDA", 1, "NUM", "1");
  order.SetItem("ADDENDA", 1, "NAME", "SCOPE OF THE APPRAISAL");
  order.SetItem("ADDENDA", 1, "VALUE", "Interior and exterior inspection.");
  order.SetItem("ADDENDA", 2, "NUM", "2");
  order.SetItem("ADDENDA", 2, "NAME", "Additional Comments");
  order.SetItem("ADDENDA", 2, "VALUE", "The project is well kept.");
  order.SetItem("ADDPHOTO", 1, "FILE", "lobby.jpg");
  order.SetItem("ADDPHOTO", 1, "NUM", "1");

  for (int n = 1; n <= comparables; ++n) {
    const std::string s = std::to_string(n);
    order.SetItem("COMP", n, "NUM", s);
    // Comparable 6 has neither street nor unit: its address cell is still written.
    if (n != 6) order.SetItem("COMP", n, "ADDRSTREET", s + "00 Lake St");
    if (n % 2 == 1) order.SetItem("COMP", n, "UNITNUM", s);
    order.SetItem("COMP", n, "SALESPRICE", s + "50,000");
    order.SetItem("COMP", n, "ROOMTOT", "room total " + s);
    order.SetItem("COMP", n, "ABOVEGRADEADJ", "room adjustment " + s);
    order.SetItem("COMP", n, "UNLABELED", "unlabeled " + s);
    order.SetItem("COMP", n, "NETADJUSTPOSNEG", n % 2 == 1 ? "POSITIVE" : "NEGATIVE");
    order.SetItem("COMP", n, "PRIORSALEDATA", "prior sale " + s);
    if (n == 1 || n == 4 || n == 9) {
      order.SetItem("COMP", n, "PHOTO", "comp" + s + ".jpg");
      order.SetItem("COMP", n, "PHOTONUM", s);
    }
  }
  return order;
}

const std::vector<EnvelopePhoto> kImages = {
    {"front.jpg", "front-bytes"}, {"comp1.jpg", "comp1-bytes"}, {"comp4.jpg", "comp4-bytes"},
    {"comp9.jpg", "comp9-bytes"}, {"lobby.jpg", "lobby-bytes"}, {"plan.jpg", "plan-bytes"},
    {"flood.jpg", "flood-bytes"}};

struct ExpectedField {
  const char* form;
  const char* addr;
  const char* value;
};

void ExpectFields(const WrittenReport& report, const std::vector<ExpectedField>& expected) {
  for (const ExpectedField& e : expected) {
    SCOPED_TRACE(std::string(e.form) + " " + e.addr);
    const ReportForm* form = report.Form(e.form);
    ASSERT_NE(form, nullptr);
    auto it = form->fields.find(e.addr);
    ASSERT_TRUE(it != form->fields.end()) << "field not written";
    EXPECT_EQ(it->second, e.value);
  }
}

TEST(FM1073ReportTest, NineComparablesBecomeACompleteReport) {
  ReportWorkspace workspace(kAliases);
  const std::optional<WrittenReport> written = Convert(workspace, CondoOrder(9), kImages);
  ASSERT_TRUE(written.has_value());
  const WrittenReport& report = *written;

  EXPECT_EQ(report.skeleton, "CND-3X5.RPT");
  EXPECT_EQ(report.FormIds(),
            (std::vector<std::string>{"CN2", "Extended_Comments", "offscrn", "cn2cmp46", "cn2cmp79",
                                      "sketch", "floodmap"}));
  std::map<std::string, std::string> versions;
  for (const auto& form : report.forms) versions[form.id] = form.version;
  EXPECT_EQ(versions, (std::map<std::string, std::string>{{"CN2", "1"},
                                                          {"Extended_Comments", "1"},
                                                          {"offscrn", "5"},
                                                          {"cn2cmp46", "2"},
                                                          {"cn2cmp79", "2"},
                                                          {"sketch", "2"},
                                                          {"floodmap", "2"}}));

  const std::vector<ExpectedField> expected = {
      // The main form's subject, project and reconciliation.
      {"CN2", "2|1", "Individual Condominium Unit Appraisal Report"},
      {"CN2", "4|1", "12 Harbor View Dr"},
      {"CN2", "5|1", "Unit 4B, Harbor View Condominium"},
      {"CN2", "5|3", "4B"},
      {"CN2", "7|1", "Harbor View, #2"},
      {"CN2", "8|4", "X"},
      {"CN2", "11|2", "1 Lake Ave, Duluth, MN  55801"},
      {"CN2", "12|2", "9 Pine St, Duluth, MN  55803"},
      {"CN2", "14|3", "X"},
      {"CN2", "15|4", "X"},
      {"CN2", "18|8", "185,000"},
      {"CN2", "53|2", "Carport  2 spaces"},
      {"CN2", "54|6", "X"},
      {"CN2", "67|1", "Loft"},
      {"CN2", "67|13", "300"},
      {"CN2", "94|3", "X"},
      {"CN2", "155|1", "The sales comparison approach is given most weight."},
      {"CN2", "160|1", "190,000"},
      {"CN2", "162|4", "X"},
      {"CN2", "163|1", "Ada Lind"},
      {"CN2", "163|2", "Bo Sand"},
      {"CN2", "166|1", "LIC-77"},
      // The grid: subject, then comparables 1 to 3.
      {"CN2", "100|1", "12 Harbor View Dr, #4B"},
      {"CN2", "134|1", "Storage"},
      {"CN2", "134|2", "Locker"},
      {"CN2", "100|2", "100 Lake St, #1"},
      {"CN2", "100|3", "200 Lake St"},
      {"CN2", "103|4", "350,000"},
      {"CN2", "124|8", "room total 2"},
      {"CN2", "124|15", "room adjustment 3"},
      {"CN2", "134|3", "unlabeled 1"},
      {"CN2", "135|1", "X"},
      {"CN2", "135|5", "X"},
      {"CN2", "135|7", "X"},
      {"CN2", "138|1", "All three sales are in the project."},
      {"CN2", "145|2", "prior sale 1"},
      // Comparables 4 to 6, with comparable 6's empty address cell.
      {"cn2cmp46", "11|2", "400 Lake St"},
      {"cn2cmp46", "11|3", "500 Lake St, #5"},
      {"cn2cmp46", "11|4", ""},
      {"cn2cmp46", "14|3", "550,000"},
      {"cn2cmp46", "35|12", "room total 6"},
      {"cn2cmp46", "45|5", "unlabeled 5"},
      {"cn2cmp46", "46|2", "X"},
      {"cn2cmp46", "46|4", "X"},
      {"cn2cmp46", "52|1", "Sales four to six are nearby."},
      // Comparables 7 to 9.
      {"cn2cmp79", "11|2", "700 Lake St, #7"},
      {"cn2cmp79", "11|3", "800 Lake St"},
      {"cn2cmp79", "11|4", "900 Lake St, #9"},
      {"cn2cmp79", "35|15", "room adjustment 9"},
      {"cn2cmp79", "46|7", "X"},
      {"cn2cmp79", "51|2", "prior sale 7"},
      {"cn2cmp79", "52|1", "Sales seven to nine are older."},
      // The report profile and its two signer blocks.
      {"offscrn", "3|3", "condo"},
      {"offscrn", "6|1", "Cora Vick"},
      {"offscrn", "7|1", "12 Harbor View Dr"},
      {"offscrn", "16|1", "Duluth, MN"},
      {"offscrn", "30|1", "X"},
      {"offscrn", "31|1", "Ada Lind"},
      {"offscrn", "33|1", "LIC-77"},
      {"offscrn", "39|3", "X"},
      {"offscrn", "40|1", "Bo Sand"},
      {"offscrn", "40|3", "X"},
      // The headed comments, each at the address of its field on "CN2".
      {"Extended_Comments", "2|2", "Interior and exterior inspection."},
      {"Extended_Comments", "168|1", "The project is well kept."},
      // The sketch and flood map addenda.
      {"sketch", "5|1", "Unit floor plan"},
      {"floodmap", "5|1", "Flood zone map"},
  };
  ExpectFields(report, expected);

  // Boxes of one group get one tick; the subject's fields are not on the
  // report profile, and nothing of comparables 4 to 9 is on "CN2".
  const ReportForm* cn2 = report.Form("CN2");
  ASSERT_NE(cn2, nullptr);
  EXPECT_EQ(cn2->fields.count("8|3") + cn2->fields.count("8|5"), 0u);
  EXPECT_EQ(cn2->fields.count("135|2"), 0u);
  for (const auto& [addr, value] : cn2->fields) {
    EXPECT_EQ(value.find("room total 4"), std::string::npos) << addr;
  }
  EXPECT_EQ(report.Form("offscrn")->fields.count("4|1"), 0u);

  const ReportForm* comments = report.Form("Extended_Comments");
  ASSERT_NE(comments, nullptr);
  EXPECT_EQ(comments->titles,
            (std::map<std::string, std::string>{{"2|2", "SCOPE OF THE APPRAISAL"},
                                                {"168|1", "Additional Comments"}}));

  // Every image of the order in its frame, its bytes in the report file.
  const std::map<std::string, std::string> frames = {
      {"SUB_1_3X5", "front"}, {"CMP_1_3X5", "comp1"}, {"CMP_4_3X5", "comp4"},
      {"CMP_9_3X5", "comp9"}, {"GN_1_3X5", "lobby"},  {"SKETCH_SUBJECT", "plan"},
      {"MAP_FLOOD", "flood"}};
  ASSERT_EQ(report.images.size(), frames.size());
  for (const auto& [frame, base] : frames) {
    SCOPED_TRACE(frame);
    const testing::ReportImageEntry* image = report.Image(frame);
    ASSERT_TRUE(image != nullptr) << "no image in this frame";
    EXPECT_EQ(image->fileName, base);
    EXPECT_EQ(image->extension, "jpg");
    EXPECT_EQ(image->bytes, base + "-bytes");
  }
}

TEST(FM1073ReportTest, ThreeComparablesNeedNoOverflowForm) {
  ReportWorkspace workspace(kAliases);
  OrderXml order = CondoOrder(3);
  // A unit number alone does not make a fourth comparable.
  order.SetItem("COMP", 4, "UNITNUM", "12");
  const std::optional<WrittenReport> written =
      Convert(workspace, order, {{"front.jpg", "front-bytes"}});
  ASSERT_TRUE(written.has_value());
  const WrittenReport& report = *written;

  EXPECT_EQ(report.FormIds(), (std::vector<std::string>{"CN2", "Extended_Comments", "offscrn"}));
  ExpectFields(report, {{"CN2", "100|4", "300 Lake St, #3"}, {"CN2", "145|4", "prior sale 3"}});
  ASSERT_EQ(report.images.size(), 1u);
  EXPECT_EQ(report.images[0].frame, "SUB_1_3X5");
}

}  // namespace
}  // namespace ombrel
