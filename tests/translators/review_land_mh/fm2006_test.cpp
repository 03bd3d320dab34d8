// The 2006 review checklist translator's tables, checked through the calls
// they make on a recording engine: counts, the checklist rows and adjustment
// percentages, the subject column and comparables template of "2006sc13",
// the guards, the report profile and the photo calls.
#include "translators/review_land_mh/fm2006.h"

#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "review_trace.h"

namespace ombrel {
namespace {

using namespace review_testing;  // NOLINT(google-build-using-namespace)

Calls Main() {
  FM2006 translator;
  return MainCalls(translator);
}

Calls Addenda() {
  FM2006 translator;
  return AddendaCalls(translator);
}

Calls Addenda(const Values& values, const std::set<std::string>& refusedForms = {}) {
  FM2006 translator;
  return AddendaCalls(translator, values, refusedForms);
}

std::string N(int n) { return std::to_string(n); }

std::string ChecklistCall(const std::string& tag, int line, int field) {
  const std::string l = N(line) + "|";
  return "CheckAlias(" + Q(tag) + ", " + Q(l + N(field)) + ", \"ACCEPTABLE\", [" +
         Q(l + N(field + 1)) + ", \"UNACCEPTABLE\", " + Q(l + N(field + 2)) + ", \"NA\"])";
}

// The 44 checklist items in the form's order, with the texts and
// percentages that stand between them.
TEST(FM2006Test, ChecklistRowsInOrder) {
  const std::vector<std::pair<std::string, std::pair<int, int>>> rows = {
      {"REVIEWSUBJECTINFO", {19, 1}},
      {"REVANCENSUS", {20, 1}},
      {"REVIEWNBRHOODDESC", {21, 1}},
      {"REVIEWSITEDESC", {22, 1}},
      {"REVIEWCONDITIONIMPROVE", {19, 4}},
      {"REVANUNIT", {20, 4}},
      {"REVANDESCCOMMENTS", {21, 4}},
      {"REVANPHYSICALDEPRECIATION", {27, 1}},
      {"REVANFUNCTIONALDEPRECIATION", {28, 1}},
      {"REVANEXTERNALDEPRECIATION", {29, 1}},
      {"REVANLANDIMPROVEMENTRATIO", {31, 1}},
      {"REVANADJUSTCALCULATION", {28, 4}},
      {"REVANCOSTCOMMENTS", {29, 4}},
      {"REVANDOCUMENTATIONNUM", {37, 1}},
      {"REVANADJLOCATION", {38, 1}},
      {"REVANADJSITEVIEW", {39, 1}},
      {"REVANADJQUALITYAPPEAL", {41, 1}},
      {"REVANADJCONDITION", {42, 1}},
      {"REVANADJROOMCOUNTSQUFEET", {44, 1}},
      {"REVANADJAMENITIES", {45, 1}},
      {"REVANMATHCALCULATIONS", {36, 1}},
      {"REVANMARKETCOMMENTS", {37, 4}},
      {"REVANNETADJRATIO", {38, 4}},
      {"REVANGROSSADJRATIO", {40, 1}},
      {"REVANCOMPDATASECTION", {42, 4}},
      {"REVANINCOMEAPPROACH", {43, 1}},
      {"REVANCONDOPROJADDENDA", {44, 4}},
      {"REVANPLATMAP", {50, 1}},
      {"REVANBLDGSKETCH", {51, 1}},
      {"REVANCOMP", {52, 1}},
      {"REVANCOMPPHOTO", {53, 1}},
      {"REVANLIMITINGCOND", {55, 1}},
      {"REVANPURCHASEAGREE", {56, 1}},
      {"REVANORIGINALSIGNATURE", {57, 1}},
      {"REVANCERTCOMPLIANCE", {59, 1}},
      {"REVANADDCONVERSIONPERMIT", {61, 1}},
      {"REVANUNITSNOTCOMPLETED", {50, 4}},
      {"REVANREQUIREMENTSNOTMET", {51, 4}},
      {"REVANSALESFROMPROJNEEDED", {52, 4}},
      {"REVANSALESOUTPROJNEEDED", {54, 1}},
      {"REVANADDENDUMA", {55, 4}},
      {"REVANADDENDUMB", {56, 4}},
      {"REVANRENTALSURVEY", {58, 1}},
      {"REVANOPERATINGINCSTMT", {59, 4}},
  };
  ASSERT_EQ(rows.size(), 44u);
  const Calls calls = Main();
  Calls checklist;
  for (const std::string& call : calls) {
    if (call.find("\"ACCEPTABLE\", [") != std::string::npos &&
        call.find("\"UNACCEPTABLE\"") != std::string::npos) {
      checklist.push_back(call);
    }
  }
  Calls expected;
  for (const auto& [tag, at] : rows) expected.push_back(ChecklistCall(tag, at.first, at.second));
  EXPECT_EQ(checklist, expected);

  // The texts close their sections.
  const std::vector<std::pair<std::string, std::string>> boundaries = {
      {ChecklistCall("REVANDESCCOMMENTS", 21, 4),
       "ParseExtended(\"REVANDESCDESCRIPTION\", \"23|1\", True)"},
      {ChecklistCall("REVANCOSTCOMMENTS", 29, 4),
       "ParseExtended(\"REVANCOSTEXPLAIN\", \"32|1\", True)"},
      {ChecklistCall("REVANNETADJRATIO", 38, 4), MapValueCall("REVANNETADJPERCENT(1)NUM", "1")},
      {ChecklistCall("REVANCONDOPROJADDENDA", 44, 4),
       "ParseExtended(\"REVANMARKETEXPLAIN\", \"46|1\", True)"},
      {ChecklistCall("REVANOPERATINGINCSTMT", 59, 4),
       "ParseExtended(\"REVANCOMMENTSADDENDAREQ\", \"62|1\", True)"},
  };
  for (const auto& [last, next] : boundaries) {
    SCOPED_TRACE(next);
    const std::ptrdiff_t at = IndexOf(calls, last);
    ASSERT_GE(at, 0);
    EXPECT_EQ(calls[at + 1], next);
  }
}

// Six net and six gross percentages, each after the check of its number,
// the gross ones after their ratio's row.
TEST(FM2006Test, AdjustmentPercentagesFollowTheirNumberChecks) {
  const Calls calls = Main();
  for (const auto& [kind, line] : {std::pair<std::string, int>{"NET", 39}, {"GROSS", 41}}) {
    SCOPED_TRACE(kind);
    const std::string item = "REVAN" + kind + "ADJPERCENT(";
    std::ptrdiff_t previous = -1;
    for (int n = 1; n <= 6; ++n) {
      SCOPED_TRACE(n);
      const std::ptrdiff_t check = IndexOf(calls, MapValueCall(item + N(n) + ")NUM", N(n)));
      ASSERT_GT(check, previous);
      ASSERT_LT(check + 1, static_cast<std::ptrdiff_t>(calls.size()));
      EXPECT_EQ(calls[check + 1], SetAliasCall(item + N(n) + ")VALUE", N(line) + "|" + N(n + 3)));
      previous = check;
    }
  }
  EXPECT_EQ(calls[IndexOf(calls, ChecklistCall("REVANGROSSADJRATIO", 40, 1)) + 1],
            MapValueCall("REVANGROSSADJPERCENT(1)NUM", "1"));
}

TEST(FM2006Test, ReviewSummary) {
  const Calls calls = Main();
  const Calls expected = {
      "ParseExtended(\"REVANCOMMENTSADDENDAREQ\", \"62|1\", True)",
      "CheckAlias(\"REVSUMREPORT\", \"66|1\", \"GOOD\", [\"66|2\", \"FAIR\", \"66|3\", \"POOR\"])",
      "CheckAlias(\"REVSUMRECOMMENDATION\", \"68|1\", \"ACCEPTABLE\", [\"68|2\", "
      "\"REVISEDACCEPTABLE\", \"69|1\", \"ANOTHERAPPRAISAL\", \"69|2\", \"OTHER\"])",
      SetAliasCall("REVSUMRECOMMENDATIONNUMITEMS", "68|3"),
      "ParseExtended(\"REVSUMSUMMARYCOMMENTS\", \"71|1\", True)",
      "CheckAlias(\"REVSUMFIELDREVIEW\", \"76|1\", \"YES\", [\"76|2\", \"NO\"])",
      SetAliasCall("SALESPRICE", "77|1"),
      SetAliasCall("APPRAISEDVALUE", "77|2"),
      SetAliasCall("REVAPPRAISERTITLE", "78|2"),
      SetAliasCall("ESTMARKETVALUE", "77|3"),
      SetAliasCall("ESTMARKETVALUEDT", "78|3"),
      SetAliasCall("REVAPPRAISER", "79|1"),
      SetAliasCall("REVAPPRAISERTITLE2", "80|2"),
      SetAliasCall("REVAPPRAISERDTSIGNED2", "80|3"),
      SetAliasCall("REVAPPRAISER2", "81|1"),
      "CheckAlias(\"REVSUMATTACHED\", \"81|2\", \"ON\", [])",
  };
  EXPECT_EQ(Between(calls, expected.front(), expected.back()), expected);
}

TEST(FM2006Test, AddendaOfAFullOrder) {
  const Calls calls = Addenda();
  const Calls opening = {
      "ReadDirect(\"COMP(1)ADDRSTREET\")",
      "SetForm(\"2006sc13\")",
      SetAliasCall("SUBJECTADDRSTREET", "11|1"),
      "ParseAddress(\"12|1\", \"SUBJECTADDRCITY\", \"SUBJECTADDRSTATEPROV\", \"SUBJECTADDRZIP\", "
      "\"\", \"\")",
      SetAliasCall("SUBJECTSALESPRICE", "14|1"),
  };
  ASSERT_GE(calls.size(), opening.size());
  EXPECT_EQ(Calls(calls.begin(), calls.begin() + opening.size()), opening);

  const std::ptrdiff_t subject = 2;
  EXPECT_EQ(calls[subject + 31], SetAliasCall("SUBJECTPRIORSALEDATA", "48|1"));
  EXPECT_EQ(calls[subject + 32], SetAliasCall("COMP(1)ADDRSTREET", "11|2"));
  const std::ptrdiff_t after = subject + 32 + 3 * 64;
  ASSERT_GE(static_cast<std::ptrdiff_t>(calls.size()), after + 5);
  EXPECT_EQ(calls[after - 1], SetAliasCall("COMP(3)PRIORSALEDATA", "48|4"));
  EXPECT_EQ(Calls(calls.begin() + after, calls.begin() + after + 5),
            (Calls{SetAliasCall("ANALYSISCURRENTAGREE", "50|1"),
                   SetAliasCall("COMMENTSALESCOMPARE", "60|1"), "SetForm(\"offscrn\")",
                   SetAliasCall("CASE_NUM", "2|1"), SetAliasCall("CASE_NO", "18|1")}));
  // The photos of comparables 1 to 3 only, and no sketch or map.
  EXPECT_EQ(Calls(calls.begin() + after + 5, calls.end()), PhotoCalls(3, 18, false));
  ExpectDistinctWellFormedAddresses(Calls(calls.begin() + subject, calls.begin() + after + 2));
}

// Addresses of the comparables' columns, written out rather than computed.
TEST(FM2006Test, ComparableColumnsForComparablesOneToThree) {
  struct Case {
    int k;
    std::vector<std::string> calls;
  };
  const std::vector<Case> cases = {
      {1,
       {SetAliasCall("COMP(1)ADDRSTREET", "11|2"), MapValueCall("COMP(1)NUM", "1"),
        "ParseAddress(\"12|2\", \"COMP(1)ADDRCITY\", \"COMP(1)ADDRSTATEPROV\", \"COMP(1)ADDRZIP\", "
        "\"\", \"\")",
        SetAliasCall("COMP(1)PROXIMITY", "13|1"), SetAliasCall("COMP(1)SCONCESSION", "19|1"),
        SetAliasCall("COMP(1)SALEDTADJ", "21|2"), SetAliasCall("COMP(1)CONTSRUCTADJ", "27|3"),
        SetAliasCall("COMP(1)ROOMTOT", "31|4"), SetAliasCall("COMP(1)UNLABELED", "42|3"),
        "CheckAlias(\"COMP(1)NETADJUSTPOSNEG\", \"43|1\", \"POSITIVE\", [\"43|2\", "
        "\"NEGATIVE\"])",
        SetAliasCall("COMP(1)ADJUSTSALESGROSS", "44|1"),
        SetAliasCall("COMP(1)ADJUSTSALESNET", "45|1"),
        SetAliasCall("COMP(1)PRIORSALEDATA", "48|2")}},
      {2,
       {SetAliasCall("COMP(2)ADDRSTREET", "11|3"), MapValueCall("COMP(2)NUM", "2"),
        "ParseAddress(\"12|3\", \"COMP(2)ADDRCITY\", \"COMP(2)ADDRSTATEPROV\", \"COMP(2)ADDRZIP\", "
        "\"\", \"\")",
        SetAliasCall("COMP(2)LOCATION", "22|4"), SetAliasCall("COMP(2)LOCATIONADJ", "22|5"),
        SetAliasCall("COMP(2)ROOMTOT", "31|8"), SetAliasCall("COMP(2)ABOVEGRADEADJ", "31|11"),
        "CheckAlias(\"COMP(2)NETADJUSTPOSNEG\", \"43|4\", \"POSITIVE\", [\"43|5\", "
        "\"NEGATIVE\"])",
        SetAliasCall("COMP(2)NETADJUSTTOT", "43|6"),
        SetAliasCall("COMP(2)ADJUSTSALESPRICE", "45|4")}},
      {3,
       {SetAliasCall("COMP(3)ADDRSTREET", "11|4"), MapValueCall("COMP(3)NUM", "3"),
        SetAliasCall("COMP(3)ROOMTOT", "31|12"), SetAliasCall("COMP(3)ABOVEGRADEADJ", "31|15"),
        SetAliasCall("COMP(3)FENCEPOOLADJ", "41|7"),
        "CheckAlias(\"COMP(3)NETADJUSTPOSNEG\", \"43|7\", \"POSITIVE\", [\"43|8\", "
        "\"NEGATIVE\"])",
        SetAliasCall("COMP(3)NETADJUSTTOT", "43|9"),
        SetAliasCall("COMP(3)ADJUSTSALESGROSS", "44|3"),
        SetAliasCall("COMP(3)PRIORSALEPRICE", "47|4")}},
  };
  const Calls calls = Addenda();
  for (const Case& c : cases) {
    SCOPED_TRACE("comparable " + N(c.k));
    const std::string next =
        c.k < 3 ? SetAliasCall("COMP(" + N(c.k + 1) + ")ADDRSTREET", "11|" + N(c.k + 2))
                : SetAliasCall("ANALYSISCURRENTAGREE", "50|1");
    const Calls column = UpTo(calls, c.calls[0], next);
    ASSERT_EQ(column.size(), 64u);
    EXPECT_EQ(column[1], c.calls[1]);
    for (const std::string& call : c.calls) {
      EXPECT_TRUE(Contains(column, call)) << "missing: " << call;
    }
  }
}

// Only the street tags decide whether "2006sc13" is added, only a street
// opens its column (the subject's as well); the report profile has its own
// guard and the photos come in every case.
TEST(FM2006Test, ComparablesFormAndProfileAreGuarded) {
  struct Case {
    const char* name;
    std::vector<std::string> streets;
    std::set<std::string> refusedForms;
    std::vector<std::string> forms;
    std::set<int> columns;
    bool subjectColumn;
  };
  const std::vector<Case> cases = {
      {"no comparable streets", {"SUBJECTADDRSTREET"}, {}, {"offscrn"}, {}, false},
      {"streets for comparables 1 and 3",
       {"SUBJECTADDRSTREET", "COMP(1)ADDRSTREET", "COMP(3)ADDRSTREET"},
       {},
       {"2006sc13", "offscrn"},
       {1, 3},
       true},
      {"no subject street", {"COMP(2)ADDRSTREET"}, {}, {"2006sc13", "offscrn"}, {2}, false},
      {"2006sc13 without a version",
       {"SUBJECTADDRSTREET", "COMP(2)ADDRSTREET"},
       {"2006sc13"},
       {"2006sc13", "offscrn"},
       {},
       false},
      {"offscrn without a version",
       {"COMP(3)ADDRSTREET"},
       {"offscrn"},
       {"2006sc13", "offscrn"},
       {3},
       false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Values values = {{"SUBJECTSALESPRICE", "1"},
                     {"COMP(2)SALESPRICE", "2"},
                     {"ANALYSISCURRENTAGREE", "a"},
                     {"CASE_NUM", "n"}};
    for (const std::string& street : c.streets) values[street] = "street";
    const Calls calls = Addenda(values, c.refusedForms);
    EXPECT_EQ(FormsSet(calls), c.forms);
    const bool filled = Contains(c.forms, "2006sc13") && c.refusedForms.count("2006sc13") == 0;
    EXPECT_EQ(Contains(calls, SetAliasCall("ANALYSISCURRENTAGREE", "50|1")), filled);
    EXPECT_EQ(Contains(calls, SetAliasCall("COMMENTSALESCOMPARE", "60|1")), filled);
    EXPECT_EQ(Contains(calls, SetAliasCall("SUBJECTSALESPRICE", "14|1")), c.subjectColumn);
    EXPECT_EQ(Contains(calls, SetAliasCall("CASE_NO", "18|1")),
              c.refusedForms.count("offscrn") == 0);
    for (int k = 1; k <= 3; ++k) {
      SCOPED_TRACE("comparable " + N(k));
      const std::string comp = "COMP(" + N(k) + ")";
      EXPECT_EQ(Contains(calls, SetAliasCall(comp + "ADDRSTREET", "11|" + N(k + 1))), filled);
      const bool written = c.columns.count(k) != 0;
      EXPECT_EQ(Contains(calls, MapValueCall(comp + "NUM", N(k))), written);
      EXPECT_EQ(Contains(calls, SetAliasCall(comp + "SALESPRICE", "14|" + N(k + 1))), written);
    }
    const Calls photos = PhotoCalls(3, 18, false);
    ASSERT_GE(calls.size(), photos.size());
    EXPECT_EQ(Calls(calls.end() - static_cast<std::ptrdiff_t>(photos.size()), calls.end()), photos);
  }
}

}  // namespace
}  // namespace ombrel
