// The 1073 translator's tables, checked through the calls they make on a
// recording engine: counts, the comparables templates at a few addresses
// each, the guards of the overflow forms and the photo calls.
#include "translators/form1004/fm1073.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "support/recording_engine.h"
#include "support/trace_calls.h"
#include "support/written_addresses.h"

namespace ombrel {
namespace {

using namespace testing;  // the trace helpers: Calls, Member, IndexOf, Contains ...

Calls RunEntrainMain() {
  FM1073 translator;
  return TraceTranslator(translator, TraceTables::kMain, std::make_unique<RecordingEngine>());
}

// AppendAddenda alone, on an order holding only presentTags (each answering
// its own text) whose report refuses refusedForms.
Calls RunAppendAddenda(const std::set<std::string>& presentTags,
                       std::set<std::string> refusedForms) {
  EngineAnswers answers;
  for (const std::string& tag : presentTags) answers.values[tag] = tag;
  answers.refusedForms = std::move(refusedForms);
  FM1073 translator;
  return TraceTranslator(translator, TraceTables::kAddenda,
                         std::make_unique<RecordingEngine>(std::move(answers)));
}

// The calls of one comparable: from its MapValue up to the next comparable's
// MapValue or the sales comparison comment that follows the last column.
Calls ComparableBlock(const Calls& calls, int n) {
  std::string head =
      "MapValue(\"COMP(" + std::to_string(n) + ")NUM\", \"" + std::to_string(n) + "\")";
  int begin = IndexOf(calls, head);
  if (begin < 0) return {};
  Calls block;
  for (int i = begin; i < static_cast<int>(calls.size()); ++i) {
    bool next =
        Member(calls[i]) == "MapValue" || calls[i].find("COMMENTSALESCOMPARE") != std::string::npos;
    if (i != begin && next) break;
    block.push_back(calls[i]);
  }
  return block;
}

// ---------------------------------------------------------------------------

// Addresses of the main form's comparable columns, one row per comparable
// and line shape, written out rather than computed.
TEST(FM1073Test, MainComparableColumnsForComparablesOneToThree) {
  struct Case {
    int n;
    std::vector<std::string> calls;
  };
  const std::vector<Case> cases = {
      {1,
       {"Combine(\"100|2\", \", #\", 0, [\"COMP(1)ADDRSTREET\", \"COMP(1)UNITNUM\"])",
        "SetAlias(\"COMP(1)PROXIMITY\", \"102|1\")", "SetAlias(\"COMP(1)SALESPRICE\", \"103|2\")",
        "SetAlias(\"COMP(1)SCONCESSION\", \"108|1\")", "SetAlias(\"COMP(1)SALEDTADJ\", \"110|2\")",
        "SetAlias(\"COMP(1)LOCATION\", \"111|2\")", "SetAlias(\"COMP(1)CONDITIONADJ\", \"122|3\")",
        "SetAlias(\"COMP(1)ROOMTOT\", \"124|4\")", "SetAlias(\"COMP(1)ABOVEGRADEADJ\", \"124|7\")",
        "SetAlias(\"COMP(1)UNLABELED\", \"134|3\")", "SetAlias(\"COMP(1)UNLABELEDADJ\", \"134|4\")",
        "CheckAlias(\"COMP(1)NETADJUSTPOSNEG\", \"135|1\", \"POSITIVE\", [\"135|2\", "
        "\"NEGATIVE\"])",
        "SetAlias(\"COMP(1)NETADJUSTTOT\", \"135|3\")",
        "SetAlias(\"COMP(1)ADJUSTSALESGROSS\", \"136|1\")",
        "SetAlias(\"COMP(1)ADJUSTSALESPRICE\", \"137|2\")",
        "SetAlias(\"COMP(1)PRIORSALEDATA\", \"145|2\")"}},
      {2,
       {"Combine(\"100|3\", \", #\", 0, [\"COMP(2)ADDRSTREET\", \"COMP(2)UNITNUM\"])",
        "SetAlias(\"COMP(2)PROXIMITY\", \"102|2\")", "SetAlias(\"COMP(2)SALESPRICE\", \"103|3\")",
        "SetAlias(\"COMP(2)SCONCESSION\", \"108|3\")", "SetAlias(\"COMP(2)SALEDTADJ\", \"110|4\")",
        "SetAlias(\"COMP(2)LOCATION\", \"111|4\")", "SetAlias(\"COMP(2)CONDITIONADJ\", \"122|5\")",
        "SetAlias(\"COMP(2)ROOMTOT\", \"124|8\")", "SetAlias(\"COMP(2)ABOVEGRADEADJ\", \"124|11\")",
        "SetAlias(\"COMP(2)UNLABELED\", \"134|5\")", "SetAlias(\"COMP(2)UNLABELEDADJ\", \"134|6\")",
        "CheckAlias(\"COMP(2)NETADJUSTPOSNEG\", \"135|4\", \"POSITIVE\", [\"135|5\", "
        "\"NEGATIVE\"])",
        "SetAlias(\"COMP(2)NETADJUSTTOT\", \"135|6\")",
        "SetAlias(\"COMP(2)ADJUSTSALESGROSS\", \"136|2\")",
        "SetAlias(\"COMP(2)ADJUSTSALESPRICE\", \"137|4\")",
        "SetAlias(\"COMP(2)PRIORSALEDATA\", \"145|3\")"}},
      {3,
       {"Combine(\"100|4\", \", #\", 0, [\"COMP(3)ADDRSTREET\", \"COMP(3)UNITNUM\"])",
        "SetAlias(\"COMP(3)PROXIMITY\", \"102|3\")", "SetAlias(\"COMP(3)SALESPRICE\", \"103|4\")",
        "SetAlias(\"COMP(3)SCONCESSION\", \"108|5\")", "SetAlias(\"COMP(3)SALEDTADJ\", \"110|6\")",
        "SetAlias(\"COMP(3)LOCATION\", \"111|6\")", "SetAlias(\"COMP(3)CONDITIONADJ\", \"122|7\")",
        "SetAlias(\"COMP(3)ROOMTOT\", \"124|12\")",
        "SetAlias(\"COMP(3)ABOVEGRADEADJ\", \"124|15\")",
        "SetAlias(\"COMP(3)UNLABELED\", \"134|7\")", "SetAlias(\"COMP(3)UNLABELEDADJ\", \"134|8\")",
        "CheckAlias(\"COMP(3)NETADJUSTPOSNEG\", \"135|7\", \"POSITIVE\", [\"135|8\", "
        "\"NEGATIVE\"])",
        "SetAlias(\"COMP(3)NETADJUSTTOT\", \"135|9\")",
        "SetAlias(\"COMP(3)ADJUSTSALESGROSS\", \"136|3\")",
        "SetAlias(\"COMP(3)ADJUSTSALESPRICE\", \"137|6\")",
        "SetAlias(\"COMP(3)PRIORSALEDATA\", \"145|4\")"}},
  };
  Calls calls = RunEntrainMain();
  for (const Case& c : cases) {
    SCOPED_TRACE("comparable " + std::to_string(c.n));
    Calls block = ComparableBlock(calls, c.n);
    EXPECT_EQ(block.size(), 70u);
    for (const std::string& call : c.calls) {
      EXPECT_TRUE(Contains(block, call)) << "missing: " << call;
    }
    // Every call of the column names this comparable's tags and none of another's.
    std::string own = "COMP(" + std::to_string(c.n) + ")";
    for (const std::string& call : block) EXPECT_NE(call.find(own), std::string::npos) << call;
  }
}

// ---------------------------------------------------------------------------

const std::set<std::string> kAllStreets = {"COMP(4)ADDRSTREET", "COMP(5)ADDRSTREET",
                                           "COMP(6)ADDRSTREET", "COMP(7)ADDRSTREET",
                                           "COMP(8)ADDRSTREET", "COMP(9)ADDRSTREET"};

TEST(FM1073Test, AddendaOfAFullOrder) {
  Calls calls = RunAppendAddenda(kAllStreets, {});
  ASSERT_GE(calls.size(), 4u);
  EXPECT_EQ(calls[0], "AddExtended(\"2|2\")");
  EXPECT_EQ(calls[1], "AddExtended(\"168|1\")");
  // The first street present is enough: the other two are not read.
  EXPECT_EQ(calls[2], "ReadDirect(\"COMP(4)ADDRSTREET\")");
  EXPECT_EQ(calls[3], "SetForm(\"cn2cmp46\")");
  EXPECT_EQ(calls[4], "MapValue(\"COMP(4)NUM\", \"4\")");

  int comment46 = IndexOf(calls, "SetAlias(\"COMMENTSALESCOMPARETWO\", \"52|1\")");
  int comment79 = IndexOf(calls, "SetAlias(\"COMMENTSALESCOMPARETHREE\", \"52|1\")");
  ASSERT_EQ(comment46, 4 + 3 * 70);
  EXPECT_EQ(calls[comment46 - 1], "SetAlias(\"COMP(6)PRIORSALEDATA\", \"51|4\")");
  EXPECT_EQ(calls[comment46 + 1], "ReadDirect(\"COMP(7)ADDRSTREET\")");
  EXPECT_EQ(calls[comment46 + 2], "SetForm(\"cn2cmp79\")");
  ASSERT_EQ(comment79, comment46 + 3 + 3 * 70);
  EXPECT_EQ(calls[comment79 - 1], "SetAlias(\"COMP(9)PRIORSALEDATA\", \"51|4\")");

  // Each overflow group makes the same calls as the main grid's comparables.
  std::map<std::string, int> perGroup = {
      {"MapValue", 3}, {"Combine", 3}, {"SetAlias", 3 * 67 + 1}, {"CheckAlias", 3}};
  EXPECT_EQ(CountByMember(Calls(calls.begin() + 4, calls.begin() + comment46 + 1)), perGroup);
  EXPECT_EQ(CountByMember(Calls(calls.begin() + comment46 + 3, calls.begin() + comment79 + 1)),
            perGroup);
  EXPECT_EQ(calls[comment79 + 1], "SetPhoto(\"SUBJECTFRONTVIEW\", \"SUB_1_3X5\")");
  {
    SCOPED_TRACE("cn2cmp46");
    ExpectDistinctWellFormedAddresses(Calls(calls.begin() + 4, calls.begin() + comment46 + 1));
  }
  {
    SCOPED_TRACE("cn2cmp79");
    ExpectDistinctWellFormedAddresses(
        Calls(calls.begin() + comment46 + 3, calls.begin() + comment79 + 1));
  }
}

TEST(FM1073Test, OverflowColumnsForComparablesFourToNine) {
  struct Case {
    int n;
    std::vector<std::string> calls;
  };
  const std::vector<Case> cases = {
      {4,
       {"Combine(\"11|2\", \", #\", 0, [\"COMP(4)ADDRSTREET\", \"COMP(4)UNITNUM\"])",
        "SetAlias(\"COMP(4)PROJNAME\", \"12|2\")", "SetAlias(\"COMP(4)PROXIMITY\", \"13|1\")",
        "SetAlias(\"COMP(4)VERIFICATION\", \"17|2\")", "SetAlias(\"COMP(4)SCONCESSION\", \"19|1\")",
        "SetAlias(\"COMP(4)LOCATIONADJ\", \"22|3\")", "SetAlias(\"COMP(4)ROOMTOT\", \"35|4\")",
        "SetAlias(\"COMP(4)ABOVEGRADEADJ\", \"35|7\")", "SetAlias(\"COMP(4)UNLABELED\", \"45|3\")",
        "CheckAlias(\"COMP(4)NETADJUSTPOSNEG\", \"46|1\", \"POSITIVE\", [\"46|2\", \"NEGATIVE\"])",
        "SetAlias(\"COMP(4)NETADJUSTTOT\", \"46|3\")",
        "SetAlias(\"COMP(4)ADJUSTSALESGROSS\", \"47|1\")",
        "SetAlias(\"COMP(4)ADJUSTSALESNET\", \"48|1\")",
        "SetAlias(\"COMP(4)PRIORSALEDT\", \"49|2\")"}},
      {5,
       {"Combine(\"11|3\", \", #\", 0, [\"COMP(5)ADDRSTREET\", \"COMP(5)UNITNUM\"])",
        "SetAlias(\"COMP(5)PROXIMITY\", \"13|2\")", "SetAlias(\"COMP(5)SALESPRICE\", \"14|3\")",
        "SetAlias(\"COMP(5)FCONCESSIONADJ\", \"20|4\")", "SetAlias(\"COMP(5)VIEW\", \"29|4\")",
        "SetAlias(\"COMP(5)BATH\", \"35|10\")", "SetAlias(\"COMP(5)UNLABELEDADJ\", \"45|6\")",
        "CheckAlias(\"COMP(5)NETADJUSTPOSNEG\", \"46|4\", \"POSITIVE\", [\"46|5\", \"NEGATIVE\"])",
        "SetAlias(\"COMP(5)ADJUSTSALESPRICE\", \"48|4\")",
        "SetAlias(\"COMP(5)PRIORSALEDATA\", \"51|3\")"}},
      {6,
       {"Combine(\"11|4\", \", #\", 0, [\"COMP(6)ADDRSTREET\", \"COMP(6)UNITNUM\"])",
        "SetAlias(\"COMP(6)PROXIMITY\", \"13|3\")", "SetAlias(\"COMP(6)SALEDT\", \"21|5\")",
        "SetAlias(\"COMP(6)FIREPLACEADJ\", \"44|7\")", "SetAlias(\"COMP(6)ROOMTOT\", \"35|12\")",
        "CheckAlias(\"COMP(6)NETADJUSTPOSNEG\", \"46|7\", \"POSITIVE\", [\"46|8\", \"NEGATIVE\"])",
        "SetAlias(\"COMP(6)NETADJUSTTOT\", \"46|9\")",
        "SetAlias(\"COMP(6)ADJUSTSALESGROSS\", \"47|3\")"}},
      {7,
       {"Combine(\"11|2\", \", #\", 0, [\"COMP(7)ADDRSTREET\", \"COMP(7)UNITNUM\"])",
        "SetAlias(\"COMP(7)PROXIMITY\", \"13|1\")", "SetAlias(\"COMP(7)SALEDT\", \"21|1\")",
        "SetAlias(\"COMP(7)ROOMTOT\", \"35|4\")", "SetAlias(\"COMP(7)PRIORSALEDATA\", \"51|2\")"}},
      {8,
       {"SetAlias(\"COMP(8)SALESPRICE\", \"14|3\")",
        "SetAlias(\"COMP(8)ELEMENTSREC2ADJ\", \"26|5\")",
        "SetAlias(\"COMP(8)ABOVEGRADEADJ\", \"35|11\")",
        "SetAlias(\"COMP(8)ADJUSTSALESGROSS\", \"47|2\")"}},
      {9,
       {"Combine(\"11|4\", \", #\", 0, [\"COMP(9)ADDRSTREET\", \"COMP(9)UNITNUM\"])",
        "SetAlias(\"COMP(9)UNLABELED\", \"45|7\")", "SetAlias(\"COMP(9)UNLABELEDADJ\", \"45|8\")",
        "SetAlias(\"COMP(9)ABOVEGRADEADJ\", \"35|15\")",
        "SetAlias(\"COMP(9)PRIORSALEDATA\", \"51|4\")"}},
  };
  Calls calls = RunAppendAddenda(kAllStreets, {});
  for (const Case& c : cases) {
    SCOPED_TRACE("comparable " + std::to_string(c.n));
    Calls block = ComparableBlock(calls, c.n);
    EXPECT_EQ(block.size(), 70u);
    for (const std::string& call : c.calls) {
      EXPECT_TRUE(Contains(block, call)) << "missing: " << call;
    }
    std::string own = "COMP(" + std::to_string(c.n) + ")";
    for (const std::string& call : block) EXPECT_NE(call.find(own), std::string::npos) << call;
  }
}

// Only the street tags decide whether an overflow form is added, and only a
// form that SetForm could give its version is filled.
TEST(FM1073Test, OverflowFormsAreGuardedByStreetsAndBySetForm) {
  struct Case {
    const char* name;
    std::set<std::string> tags;
    std::set<std::string> refusedForms;
    std::vector<std::string> expectedReads;  // the street tags read, in order
    std::vector<std::string> expectedForms;  // SetForm calls, in order
    std::vector<int> filledComparables;
  };
  const std::vector<Case> cases = {
      {"no comparable beyond the third",
       {"COMP(4)UNITNUM", "COMP(5)UNITNUM", "COMP(7)PROJNAME"},
       {},
       {"COMP(4)ADDRSTREET", "COMP(5)ADDRSTREET", "COMP(6)ADDRSTREET", "COMP(7)ADDRSTREET",
        "COMP(8)ADDRSTREET", "COMP(9)ADDRSTREET"},
       {},
       {}},
      {"a street for comparable 5 only",
       {"COMP(5)ADDRSTREET"},
       {},
       {"COMP(4)ADDRSTREET", "COMP(5)ADDRSTREET", "COMP(7)ADDRSTREET", "COMP(8)ADDRSTREET",
        "COMP(9)ADDRSTREET"},
       {"cn2cmp46"},
       {4, 5, 6}},
      {"comparables 7 to 9 only",
       {"COMP(9)ADDRSTREET"},
       {},
       {"COMP(4)ADDRSTREET", "COMP(5)ADDRSTREET", "COMP(6)ADDRSTREET", "COMP(7)ADDRSTREET",
        "COMP(8)ADDRSTREET", "COMP(9)ADDRSTREET"},
       {"cn2cmp79"},
       {7, 8, 9}},
      {"the first overflow form without a version",
       kAllStreets,
       {"cn2cmp46"},
       {"COMP(4)ADDRSTREET", "COMP(7)ADDRSTREET"},
       {"cn2cmp46", "cn2cmp79"},
       {7, 8, 9}},
      {"neither overflow form with a version",
       {"COMP(6)ADDRSTREET", "COMP(8)ADDRSTREET"},
       {"cn2cmp46", "cn2cmp79"},
       {"COMP(4)ADDRSTREET", "COMP(5)ADDRSTREET", "COMP(6)ADDRSTREET", "COMP(7)ADDRSTREET",
        "COMP(8)ADDRSTREET"},
       {"cn2cmp46", "cn2cmp79"},
       {}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Calls calls = RunAppendAddenda(c.tags, c.refusedForms);
    Calls reads, forms;
    std::set<int> filled;
    for (const std::string& call : calls) {
      if (Member(call) == "ReadDirect") reads.push_back(call.substr(12, call.size() - 14));
      if (Member(call) == "SetForm") forms.push_back(call.substr(9, call.size() - 11));
      if (Member(call) == "MapValue") filled.insert(call[call.find("COMP(") + 5] - '0');
    }
    EXPECT_EQ(reads, c.expectedReads);
    EXPECT_EQ(forms, c.expectedForms);
    EXPECT_EQ(filled, std::set<int>(c.filledComparables.begin(), c.filledComparables.end()));
    // A filled group is filled whole, its address cells written even when empty,
    // and its comment follows it; an unfilled group leaves its comment unread.
    bool has46 = filled.count(4) != 0;
    bool has79 = filled.count(7) != 0;
    EXPECT_EQ(Contains(calls, "SetAlias(\"COMMENTSALESCOMPARETWO\", \"52|1\")"), has46);
    EXPECT_EQ(Contains(calls, "SetAlias(\"COMMENTSALESCOMPARETHREE\", \"52|1\")"), has79);
    for (int n : filled) {
      EXPECT_EQ(ComparableBlock(calls, n).size(), 70u) << "comparable " << n;
    }
    if (has46) {
      EXPECT_TRUE(Contains(
          calls, "Combine(\"11|2\", \", #\", 0, [\"COMP(4)ADDRSTREET\", \"COMP(4)UNITNUM\"])"));
      EXPECT_TRUE(Contains(
          calls, "Combine(\"11|4\", \", #\", 0, [\"COMP(6)ADDRSTREET\", \"COMP(6)UNITNUM\"])"));
    }
    // The photos come last, whatever the guards decided.
    int firstPhoto = IndexOf(calls, "SetPhoto(\"SUBJECTFRONTVIEW\", \"SUB_1_3X5\")");
    ASSERT_GE(firstPhoto, 0);
    for (int i = firstPhoto; i < static_cast<int>(calls.size()); ++i) {
      EXPECT_EQ(Member(calls[i]), "SetPhoto") << calls[i];
    }
  }
}

}  // namespace
}  // namespace ombrel
