// Orders for each of the short main forms through the whole program: start-up
// and envelope step, the real engine, XML reader and report writer. Each
// report is read back and its forms, fields, headed comments and images
// checked against what the order holds.
#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "engine/form_translator.h"
#include "support/order_xml.h"
#include "support/report_reader.h"
#include "support/report_workspace.h"
#include "translators/ba_short/aul.h"
#include "translators/ba_short/ba2071.h"
#include "translators/ba_short/bar.h"
#include "translators/ba_short/cli.h"
#include "translators/ba_short/dtv.h"
#include "translators/ba_short/fm2070.h"
#include "translators/ba_short/fm2075.h"
#include "translators/ba_short/pfi.h"
#include "translators/ba_short/vie.h"

namespace ombrel {
namespace {

using testing::ReportForm;
using testing::WrittenReport;

using Order = std::map<std::string, std::string>;

const std::optional<std::string> kUnwritten = std::nullopt;
const std::string kEllipsis = "…";

struct Field {
  std::string form, addr;
  std::optional<std::string> value;
};

struct Comment {
  std::string addr, name, text;
};

struct FormCase {
  std::function<std::unique_ptr<FormTranslator>()> create;
  std::string skeleton;
  Order values;                        // what the order holds, besides its addenda entries
  std::vector<std::pair<std::string, std::string>> entries;  // addenda entries: name, text
  std::vector<std::string> photos;     // image files of the envelope
  std::vector<std::string> formIds;    // the report's forms, in order
  std::vector<Field> fields;
  std::vector<Comment> comments;       // the extended comments placed
  std::vector<std::string> frames;     // the photo frames filled
};

template <typename T>
std::function<std::unique_ptr<FormTranslator>()> Make() {
  return [] { return std::make_unique<T>(); };
}

Order OrderOf(const FormCase& c) {
  Order order = c.values;
  for (std::size_t i = 0; i < c.entries.size(); ++i) {
    const std::string n = "ADDENDA(" + std::to_string(i + 1) + ")";
    order[n + "NUM"] = std::to_string(i + 1);
    order[n + "NAME"] = c.entries[i].first;
    order[n + "VALUE"] = c.entries[i].second;
  }
  return order;
}

std::vector<FormCase> Cases() {
  std::vector<FormCase> cases;

  cases.push_back(
      {Make<PFI>(),
       "PFISKEL.RPT",
       {{"FORMNUM", "BA3370_44"},
        {"SUBJECTOCCUPIED", "UNCLEAR"},
        {"EXTSUBJECTCONDITION", "fair"},  // letter case counts: no box
        {"GENERALCONDITION", "WORSE"},
        {"COMMENTSAFETYCONDITIONS", "Loose stair railing."},
        {"SUBJECTFRONTVIEW", "front.jpg"},
        {"FLOORPLAN", "plan.jpg"},
        {"FLOORPLANNAME", "FIRST FLOOR"}},
       {{"ADDITIONAL COMMENTS", "Vacant since spring."}},
       {"front.jpg", "plan.jpg"},
       {"PFI", "Extended_Comments", "offscrn", "sketch"},
       {{"PFI", "23|3", "X"},
        {"PFI", "23|1", kUnwritten},
        {"PFI", "27|2", kUnwritten},
        {"PFI", "31|3", "X"},
        {"PFI", "39|1", kUnwritten},
        {"PFI", "39|2", kUnwritten},
        {"PFI", "40|1", "Loose stair railing."},
        {"sketch", "5|1", "FIRST FLOOR"}},
       {{"66|1", "ADDITIONAL COMMENTS", "Vacant since spring."}},
       {"SUB_1_3X5", "SKETCH_SUBJECT"}});

  cases.push_back(
      {Make<AUL>(),
       "AULSKEL.RPT",
       {{"FORMNUM", "BAAPUPDATE"},
        {"APPRAISERCITY", "Duluth"},
        {"APPRAISERSTATEPROV", "MN"},
        {"APPRAISERZIP", "55803"},
        {"LENDERCLIENTCITY", "Austin"},
        {"LENDERCLIENTSTATEPROV", "TX"},
        {"CITY", "Ely"},
        {"STATEPROV", "MN"},
        {"FACTORMARKETCONDITIONS", "YES"},
        {"FACTORMARKETCONDITIONSDESC", "Prices stable."},
        {"APPRAISALUPDATEVALIDATE", "no"},
        {"APPRAISERSTATECERTNUM", "C-4"},
        {"APPRAISERCERTSTATEPROV", "MN"},
        {"APPRAISERLICNUM", "L-4"},
        {"APPRAISERLICSTATEPROV", "WI"}},
       {{"Purpose of the Appraisal", "Update of the earlier appraisal."},
        {"ADDITIONAL COMMENTS", "No changes observed."}},
       {},
       {"AUL", "Extended_Comments", "offscrn"},
       {{"AUL", "8|1", "Duluth, MN  55803"},
        {"AUL", "12|1", "Austin, TX"},
        {"AUL", "12|2", "Ely, MN"},
        {"AUL", "35|1", "X"},
        {"AUL", "32|1", kUnwritten},
        {"AUL", "36|1", "Prices stable."},
        {"AUL", "42|1", kUnwritten},
        {"AUL", "44|1", kUnwritten},
        // The licence's state replaces the certificate's.
        {"AUL", "84|1", "WI"}},
       {{"6|2", "Purpose of the Appraisal", "Update of the earlier appraisal."},
        {"86|1", "ADDITIONAL COMMENTS", "No changes observed."}},
       {}});

  cases.push_back(
      {Make<BAR>(),
       "BARSKEL.RPT",
       {{"FORMNUM", "BAAPREVIEW"},
        {"PROPADDR", "12 Oak St"},
        {"CITY", "Ely"},
        {"STATEPROV", "MN"},
        {"ZIP", "55731"},
        {"PROPRIGHTS", "OTHER"},
        {"ACCEPTABLEDATA", "NA"},
        {"REASONABLEADJ", "NA"},
        {"REVAPPRAISERINTINSPECT", "ON"},
        {"REVAPPRAISERNOINSPECT", "ON"},
        {"REVAPPRAISERSTATECERTNUM", "C-3"},
        {"REVAPPRAISERCERTSTATEPROV", "MN"},
        {"REVAPPRAISERSTATELICNUM", "L-3"},
        {"REVAPPRAISERLICSTATEPROV", "WI"}},
       {{"SCOPE OF APPRAISAL", "Desk review."},
        {"SUBJECT PROPERTY", "Single-family house."},
        {"APPRAISAL DATA", "Adequate."},
        {"ADJUSTMENTS", "Supported."},
        {"METHODS AND TECHNIQUES", "Sales comparison."},
        {"ANALYSES, OPINIONS AND CONCLUSIONS", "Reasonable."},
        {"APPRAISAL GUIDELINES", "Followed."},
        {"ADDITIONAL_COMMENTS", "None."}},
       {},
       {"BAR", "Extended_Comments", "offscrn"},
       {{"BAR", "8|1", "12 Oak St, Ely, MN  55731"},
        {"BAR", "9|3", "X"},
        {"BAR", "19|1", kUnwritten},
        {"BAR", "19|2", kUnwritten},
        {"BAR", "21|3", "X"},
        {"BAR", "50|1", "X"},
        {"BAR", "50|2", kUnwritten},
        {"BAR", "50|3", "X"},
        {"BAR", "57|3", "WI"},  // the licence's state replaces the certificate's
        {"offscrn", "32|2", "X"},
        {"offscrn", "32|3", kUnwritten},
        {"offscrn", "31|3", "X"}},
       {{"5|1", "SCOPE OF APPRAISAL", "Desk review."},
        {"9|4", "SUBJECT PROPERTY", "Single-family house."},
        {"19|2", "APPRAISAL DATA", "Adequate."},
        {"21|2", "ADJUSTMENTS", "Supported."},
        {"23|2", "METHODS AND TECHNIQUES", "Sales comparison."},
        {"25|2", "ANALYSES, OPINIONS AND CONCLUSIONS", "Reasonable."},
        {"27|2", "APPRAISAL GUIDELINES", "Followed."},
        {"65|1", "ADDITIONAL_COMMENTS", "None."}},
       {}});

  cases.push_back(
      {Make<VIE>(),
       "VIESKEL.RPT",
       {{"FORMNUM", "BAVIE"},
        {"PROJTYPE", "24FAMILY"},
        {"DATAANALYSISTYPE", "avm"},
        {"APPRAISALDISTRICTNAME", "Travis"},
        {"APPRAISALDISTRICTNUM", "042"},
        {"APPRAISERSTATELICNUM", "L-1"},
        {"APPRAISERSTATECERTNUM", "l-1"},
        {"APPRAISERLICSTATEPROV", "TX"},
        {"APPRAISERCERTSTATEPROV", "NM"}},
       {{"SCOPE OF APPRAISAL", "Exterior only."},
        {"PROJECT TYPE OR PRESENT USE", "Duplex."},
        {"ADDITIONAL COMMENTS", "Three sales within a mile."}},
       {},
       {"VIE", "Extended_Comments", "offscrn"},
       {{"VIE", "23|5", "X"},
        {"VIE", "23|1", kUnwritten},
        {"VIE", "23|6", kUnwritten},
        {"VIE", "25|2", ""},  // no lender address: written empty
        {"VIE", "29|1", kUnwritten},
        {"VIE", "30|1", kUnwritten},
        {"VIE", "193|1", "Travis,042"},
        {"VIE", "194|1", "L-1"},  // the same number ignoring case: written once
        {"VIE", "194|2", "TX/NM"}},
       {{"5|1", "SCOPE OF APPRAISAL", "Exterior only."},
        {"23|6", "PROJECT TYPE OR PRESENT USE", "Duplex."},
        {"197|1", "ADDITIONAL COMMENTS", "Three sales within a mile."}},
       {}});

  cases.push_back(
      {Make<BA2071>(),
       "EPI-3X5.RPT",
       {{"FORMNUM", "2071"},
        {"PROJTYPE", "condo"},
        {"FACTORLACKINGRESS", "YES"},
        {"APPRAISERSTATELICNUM", "L-7"},
        {"APPRAISERLICSTATEPROV", "MN"},
        {"SUPAPPRAISER", "Sam Super"},
        {"SUBJECTFRONTVIEW", "front.jpg"}},
       {{"Certification", "I certify."}, {"Scope", "Exterior."}},
       {"front.jpg"},
       {"EPI", "Extended_Comments", "offscrn"},
       {{"EPI", "13|2", kUnwritten},
        {"EPI", "13|3", kUnwritten},
        {"EPI", "34|1", kUnwritten},
        {"EPI", "34|2", "X"},
        {"EPI", "15|2", ""},
        {"EPI", "75|1", "L-7"},
        {"EPI", "75|2", "MN"}},
       // The certification came first: the scope is never reached.
       {{"77|1", "Certification", "I certify."}},
       {}});

  cases.push_back(
      {Make<DTV>(),
       "DT2SKEL.RPT",
       {{"FORMNUM", "BADESKTOP"},
        {"PROPADDR", "1 Main St"},
        {"CITY", "Austin"},
        {"STATEPROV", "TX"},
        {"ZIP", "78701"},
        {"SUBJECTBEDROOMS", "3"},
        {"SUBJECTBATH", "2"},
        {"COMP(1)ADDRCITY", "Round Rock"},
        {"COMP(2)BEDROOMS", "4"},
        {"DATAANALYSISTYPE", "MANUAL"},
        {"AVMPARAMETERS", "Not used."},
        {"SUBJECTTRANSFERREDLISTED", "YES"},
        {"SUBJECTSOLDLISTED", "LISTED"},
        {"APPRAISERSTATECERTNUM", "C-9"},
        {"APPRAISERCERTSTATEPROV", "TX"}},
       {{"PURPOSE OF THE APPRAISAL", "Lending decision."},
        {"VALUE ESTIMATE", "Market value as is."},
        {"ADDITIONAL COMMENTS", "Desktop only."}},
       {},
       {"DT2", "Extended_Comments", "offscrn"},
       {{"DT2", "7|1", "1 Main St, Austin, TX  78701"},
        {"DT2", "24|1", kUnwritten},
        {"DT2", "32|1", "X"},
        {"DT2", "28|1", "Not used."},
        {"DT2", "39|1", ""},
        {"DT2", "39|2", "Round Rock"},
        {"DT2", "39|4", ""},
        {"DT2", "44|1", "3/2"},
        {"DT2", "44|3", "4"},
        {"DT2", "44|4", ""},
        {"DT2", "56|1", "X"},
        {"DT2", "56|3", "X"},
        {"DT2", "207|1", "C-9"},
        {"DT2", "207|2", "TX"}},
       {{"2|1", "PURPOSE OF THE APPRAISAL", "Lending decision."},
        {"65|1", "VALUE ESTIMATE", "Market value as is."},
        {"215|1", "ADDITIONAL COMMENTS", "Desktop only."}},
       {}});

  FormCase fm2070{
      Make<FM2070>(),
      "CMR-3X5.RPT",
      {{"FORMNUM", "2070"},
       {"APPRAISERADDR", "9 Pine St, Duluth, MN  55803"},
       {"LENDERCLIENTCITY", "Duluth"},
       {"LENDERCLIENTSTATEPROV", "MN"},
       {"CURRENTOCCUPANT", "TENANT"},
       {"ELECTRICPUBLIC", "OFF"},
       {"WATERPUBLIC", "OFF"},
       {"INSPECTSUBJECTPROP", "DID2"},
       {"APPRAISERSTATECERTNUM", "C-1"},
       {"APPRAISERSTATELICNUM", "L-1"},
       {"APPRAISERLICSTATEPROV", "MN"},
       {"SUPAPPRAISERSTATECERTNUM", "C-2"},
       {"SUPAPPRAISERCERTSTATEPROV", "WI"},
       {"SUBJECTFRONTVIEW", "front.jpg"}},
      {{"ADDITIONAL COMMENTS", "Well maintained."}, {"SITE DESCRIPTION", "Level lot."}},
      {"front.jpg"},
      {"CMR", "Extended_Comments", "offscrn"},
      {{"CMR", "12|4", "X"},
       {"CMR", "16|2", "Duluth, MN"},
       {"CMR", "17|2", "9 Pine St, Duluth, MN  55803"},
       {"CMR", "30|2", kUnwritten},
       {"CMR", "30|3", "X"},
       {"CMR", "30|5", kUnwritten},
       {"CMR", "77|1", "C-1" + kEllipsis + "L-1"},
       {"CMR", "77|2", kEllipsis + "MN"},
       {"CMR", "77|3", "C-2"},
       {"CMR", "77|4", "WI"},
       {"CMR", "78|3", "X"},
       {"CMR", "78|4", kUnwritten}},
      // The site description came after the additional comments: not placed.
      {{"167|1", "ADDITIONAL COMMENTS", "Well maintained."}},
      {"SUB_1_3X5"}};
  for (int i = 1; i <= 7; ++i) {
    const std::string n = std::to_string(i);
    fm2070.values["ADDPHOTO(" + n + ")"] = "extra" + n + ".jpg";
    fm2070.photos.push_back("extra" + n + ".jpg");
    if (i <= 6) fm2070.frames.push_back("GN_" + n + "_3X5");
  }
  cases.push_back(fm2070);

  cases.push_back(
      {Make<FM2075>(),
       "2075-3X5.RPT",
       {{"FORMNUM", "2075"},
        {"BUILTUP", "25-75%"},
        {"MARKETINGTIME", "under 3 mos."},
        {"EXTERIORMANUFACTUREDHOUSE", "NO"},
        {"APPRAISERCITY", "Ely"},
        {"APPRAISERSTATEPROV", "MN"},
        {"APPRAISERZIP", "55731"},
        {"APPRAISERCERTSTATEPROV", "MN"},
        {"APPRAISERLICSTATEPROV", "mn"},
        {"SUPAPPRAISERSTATELICNUM", "L-5"},
        {"SUPAPPRAISERLICSTATEPROV", "WI"},
        {"ADDPHOTO(1)", "yard.jpg"}},
       {{"Scope of Report", "Exterior from the street."},
        {"ADDITIONAL COMMENTS", "Typical of the area."}},
       {"yard.jpg"},
       {"2075", "Extended_Comments", "offscrn"},
       {{"2075", "13|2", "X"},
        {"2075", "14|4", kUnwritten},
        {"2075", "34|5", kUnwritten},
        {"2075", "34|6", "X"},
        {"2075", "75|1", "Ely, MN  55731"},
        {"2075", "75|2", ""},
        {"2075", "79|1", "MN"},
        {"2075", "77|2", kUnwritten},
        {"2075", "79|2", "WI"}},
       {{"3|2", "Scope of Report", "Exterior from the street."},
        {"84|1", "ADDITIONAL COMMENTS", "Typical of the area."}},
       {"GN_1_3X5"}});

  cases.push_back(
      {Make<CLI>(),
       "CLI-3X5.RPT",
       {{"FORMNUM", "BA3370_46"},
        {"INSPECTOR", "Ivan Inspector"},
        {"INSPECTORCOMMENT", "Framing complete.  \nRoof on.  \nDrywall next week."},
        {"CONSTRPERMITSDRAW6", "1200"},
        {"CONSTRTOTALCONTRACTDRAW6", "5000"},
        {"SUBJECTFRONTVIEW", "front.jpg"},
        {"FLOODMAP", "flood.jpg"}},
       {{"Additional Comments", "Second inspection."}},
       {"front.jpg", "flood.jpg"},
       {"CLI", "Extended_Comments", "offscrn", "CLIXDRAW", "floodmap"},
       {{"CLI", "64|1", "Framing complete.  \nRoof on."},
        {"CLIXDRAW", "58|1", "Drywall next week."},
        {"CLIXDRAW", "21|3", "1200"},  // the sixth draw in the continuation's first column
        {"CLIXDRAW", "21|2", kUnwritten},  // no contract costs on the continuation
        {"offscrn", "31|1", "Ivan Inspector"}},
       {{"68|1", "Additional Comments", "Second inspection."}},
       {"SUB_1_3X5", "MAP_FLOOD"}});

  return cases;
}

TEST(BaShortReport, AnOrderOfEachFormBecomesItsReport) {
  for (const FormCase& c : Cases()) {
    std::unique_ptr<FormTranslator> translator = c.create();
    SCOPED_TRACE(translator->FormName());
    const Order order = OrderOf(c);
    testing::OrderXml xml;
    for (const auto& [tag, value] : order) xml.Set(tag, value);
    std::vector<testing::EnvelopePhoto> photos(c.photos.begin(), c.photos.end());

    testing::ReportWorkspace workspace;
    const std::optional<WrittenReport> report = workspace.Convert(xml.Text(), photos);
    ASSERT_TRUE(report.has_value());
    EXPECT_TRUE(workspace.ui.boxes.empty()) << workspace.ui.boxes.front().text;
    EXPECT_EQ(report->skeleton, c.skeleton);
    EXPECT_EQ(report->FormIds(), c.formIds);

    for (const Field& field : c.fields) {
      const ReportForm* form = report->Form(field.form);
      ASSERT_NE(form, nullptr) << field.form;
      EXPECT_EQ(form->Field(field.addr), field.value) << field.form << " " << field.addr;
    }

    const ReportForm* comments = report->Form("Extended_Comments");
    ASSERT_NE(comments, nullptr);
    std::map<std::string, std::string> texts, titles;
    for (const Comment& comment : c.comments) {
      texts[comment.addr] = comment.text;
      titles[comment.addr] = comment.name;
    }
    EXPECT_EQ(comments->fields, texts);
    EXPECT_EQ(comments->titles, titles);

    std::vector<std::string> frames;
    for (const testing::ReportImageEntry& image : report->images) frames.push_back(image.frame);
    EXPECT_EQ(frames, c.frames);
  }
}

}  // namespace
}  // namespace ombrel
