// Orders for the land, manufactured-home and review forms through the whole
// program: start-up and envelope step, the real engine, XML reader and report
// writer. Each report is read back and its forms, fields, comments and images
// checked against what the order holds.
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

using testing::OrderXml;
using testing::ReportForm;
using testing::ReportWorkspace;
using testing::WrittenReport;

using Order = std::map<std::string, std::string>;

std::string Text(const Order& order) {
  OrderXml xml;
  for (const auto& [tag, value] : order) xml.Set(tag, value);
  return xml.Text();
}

void ExpectFields(const WrittenReport& report, const std::string& formId,
                  const std::vector<std::pair<std::string, std::optional<std::string>>>& fields) {
  const ReportForm* form = report.Form(formId);
  ASSERT_NE(form, nullptr) << formId;
  for (const auto& [addr, value] : fields) {
    EXPECT_EQ(form->Field(addr), value) << formId << " " << addr;
  }
}

const std::optional<std::string> kUnwritten = std::nullopt;

TEST(ReviewLandMhReport, LandOrderWithComparablesOnBothFormsPhotosAndFloodMap) {
  // Comparables 4 and 6 are absent altogether; comparable 2 has no street.
  Order order = {
      {"COMMENTSALESCOMPARETWO", "<COMMENTSALESCOMPARETWO> & more"},
      {"COMP(5)ADDRSTREET", "<COMP(5)ADDRSTREET> & more"},
      {"FORMNUM", "LAND"},
      {"PROPRIGHTS", "LEASEHOLD"},
      {"GROWTHRATE", "SLOW"},
      {"RATINGEMPLCONV", "POOR"},
      {"RATINGSCHOOL", "good"},  // letter case counts: no box
      {"SITEAREA", "2.5"},
      {"SITEAREAUNIT", "AC"},
      {"LEGALDESC", "Lot 7\nBlock 2"},
      {"LENDERCLIENTSTREET", "1 Lake Ave"},
      {"LENDERCLIENTCITY", "Duluth"},
      {"LENDERCLIENTSTATEPROV", "MN"},
      {"LENDERCLIENTZIP", "55801"},
      {"SUBJECTADDRCITY", "Ely"},
      {"SUBJECTADDRZIP", "55731"},
      {"COMP(1)ADDRCITY", "Tower"},
      {"COMP(1)ADDRSTATEPROV", "MN"},
      {"COMP(1)NETADJUSTPOSNEG", "NEGATIVE"},
      {"COMP(2)NUM", "5"},  // renumbered: its photo goes to the fifth frame
      {"COMP(5)NETADJUSTPOSNEG", "POSITIVE"},
      {"ESTMARKETVALUEDT", "03/28/2024"},
      {"INSPECTSUBJECTPROP", "DID"},
      // The appraiser holds a licence only, the supervisor both.
      {"APPRAISERSTATELICNUM", "L-100"},
      {"APPRAISERLICSTATEPROV", "MN"},
      {"APPRAISERCERTSTATEPROV", "WI"},
      {"SUPAPPRAISERSTATELICNUM", "L-200"},
      {"SUPAPPRAISERSTATECERTNUM", "C-200"},
      {"SUPAPPRAISERLICSTATEPROV", "MN"},
      {"SUPAPPRAISERCERTSTATEPROV", "mn"},
      {"ADDENDA(1)NUM", "1"},
      {"ADDENDA(1)NAME", "SCOPE OF THE APPRAISAL"},
      {"ADDENDA(1)VALUE", "Exterior inspection of the lot."},
      {"ADDENDA(2)NUM", "2"},
      {"ADDENDA(2)NAME", "Additional Comments"},
      {"ADDENDA(2)VALUE", "Access by a gravel road."},
      {"SUBJECTFRONTVIEW", "front.jpg"},
      {"COMP(2)PHOTO", "comp2.jpg"},
      {"COMP(2)PHOTONUM", "3"},
      {"ADDPHOTO(1)", "shore.jpg"},
      {"FLOODMAP", "flood.jpg"},
      {"FLOODMAPNAME", "FEMA PANEL 27"},
  };

  ReportWorkspace workspace;
  const std::optional<WrittenReport> report =
      workspace.Convert(Text(order), {"front.jpg", "comp2.jpg", "shore.jpg", "flood.jpg"});
  ASSERT_TRUE(report.has_value());
  EXPECT_TRUE(workspace.ui.boxes.empty()) << workspace.ui.boxes.front().text;
  EXPECT_EQ(report->skeleton, "VL-3X5.RPT");
  EXPECT_EQ(report->FormIds(), (std::vector<std::string>{"LAR", "Extended_Comments", "offscrn",
                                                         "larcmps", "floodmap"}));
  EXPECT_EQ(report->Form("LAR")->version, "2");
  EXPECT_EQ(report->Form("larcmps")->version, "1");

  ExpectFields(*report, "LAR",
               {
                   {"8|1", "Lot 7\nBlock 2"},
                   {"9|5", "X"},
                   {"9|4", kUnwritten},
                   {"11|2", "1 Lake Ave, Duluth, MN  55801"},
                   {"16|4", "X"},
                   {"16|8", "X"},
                   {"18|4", kUnwritten},
                   {"32|2", "2.5 AC"},
                   {"51|1", "Ely  55731"},
                   {"51|2", "Tower, MN"},
                   {"51|3", ""},  // comparable 2: no address, still written
                   {"66|2", "X"},
                   {"66|1", kUnwritten},
                   {"79|1", "March 28"},
                   {"79|2", "2024"},
                   {"80|1", "X"},
                   {"83|1", "MN"},
                   {"83|4", "L-100"},
                   {"83|5", "MN"},  // the same state ignoring case: written once
                   {"83|8", "L-200/C-200"},
               });
  // Comparable 5 alone in the middle column of "larcmps".
  ExpectFields(*report, "larcmps",
               {
                   {"10|2", kUnwritten},
                   {"10|3", order.at("COMP(5)ADDRSTREET")},
                   {"11|3", ""},
                   {"26|4", "X"},
                   {"10|4", kUnwritten},
                   {"29|1", order.at("COMMENTSALESCOMPARETWO")},
               });
  ExpectFields(*report, "offscrn", {{"15|1", "1 Lake Ave"}, {"16|1", "Duluth, MN"}});

  // Both headed comments, the scope under the scope field's own address.
  const ReportForm* comments = report->Form("Extended_Comments");
  ASSERT_NE(comments, nullptr);
  EXPECT_EQ(comments->fields,
            (std::map<std::string, std::string>{{"3|2", "Exterior inspection of the lot."},
                                                {"79|1", "Access by a gravel road."}}));
  EXPECT_EQ(comments->titles,
            (std::map<std::string, std::string>{{"3|2", "SCOPE OF THE APPRAISAL"},
                                                {"79|1", "Additional Comments"}}));

  for (const char* frame : {"SUB_1_3X5", "CMP_5_3X5", "GN_1_3X5", "MAP_FLOOD"}) {
    EXPECT_NE(report->Image(frame), nullptr) << frame;
  }
  EXPECT_EQ(report->images.size(), 4u);
  ExpectFields(*report, "floodmap", {{"5|1", "FEMA PANEL 27"}});
}

TEST(ReviewLandMhReport, ManufacturedHomeOrderWithComparablesOnBothFormsAndSketch) {
  // Comparables 4 and 6 are absent altogether.
  const std::string description =
      "Vinyl plank floors throughout the main rooms, carpet in bedrooms, and paneled walls in "
      "the hall.";
  Order order = {
      {"APPRAISERSTATELICNUM", "<APPRAISERSTATELICNUM> & more"},
      {"COMMENTSALESCOMPARETWO", "<COMMENTSALESCOMPARETWO> & more"},
      {"COMP(5)ADDRSTREET", "<COMP(5)ADDRSTREET> & more"},
      {"COMP(5)ADJUSTSALESGROSS", "<COMP(5)ADJUSTSALESGROSS> & more"},
      {"COMP(5)ADJUSTSALESNET", "<COMP(5)ADJUSTSALESNET> & more"},
      {"SUPAPPRAISERDTSIGNED", "<SUPAPPRAISERDTSIGNED> & more"},
      {"FORMNUM", "MHAR"},
      {"PROPRIGHTS", "LEASEHOLD"},
      {"RATINGSCHOOL", "AVERAGE"},
      {"RATINGCONDITIONIMPROVE", "AVG"},
      {"RATINGELECTRIC", "AVERAGE"},  // the improvement ratings know "AVG" only
      {"INTERIORTRIMFINISH", "AVERAGE"},
      {"INTERIORDESCRIPTION", description},
      {"FORMFILEDATTACHED", "ATTACHED"},
      {"FORMFILEDATTACHEDDT", "01/15/2024"},
      {"ESTMARKETVALUEDT", "not known"},
      {"COMP(3)NETADJUSTPOSNEG", "NEGATIVE"},
      {"COMP(5)NUM", "5"},
      {"ADDENDA(1)NUM", "1"},
      {"ADDENDA(1)NAME", "Legal Description"},
      {"ADDENDA(1)VALUE", "Space 14, Pine Park"},
      {"ADDENDA(2)NUM", "2"},
      {"ADDENDA(2)NAME", "ADDITIONAL COMMENTS"},
      {"ADDENDA(2)VALUE", "Skirting replaced in 2022."},
      {"SUBJECTFRONTVIEW", "front.jpg"},
      {"COMP(5)PHOTO", "comp5.jpg"},
      {"COMP(5)PHOTONUM", "5"},
      {"FLOORPLAN", "plan.jpg"},
      {"FLOORPLANNAME", "HOME FLOOR PLAN"},
  };

  ReportWorkspace workspace;
  const std::optional<WrittenReport> report =
      workspace.Convert(Text(order), {"front.jpg", "comp5.jpg", "plan.jpg"});
  ASSERT_TRUE(report.has_value());
  EXPECT_TRUE(workspace.ui.boxes.empty()) << workspace.ui.boxes.front().text;
  EXPECT_EQ(report->skeleton, "MOB-3X5.RPT");
  EXPECT_EQ(report->FormIds(), (std::vector<std::string>{"MOB", "Extended_Comments", "offscrn",
                                                         "MOBCMP46", "sketch"}));

  ExpectFields(*report, "MOB",
               {
                   {"7|6", "X"},
                   {"26|6", "X"},
                   {"63|12", "X"},
                   {"68|6", kUnwritten},
                   {"69|2", "X"},
                   // Broken after the last blank up to position 62.
                   {"65|1", description.substr(0, 56)},
                   {"66|1", description.substr(56)},
                   {"136|4", "X"},
                   {"136|1", kUnwritten},
                   {"136|2", "January 15"},
                   {"136|3", "2024"},
                   {"137|1", "not known"},
                   {"137|2", kUnwritten},
                   {"118|8", "X"},
               });
  ASSERT_EQ(description[55], ' ');
  ExpectFields(*report, "MOBCMP46",
               {
                   {"11|2", kUnwritten},
                   {"11|3", order.at("COMP(5)ADDRSTREET")},
                   {"36|2", order.at("COMP(5)ADJUSTSALESGROSS")},
                   {"37|3", order.at("COMP(5)ADJUSTSALESNET")},
                   {"11|4", kUnwritten},
                   {"38|1", order.at("COMMENTSALESCOMPARETWO")},
               });
  ExpectFields(
      *report, "offscrn",
      {{"33|1", order.at("APPRAISERSTATELICNUM")}, {"45|1", order.at("SUPAPPRAISERDTSIGNED")}});

  // The legal description waits past the scope field for its own.
  const ReportForm* comments = report->Form("Extended_Comments");
  ASSERT_NE(comments, nullptr);
  EXPECT_EQ(comments->fields,
            (std::map<std::string, std::string>{{"3|1", "Space 14, Pine Park"},
                                                {"168|1", "Skirting replaced in 2022."}}));

  for (const char* frame : {"SUB_1_3X5", "CMP_5_3X5", "SKETCH_SUBJECT"}) {
    EXPECT_NE(report->Image(frame), nullptr) << frame;
  }
  EXPECT_EQ(report->images.size(), 3u);
  ExpectFields(*report, "sketch", {{"5|1", "HOME FLOOR PLAN"}});
}

TEST(ReviewLandMhReport, Review2000OrderWithBothComparablesForms) {
  // Comparables 4 and 6 are absent altogether; comparable 2 has no street.
  Order order = {
      {"ASKING(2)PRICE", "<ASKING(2)PRICE> & more"},
      {"COMMENTSALESCOMPARE", "<COMMENTSALESCOMPARE> & more"},
      {"COMMENTSALESCOMPARETWO", "<COMMENTSALESCOMPARETWO> & more"},
      {"COMP(5)ADDRSTREET", "<COMP(5)ADDRSTREET> & more"},
      {"COMP(1)ADDRSTREET", "1 Birch Rd"},
      {"COMP(2)ADDRCITY", "Orr"},
      {"COMP(2)SALESPRICE", "99,000"},
      {"COMP(3)ADDRSTREET", "3 Birch Rd"},
      {"FORMNUM", "2000"},
      {"SUBJECTADDRSTREET", "2 Main St"},
      {"REVAPPRAISERSTREET", "8 Oak St"},
      {"REVAPPRAISERCITY", "Hibbing"},
      {"ASKING(2)NUM", "7"},     // recorded, and the row stays on its own line
      {"REVIEWSITEDESC", "NA"},  // no "NA" box for this question
      {"REVIEWSITECOMMENTS", "Corner lot, level."},
      {"REVIEWSUBJECTRESIDENTIAL", "NA"},
      {"REVIEWSALESVALUE", "no"},
      {"REVIEWNBRHOODECONOMY", "NO"},
      {"SUBJECTADDRCITY", "Ely"},
      {"SUBJECTADDRSTATEPROV", "MN"},
      {"SUBJECTADDRZIP", "55731"},
      {"COMP(1)ADDRCITY", "Cook"},
      {"COMP(1)ADDRSTATEPROV", "MN"},
      {"COMP(1)ADDRZIP", "55723"},
      {"COMP(5)ADDRCITY", "Tower"},
      {"COMP(5)NETADJUSTPOSNEG", "NEGATIVE"},
      {"ADDENDA(1)NUM", "1"},
      {"ADDENDA(1)NAME", "Recent Sales and Refinance History"},
      {"ADDENDA(1)VALUE", "Sold once in 2019."},
      {"ADDENDA(2)NUM", "2"},
      {"ADDENDA(2)NAME", "ADDITIONAL COMMENTS"},
      {"ADDENDA(2)VALUE", "Review of a desk copy."},
      {"SUBJECTFRONTVIEW", "front.jpg"},
      {"COMP(5)PHOTO", "comp5.jpg"},
      {"COMP(5)PHOTONUM", "5"},
      {"ADDPHOTO(1)", "street.jpg"},
  };

  ReportWorkspace workspace;
  const std::optional<WrittenReport> report =
      workspace.Convert(Text(order), {"front.jpg", "comp5.jpg", "street.jpg"});
  ASSERT_TRUE(report.has_value());
  EXPECT_TRUE(workspace.ui.boxes.empty()) << workspace.ui.boxes.front().text;
  EXPECT_EQ(report->skeleton, "FRR-3X5.RPT");
  EXPECT_EQ(report->FormIds(), (std::vector<std::string>{"FRR", "Extended_Comments", "offscrn",
                                                         "79cmp13", "79cmp46"}));
  EXPECT_EQ(report->Form("79cmp13")->version, "1");
  EXPECT_EQ(report->Form("79cmp46")->version, "1");

  ExpectFields(*report, "FRR",
               {
                   {"12|1", "8 Oak St, Hibbing"},
                   {"25|3", order.at("ASKING(2)PRICE")},
                   {"38|3", "Corner lot, level."},
                   {"38|1", kUnwritten},
                   {"38|2", kUnwritten},
                   {"106|3", "X"},
                   {"123|2", kUnwritten},
                   {"135|2", "X"},
               });
  ExpectFields(*report, "79cmp13",
               {
                   // City, state and zip of the subject, all three in their one field.
                   {"11|1", "Ely, MN  55731"},
                   {"10|3", kUnwritten},
                   {"11|3", kUnwritten},  // comparable 2 has no street: its column stays empty
                   {"13|3", kUnwritten},
                   {"11|2", "Cook, MN  55723"},
                   {"48|1", order.at("COMMENTSALESCOMPARE")},
               });
  ExpectFields(*report, "79cmp46",
               {
                   {"10|2", kUnwritten},
                   {"10|3", order.at("COMP(5)ADDRSTREET")},
                   {"42|5", "X"},
                   {"42|4", kUnwritten},
                   {"48|1", order.at("COMMENTSALESCOMPARETWO")},
               });

  const ReportForm* comments = report->Form("Extended_Comments");
  ASSERT_NE(comments, nullptr);
  EXPECT_EQ(comments->fields,
            (std::map<std::string, std::string>{{"24|1", "Sold once in 2019."},
                                                {"165|1", "Review of a desk copy."}}));

  for (const char* frame : {"SUB_1_3X5", "CMP_5_3X5", "GN_1_3X5"}) {
    EXPECT_NE(report->Image(frame), nullptr) << frame;
  }
  EXPECT_EQ(report->images.size(), 3u);
}

// The subject's city line is written only when the order holds its city,
// state or zip; a comparable's is written whenever its street is.
TEST(ReviewLandMhReport, Review2000OrderWithoutTheSubjectsCityStateAndZip) {
  const Order order = {
      {"FORMNUM", "2000"},
      {"SUBJECTADDRSTREET", "1 Main St"},
      {"SUBJECTSALESPRICE", "150000"},
      {"COMP(1)ADDRSTREET", "3 Pine St"},
  };
  ReportWorkspace workspace;
  const std::optional<WrittenReport> report = workspace.Convert(Text(order), {});
  ASSERT_TRUE(report.has_value());
  EXPECT_TRUE(workspace.ui.boxes.empty()) << workspace.ui.boxes.front().text;
  ExpectFields(*report, "79cmp13",
               {
                   {"10|1", "1 Main St"},
                   {"11|1", kUnwritten},
                   {"13|1", "150000"},
                   {"10|2", "3 Pine St"},
                   {"11|2", ""},
               });
}

TEST(ReviewLandMhReport, Review2006ChecklistWithTwoComparables) {
  // Comparable 2 is absent altogether.
  Order order = {
      {"ANALYSISCURRENTAGREE", "<ANALYSISCURRENTAGREE> & more"},
      {"CASE_NO", "<CASE_NO> & more"},
      {"CASE_NUM", "<CASE_NUM> & more"},
      {"COMP(3)ADDRSTREET", "<COMP(3)ADDRSTREET> & more"},
      {"FORMNUM", "2006"},
      {"SUBJECTADDRSTREET", "2 Main St"},
      {"LENDERCLIENTSTREET", "1 Lake Ave"},
      {"PROPADDR", "1 Main St"},
      {"CITY", "Ely"},
      {"STATEPROV", "MN"},
      {"ZIP", "55731"},
      {"REVIEWSUBJECTINFO", "NA"},
      {"REVANCENSUS", "acceptable"},  // letter case counts: no box
      {"REVANUNIT", "UNACCEPTABLE"},
      {"REVSUMRECOMMENDATION", "OTHER"},
      {"REVSUMATTACHED", "ON"},
      {"REVANCOSTEXPLAIN", "Depreciation not supported."},
      {"SUBJECTADDRCITY", "Ely"},
      {"SUBJECTADDRZIP", "55731"},
      {"COMP(3)NETADJUSTPOSNEG", "POSITIVE"},
      {"SUBJECTFRONTVIEW", "front.jpg"},
      {"COMP(1)PHOTO", "comp1.jpg"},
      {"COMP(1)PHOTONUM", "1"},
      {"ADDPHOTO(1)", "yard.jpg"},
      {"FLOODMAP", "flood.jpg"},  // this review attaches no maps
  };

  ReportWorkspace workspace;
  const std::optional<WrittenReport> report =
      workspace.Convert(Text(order), {"front.jpg", "comp1.jpg", "yard.jpg", "flood.jpg"});
  ASSERT_TRUE(report.has_value());
  EXPECT_TRUE(workspace.ui.boxes.empty()) << workspace.ui.boxes.front().text;
  EXPECT_EQ(report->skeleton, "2006-3X5.RPT");
  EXPECT_EQ(report->FormIds(),
            (std::vector<std::string>{"2006", "Extended_Comments", "offscrn", "2006sc13"}));
  EXPECT_EQ(report->Form("2006sc13")->version, "1");

  ExpectFields(*report, "2006",
               {
                   {"9|1", "1 Main St, Ely, MN  55731"},
                   {"6|1", "1 Lake Ave"},  // only the street is in the order
                   {"19|3", "X"},
                   {"19|1", kUnwritten},
                   {"20|1", kUnwritten},
                   {"20|2", kUnwritten},
                   {"20|3", kUnwritten},
                   {"20|5", "X"},
                   {"32|1", "Depreciation not supported."},
                   {"69|2", "X"},
                   {"68|1", kUnwritten},
                   {"81|2", "X"},
               });
  ExpectFields(*report, "2006sc13",
               {
                   {"12|1", "Ely  55731"},
                   {"11|3", kUnwritten},
                   {"12|3", kUnwritten},
                   {"11|4", order.at("COMP(3)ADDRSTREET")},
                   {"43|7", "X"},
                   {"43|8", kUnwritten},
                   {"50|1", order.at("ANALYSISCURRENTAGREE")},
               });
  ExpectFields(*report, "offscrn", {{"2|1", order.at("CASE_NUM")}, {"18|1", order.at("CASE_NO")}});

  for (const char* frame : {"SUB_1_3X5", "CMP_1_3X5", "GN_1_3X5"}) {
    EXPECT_NE(report->Image(frame), nullptr) << frame;
  }
  EXPECT_EQ(report->images.size(), 3u);
}

}  // namespace
}  // namespace ombrel
