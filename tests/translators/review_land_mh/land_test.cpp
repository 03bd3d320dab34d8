// The land translator's tables, checked through the calls they make on a
// recording engine: counts, the comparables template on "LAR" and "larcmps",
// the licence cells, the guards and the photo calls.
#include "translators/review_land_mh/land.h"

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

Calls Main(int32_t licensing = -2) {
  LAND translator;
  return MainCalls(translator, licensing);
}

Calls Addenda() {
  LAND translator;
  return AddendaCalls(translator);
}

Calls Addenda(const Values& values, const std::set<std::string>& refusedForms = {}) {
  LAND translator;
  return AddendaCalls(translator, values, refusedForms);
}

// The licence cells of both signers, for each answer of Licensing: the state
// cell first in every arm, the licence first in a joined pair.
TEST(LANDTest, LicenceCellsFollowWhatTheOrderHolds) {
  struct Case {
    int32_t licensing;
    std::vector<std::string> appraiser;
    std::vector<std::string> supervisor;
  };
  const std::vector<Case> cases = {
      {-1,
       {SetAliasCall("APPRAISERLICSTATEPROV", "83|1"),
        SetAliasCall("APPRAISERSTATELICNUM", "83|4")},
       {SetAliasCall("SUPAPPRAISERLICSTATEPROV", "83|5"),
        SetAliasCall("SUPAPPRAISERSTATELICNUM", "83|8")}},
      {0,
       {SetAliasCall("APPRAISERCERTSTATEPROV", "83|1"),
        SetAliasCall("APPRAISERSTATECERTNUM", "83|4")},
       {SetAliasCall("SUPAPPRAISERCERTSTATEPROV", "83|5"),
        SetAliasCall("SUPAPPRAISERSTATECERTNUM", "83|8")}},
      {-2,
       {"Compare(\"APPRAISERLICSTATEPROV\", \"APPRAISERCERTSTATEPROV\", \"83|1\", \"/\")",
        "Compare(\"APPRAISERSTATELICNUM\", \"APPRAISERSTATECERTNUM\", \"83|4\", \"/\")"},
       {"Compare(\"SUPAPPRAISERLICSTATEPROV\", \"SUPAPPRAISERCERTSTATEPROV\", \"83|5\", \"/\")",
        "Compare(\"SUPAPPRAISERSTATELICNUM\", \"SUPAPPRAISERSTATECERTNUM\", \"83|8\", \"/\")"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.licensing);
    const Calls calls = Main(c.licensing);
    const std::ptrdiff_t first = IndexOf(calls, "Licensing(1)");
    const std::ptrdiff_t second = IndexOf(calls, "Licensing(2)");
    ASSERT_GE(first, 0);
    ASSERT_GE(second, 0);
    EXPECT_EQ(Calls(calls.begin() + first + 1, calls.begin() + first + 3), c.appraiser);
    ASSERT_LE(second + 3, static_cast<std::ptrdiff_t>(calls.size()));
    EXPECT_EQ(Calls(calls.begin() + second + 1, calls.begin() + second + 3), c.supervisor);
  }
  // Any answer but -1 and 0 joins both.
  const Calls other = Main(3);
  EXPECT_TRUE(Contains(other, cases[2].appraiser[0]));
  EXPECT_TRUE(Contains(other, cases[2].supervisor[1]));
}

// Addresses of the main grid's columns, written out rather than computed.
TEST(LANDTest, MainComparableColumnsForComparablesOneToThree) {
  struct Case {
    int k;
    std::vector<std::string> calls;
  };
  const std::vector<Case> cases = {
      {1,
       {SetAliasCall("COMP(1)ADDRSTREET", "50|2"),
        "ParseAddress(\"51|2\", \"COMP(1)ADDRCITY\", \"COMP(1)ADDRSTATEPROV\", \"COMP(1)ADDRZIP\", "
        "\"\", \"\")",
        SetAliasCall("COMP(1)PROXIMITY", "52|1"), SetAliasCall("COMP(1)DATA", "55|2"),
        SetAliasCall("COMP(1)SALEDT", "57|2"), SetAliasCall("COMP(1)SALEDTADJ", "57|3"),
        SetAliasCall("COMP(1)UNLABELEDADJ", "60|3"), SetAliasCall("COMP(1)UNLABELEDTWO", "61|3"),
        SetAliasCall("COMP(1)UNLABELEDFOURADJ", "63|4"),
        "CheckAlias(\"COMP(1)NETADJUSTPOSNEG\", \"66|1\", \"POSITIVE\", [\"66|2\", "
        "\"NEGATIVE\"])",
        SetAliasCall("COMP(1)NETADJUSTTOT", "66|3"),
        SetAliasCall("COMP(1)ADJUSTSALESGROSS", "67|1"),
        SetAliasCall("COMP(1)ADJUSTSALESNET", "68|1"),
        SetAliasCall("COMP(1)ADJUSTSALESPRICE", "68|2")}},
      {2,
       {SetAliasCall("COMP(2)ADDRSTREET", "50|3"), SetAliasCall("COMP(2)PROXIMITY", "52|2"),
        SetAliasCall("COMP(2)SALESPRICE", "53|3"), SetAliasCall("COMP(2)LOCATION", "58|4"),
        SetAliasCall("COMP(2)SITEADJ", "59|5"), SetAliasCall("COMP(2)UNLABELEDTHREE", "62|5"),
        SetAliasCall("COMP(2)UNLABELEDTHREEADJ", "62|6"),
        "CheckAlias(\"COMP(2)NETADJUSTPOSNEG\", \"66|4\", \"POSITIVE\", [\"66|5\", "
        "\"NEGATIVE\"])",
        SetAliasCall("COMP(2)NETADJUSTTOT", "66|6"),
        SetAliasCall("COMP(2)ADJUSTSALESGROSS", "67|2"),
        SetAliasCall("COMP(2)ADJUSTSALESNET", "68|3")}},
      {3,
       {SetAliasCall("COMP(3)ADDRSTREET", "50|4"),
        "ParseAddress(\"51|4\", \"COMP(3)ADDRCITY\", \"COMP(3)ADDRSTATEPROV\", \"COMP(3)ADDRZIP\", "
        "\"\", \"\")",
        SetAliasCall("COMP(3)PROXIMITY", "52|3"), SetAliasCall("COMP(3)SALESPRICE", "53|4"),
        SetAliasCall("COMP(3)FCONCESSIONADJ", "65|7"),
        "CheckAlias(\"COMP(3)NETADJUSTPOSNEG\", \"66|7\", \"POSITIVE\", [\"66|8\", "
        "\"NEGATIVE\"])",
        SetAliasCall("COMP(3)NETADJUSTTOT", "66|9"),
        SetAliasCall("COMP(3)ADJUSTSALESGROSS", "67|3"),
        SetAliasCall("COMP(3)ADJUSTSALESNET", "68|5"),
        SetAliasCall("COMP(3)ADJUSTSALESPRICE", "68|6")}},
  };
  const Calls calls = Main();
  for (const Case& c : cases) {
    const std::string k = std::to_string(c.k);
    SCOPED_TRACE("comparable " + k);
    const std::string next =
        c.k < 3 ? MapValueCall("COMP(" + std::to_string(c.k + 1) + ")NUM", std::to_string(c.k + 1))
                : "ParseExtended(\"COMMENTSALESCOMPARE\", \"69|1\", True)";
    const Calls column = UpTo(calls, MapValueCall("COMP(" + k + ")NUM", k), next);
    ASSERT_EQ(column.size(), 30u);
    // The number check opens the column and the street follows, unguarded.
    EXPECT_EQ(column[1], c.calls[0]);
    for (const std::string& call : c.calls) {
      EXPECT_TRUE(Contains(column, call)) << "missing: " << call;
    }
    for (const std::string& call : column) {
      EXPECT_NE(call.find("COMP(" + k + ")"), std::string::npos) << call;
    }
  }
}

TEST(LANDTest, AddendaOfAFullOrder) {
  const Calls calls = Addenda();
  const Calls opening = {
      // The scope's heading stands at 3|2 of "LAR"
      "AddExtended(\"3|2\")",
      "AddExtended(\"79|1\")",
      "SetForm(\"offscrn\")",
      SetAliasCall("BORROWER", "6|1"),
      SetAliasCall("PROPADDR", "7|1"),
      SetAliasCall("CITY", "8|1"),
      SetAliasCall("COUNTY", "8|2"),
      SetAliasCall("STATEPROV", "8|3"),
      SetAliasCall("ZIP", "8|4"),
      SetAliasCall("LENDERCLIENTSTREET", "15|1"),
      "ParseAddress(\"16|1\", \"LENDERCLIENTCITY\", \"LENDERCLIENTSTATEPROV\", \"BOGON\", \"\", "
      "\"\")",
      SetAliasCall("LENDERCLIENTZIP", "17|1"),
      // The first street present is enough: the other two are not read
      "ReadDirect(\"COMP(4)ADDRSTREET\")",
      "SetForm(\"larcmps\")",
      SetAliasCall("COMP(4)ADDRSTREET", "10|2"),
      MapValueCall("COMP(4)NUM", "4"),
  };
  ASSERT_GE(calls.size(), opening.size());
  EXPECT_EQ(Calls(calls.begin(), calls.begin() + opening.size()), opening);

  const std::ptrdiff_t comment = IndexOf(calls, SetAliasCall("COMMENTSALESCOMPARETWO", "29|1"));
  ASSERT_EQ(comment, 14 + 3 * 30);
  EXPECT_EQ(calls[comment - 1], SetAliasCall("COMP(6)ADJUSTSALESPRICE", "28|6"));
  EXPECT_EQ(calls[comment + 1], "SetPhoto(\"SUBJECTFRONTVIEW\", \"SUB_1_3X5\")");
  const Calls grid(calls.begin() + 14, calls.begin() + comment + 1);
  EXPECT_EQ(
      CountByMember(grid),
      (std::map<std::string, int>{
          {"SetAlias", 3 * 27 + 1}, {"MapValue", 3}, {"ParseAddress", 3}, {"CheckAlias", 3}}));
  ExpectDistinctWellFormedAddresses(grid);
}

// Comparables 4 to 6 take the columns of 1 to 3 forty lines higher, the street
// first and the number check after it.
TEST(LANDTest, ComparablesFormColumnsForComparablesFourToSix) {
  struct Case {
    int k;
    std::vector<std::string> calls;
  };
  const std::vector<Case> cases = {
      {4,
       {SetAliasCall("COMP(4)ADDRSTREET", "10|2"), MapValueCall("COMP(4)NUM", "4"),
        "ParseAddress(\"11|2\", \"COMP(4)ADDRCITY\", \"COMP(4)ADDRSTATEPROV\", \"COMP(4)ADDRZIP\", "
        "\"\", \"\")",
        SetAliasCall("COMP(4)PROXIMITY", "12|1"), SetAliasCall("COMP(4)SALEDT", "17|2"),
        SetAliasCall("COMP(4)UNLABELEDTWOADJ", "21|4"),
        "CheckAlias(\"COMP(4)NETADJUSTPOSNEG\", \"26|1\", \"POSITIVE\", [\"26|2\", "
        "\"NEGATIVE\"])",
        SetAliasCall("COMP(4)ADJUSTSALESGROSS", "27|1")}},
      {5,
       {SetAliasCall("COMP(5)ADDRSTREET", "10|3"), MapValueCall("COMP(5)NUM", "5"),
        SetAliasCall("COMP(5)PRICEGROSSLIVING", "14|3"), SetAliasCall("COMP(5)LOCATIONADJ", "18|5"),
        SetAliasCall("COMP(5)SCONCESSION", "24|4"), SetAliasCall("COMP(5)NETADJUSTTOT", "26|6"),
        SetAliasCall("COMP(5)ADJUSTSALESPRICE", "28|4")}},
      {6,
       {SetAliasCall("COMP(6)ADDRSTREET", "10|4"), MapValueCall("COMP(6)NUM", "6"),
        "ParseAddress(\"11|4\", \"COMP(6)ADDRCITY\", \"COMP(6)ADDRSTATEPROV\", \"COMP(6)ADDRZIP\", "
        "\"\", \"\")",
        SetAliasCall("COMP(6)PROXIMITY", "12|3"), SetAliasCall("COMP(6)SALESPRICE", "13|4"),
        SetAliasCall("COMP(6)FCONCESSIONADJ", "25|7"),
        "CheckAlias(\"COMP(6)NETADJUSTPOSNEG\", \"26|7\", \"POSITIVE\", [\"26|8\", "
        "\"NEGATIVE\"])",
        SetAliasCall("COMP(6)NETADJUSTTOT", "26|9"),
        SetAliasCall("COMP(6)ADJUSTSALESGROSS", "27|3"),
        SetAliasCall("COMP(6)ADJUSTSALESNET", "28|5"),
        SetAliasCall("COMP(6)ADJUSTSALESPRICE", "28|6")}},
  };
  const Calls calls = Addenda();
  for (const Case& c : cases) {
    const std::string k = std::to_string(c.k);
    SCOPED_TRACE("comparable " + k);
    const std::string next = c.k < 6
                                 ? SetAliasCall("COMP(" + std::to_string(c.k + 1) + ")ADDRSTREET",
                                                "10|" + std::to_string(c.k - 1))
                                 : SetAliasCall("COMMENTSALESCOMPARETWO", "29|1");
    const Calls column = UpTo(calls, c.calls[0], next);
    ASSERT_EQ(column.size(), 30u);
    EXPECT_EQ(column[1], c.calls[1]);
    for (const std::string& call : c.calls) {
      EXPECT_TRUE(Contains(column, call)) << "missing: " << call;
    }
  }
}

// Only the street tags decide whether "larcmps" is added, only a street
// opens its column, and only a form that SetForm could version is filled.
TEST(LANDTest, ComparablesFormIsGuardedByStreetsAndBySetForm) {
  struct Case {
    const char* name;
    Values values;
    std::set<std::string> refusedForms;
    std::vector<std::string> forms;
    std::vector<std::string> streetsRead;  // by the form's guard
    std::set<int> columnsWritten;
    bool profileRows;
  };
  const Values otherValues = {{"COMP(4)SALESPRICE", "1"},
                              {"COMP(5)ADDRCITY", "Ely"},
                              {"COMP(6)NUM", "6"},
                              {"COMMENTSALESCOMPARETWO", "c"}};
  Values onlyFive = otherValues;
  onlyFive["COMP(5)ADDRSTREET"] = "5 Elm";
  Values allStreets = otherValues;
  for (const char* tag : {"COMP(4)ADDRSTREET", "COMP(5)ADDRSTREET", "COMP(6)ADDRSTREET"}) {
    allStreets[tag] = "x";
  }
  const std::vector<std::string> allThree = {"COMP(4)ADDRSTREET", "COMP(5)ADDRSTREET",
                                             "COMP(6)ADDRSTREET"};
  const std::vector<Case> cases = {
      {"no street beyond the third comparable", otherValues, {}, {"offscrn"}, allThree, {}, true},
      {"a street for comparable 5 only",
       onlyFive,
       {},
       {"offscrn", "larcmps"},
       {"COMP(4)ADDRSTREET", "COMP(5)ADDRSTREET"},
       {5},
       true},
      {"larcmps without a version",
       allStreets,
       {"larcmps"},
       {"offscrn", "larcmps"},
       {"COMP(4)ADDRSTREET"},
       {},
       true},
      {"offscrn without a version",
       allStreets,
       {"offscrn"},
       {"offscrn", "larcmps"},
       {"COMP(4)ADDRSTREET"},
       {4, 5, 6},
       false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const Calls calls = Addenda(c.values, c.refusedForms);
    EXPECT_EQ(FormsSet(calls), c.forms);
    EXPECT_EQ(TagsRead(calls), c.streetsRead);
    EXPECT_EQ(Contains(calls, SetAliasCall("BORROWER", "6|1")), c.profileRows);

    const bool formFilled = c.forms.size() == 2 && c.refusedForms.count("larcmps") == 0;
    EXPECT_EQ(Contains(calls, SetAliasCall("COMMENTSALESCOMPARETWO", "29|1")), formFilled);
    for (int k = 4; k <= 6; ++k) {
      SCOPED_TRACE("comparable " + std::to_string(k));
      const std::string comp = "COMP(" + std::to_string(k) + ")";
      // A filled form tries every column's street; a written street opens the whole column.
      EXPECT_EQ(Contains(calls, SetAliasCall(comp + "ADDRSTREET", "10|" + std::to_string(k - 2))),
                formFilled);
      const bool written = c.columnsWritten.count(k) != 0;
      EXPECT_EQ(Contains(calls, MapValueCall(comp + "NUM", std::to_string(k))), written);
      EXPECT_EQ(Contains(calls, SetAliasCall(comp + "ADJUSTSALESPRICE",
                                             "28|" + std::to_string(2 * (k - 3)))),
                written);
    }
    // The photos, sketches and maps come last, whatever the guards decided.
    const Calls photos = PhotoCalls(9, 18, true);
    ASSERT_GE(calls.size(), photos.size());
    EXPECT_EQ(Calls(calls.end() - static_cast<std::ptrdiff_t>(photos.size()), calls.end()), photos);
  }
}

}  // namespace
}  // namespace ombrel
