// A 1025 order through the whole program: start-up and envelope step, the
// real engine, XML reader and report writer. The report is read back and its
// forms, fields, comments and images checked against what the order holds.
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

const std::optional<std::string> kUnwritten = std::nullopt;

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

TEST(FM1025Report, IncomePropertyWithListingRentalAndSalesOverflow) {
  // Beyond the third: listing comparables 4 and 6, rental comparables 4 to 9
  // but 8, and sales comparable 5 alone have a street; listing comparable 5,
  // rental comparable 8 and sales comparables 4 and 8 have values without one.
  const Order order = {
      {"APPRAISER", "<APPRAISER> & more"},
      {"SUPAPPRAISER", "<SUPAPPRAISER> & more"},
      {"RENTCOMP(1)CONCESSIONS", "<RENTCOMP(1)CONCESSIONS> & more"},
      {"LISTCOMP(4)STREET", "<LISTCOMP(4)STREET> & more"},
      {"LISTCOMP(6)STREET", "<LISTCOMP(6)STREET> & more"},
      {"COMPARISONTWO", "<COMPARISONTWO> & more"},
      {"RENTCOMP(4)STREET", "<RENTCOMP(4)STREET> & more"},
      {"RENTCOMP(5)STREET", "<RENTCOMP(5)STREET> & more"},
      {"RENTCOMP(6)STREET", "<RENTCOMP(6)STREET> & more"},
      {"RENTCOMP(7)STREET", "<RENTCOMP(7)STREET> & more"},
      {"RENTCOMP(9)STREET", "<RENTCOMP(9)STREET> & more"},
      {"RENTCOMP(4)CONCESIONS2", "<RENTCOMP(4)CONCESIONS2> & more"},
      {"ANALYSISRENTALDATATWO", "<ANALYSISRENTALDATATWO> & more"},
      {"RENTCOMP(9)UNIT4TOTRENT", "<RENTCOMP(9)UNIT4TOTRENT> & more"},
      {"ANALYSISRENTALDATATHREE", "<ANALYSISRENTALDATATHREE> & more"},
      {"COMP(5)ADDRSTREET", "<COMP(5)ADDRSTREET> & more"},
      {"COMP(5)PRIORSALEPRICE", "<COMP(5)PRIORSALEPRICE> & more"},
      {"COMMENTSALESCOMPARETWO", "<COMMENTSALESCOMPARETWO> & more"},
      {"LISTCOMP(5)CITY", "Ely"},
      {"RENTCOMP(8)CITY", "Ely"},
      {"COMP(4)ADDRCITY", "Ely"},
      {"COMP(8)ADDRCITY", "Ely"},
      {"FORMNUM", "1025"},
      {"CASE_NO", "C-1025"},
      {"LEGALDESC", "Lots 3 and 4\nBlock 9"},
      {"CURRENTOCCUPANT", "TENANT"},
      {"PROJTYPE", "PUD"},
      {"MARKETINGTIME", "UNDER 3 MOS"},  // without the full stop: no box
      {"TWOFOUROCCUPANCYVACANTB", "ON"},
      {"LANDUSECHANGE", "INPROCESS"},
      {"CORNERLOT", "YES"},
      {"UNFINISHED", "ON"},
      {"ATTICFINISHED", "on"},  // letter case counts: no box
      {"INTERIORUNLABELED", "Skylights"},
      {"INTERIORUNLABELEDDESC", "2"},
      {"DWELLINGONESQFT", "1,200 sf"},
      {"COMMENTSONCOST", "Costs from a national service."},
      {"UTILITIESINCLUDWATER", "ON"},
      {"UTILITIESINCLUDGAS", "YES"},
      {"INSPECTSUBJECTPROP", "DIDNOT"},
      {"APPRAISALMADE", "SUBJECTTOCOMPLETION"},
      {"LENDERCLIENTSTREET", "1 Lake Ave"},
      {"LENDERCLIENTCITY", "Duluth"},
      {"LENDERCLIENTSTATEPROV", "MN"},
      {"LENDERCLIENTZIP", "55801"},
      {"APPRAISERADDR", "9 Pine St, Duluth, MN  55803"},
      {"APPRAISERSTREET", "not used beside the whole address"},
      {"LISTSUBJECTADDRCITY", "Duluth"},
      {"LISTSUBJECTADDRZIP", "55802"},
      {"LISTCOMP(1)FURNUNFURNISH", "UNFURNISH"},
      {"LISTCOMP(6)FURNUNFURNISH", "FURNISH"},
      {"LISTCOMP(6)CITY", "Hermantown"},
      {"LISTCOMP(6)STATEPROV", "MN"},
      {"RENTCOMP(1)CITY", "Proctor"},
      // The overflow forms read the concessions spelled with one S only.
      {"RENTCOMP(4)CONCESIONS", "First month free"},
      {"RENTCOMP(4)CONCESSIONS", "not asked on an overflow form"},
      {"COMP(2)FURNUNFURNISHED", "FURNISH"},
      {"COMP(3)NETADJUSTPOSNEG", "NEGATIVE"},
      {"COMP(5)NETADJUSTPOSNEG", "POSITIVE"},
      {"COMP(5)ADDRCITY", "Cloquet"},
      {"ESTMARKETVALUEDT", "03/28/2024"},
      {"ADDENDA(1)NUM", "1"},
      {"ADDENDA(1)NAME", "Scope of the Appraisal"},
      {"ADDENDA(1)VALUE", "Interior inspection of all four units."},
      {"ADDENDA(2)NUM", "2"},
      {"ADDENDA(2)NAME", "ADDITIONAL COMMENTS"},
      {"ADDENDA(2)VALUE", "Rents are at market."},
      {"SUBJECTFRONTVIEW", "front.jpg"},
      {"COMP(1)PHOTO", "comp1.jpg"},
      {"COMP(1)PHOTONUM", "1"},
      {"LISTPHOTO(6)", "list6.jpg"},
      {"RENTPHOTO(9)", "rent9.jpg"},
      {"ADDPHOTO(18)", "yard.jpg"},
      {"FLOORPLAN", "plan.jpg"},
      {"FLOORPLANNAME", "FOURPLEX FLOOR PLAN"},
  };

  ReportWorkspace workspace;
  const std::optional<WrittenReport> report = workspace.Convert(
      Text(order), {"front.jpg", "comp1.jpg", "list6.jpg", "rent9.jpg", "yard.jpg", "plan.jpg"});
  ASSERT_TRUE(report.has_value());
  EXPECT_TRUE(workspace.ui.boxes.empty()) << workspace.ui.boxes.front().text;
  EXPECT_EQ(report->skeleton, "MUL-3X5.RPT");
  EXPECT_EQ(report->FormIds(),
            (std::vector<std::string>{"MUL", "Extended_Comments", "offscrn", "mullst46",
                                      "mulrnt46", "mulrnt79", "mulcmp46", "sketch"}));
  EXPECT_EQ(report->Form("MUL")->version, "3");
  for (const char* id : {"mullst46", "mulrnt46", "mulrnt79", "mulcmp46"}) {
    EXPECT_EQ(report->Form(id)->version, "1") << id;
  }

  // No form for comparables 7 to 9: none has a street.
  EXPECT_EQ(report->Form("mulcmp79"), nullptr);

  // Boxes, joins, addresses and comments on "MUL".
  ExpectFields(*report, "MUL",
               {
                   {"5|1", "Lots 3 and 4\nBlock 9"},
                   {"8|4", "X"},
                   {"9|3", "X"},
                   {"11|2", "1 Lake Ave, Duluth, MN  55801"},
                   {"12|2", "9 Pine St, Duluth, MN  55803"},
                   {"18|1", kUnwritten},
                   {"18|7", "X"},
                   {"21|6", "X"},
                   {"20|7", kUnwritten},
                   {"43|1", "Duluth  55802"},
                   {"43|2", ""},  // listing comparable 1: no address, still written
                   {"45|2", "X"},
                   {"65|3", "X"},
                   {"65|2", kUnwritten},
                   {"112|1", "Skylights  2"},
                   {"113|4", kUnwritten},
                   {"114|4", "X"},
                   {"148|1", "1,200 sf"},
                   {"149|1", ""},
                   {"148|4", "Costs from a national service."},
                   {"178|2", "Proctor"},
                   {"185|2", order.at("RENTCOMP(1)CONCESSIONS")},
                   {"239|2", "X"},
                   {"239|4", kUnwritten},
                   {"263|6", "X"},
                   {"263|5", kUnwritten},
                   {"297|8", "X"},
                   {"318|3", "X"},
                   {"330|4", "X"},
                   {"330|3", kUnwritten},
               });

  // Overflow forms: each comparable in the column of main comparable n - 3 or
  // n - 6, with its own comment; the guarded columns stay empty.
  ExpectFields(*report, "mullst46",
               {
                   {"13|2", order.at("LISTCOMP(4)STREET")},
                   {"13|3", kUnwritten},
                   {"14|3", kUnwritten},
                   {"14|4", "Hermantown, MN"},
                   {"16|9", "X"},
                   {"22|1", order.at("COMPARISONTWO")},
               });
  ExpectFields(*report, "mulrnt46",
               {
                   {"14|2", order.at("RENTCOMP(4)STREET")},
                   {"22|2", "First month free"},
                   {"23|2", order.at("RENTCOMP(4)CONCESIONS2")},
                   {"49|1", order.at("ANALYSISRENTALDATATWO")},
               });
  ExpectFields(*report, "mulrnt79",
               {
                   {"14|3", kUnwritten},
                   {"15|3", kUnwritten},
                   {"35|19", order.at("RENTCOMP(9)UNIT4TOTRENT")},
                   {"49|1", order.at("ANALYSISRENTALDATATHREE")},
               });
  ExpectFields(*report, "mulcmp46",
               {
                   {"11|2", kUnwritten},
                   {"12|2", kUnwritten},
                   {"11|3", order.at("COMP(5)ADDRSTREET")},
                   {"12|3", "Cloquet"},
                   {"48|4", "X"},
                   {"52|3", order.at("COMP(5)PRIORSALEPRICE")},
                   {"54|1", order.at("COMMENTSALESCOMPARETWO")},
               });

  // Headed comments, each under the field whose heading its name bears.
  const ReportForm* comments = report->Form("Extended_Comments");
  ASSERT_NE(comments, nullptr);
  EXPECT_EQ(comments->fields,
            (std::map<std::string, std::string>{{"2|2", "Interior inspection of all four units."},
                                                {"336|1", "Rents are at market."}}));
  EXPECT_EQ(comments->titles.at("2|2"), "Scope of the Appraisal");

  // Report profile and signer blocks.
  ExpectFields(*report, "offscrn",
               {
                   {"2|3", "C-1025"},
                   {"3|3", "SMITH"},
                   {"11|2", "March 28, 2024"},
                   {"16|1", "Duluth, MN"},
                   {"31|1", order.at("APPRAISER")},
                   {"40|1", order.at("SUPAPPRAISER")},
               });

  // Photos: subject, comparable, the sixth listing photo, the ninth rental
  // photo, the eighteenth general photo and the sketch with its addendum.
  for (const char* frame :
       {"SUB_1_3X5", "CMP_1_3X5", "LCMP_6_3X5", "RCMP_9_3X5", "GN_18_3X5", "SKETCH_SUBJECT"}) {
    EXPECT_NE(report->Image(frame), nullptr) << frame;
  }
  EXPECT_EQ(report->images.size(), 6u);
  ExpectFields(*report, "sketch", {{"5|1", "FOURPLEX FLOOR PLAN"}});
}

}  // namespace
}  // namespace ombrel
