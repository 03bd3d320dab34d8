// A 1004 envelope that also holds a supplemental order document for each of
// the seven supplemental forms, through the whole program: start-up and
// envelope step, the real engine, XML reader and report writer. The report is
// read back: the main form, then each supplemental form filled from its own
// document, in envelope order.
#include <gtest/gtest.h>

#include <initializer_list>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "engine/form_translator.h"
#include "support/order_xml.h"
#include "support/report_reader.h"
#include "support/report_workspace.h"
#include "translators/supplemental/cna.h"
#include "translators/supplemental/fhavc.h"
#include "translators/supplemental/fm1007.h"
#include "translators/supplemental/fm216.h"
#include "translators/supplemental/fm442.h"
#include "translators/supplemental/fm465s.h"
#include "translators/supplemental/invoice.h"

namespace ombrel {
namespace {

using testing::ReportForm;
using testing::ReportWorkspace;
using testing::WrittenReport;

using Order = std::map<std::string, std::string>;

// Without an alias a tag is read as a path, and an element's value is all the
// text below it: IEPROJMISC(1) would take in its own DESC. The alias file
// gives the descriptions a place of their own, as a real one does.
const char* const kAliases = "IEPROJMISC(#)DESC = IEPROJMISCDESC(#)\n";

std::string Text(const Order& order) {
  testing::OrderXml xml;
  for (const auto& [tag, value] : order) {
    const bool miscDescription = tag.rfind("IEPROJMISC(", 0) == 0 && tag.size() > 15 &&
                                 tag.compare(tag.size() - 4, 4, "DESC") == 0;
    if (miscDescription) {
      xml.Set("IEPROJMISCDESC" + tag.substr(10, tag.size() - 14), value);
    } else {
      xml.Set(tag, value);
    }
  }
  return xml.Text();
}

// One supplemental document: its translator, its order, and the field that
// shows the form was filled from this document and no other.
struct Supplement {
  std::unique_ptr<FormTranslator> translator;
  Order order;
  std::string ownField, ownTag;
};

// The document's form number and a value of its own for tags, so a field
// shows which document and which tag it came from.
Order Document(const std::string& formNumber, std::initializer_list<const char*> tags) {
  Order order{{"FORMNUM", formNumber}};
  for (const char* tag : tags) order[tag] = formNumber + ": <" + tag + "> & more";
  return order;
}

Supplement RentSchedule() {
  Supplement s{std::make_unique<FM1007>(),
               Document("1007", {"FILENUM", "RENTCOMP(1)STREET", "RENTCOMP(3)STREET"}), "3|1",
               "FILENUM"};
  // Rent comparable 2 has values but no street: its column stays empty.
  s.order["RENTCOMP(2)CITY"] = "Boone";
  s.order["RENTCOMP(2)PROXIMITY"] = "1 mile";
  s.order["RENTSUBJECTADDRCITY"] = "Ames";
  s.order["RENTSUBJECTADDRSTATEPROV"] = "IA";
  s.order["RENTSUBJECTADDRZIP"] = "50010";
  s.order["RENTCOMP(3)CITY"] = "Nevada";
  s.order["RENTCOMP(3)ZIP"] = "50201";
  s.order["RENTCOMP(1)NETADJUSTPOSNEG"] = "POSITIVE";
  s.order["RENTCOMP(3)NETADJUSTPOSNEG"] = "negative";  // not the order's word: no box
  s.order["RENTCOMP(3)NUM"] = "3";
  s.order["ESTMOMARKETRENTDT"] = "07/01/2024";
  s.order["INSPECTSUBJECTPROP"] = "DIDNOT";
  return s;
}

Supplement OperatingIncome() {
  Supplement s{std::make_unique<FM216>(), Document("216", {"FILENUM"}), "3|1", "FILENUM"};
  s.order["RENTUTILSELECT"] = "OWNER";
  s.order["RENTUTILSTRASH"] = "TENANT";
  s.order["RENTUTILSGAS"] = "tenant";  // the comparison is exact: no box
  // Types that match the line's name, in any letter case, record nothing.
  s.order["IEPROJGASTYPE"] = "gas";
  s.order["EQUIPROOFTYPE"] = "ROOF";
  return s;
}

Supplement CondominiumProject() {
  Supplement s{std::make_unique<CNA>(), Document("465", {"FILENUM", "CASE_NO", "PROPADDR"}),
               "3|1", "FILENUM"};
  s.order["PROJTYPE"] = "PUD";
  s.order["APPRAISERDTSIGNED"] = "11/02/2023";
  s.order["BORROWER"] = "Project Borrower";
  s.order["APPRAISER"] = "Project Appraiser";
  s.order["SUPAPPRAISER"] = "Project Supervisor";
  s.order["UNIT(1)NUM"] = "1";
  s.order["UNIT(1)ROOMTOT"] = "5";
  s.order["UNIT(1)BATH"] = "2";
  // Unit type 2 has no values at all.
  return s;
}

Supplement ValuationConditions() {
  Supplement s{std::make_unique<FHAVC>(), Document("FHAVC", {"FILENUM", "VCDESC(3)COMMENT"}),
               "6|1", "FILENUM"};
  s.order["SINKHOLEHAZARD"] = "YES";
  s.order["FLOODHAZARD"] = "NO";  // no "NO" box for a site hazard
  s.order["FAILEDSEPTICSOILCONT"] = "NO";
  s.order["NOPOSITIVEDRAINAGETOP"] = "yes";
  s.order["OWNEROCCUPANCYSTANDARDS"] = "YES";
  s.order["SINKHOLEHAZARDTYPE"] = "sinkhole";
  // Description 2 is missing: description 3 stays on its own line.
  return s;
}

Supplement CompletionCertificate() {
  Supplement s{std::make_unique<FM442>(), Document("442", {"FILENUM"}), "7|1", "FILENUM"};
  s.order["PROPADDR"] = "12 Elm St";
  s.order["CITY"] = "Ames";
  s.order["ZIP"] = "50010";
  s.order["APPRAISALMADE"] = "REPAIRSALTERATIONS";
  s.order["ITEMIZEDCHANGESAFFECT"] = "donot";
  s.order["APPRAISERDTSIGNED"] = "not signed yet";
  return s;
}

Supplement Invoice() {
  Supplement s{std::make_unique<INVOICE>(),
               Document("INVOICE", {"APPRAISERCONAME", "INVOICEITEM(3)COST"}), "5|1",
               "APPRAISERCONAME"};
  s.order["LENDERCLIENTCITY"] = "Des Moines";
  s.order["LENDERCLIENTSTATEPROV"] = "IA";
  s.order["LENDERCLIENTZIP"] = "50309";
  // Item 2 is missing and item 3 has a cost only.
  s.order["INVOICEITEM(1)NUM"] = "1";
  return s;
}

Supplement BuildingInformation() {
  Supplement s{std::make_unique<FM465S>(), Document("465S", {"FILENUM"}), "8|1", "FILENUM"};
  s.order["LENDERCLIENTSTREET"] = "1 Bank Pl";
  s.order["LENDERCLIENTCITY"] = "Des Moines";
  s.order["LENDERCLIENTSTATEPROV"] = "IA";
  s.order["LENDERCLIENTZIP"] = "50309";
  s.order["GENERALBUILDINGTYPE"] = "GARDEN";
  s.order["GENERALCONSTRUCTTYPE"] = "UNKNOWN";
  s.order["GENERALCONSTRUCTSOFTSTORY"] = "NO";
  s.order["PARKINGTYPE"] = "lot";
  return s;
}

Order MainOrder() {
  return {{"FORMNUM", "1004"},
          {"CASE_NO", "C-1004"},
          {"BORROWER", "Main Borrower"},
          {"PROPADDR", "12 Elm St"},
          {"CITY", "Ames"},
          {"APPRAISER", "Main Appraiser"},
          {"COMP(1)ADDRSTREET", "1 Oak"},
          {"COMP(1)NUM", "1"}};
}

void ExpectFields(const ReportForm& form,
                  const std::map<std::string, std::optional<std::string>>& fields) {
  for (const auto& [addr, value] : fields) {
    EXPECT_EQ(form.Field(addr), value) << form.id << " " << addr;
  }
}

TEST(SupplementalReport, MainFormThenEachSupplementalFormFromItsOwnDocument) {
  std::vector<Supplement> supplements;
  supplements.push_back(RentSchedule());
  supplements.push_back(OperatingIncome());
  supplements.push_back(CondominiumProject());
  supplements.push_back(ValuationConditions());
  supplements.push_back(CompletionCertificate());
  supplements.push_back(Invoice());
  supplements.push_back(BuildingInformation());

  ReportWorkspace workspace(kAliases);
  for (const Supplement& s : supplements) workspace.supplementalOrders.push_back(Text(s.order));
  const std::optional<WrittenReport> report = workspace.Convert(Text(MainOrder()));
  ASSERT_TRUE(report.has_value());
  EXPECT_TRUE(workspace.ui.boxes.empty()) << workspace.ui.boxes.front().text;

  EXPECT_EQ(report->skeleton, "UAR-3X5.RPT");
  EXPECT_EQ(report->FormIds(),
            (std::vector<std::string>{"UA2", "Extended_Comments", "offscrn", "rent2", "ois", "cna",
                                      "VC01", "compl", "invoice", "EQI"}));
  const std::map<std::string, std::string> versions = {
      {"rent2", "1"}, {"ois", "2"},     {"cna", "1"}, {"VC01", "2"},
      {"compl", "1"}, {"invoice", "1"}, {"EQI", "1"}};
  for (const auto& [id, version] : versions) {
    ASSERT_NE(report->Form(id), nullptr) << id;
    EXPECT_EQ(report->Form(id)->version, version) << id;
  }

  // The main form keeps the main order's values.
  const ReportForm& main = *report->Form("UA2");
  ExpectFields(main, {{"4|1", "12 Elm St"}, {"7|1", "Main Borrower"}});

  for (const Supplement& s : supplements) {
    const ReportForm* form = report->Form(s.translator->FormName());
    ASSERT_NE(form, nullptr) << s.translator->FormName();
    EXPECT_EQ(form->Field(s.ownField), s.order.at(s.ownTag)) << form->id;
  }

  // Joins, boxes, dates and guarded rows.
  struct Cell {
    const char* form;
    const char* addr;
    std::optional<std::string> value;
  };
  const Cell cells[] = {
      {"rent2", "9|1", "Ames, IA  50010"},
      {"rent2", "9|3", std::nullopt},  // comparable 2 has no street
      {"rent2", "10|2", std::nullopt},
      {"rent2", "9|4", "Nevada  50201"},
      {"rent2", "38|1", "X"},
      {"rent2", "38|2", std::nullopt},
      {"rent2", "38|7", std::nullopt},
      {"rent2", "38|8", std::nullopt},
      {"rent2", "75|1", "July 1"},
      {"rent2", "75|2", "2024"},
      {"rent2", "77|3", std::nullopt},
      {"rent2", "77|4", "X"},
      {"ois", "14|6", "X"},
      {"ois", "14|7", std::nullopt},
      {"ois", "15|6", std::nullopt},
      {"ois", "15|7", std::nullopt},
      {"ois", "19|1", std::nullopt},
      {"ois", "19|2", "X"},
      {"cna", "5|1", std::nullopt},
      {"cna", "5|2", "X"},
      {"cna", "40|1", "November 2"},
      {"cna", "40|2", "2023"},
      {"cna", "137|1", "November 2"},
      {"cna", "137|2", "2023"},
      {"cna", "165|1", "November 2"},
      {"cna", "165|2", "2023"},
      {"cna", "90|1", "5 2"},
      {"cna", "91|1", ""},  // a unit type without values: its joined cell is written empty
      {"cna", "91|2", std::nullopt},
      {"VC01", "32|1", "X"},
      {"VC01", "60|1", std::nullopt},
      {"VC01", "24|1", std::nullopt},
      {"VC01", "24|2", "X"},
      {"VC01", "42|1", std::nullopt},
      {"VC01", "42|2", std::nullopt},
      {"VC01", "200|3", "X"},
      {"VC01", "268|1", std::nullopt},
      {"VC01", "270|3", "FHAVC: <VCDESC(3)COMMENT> & more"},
      {"compl", "13|1", "12 Elm St, Ames  50010"},
      {"compl", "21|1", std::nullopt},
      {"compl", "21|2", "X"},
      {"compl", "61|1", "not signed yet"},
      {"compl", "61|2", std::nullopt},
      {"invoice", "15|1", "Des Moines, IA  50309"},
      {"invoice", "16|1", "50309"},
      {"invoice", "33|1", std::nullopt},
      {"invoice", "33|2", std::nullopt},
      {"invoice", "34|1", std::nullopt},
      {"invoice", "34|2", "INVOICE: <INVOICEITEM(3)COST> & more"},
      {"EQI", "15|2", "1 Bank Pl, Des Moines, IA  50309"},
      {"EQI", "22|2", "X"},
      {"EQI", "22|1", std::nullopt},
      {"EQI", "27|1", "X"},
      {"EQI", "28|1", std::nullopt},
      {"EQI", "28|2", "X"},
      {"EQI", "30|4", std::nullopt},
  };
  for (const Cell& cell : cells) {
    const ReportForm* form = report->Form(cell.form);
    ASSERT_NE(form, nullptr) << cell.form;
    EXPECT_EQ(form->Field(cell.addr), cell.value) << cell.form << " " << cell.addr;
  }

  // The project document fills the report profile and the first two signer
  // blocks again, after the main form did.
  const ReportForm& profile = *report->Form("offscrn");
  ExpectFields(profile, {{"6|1", "Project Borrower"},
                         {"2|3", supplements[2].order.at("CASE_NO")},
                         {"31|1", "Project Appraiser"},
                         {"40|1", "Project Supervisor"},
                         {"7|1", supplements[2].order.at("PROPADDR")}});
}

}  // namespace
}  // namespace ombrel
