// The whole road for the 2055 family: an envelope holding a 2055, 2055
// "FHLMC", 2055_WOI or 2065 order and its photos goes through the program's
// start-up and envelope step, the real engine, XML reader and report writer,
// and the report file read back must hold what the order holds.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
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

using Values = std::vector<std::pair<std::string, std::string>>;

// One member of the family as its report shows it.
struct Road {
  std::string formNumber, altForm;
  std::string mainForm, skeleton, comparables46, comparables79, overflowComment;
  int gridShift;  // how many lines lower the grid lies than on "DUQ"
  bool dawi;
};

const Road kRoads[] = {
    {"2055", "", "DUQ", "2055-3X5.RPT", "DUQCMP46", "duqcmp79", "40|1", 0, false},
    {"2055", "FHLMC", "QAR", "QAR-3X5.RPT", "QARCMP46", "qarcmp79", "40|1", 0, false},
    {"2055_WOI", "", "DAWI", "DAWI-3X5.RPT", "DAWIC46", "DAWIC79", "40|1", 0, true},
    {"2065", "", "2065", "2065-3X5.RPT", "2065_C46", "2065_C79", "39|1", 3, false},
};

const char* const kEllipsis = "\xE2\x80\xA6";

OrderXml FullOrder(const Road& road) {
  OrderXml order;
  const Values values = {
      {"FORMNUM", road.formNumber},
      {"TITLE", "Summary Appraisal"},
      {"CASE_NO", "C-17"},
      {"FILENUM", "F-2201"},
      {"BORROWER", "Ann Lee"},
      {"PROPADDR", "12 Oak St"},
      {"CITY", "Ames"},
      {"STATEPROV", "IA"},
      {"ZIP", "50010"},
      {"LENDERCLIENT", "First Bank"},
      {"LENDERCLIENTSTREET", "1 Main St"},
      {"LENDERCLIENTCITY", "Des Moines"},
      {"LENDERCLIENTSTATEPROV", "IA"},
      {"LENDERCLIENTZIP", "50309"},
      {"HIGHESTBESTUSE", "OTHER"},
      {"HIGHESTBESTUSEDESC", "A duplex conversion is pending."},
      {"APPRAISALMADE", "REPAIRSALTERATIONS"},
      {"CONDITIONAPPRAISAL", "Subject to a new roof."},
      // The appraiser holds a licence only; the supervisor both numbers.
      {"APPRAISER", "Jo Park"},
      {"APPRAISERSTATELICNUM", "L-100"},
      {"APPRAISERLICSTATEPROV", "IA"},
      {"SUPAPPRAISER", "Max Roe"},
      {"SUPAPPRAISERSTATELICNUM", "L-200"},
      {"SUPAPPRAISERSTATECERTNUM", "C-300"},
      {"SUPAPPRAISERLICSTATEPROV", "MN"},
      {"SUPAPPRAISERCERTSTATEPROV", "IA"},
      {"SUPSUPAPPRAISERDTSIGNED", "03/05/2024"},
      {"ADDENDA(1)NUM", "1"},
      {"ADDENDA(1)NAME", "SCOPE OF THE APPRAISAL"},
      {"ADDENDA(1)VALUE", "Exterior inspection only."},
      {"ADDENDA(2)NUM", "2"},
      {"ADDENDA(2)NAME", "Additional Comments"},
      {"ADDENDA(2)VALUE", "No further comments."},
      {"COMMENTSALESCOMPARETWO", "Comparables 4 to 6 are older."},
      {"COMMENTSALESCOMPARETHREE", "Comparables 7 to 9 are rural."},
      {"SUBJECTFRONTVIEW", "front.jpg"},
      {"COMP(1)PHOTO", "comp1.jpg"},
      {"COMP(1)PHOTONUM", "1"},
      {"COMP(5)PHOTO", "comp5.jpg"},
      {"COMP(5)PHOTONUM", "5"},
      {"ADDPHOTO(1)", "extra1.jpg"},
      {"FLOORPLAN", "sketch.jpg"},
      {"FLOORPLANNAME", "FLOOR PLAN"},
  };
  for (const auto& [tag, value] : values) order.Set(tag, value);
  if (!road.altForm.empty()) order.Set("ALTFORM", road.altForm);
  for (int n = 1; n <= 9; ++n) {
    const std::string comp = "COMP(" + std::to_string(n) + ")";
    order.Set(comp + "NUM", std::to_string(n));
    order.Set(comp + "ADDRSTREET", std::to_string(n) + " Elm St");
    order.Set(comp + "SALESPRICE", std::to_string(100000 + n));
    order.Set(comp + "NETADJUSTPOSNEG", "POSITIVE");
    order.Set(comp + "OVERALLCOMP", "SUP");
  }
  return order;
}

const std::vector<EnvelopePhoto> kPhotos = {"front.jpg", "comp1.jpg", "comp5.jpg", "extra1.jpg",
                                          "sketch.jpg"};

void ExpectField(const ReportForm* form, const std::string& addr, const std::string& value) {
  ASSERT_NE(form, nullptr);
  EXPECT_EQ(form->Field(addr), std::optional<std::string>(value)) << form->id << " " << addr;
}

TEST(Form2055Road, EachFormBecomesACompleteReport) {
  ReportWorkspace workspace;
  for (const Road& road : kRoads) {
    SCOPED_TRACE(road.mainForm);
    const std::optional<WrittenReport> report = workspace.Convert(FullOrder(road).Text(), kPhotos);
    ASSERT_TRUE(report.has_value());
    EXPECT_TRUE(workspace.ui.boxes.empty());
    EXPECT_EQ(report->skeleton, road.skeleton);
    EXPECT_EQ(report->FormIds(),
              (std::vector<std::string>{road.mainForm, "Extended_Comments", "offscrn",
                                        road.comparables46, road.comparables79, "sketch"}));

    // Main form.
    const ReportForm* main = report->Form(road.mainForm);
    ExpectField(main, "6|1", "12 Oak St");
    ExpectField(main, "23|2", "X");  // the description itself goes to the addendum
    ExpectField(main, "237|1", "IA");
    ExpectField(main, "237|2", std::string("IA") + kEllipsis + "MN");
    const int g = road.gridShift;
    ExpectField(main, std::to_string(41 + g) + "|2", "1 Elm St");
    ExpectField(main, std::to_string(41 + g) + "|4", "3 Elm St");
    ExpectField(main, std::to_string(44 + g) + "|3", "100002");
    if (road.dawi) {
      EXPECT_EQ(main->Field("3|1"), std::nullopt);
      for (const char* addr : {"3|2", "86|2", "170|2"}) ExpectField(main, addr, "C-17");
      for (const char* addr : {"4|1", "87|1", "171|1"}) ExpectField(main, addr, "F-2201");
      ExpectField(main, "80|2", "X");
      ExpectField(main, "80|3", "Subject to a new roof.");
    } else {
      ExpectField(main, "3|1", "Summary Appraisal");
      ExpectField(main, "80|1", "X");
      ExpectField(main, "80|2", "Subject to a new roof.");
    }
    if (road.gridShift == 3) {
      ExpectField(main, "70|1", "X");  // comparable 1 is superior
      EXPECT_EQ(main->Field("65|1"), std::nullopt);
    } else {
      ExpectField(main, "65|1", "X");  // comparable 1's net adjustment is positive
    }

    // Headed comments and the descriptions of the extended comments.
    const ReportForm* comments = report->Form("Extended_Comments");
    ExpectField(comments, "23|2", "A duplex conversion is pending.");
    ExpectField(comments, "3|2", "Exterior inspection only.");
    ExpectField(comments, "252|1", "No further comments.");
    ASSERT_NE(comments, nullptr);
    EXPECT_EQ(comments->titles.at("252|1"), "Additional Comments");

    // Report profile: the lender's line has no zip, the file number is the report's name.
    const ReportForm* profile = report->Form("offscrn");
    ExpectField(profile, "6|1", "Ann Lee");
    ExpectField(profile, "16|1", "Des Moines, IA");
    ExpectField(profile, "17|1", "50309");
    ExpectField(profile, "3|3", "SMITH");
    ExpectField(profile, "31|1", "Jo Park");

    // Overflow forms.
    const ReportForm* first = report->Form(road.comparables46);
    ExpectField(first, "11|2", "4 Elm St");
    ExpectField(first, "11|4", "6 Elm St");
    ExpectField(first, "14|3", "100005");
    ExpectField(first, road.overflowComment, "Comparables 4 to 6 are older.");
    const ReportForm* second = report->Form(road.comparables79);
    ExpectField(second, "11|4", "9 Elm St");
    ExpectField(second, road.overflowComment, "Comparables 7 to 9 are rural.");
    if (road.gridShift == 3) {
      ExpectField(first, "37|1", "X");
    } else {
      ExpectField(first, "35|1", "X");
    }

    // Photos and the sketch with its addendum.
    for (const char* frame : {"SUB_1_3X5", "CMP_1_3X5", "CMP_5_3X5", "GN_1_3X5", "SKETCH_SUBJECT"}) {
      const auto* image = report->Image(frame);
      ASSERT_NE(image, nullptr) << frame;
      EXPECT_NE(std::find(report->entries.begin(), report->entries.end(), image->entry),
                report->entries.end())
          << frame;
    }
    EXPECT_EQ(report->images.size(), 5u);
    ExpectField(report->Form("sketch"), "5|1", "FLOOR PLAN");

    // The envelope's documents are gone again.
    EXPECT_FALSE(std::filesystem::exists(workspace.dirs.File("kestrov/Pix/front.jpg")));
    std::filesystem::remove(workspace.ReportPath());
  }
}

TEST(Form2055Road, AnotherAlternateFormMakesNoReport) {
  ReportWorkspace workspace;
  Road road = kRoads[0];
  road.altForm = "VA";
  workspace.OpenEnvelope(FullOrder(road).Text(), kPhotos, std::nullopt);
  ASSERT_EQ(workspace.ui.boxes.size(), 1u);
  EXPECT_EQ(workspace.ui.boxes[0].text, "This translator does not support the 2055:VA form.");
  EXPECT_FALSE(std::filesystem::exists(workspace.ReportPath()));
  for (const auto& dialog : workspace.ui.dialogs) {
    EXPECT_NE(dialog.kind, testing::ShownDialog::kSave);
  }
}

}  // namespace
}  // namespace ombrel
