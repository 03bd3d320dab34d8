// The manufactured-home translator's tables, checked through the calls they
// make on a recording engine: counts, the improvement ratings, the split
// interior description, both comparables templates, the guards and the photo calls.
#include "translators/review_land_mh/mhar.h"

#include <gtest/gtest.h>

#include <map>
#include <optional>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "review_trace.h"

namespace ombrel {
namespace {

using namespace review_testing;  // NOLINT(google-build-using-namespace)

Calls Main() {
  MHAR translator;
  return MainCalls(translator);
}

Calls Addenda() {
  MHAR translator;
  return AddendaCalls(translator);
}

Calls Addenda(const Values& values, const std::set<std::string>& refusedForms = {}) {
  MHAR translator;
  return AddendaCalls(translator, values, refusedForms);
}

// The other ratings expect "AVERAGE"; the eleven improvement ratings alone
// expect "AVG".
TEST(MHARTest, ElevenImprovementRatingsExpectAVG) {
  int avg = 0;
  for (const std::string& call : Main()) avg += call.find("\"AVG\"") != std::string::npos ? 1 : 0;
  EXPECT_EQ(avg, 11);
}

// The description's split, position by position; positions count characters.
TEST(MHARTest, InteriorDescriptionIsSplitOverTwoLines) {
  const auto repeat = [](const std::string& s, int times) {
    std::string out;
    for (int i = 0; i < times; ++i) out += s;
    return out;
  };
  // A text of n letters with blanks at the positions given (counting from 1).
  const auto text = [&](int n, std::vector<int> blanks) {
    std::string out = repeat("a", n);
    for (int at : blanks) out[at - 1] = ' ';
    return out;
  };
  struct Case {
    const char* name;
    std::optional<std::string> description;  // nothing: the order lacks it
    std::string line65;
    std::optional<std::string> line66;  // nothing: not written
  };
  const std::string t100 = text(100, {10, 45, 70});
  const std::string t62 = text(100, {20, 62, 63});
  const std::string t29 = text(100, {29, 63});
  const std::string t30 = text(100, {30, 64});
  const std::string t61 = text(61, {20, 50});
  const std::string accents = repeat("\xC3\xA9", 39) + " " + repeat("\xC3\xBC", 30);
  const std::vector<Case> cases = {
      {"absent", std::nullopt, "", std::nullopt},
      {"sixty characters", text(60, {30}), text(60, {30}), std::nullopt},
      {"sixty-one characters: cut at 60 whatever its blanks", t61, t61.substr(0, 60),
       t61.substr(60)},
      {"last blank up to 62 at 45", t100, t100.substr(0, 45), t100.substr(45)},
      {"last blank up to 62 at 62", t62, t62.substr(0, 62), t62.substr(62)},
      {"a blank only before 30", t29, t29.substr(0, 60), t29.substr(60)},
      {"a blank at 30", t30, t30.substr(0, 30), t30.substr(30)},
      {"no blank at all", text(80, {}), text(60, {}), text(20, {})},
      {"sixty-two characters ending in a blank", text(62, {62}), text(62, {62}), ""},
      {"accented letters count once", accents, repeat("\xC3\xA9", 39) + " ",
       repeat("\xC3\xBC", 30)},
      {"sixty accented letters fit", repeat("\xC3\xA9", 60), repeat("\xC3\xA9", 60), std::nullopt},
      {"sixty-one accented letters", repeat("\xC3\xA9", 61), repeat("\xC3\xA9", 60), "\xC3\xA9"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Values values;
    if (c.description) values["INTERIORDESCRIPTION"] = *c.description;
    MHAR translator;
    const Calls calls = MainCalls(translator, values);
    Calls writes;
    for (const std::string& call : calls) {
      if (Member(call) == "WriteDirect" && (call.find("\"65|1\"") != std::string::npos ||
                                            call.find("\"66|1\"") != std::string::npos)) {
        writes.push_back(call);
      }
    }
    Calls expected = {"WriteDirect(\"65|1\", " + Q(c.line65) + ")"};
    if (c.line66) expected.push_back("WriteDirect(\"66|1\", " + Q(*c.line66) + ")");
    EXPECT_EQ(writes, expected);
    // The order's text is read once.
    int reads = 0;
    for (const std::string& tag : TagsRead(calls)) reads += tag == "INTERIORDESCRIPTION" ? 1 : 0;
    EXPECT_EQ(reads, 1);
  }
}

// Addresses of the main grid's columns, written out rather than computed.
TEST(MHARTest, MainComparableColumnsForComparablesOneToThree) {
  struct Case {
    int k;
    std::vector<std::string> calls;
  };
  const std::vector<Case> cases = {
      {1,
       {SetAliasCall("COMP(1)ADDRSTREET", "94|2"), SetAliasCall("COMP(1)PROXIMITY", "96|1"),
        SetAliasCall("COMP(1)TIMEADJUSTMENT", "100|2"), SetAliasCall("COMP(1)MAKEADJ", "102|3"),
        SetAliasCall("COMP(1)ROOMTOT", "106|4"), SetAliasCall("COMP(1)ABOVEGRADEADJ", "106|7"),
        SetAliasCall("COMP(1)UNLABELED", "110|3"),
        SetAliasCall("COMP(1)UNLABELEDTHREEADJ", "115|4"),
        "CheckAlias(\"COMP(1)NETADJUSTPOSNEG\", \"118|1\", \"POSITIVE\", [\"118|2\", "
        "\"NEGATIVE\"])",
        SetAliasCall("COMP(1)ADJUSTSALESNET", "119|1"),
        SetAliasCall("COMP(1)ADJUSTSALESGROSS", "120|1"),
        SetAliasCall("COMP(1)ADJUSTSALESPRICE", "120|2")}},
      {2,
       {SetAliasCall("COMP(2)ADDRSTREET", "94|3"), SetAliasCall("COMP(2)UNITNUM", "95|3"),
        SetAliasCall("COMP(2)PROXIMITY", "96|2"), SetAliasCall("COMP(2)ROOMTOT", "106|8"),
        SetAliasCall("COMP(2)WOODSTOVEADJ", "113|5"),
        "CheckAlias(\"COMP(2)NETADJUSTPOSNEG\", \"118|4\", \"POSITIVE\", [\"118|5\", "
        "\"NEGATIVE\"])",
        SetAliasCall("COMP(2)NETADJUSTTOT", "118|6"),
        SetAliasCall("COMP(2)ADJUSTSALESNET", "119|2"),
        SetAliasCall("COMP(2)ADJUSTSALESGROSS", "120|3"),
        SetAliasCall("COMP(2)ADJUSTSALESPRICE", "120|4")}},
      {3,
       {SetAliasCall("COMP(3)ADDRSTREET", "94|4"), SetAliasCall("COMP(3)SALESPRICE", "97|4"),
        SetAliasCall("COMP(3)CONDITIONADJ", "104|7"), SetAliasCall("COMP(3)BATH", "106|14"),
        SetAliasCall("COMP(3)UNLABELEDTWOADJ", "111|8"),
        SetAliasCall("COMP(3)FCONCESSION", "117|6"), SetAliasCall("COMP(3)NETADJUSTTOT", "118|9"),
        SetAliasCall("COMP(3)ADJUSTSALESNET", "119|3"),
        SetAliasCall("COMP(3)ADJUSTSALESGROSS", "120|5"),
        SetAliasCall("COMP(3)ADJUSTSALESPRICE", "120|6")}},
  };
  const Calls calls = Main();
  for (const Case& c : cases) {
    const std::string k = std::to_string(c.k);
    SCOPED_TRACE("comparable " + k);
    const std::string next =
        c.k < 3 ? MapValueCall("COMP(" + std::to_string(c.k + 1) + ")NUM", std::to_string(c.k + 1))
                : "ParseExtended(\"COMMENTSALESCOMPARE\", \"121|1\", True)";
    const Calls column = UpTo(calls, MapValueCall("COMP(" + k + ")NUM", k), next);
    ASSERT_EQ(column.size(), 47u);
    EXPECT_EQ(column[1], c.calls[0]);
    for (const std::string& call : c.calls) {
      EXPECT_TRUE(Contains(column, call)) << "missing: " << call;
    }
    for (const std::string& call : column) {
      EXPECT_NE(call.find("COMP(" + k + ")"), std::string::npos) << call;
    }
  }
}

TEST(MHARTest, AddendaOfAFullOrder) {
  const Calls calls = Addenda();
  const Calls opening = {
      "AddExtended(\"2|2\")",
      "AddExtended(\"3|1\")",
      "AddExtended(\"168|1\")",
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
      SetAliasCall("APPRAISERDTSIGNED", "36|1"),
      SetAliasCall("APPRAISERSTATELICNUM", "33|1"),
      SetAliasCall("APPRAISERLICSTATEPROV", "33|2"),
      SetAliasCall("APPRAISERLICCERTEXPDT", "33|3"),
      SetAliasCall("SUPAPPRAISERDTSIGNED", "45|1"),
      SetAliasCall("SUPAPPRAISERSTATELICNUM", "42|1"),
      SetAliasCall("SUPAPPRAISERLICSTATEPROV", "42|2"),
      SetAliasCall("SUPAPPRAISERLICCERTEXPDT", "42|3"),
      "ReadDirect(\"COMP(4)ADDRSTREET\")",
      "SetForm(\"MOBCMP46\")",
      SetAliasCall("COMP(4)ADDRSTREET", "11|2"),
      MapValueCall("COMP(4)NUM", "4"),
  };
  ASSERT_GE(calls.size(), opening.size());
  EXPECT_EQ(Calls(calls.begin(), calls.begin() + opening.size()), opening);

  const std::ptrdiff_t grid = 23;
  const std::ptrdiff_t comment = IndexOf(calls, SetAliasCall("COMMENTSALESCOMPARETWO", "38|1"));
  ASSERT_EQ(comment, grid + 3 * 47);
  EXPECT_EQ(calls[comment - 1], SetAliasCall("COMP(6)ADJUSTSALESPRICE", "37|6"));
  const Calls columns(calls.begin() + grid, calls.begin() + comment + 1);
  EXPECT_EQ(
      CountByMember(columns),
      (std::map<std::string, int>{{"SetAlias", 3 * 45 + 1}, {"MapValue", 3}, {"CheckAlias", 3}}));
  ExpectDistinctWellFormedAddresses(columns);
  EXPECT_EQ(Calls(calls.begin() + comment + 1, calls.end()), PhotoCalls(9, 18, true));
}

// Comparables 4 to 6 on "MOBCMP46": the street first and the number check
// after it, the gross adjustment on a line of its own before the net one.
TEST(MHARTest, ComparablesFormColumnsForComparablesFourToSix) {
  struct Case {
    int k;
    std::vector<std::string> calls;
  };
  const std::vector<Case> cases = {
      {4,
       {SetAliasCall("COMP(4)ADDRSTREET", "11|2"), MapValueCall("COMP(4)NUM", "4"),
        SetAliasCall("COMP(4)UNITNUM", "12|2"), SetAliasCall("COMP(4)PROXIMITY", "13|1"),
        SetAliasCall("COMP(4)ROOMTOT", "23|4"), SetAliasCall("COMP(4)UNLABELED", "27|3"),
        "CheckAlias(\"COMP(4)NETADJUSTPOSNEG\", \"35|1\", \"POSITIVE\", [\"35|2\", "
        "\"NEGATIVE\"])",
        SetAliasCall("COMP(4)ADJUSTSALESGROSS", "36|1"),
        SetAliasCall("COMP(4)ADJUSTSALESNET", "37|1")}},
      {5,
       {SetAliasCall("COMP(5)ADDRSTREET", "11|3"), MapValueCall("COMP(5)NUM", "5"),
        SetAliasCall("COMP(5)UNITNUM", "12|3"), SetAliasCall("COMP(5)PROXIMITY", "13|2"),
        SetAliasCall("COMP(5)ROOMTOT", "23|8"),
        "CheckAlias(\"COMP(5)NETADJUSTPOSNEG\", \"35|4\", \"POSITIVE\", [\"35|5\", "
        "\"NEGATIVE\"])",
        SetAliasCall("COMP(5)NETADJUSTTOT", "35|6"),
        SetAliasCall("COMP(5)ADJUSTSALESGROSS", "36|2"),
        SetAliasCall("COMP(5)ADJUSTSALESNET", "37|3"),
        SetAliasCall("COMP(5)ADJUSTSALESPRICE", "37|4")}},
      {6,
       {SetAliasCall("COMP(6)ADDRSTREET", "11|4"), MapValueCall("COMP(6)NUM", "6"),
        SetAliasCall("COMP(6)SITEVALUEADJ", "33|7"), SetAliasCall("COMP(6)ABOVEGRADEADJ", "23|15"),
        SetAliasCall("COMP(6)ADJUSTSALESGROSS", "36|3"),
        SetAliasCall("COMP(6)ADJUSTSALESNET", "37|5"),
        SetAliasCall("COMP(6)ADJUSTSALESPRICE", "37|6")}},
  };
  const Calls calls = Addenda();
  for (const Case& c : cases) {
    SCOPED_TRACE("comparable " + std::to_string(c.k));
    const std::string next = c.k < 6
                                 ? SetAliasCall("COMP(" + std::to_string(c.k + 1) + ")ADDRSTREET",
                                                "11|" + std::to_string(c.k - 1))
                                 : SetAliasCall("COMMENTSALESCOMPARETWO", "38|1");
    const Calls column = UpTo(calls, c.calls[0], next);
    ASSERT_EQ(column.size(), 47u);
    EXPECT_EQ(column[1], c.calls[1]);
    for (const std::string& call : c.calls) {
      EXPECT_TRUE(Contains(column, call)) << "missing: " << call;
    }
    // The gross adjustment is written before the net one.
    const std::string comp = "COMP(" + std::to_string(c.k) + ")";
    const std::ptrdiff_t gross =
        IndexOf(column, SetAliasCall(comp + "ADJUSTSALESGROSS", "36|" + std::to_string(c.k - 3)));
    const std::ptrdiff_t net =
        IndexOf(column, SetAliasCall(comp + "ADJUSTSALESNET", "37|" + std::to_string(2 * c.k - 7)));
    EXPECT_EQ(gross, 44);
    EXPECT_EQ(net, 45);
  }
}

// Only the street tags decide whether "MOBCMP46" is added, only a street
// opens its column, and only a form that SetForm could version is filled.
TEST(MHARTest, ComparablesFormIsGuardedByStreetsAndBySetForm) {
  struct Case {
    const char* name;
    Values values;
    std::set<std::string> refusedForms;
    std::vector<std::string> forms;
    std::vector<std::string> streetsRead;
    std::set<int> columnsWritten;
    bool profileRows;
  };
  const Values otherValues = {{"COMP(4)UNITNUM", "4"},
                              {"COMP(5)SALESPRICE", "1"},
                              {"COMP(6)NUM", "6"},
                              {"COMMENTSALESCOMPARETWO", "c"}};
  Values onlyFive = otherValues;
  onlyFive["COMP(5)ADDRSTREET"] = "5 Elm";
  Values onlyFour = otherValues;
  onlyFour["COMP(4)ADDRSTREET"] = "4 Elm";
  const std::vector<std::string> allThree = {"COMP(4)ADDRSTREET", "COMP(5)ADDRSTREET",
                                             "COMP(6)ADDRSTREET"};
  const std::vector<Case> cases = {
      {"no street beyond the third comparable", otherValues, {}, {"offscrn"}, allThree, {}, true},
      {"a street for comparable 5 only",
       onlyFive,
       {},
       {"offscrn", "MOBCMP46"},
       {"COMP(4)ADDRSTREET", "COMP(5)ADDRSTREET"},
       {5},
       true},
      {"a street for comparable 4 only",
       onlyFour,
       {},
       {"offscrn", "MOBCMP46"},
       {"COMP(4)ADDRSTREET"},
       {4},
       true},
      {"MOBCMP46 without a version",
       onlyFour,
       {"MOBCMP46"},
       {"offscrn", "MOBCMP46"},
       {"COMP(4)ADDRSTREET"},
       {},
       true},
      {"offscrn without a version",
       onlyFive,
       {"offscrn"},
       {"offscrn", "MOBCMP46"},
       {"COMP(4)ADDRSTREET", "COMP(5)ADDRSTREET"},
       {5},
       false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const Calls calls = Addenda(c.values, c.refusedForms);
    EXPECT_EQ(FormsSet(calls), c.forms);
    EXPECT_EQ(TagsRead(calls), c.streetsRead);
    EXPECT_EQ(Contains(calls, SetAliasCall("BORROWER", "6|1")), c.profileRows);
    EXPECT_EQ(Contains(calls, SetAliasCall("SUPAPPRAISERLICCERTEXPDT", "42|3")), c.profileRows);

    const bool formFilled = c.forms.size() == 2 && c.refusedForms.count("MOBCMP46") == 0;
    EXPECT_EQ(Contains(calls, SetAliasCall("COMMENTSALESCOMPARETWO", "38|1")), formFilled);
    for (int k = 4; k <= 6; ++k) {
      SCOPED_TRACE("comparable " + std::to_string(k));
      const std::string comp = "COMP(" + std::to_string(k) + ")";
      EXPECT_EQ(Contains(calls, SetAliasCall(comp + "ADDRSTREET", "11|" + std::to_string(k - 2))),
                formFilled);
      const bool written = c.columnsWritten.count(k) != 0;
      EXPECT_EQ(Contains(calls, MapValueCall(comp + "NUM", std::to_string(k))), written);
      EXPECT_EQ(Contains(calls, SetAliasCall(comp + "UNITNUM", "12|" + std::to_string(k - 2))),
                written);
    }
    const Calls photos = PhotoCalls(9, 18, true);
    ASSERT_GE(calls.size(), photos.size());
    EXPECT_EQ(Calls(calls.end() - static_cast<std::ptrdiff_t>(photos.size()), calls.end()), photos);
  }
}

}  // namespace
}  // namespace ombrel
