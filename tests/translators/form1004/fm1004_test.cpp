// The 1004 translator's two tables, checked through the calls they make on a
// recording engine: counts, the comparables templates, the guards of the
// overflow forms and the photo, sketch and map calls.
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
#include "translators/form1004/fm1004.h"

namespace ombrel {
namespace {

using namespace testing;  // the trace helpers: Calls, IndexOf, SetAliasCall, Comp, Addr ...

Calls RunMain() {
  FM1004 translator;
  return TraceTranslator(translator, TraceTables::kMain, std::make_unique<RecordingEngine>());
}

// Calls of AppendAddenda on an order holding exactly `values`, whose report
// refuses refusedForms.
Calls RunAddenda(std::map<std::string, std::string> values,
                 std::set<std::string> refusedForms = {}) {
  FM1004 translator;
  return TraceTranslator(
      translator, TraceTables::kAddenda,
      std::make_unique<RecordingEngine>(
          EngineAnswers{std::move(values), /*aliasNeedsValue=*/true, std::move(refusedForms)}));
}

std::string N(int n) { return std::to_string(n); }

// Comparables 1 to 3 in the grid of "UA2": one column each, every call of a
// comparable before the next comparable's, 64 calls per comparable.
TEST(FM1004Main, ComparableColumnsOneToThree) {
  const Calls calls = RunMain();
  for (int n = 1; n <= 3; ++n) {
    SCOPED_TRACE("comparable " + N(n));
    const std::ptrdiff_t first = IndexOf(calls, "MapValue(" + Q(Comp(n, "NUM")) + ", " + Q(N(n)) + ")");
    const std::ptrdiff_t last = IndexOf(calls, SetAliasCall(Comp(n, "PRIORSALEDATA"), Addr(145, n + 1)));
    ASSERT_NE(first, -1);
    ASSERT_EQ(last - first + 1, 64);
    for (std::ptrdiff_t i = first; i <= last; ++i) {
      EXPECT_NE(calls[i].find(Comp(n, "")), std::string::npos) << calls[i];
    }
    const Calls expected = {
        SetAliasCall(Comp(n, "ADDRSTREET"), Addr(101, n + 1)),
        "ParseAddress(" + Q(Addr(102, n + 1)) + ", " + Q(Comp(n, "ADDRCITY")) + ", " +
            Q(Comp(n, "ADDRSTATEPROV")) + ", " + Q(Comp(n, "ADDRZIP")) + ", \"\", \"\")",
        SetAliasCall(Comp(n, "PROXIMITY"), Addr(103, n)),
        SetAliasCall(Comp(n, "VERIFICATION"), Addr(107, n + 1)),
        SetAliasCall(Comp(n, "SCONCESSION"), Addr(109, 2 * n - 1)),
        SetAliasCall(Comp(n, "SALEDTADJ"), Addr(111, 2 * n)),
        SetAliasCall(Comp(n, "LOCATION"), Addr(112, 2 * n)),
        SetAliasCall(Comp(n, "CONTSRUCTADJ"), Addr(117, 2 * n + 1)),
        SetAliasCall(Comp(n, "ROOMTOT"), Addr(121, 4 * n)),
        SetAliasCall(Comp(n, "ABOVEGRADEADJ"), Addr(121, 4 * n + 3)),
        SetAliasCall(Comp(n, "FENCEPOOLADJ"), Addr(131, 2 * n + 1)),
        SetAliasCall(Comp(n, "UNLABELED"), Addr(132, 2 * n + 1)),
        SetAliasCall(Comp(n, "UNLABELEDADJ"), Addr(132, 2 * n + 2)),
        "CheckAlias(" + Q(Comp(n, "NETADJUSTPOSNEG")) + ", " + Q(Addr(133, 3 * n - 2)) +
            ", \"POSITIVE\", [" + Q(Addr(133, 3 * n - 1)) + ", \"NEGATIVE\"])",
        SetAliasCall(Comp(n, "NETADJUSTTOT"), Addr(133, 3 * n)),
        SetAliasCall(Comp(n, "ADJUSTSALESGROSS"), Addr(134, n)),
        SetAliasCall(Comp(n, "ADJUSTSALESPRICE"), Addr(135, 2 * n)),
        SetAliasCall(Comp(n, "PRIORSALEDT"), Addr(143, n + 1)),
    };
    std::ptrdiff_t previous = first;
    for (const std::string& call : expected) {
      SCOPED_TRACE(call);
      const std::ptrdiff_t at = IndexOf(calls, call);
      EXPECT_GT(at, previous);
      EXPECT_LE(at, last);
      previous = std::max(previous, at);
    }
  }
}

TEST(FM1004Addenda, HeadedCommentsComeFirstInFormOrder) {
  const Calls calls = RunAddenda({});
  const Calls expected = {
      R"(AddExtended("4|1"))",  R"(AddExtended("53|1"))",  R"(AddExtended("61|1"))",
      R"(AddExtended("67|1"))", R"(AddExtended("150|1"))", R"(AddExtended("162|1"))",
  };
  ASSERT_GE(calls.size(), expected.size());
  EXPECT_EQ(Calls(calls.begin(), calls.begin() + 6), expected);
  EXPECT_EQ(CountMember(calls, "AddExtended"), 6u);
}

// The rows of one comparable on an overflow form, at place k: street first as
// the guard, then 63 rows, the last the prior sale's data source.
void ExpectOverflowRows(const Calls& calls, int n, int k) {
  SCOPED_TRACE("comparable " + N(n) + " at place " + N(k));
  const std::ptrdiff_t street = IndexOf(calls, SetAliasCall(Comp(n, "ADDRSTREET"), Addr(10, k + 1)));
  ASSERT_NE(street, -1);
  ASSERT_LT(street + 63, static_cast<std::ptrdiff_t>(calls.size()));
  const Calls expectedStart = {
      "MapValue(" + Q(Comp(n, "NUM")) + ", " + Q(N(n)) + ")",
      "ParseAddress(" + Q(Addr(11, k + 1)) + ", " + Q(Comp(n, "ADDRCITY")) + ", " +
          Q(Comp(n, "ADDRSTATEPROV")) + ", " + Q(Comp(n, "ADDRZIP")) + ", \"\", \"\")",
      SetAliasCall(Comp(n, "PROXIMITY"), Addr(12, k)),
      SetAliasCall(Comp(n, "SALESPRICE"), Addr(13, k + 1)),
  };
  for (std::size_t i = 0; i < expectedStart.size(); ++i) {
    EXPECT_EQ(calls[street + 1 + i], expectedStart[i]);
  }
  EXPECT_EQ(calls[street + 63], SetAliasCall(Comp(n, "PRIORSALEDATA"), Addr(47, k + 1)));
  for (std::ptrdiff_t i = street; i <= street + 63; ++i) {
    EXPECT_NE(calls[i].find(Comp(n, "")), std::string::npos) << calls[i];
  }
  const Calls inside = {
      SetAliasCall(Comp(n, "SCONCESSION"), Addr(18, 2 * k - 1)),
      SetAliasCall(Comp(n, "SALEDTADJ"), Addr(20, 2 * k)),
      SetAliasCall(Comp(n, "LOCATION"), Addr(21, 2 * k)),
      SetAliasCall(Comp(n, "CONTSRUCTADJ"), Addr(26, 2 * k + 1)),
      SetAliasCall(Comp(n, "ABOVEGRADEADJ"), Addr(30, 4 * k + 3)),
      SetAliasCall(Comp(n, "FENCEPOOLADJ"), Addr(40, 2 * k + 1)),
      SetAliasCall(Comp(n, "UNLABELEDADJ"), Addr(41, 2 * k + 2)),
      "CheckAlias(" + Q(Comp(n, "NETADJUSTPOSNEG")) + ", " + Q(Addr(42, 3 * k - 2)) +
          ", \"POSITIVE\", [" + Q(Addr(42, 3 * k - 1)) + ", \"NEGATIVE\"])",
      SetAliasCall(Comp(n, "NETADJUSTTOT"), Addr(42, 3 * k)),
      SetAliasCall(Comp(n, "ADJUSTSALESGROSS"), Addr(43, k)),
      SetAliasCall(Comp(n, "ADJUSTSALESNET"), Addr(44, 2 * k - 1)),
      SetAliasCall(Comp(n, "PRIORSALEDT"), Addr(45, k + 1)),
  };
  for (const std::string& call : inside) {
    const std::ptrdiff_t at = IndexOf(calls, call);
    EXPECT_TRUE(at > street && at < street + 63) << call;
  }
}

TEST(FM1004Addenda, EveryComparableFourToNineOnItsOverflowForm) {
  std::map<std::string, std::string> order;
  for (int n = 4; n <= 9; ++n) order[Comp(n, "ADDRSTREET")] = N(n) + " Oak St";
  const Calls calls = RunAddenda(order);

  const std::ptrdiff_t cmps46 = IndexOf(calls, R"(SetForm("cmps46"))");
  const std::ptrdiff_t comment46 = IndexOf(calls, R"(SetAlias("COMMENTSALESCOMPARETWO", "48|1"))");
  const std::ptrdiff_t cmps79 = IndexOf(calls, R"(SetForm("cmps79"))");
  const std::ptrdiff_t comment79 = IndexOf(calls, R"(SetAlias("COMMENTSALESCOMPARETHREE", "48|1"))");
  ASSERT_NE(cmps46, -1);
  // The guard stops at the first street it finds.
  EXPECT_EQ(calls[cmps46 - 1], R"(ReadDirect("COMP(4)ADDRSTREET"))");
  EXPECT_EQ(calls[cmps79 - 1], R"(ReadDirect("COMP(7)ADDRSTREET"))");
  EXPECT_EQ(comment46, cmps46 + 3 * 64 + 1);
  EXPECT_EQ(cmps79, comment46 + 2);
  EXPECT_EQ(comment79, cmps79 + 3 * 64 + 1);
  EXPECT_EQ(CountMember(calls, "SetForm"), 2u);
  EXPECT_EQ(CountMember(calls, "MapValue"), 6u);
  for (int n = 4; n <= 9; ++n) ExpectOverflowRows(calls, n, n <= 6 ? n - 3 : n - 6);
}

struct GuardCase {
  const char* name;
  std::vector<std::string> streets;  // comparables 4 to 9 with a street
  std::set<std::string> refusedForms;
  std::vector<int> written;          // comparables whose rows must be there
  bool cmps46Set;                    // SetForm("cmps46") called
  bool cmps46Comment;
  bool cmps79Set;
  bool cmps79Comment;
};

TEST(FM1004Addenda, OverflowGuards) {
  const GuardCase cases[] = {
      {"no street for comparables 4 to 9", {}, {}, {}, false, false, false, false},
      {"a street for comparable 5 only", {"COMP(5)ADDRSTREET"}, {}, {5}, true, true, false, false},
      {"streets for 7 to 9 only",
       {"COMP(7)ADDRSTREET", "COMP(8)ADDRSTREET", "COMP(9)ADDRSTREET"}, {}, {7, 8, 9},
       false, false, true, true},
      {"cmps46 refused",
       {"COMP(4)ADDRSTREET", "COMP(6)ADDRSTREET", "COMP(8)ADDRSTREET"}, {"cmps46"}, {8},
       true, false, true, true},
      {"cmps79 refused", {"COMP(4)ADDRSTREET", "COMP(9)ADDRSTREET"}, {"cmps79"}, {4},
       true, true, true, false},
  };
  for (const GuardCase& c : cases) {
    SCOPED_TRACE(c.name);
    std::map<std::string, std::string> order;
    for (const std::string& street : c.streets) order[street] = "1 Elm St";
    // Everything but the street: a comparable without one is still left out.
    for (int n = 4; n <= 9; ++n) {
      order[Comp(n, "ADDRCITY")] = "Ames";
      order[Comp(n, "SALESPRICE")] = "100000";
    }
    const Calls calls = RunAddenda(order, c.refusedForms);

    EXPECT_EQ(IndexOf(calls, R"(SetForm("cmps46"))") != -1, c.cmps46Set);
    EXPECT_EQ(IndexOf(calls, R"(SetAlias("COMMENTSALESCOMPARETWO", "48|1"))") != -1,
              c.cmps46Comment);
    EXPECT_EQ(IndexOf(calls, R"(SetForm("cmps79"))") != -1, c.cmps79Set);
    EXPECT_EQ(IndexOf(calls, R"(SetAlias("COMMENTSALESCOMPARETHREE", "48|1"))") != -1,
              c.cmps79Comment);
    for (int n = 4; n <= 9; ++n) {
      SCOPED_TRACE("comparable " + N(n));
      const bool written = std::count(c.written.begin(), c.written.end(), n) != 0;
      EXPECT_EQ(Mentions(calls, "MapValue(" + Q(Comp(n, "NUM"))), written);
      EXPECT_EQ(Mentions(calls, Q(Comp(n, "SALESPRICE"))), written);
      if (written) ExpectOverflowRows(calls, n, n <= 6 ? n - 3 : n - 6);
    }
    // The comments and the photos run whatever the overflow forms did.
    EXPECT_EQ(CountMember(calls, "AddExtended"), 6u);
    EXPECT_EQ(calls.back(), R"(SetPhoto("FLOODMAP", "MAP_FLOOD"))");
  }
}

TEST(FM1004Addenda, StreetOfComparableFiveOnlyFillsPlaceTwo) {
  const Calls calls = RunAddenda({{"COMP(5)ADDRSTREET", "9 Birch Rd"}});
  const std::ptrdiff_t form = IndexOf(calls, R"(SetForm("cmps46"))");
  ASSERT_NE(form, -1);
  // The streets of 4 and 6 are tried (and write nothing); only 5's rows follow.
  EXPECT_EQ(calls[form + 1], R"(SetAlias("COMP(4)ADDRSTREET", "10|2"))");
  EXPECT_EQ(calls[form + 2], R"(SetAlias("COMP(5)ADDRSTREET", "10|3"))");
  EXPECT_EQ(calls[form + 3], R"(MapValue("COMP(5)NUM", "5"))");
  EXPECT_EQ(calls[form + 2 + 64], R"(SetAlias("COMP(6)ADDRSTREET", "10|4"))");
  EXPECT_EQ(calls[form + 3 + 64], R"(SetAlias("COMMENTSALESCOMPARETWO", "48|1"))");
  EXPECT_EQ(calls[form - 2], R"(ReadDirect("COMP(4)ADDRSTREET"))");
  EXPECT_EQ(calls[form - 1], R"(ReadDirect("COMP(5)ADDRSTREET"))");
  // "cmps79" is decided by all three of its streets.
  const std::ptrdiff_t comment = form + 3 + 64;
  const Calls tail(calls.begin() + comment + 1, calls.begin() + comment + 4);
  EXPECT_EQ(tail, (Calls{R"(ReadDirect("COMP(7)ADDRSTREET"))", R"(ReadDirect("COMP(8)ADDRSTREET"))",
                         R"(ReadDirect("COMP(9)ADDRSTREET"))"}));
}

// With no overflow form the photos, sketches and maps follow the six headed
// comments and the six reads of the street guards directly.
TEST(FM1004Addenda, WithoutOverflowFormsThePhotosFollowTheStreetReads) {
  EXPECT_EQ(IndexOf(RunAddenda({}), R"(SetPhoto("SUBJECTFRONTVIEW", "SUB_1_3X5"))"), 6 + 6);
}

}  // namespace
}  // namespace ombrel
