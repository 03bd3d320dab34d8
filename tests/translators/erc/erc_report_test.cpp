// ERC and ERC2001 orders through the whole program: start-up and envelope
// step, the real engine, XML reader and report writer. Each report is read
// back and its forms, fields, comments and images checked against what the
// order holds.
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
using Fields = std::vector<std::pair<std::string, std::optional<std::string>>>;

const std::optional<std::string> kUnwritten = std::nullopt;

std::string Text(const Order& order) {
  OrderXml xml;
  for (const auto& [tag, value] : order) xml.Set(tag, value);
  return xml.Text();
}

void ExpectFields(const WrittenReport& report, const std::string& formId, const Fields& fields) {
  const ReportForm* form = report.Form(formId);
  ASSERT_NE(form, nullptr) << formId;
  for (const auto& [addr, value] : fields) {
    EXPECT_EQ(form->Field(addr), value) << formId << " " << addr;
  }
}

TEST(ErcReport, ErcOrderWithFiveSaleComparablesPhonesAndFloodMap) {
  // Sale comparables 4 and 6 are absent: the overflow form holds comparable 5 alone.
  const Order order = {
      {"OWNER", "<OWNER> & more"},
      {"COMP(5)ADDRSTREET", "<COMP(5)ADDRSTREET> & more"},
      {"COMP(5)PROXIMITY", "<COMP(5)PROXIMITY> & more"},
      {"COMP(5)SIGDIFFERENCES", "<COMP(5)SIGDIFFERENCES> & more"},
      {"SALESCOMPDESCOTHERTWO", "<SALESCOMPDESCOTHERTWO> & more"},
      {"MARKETDATATWO", "<MARKETDATATWO> & more"},
      {"FORMNUM", "ERC"},
      {"PROPADDR", "12 Birch Ln"},
      {"CITY", "Ames"},
      {"STATEPROV", "IA"},
      {"ZIP", "50010"},
      {"CURRENTOCCUPANT", "TENANT"},
      {"LEGALDESC", "Lot 3\nBirch Addition"},
      {"APPRAISERADDR", "9 Pine St, Ames, IA  50010"},
      {"APPRAISERPHONE", "1-(515) 555-0100"},
      {"COMPANYAGENTPHONE", "515.555.0199"},
      {"LANDUSECHANGE", "LIKELY"},
      // The neighbourhood's third box takes AVERAGE, the improvements' AVG.
      {"RATINGSCHOOL", "AVERAGE"},
      {"RATINGQUALITYCONSTRUCT", "AVERAGE"},
      {"RATINGAPPEAL", "AVG"},
      {"PROPCURRENTLISTED", "yes"},  // letter case counts: no box
      {"OCCUPANCYOWNER", "ON"},
      {"LISTSUBJECTSITE", "0.3 ac"},
      {"LISTCOMP(1)SITE", "0.3 ac"},  // and no view: the site alone
      {"LISTSUBJECTVIEW", "Park"},
      {"COMP(1)ADJUSTSALESGROSS", "12%"},
      {"COMP(1)ADJUSTSALESNET", "-3%"},
      {"COMP(2)NETADJUSTPOSNEG", "NEGATIVE"},
      {"COMP(5)NETADJUSTPOSNEG", "POSITIVE"},
      {"COMP(5)ADDRCITY", "Nevada"},
      {"COMP(5)ADDRSTATEPROV", "IA"},
      {"ESTMARKETVALUEDT", "03/28/2024"},
      {"APPRAISEDPROPADDR", "12 Birch Ln"},
      {"APPRAISEDCITY", "Ames"},
      {"APPRAISEDZIP", "50010"},
      {"INSPECTSUBJECTPROP", "DIDNOT"},
      // The appraiser holds both numbers, the supervisor a licence only.
      {"APPRAISERSTATELICNUM", "L-100"},
      {"APPRAISERSTATECERTNUM", "C-100"},
      {"APPRAISERLICSTATEPROV", "IA"},
      {"APPRAISERCERTSTATEPROV", "ia"},
      {"SUPAPPRAISERSTATELICNUM", "L-200"},
      {"SUPAPPRAISERLICSTATEPROV", "NE"},
      {"LENDERCLIENTSTREET", "1 Main St"},
      {"LENDERCLIENTCITY", "Des Moines"},
      {"LENDERCLIENTSTATEPROV", "IA"},
      {"LENDERCLIENTZIP", "50309"},
      // The scope comment, offered while "ER3" is current; its name matches
      // the heading without regard to case.
      {"ADDENDA(1)NUM", "1"},
      {"ADDENDA(1)NAME", "Scope of the Appraisal"},
      {"ADDENDA(1)VALUE", "Interior and exterior inspection."},
      {"SUBJECTFRONTVIEW", "front.jpg"},
      {"COMP(5)PHOTO", "comp5.jpg"},
      {"COMP(5)PHOTONUM", "5"},
      {"ADDPHOTO(1)", "street.jpg"},
      {"FLOODMAP", "flood.jpg"},
      {"FLOODMAPNAME", "FEMA PANEL 19"},
  };

  ReportWorkspace workspace;
  const std::optional<WrittenReport> report = workspace.Convert(
      Text(order), {"front.jpg", "comp5.jpg", "street.jpg", "flood.jpg"}, "BIRCH.RPT");
  ASSERT_TRUE(report.has_value());
  EXPECT_TRUE(workspace.ui.boxes.empty()) << workspace.ui.boxes.front().text;
  EXPECT_EQ(report->skeleton, "ERC-3X5.RPT");
  EXPECT_EQ(report->FormIds(), (std::vector<std::string>{"ER3", "Extended_Comments", "offscrn",
                                                         "er3cmp46", "floodmap"}));
  EXPECT_EQ(report->Form("ER3")->version, "2");
  EXPECT_EQ(report->Form("er3cmp46")->version, "2");

  ExpectFields(*report, "ER3",
               {
                   {"9|1", "12 Birch Ln, Ames, IA  50010"},
                   {"93|1", "Ames, IA  50010"},
                   {"91|3", "X"},
                   {"94|1", "Lot 3\nBirch Addition"},
                   {"98|1", "1 Main St, Des Moines, IA  50309"},
                   {"99|3", "515"},
                   {"99|4", "555-0100"},
                   {"100|1", "9 Pine St, Ames, IA  50010"},
                   {"101|1", kUnwritten},
                   {"101|2", kUnwritten},
                   {"103|2", kUnwritten},  // no pattern fits: the whole value as the number
                   {"103|3", "515.555.0199"},
                   {"132|3", "X"},
                   {"131|3", kUnwritten},
                   {"130|5", "X"},
                   {"193|3", kUnwritten},
                   {"202|3", "X"},
                   {"135|1", "X"},
                   {"273|1", "0.3 ac / Park"},
                   {"273|2", "0.3 ac"},
                   {"389|2", "12% -3%"},
                   {"390|5", "X"},
                   {"390|4", kUnwritten},
                   {"491|1", "12 Birch Ln, Ames  50010"},
                   {"502|1", "L-100/C-100"},
                   {"504|1", "IA"},  // the same state ignoring case: written once
                   {"500|2", "L-200"},
                   {"502|2", "NE"},
                   {"506|3", "X"},
                   {"506|2", kUnwritten},
               });
  // Comparable 5 alone in the middle column of "er3cmp46", with the closing rows.
  ExpectFields(*report, "er3cmp46",
               {
                   {"11|2", kUnwritten},
                   {"11|3", order.at("COMP(5)ADDRSTREET")},
                   {"12|2", kUnwritten},
                   {"12|3", "Nevada, IA"},
                   {"13|2", order.at("COMP(5)PROXIMITY")},
                   {"49|4", "X"},
                   {"48|4", ""},  // gross and net adjustment: neither in the order
                   {"54|1", kUnwritten},
                   {"60|1", order.at("COMP(5)SIGDIFFERENCES")},
                   {"11|4", kUnwritten},
                   {"51|1", order.at("SALESCOMPDESCOTHERTWO")},
                   {"72|1", order.at("MARKETDATATWO")},
               });
  // The profile's rows written again: the owner where the borrower stood,
  // the lender's city and state without a zip.
  ExpectFields(*report, "offscrn",
               {{"6|1", order.at("OWNER")},
                {"7|1", "12 Birch Ln"},
                {"15|1", "1 Main St"},
                {"16|1", "Des Moines, IA"},
                {"17|1", "50309"},
                {"11|2", "March 28, 2024"}});
  const ReportForm* comments = report->Form("Extended_Comments");
  ASSERT_NE(comments, nullptr);
  EXPECT_EQ(comments->fields,
            (std::map<std::string, std::string>{{"4|1", "Interior and exterior inspection."}}));
  EXPECT_EQ(comments->titles,
            (std::map<std::string, std::string>{{"4|1", "Scope of the Appraisal"}}));

  for (const char* frame : {"SUB_1_3X5", "CMP_5_3X5", "GN_1_3X5", "MAP_FLOOD"}) {
    EXPECT_NE(report->Image(frame), nullptr) << frame;
  }
  EXPECT_EQ(report->images.size(), 4u);
  ExpectFields(*report, "floodmap", {{"5|1", "FEMA PANEL 19"}});
}

TEST(ErcReport, Erc2001OrderWithSixSaleComparablesListingsAndHeadedComments) {
  // Sale comparable 5 is absent; 4 and 6 fill the overflow form.
  // Both signers hold a certificate number only.
  const Order order = {
      {"COMP(1)NETADJUSTTOT", "<COMP(1)NETADJUSTTOT> & more"},
      {"COMP(4)ADDRSTREET", "<COMP(4)ADDRSTREET> & more"},
      {"COMP(4)NETADJUSTTOT", "<COMP(4)NETADJUSTTOT> & more"},
      {"COMP(4)COMPSALESELECTION", "<COMP(4)COMPSALESELECTION> & more"},
      {"COMP(6)ADDRSTREET", "<COMP(6)ADDRSTREET> & more"},
      {"COMP(6)COMPSALESELECTION", "<COMP(6)COMPSALESELECTION> & more"},
      {"SALESCOMPARISON2", "<SALESCOMPARISON2> & more"},
      {"FORMNUM", "ERC2001"},
      {"APPRAISERPHONE", "(515) 555-0100"},
      {"APPRAISERFAX", "515-555-0101"},
      {"CURRENTOCCUPANT", "HOMEOWNER"},
      {"BUILTUP", "N2575"},
      // The falling box of a trend takes "DECREASING" as the rates tick
      // spells it, and with a leading blank.
      {"HISTORICPRICE", "DECREASING"},
      {"FORECASTEDPRICE", " DECREASING"},
      {"FORECASTEDSALES", "DECREASING"},
      {"MORTGAGEINTERESTRATES", "DECREASING"},
      // City, state and zip, each joined into its one field: all three for
      // the subject, a listing, a comparable and the certification page, a
      // part missing for the subject's listing, none for listing 3.
      {"LISTSUBJECTADDRCITY", "Ames"},
      {"LISTSUBJECTADDRSTATEPROV", "IA"},
      {"LISTCOMP(1)CITY", "Nevada"},
      {"LISTCOMP(1)STATEPROV", "IA"},
      {"LISTCOMP(1)ZIP", "50201"},
      {"SUBJECTADDRCITY", "Ames"},
      {"SUBJECTADDRSTATEPROV", "IA"},
      {"SUBJECTADDRZIP", "50010"},
      {"COMP(1)ADDRCITY", "Boone"},
      {"COMP(1)ADDRSTATEPROV", "IA"},
      {"COMP(1)ADDRZIP", "50036"},
      {"CITY", "Ames"},
      {"STATEPROV", "IA"},
      {"ZIP", "50011"},
      {"AMENITIESPOOL", "ON"},
      {"RATINGEXTERIORAPPEAL", "AVERAGE"},
      {"LEGALDESC", "Lot 3\nBirch Addition"},
      {"ANALYZETRENDS", "Prices are flat."},
      {"COMP(1)COMPSALESELECTION", "The closest sale."},
      {"COMP(1)NETADJUSTPOSNEG", "NEGATIVE"},
      {"COMP(3)NETADJUSTPOSNEG", "POSITIVE"},
      {"COMP(4)ADDRCITY", "Ames"},
      {"COMP(4)ADDRSTATEPROV", "IA"},
      {"COMP(4)ADDRZIP", "50010"},
      {"COMP(6)NETADJUSTPOSNEG", "NEGATIVE"},
      {"INSPECTSUBJECTPROP", "DID"},
      {"APPRAISERSTATECERTNUM", "C-100"},
      {"APPRAISERCERTSTATEPROV", "IA"},
      {"SUPAPPRAISERSTATECERTNUM", "C-200"},
      {"SUPAPPRAISERCERTSTATEPROV", "KS"},
      {"ADDENDA(1)NUM", "1"},
      {"ADDENDA(1)NAME", "Scope of the Appraisal"},
      {"ADDENDA(1)VALUE", "Interior and exterior inspection."},
      {"ADDENDA(2)NUM", "2"},
      {"ADDENDA(2)NAME", "ADDITIONAL COMMENTS"},
      {"ADDENDA(2)VALUE", "The street is being widened."},
      {"SUBJECTFRONTVIEW", "front.jpg"},
      {"COMP(6)PHOTO", "comp6.jpg"},
      {"COMP(6)PHOTONUM", "6"},
      {"LISTPHOTO(2)", "list2.jpg"},
  };

  ReportWorkspace workspace;
  const std::optional<WrittenReport> report =
      workspace.Convert(Text(order), {"front.jpg", "comp6.jpg", "list2.jpg"}, "BIRCH.RPT");
  ASSERT_TRUE(report.has_value());
  EXPECT_TRUE(workspace.ui.boxes.empty()) << workspace.ui.boxes.front().text;
  EXPECT_EQ(report->skeleton, "ERS-3X5.RPT");
  EXPECT_EQ(report->FormIds(),
            (std::vector<std::string>{"ERS", "Extended_Comments", "offscrn", "erscmp46"}));
  EXPECT_EQ(report->Form("ERS")->version, "1");
  EXPECT_EQ(report->Form("erscmp46")->version, "1");

  ExpectFields(*report, "ERS",
               {
                   {"14|2", "515"},
                   {"14|3", "555-0100"},
                   {"17|1", "515"},
                   {"17|2", "555-0101"},
                   {"89|2", "X"},
                   {"113|3", "X"},
                   {"31|3", "X"},
                   {"262|3", "X"},
                   {"31|9", "X"},
                   {"267|3", "X"},
                   {"268|3", "X"},
                   {"264|1", "X"},
                   {"185|2", "X"},
                   {"245|3", "X"},
                   {"92|1", "Lot 3\nBirch Addition"},
                   {"272|1", "Prices are flat."},
                   {"283|1", "Ames, IA"},
                   {"283|2", "Nevada, IA  50201"},
                   {"283|4", kUnwritten},
                   {"349|1", "Ames, IA  50010"},
                   {"349|2", "Boone, IA  50036"},
                   {"493|1", "Ames, IA  50011"},
                   {"384|2", "X"},
                   {"384|3", kUnwritten},
                   {"385|1", order.at("COMP(1)NETADJUSTTOT")},
                   {"384|7", "X"},
                   {"388|1", "The closest sale."},
                   {"496|1", "C-100"},
                   {"498|1", "IA"},
                   {"496|2", "C-200"},
                   {"498|2", "KS"},
                   {"500|1", "X"},
               });
  ExpectFields(*report, "erscmp46",
               {
                   {"15|2", order.at("COMP(4)ADDRSTREET")},
                   {"16|2", "Ames, IA  50010"},
                   {"15|3", kUnwritten},
                   {"16|3", kUnwritten},
                   {"15|4", order.at("COMP(6)ADDRSTREET")},
                   {"16|4", ""},  // a street without city, state or zip
                   {"51|3", order.at("COMP(4)NETADJUSTTOT")},
                   {"51|8", "X"},
                   {"55|1", order.at("COMP(4)COMPSALESELECTION")},
                   {"61|1", kUnwritten},
                   {"67|1", order.at("COMP(6)COMPSALESELECTION")},
                   {"73|1", order.at("SALESCOMPARISON2")},
               });

  const ReportForm* comments = report->Form("Extended_Comments");
  ASSERT_NE(comments, nullptr);
  EXPECT_EQ(comments->fields,
            (std::map<std::string, std::string>{{"4|1", "Interior and exterior inspection."},
                                                {"503|1", "The street is being widened."}}));
  EXPECT_EQ(comments->titles,
            (std::map<std::string, std::string>{{"4|1", "Scope of the Appraisal"},
                                                {"503|1", "ADDITIONAL COMMENTS"}}));

  for (const char* frame : {"SUB_1_3X5", "CMP_6_3X5", "LCMP_2_3X5"}) {
    EXPECT_NE(report->Image(frame), nullptr) << frame;
  }
  EXPECT_EQ(report->images.size(), 3u);
}

// Comparables 4 and 5 without a sixth: both columns stand on the overflow
// form, each with its selection comment.
TEST(ErcReport, Erc2001OrderWithComparablesFourAndFiveButNoSixth) {
  const Order order = {
      {"FORMNUM", "ERC2001"},
      {"COMP(4)ADDRSTREET", "4 Elm St"},
      {"COMP(4)ADDRCITY", "Ames"},
      {"COMP(4)COMPSALESELECTION", "Same street."},
      {"COMP(5)ADDRSTREET", "5 Oak St"},
      {"COMP(5)COMPSALESELECTION", "Same builder."},
      {"SALESCOMPARISON2", "Both sold in spring."},
      {"PROPADDR", "12 Birch Ln"},
  };
  ReportWorkspace workspace;
  const std::optional<WrittenReport> report = workspace.Convert(Text(order), {}, "ELM.RPT");
  ASSERT_TRUE(report.has_value());
  EXPECT_TRUE(workspace.ui.boxes.empty()) << workspace.ui.boxes.front().text;
  EXPECT_EQ(report->FormIds(),
            (std::vector<std::string>{"ERS", "Extended_Comments", "offscrn", "erscmp46"}));
  ExpectFields(*report, "erscmp46",
               {
                   {"15|2", "4 Elm St"},
                   {"16|2", "Ames"},
                   {"15|3", "5 Oak St"},
                   {"16|3", ""},
                   {"15|4", kUnwritten},
                   {"55|1", "Same street."},
                   {"61|1", "Same builder."},
                   {"67|1", kUnwritten},
                   {"73|1", "Both sold in spring."},
               });
  // An order without any of the certification's city, state and zip leaves
  // its field unwritten, as it does the subject's and the listings'.
  ExpectFields(*report, "ERS",
               {{"489|1", "12 Birch Ln"},
                {"493|1", kUnwritten},
                {"283|1", kUnwritten},
                {"283|2", kUnwritten},
                {"349|1", kUnwritten},
                {"349|2", kUnwritten}});
}

}  // namespace
}  // namespace ombrel
