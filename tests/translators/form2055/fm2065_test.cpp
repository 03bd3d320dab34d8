// FM2065's tables are QAR's apart from the sales comparison grid, its
// overflow forms and its eighteen additional photos: the shared sections are
// compared with QAR's trace, the grid is checked at a few addresses.
#include "translators/form2055/fm2065.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>

#include "family_trace.h"
#include "translators/form2055/qar.h"

namespace ombrel {
namespace {

using namespace form2055_testing;

const std::string kLastBeforeGrid = SetAliasCall("COMPLISTINGPRICEHIGH", "38|3");
const std::string kFirstAfterGrid =
    R"(CheckAlias("APPRAISALMADE", "79|1", "ASIS", ["79|2", "SUBJECTTOCOMPLETION", "80|1", "REPAIRSALTERATIONS"]))";

Calls Before(const Calls& calls, const std::string& last) {
  const std::ptrdiff_t at = IndexOf(calls, last);
  return at < 0 ? Calls{} : Calls(calls.begin(), calls.begin() + at + 1);
}

Calls From(const Calls& calls, const std::string& first) {
  const std::ptrdiff_t at = IndexOf(calls, first);
  return at < 0 ? Calls{} : Calls(calls.begin() + at, calls.end());
}

TEST(FM2065Main, SectionsBesideTheGridAreQARs) {
  for (int32_t licensing : {-2, -1, 0, 1}) {
    SCOPED_TRACE(licensing);
    QAR qar;
    FM2065 fm2065;
    const Calls expected = Renamed(MainCalls(qar, licensing), "QAR", "2065");
    const Calls calls = MainCalls(fm2065, licensing);
    ASSERT_FALSE(Before(expected, kLastBeforeGrid).empty());
    EXPECT_EQ(Before(calls, kLastBeforeGrid), Before(expected, kLastBeforeGrid));
    ASSERT_FALSE(From(expected, kFirstAfterGrid).empty());
    EXPECT_EQ(From(calls, kFirstAfterGrid), From(expected, kFirstAfterGrid));
  }
}

TEST(FM2065Main, OwnGridAtAFewAddresses) {
  FM2065 translator;
  const Calls calls = MainCalls(translator);
  const Calls grid(calls.begin() + IndexOf(calls, kLastBeforeGrid) + 1,
                   calls.begin() + IndexOf(calls, kFirstAfterGrid));
  // Subject 23, three comparables of 44, two comments.
  ASSERT_EQ(grid.size(), 23u + 3 * 44u + 2u);
  EXPECT_EQ(grid.front(), SetAliasCall("SUBJECTADDRSTREET", "44|1"));
  EXPECT_EQ(grid[1], R"(ParseAddress("45|1", "SUBJECTADDRCITY", "SUBJECTADDRSTATEPROV", "SUBJECTADDRZIP", "", ""))");
  EXPECT_EQ(grid[21], SetAliasCall("SUBJECTPRIORSALEDT", "68|1"));
  EXPECT_EQ(grid[grid.size() - 2], R"(ParseExtended("ANALYSISCURRENTAGREE", "71|1", True))");
  EXPECT_EQ(grid.back(), R"(ParseExtended("COMMENTSALESCOMPARE", "73|1", True))");

  for (int n = 1; n <= 3; ++n) {
    SCOPED_TRACE(n);
    const Calls column(grid.begin() + 23 + (n - 1) * 44, grid.begin() + 23 + n * 44);
    EXPECT_EQ(column[0], "MapValue(" + Q(Comp(n, "NUM")) + ", " + Q(std::to_string(n)) + ")");
    EXPECT_EQ(column[1], SetAliasCall(Comp(n, "ADDRSTREET"), Addr(44, n + 1)));
    EXPECT_EQ(column[6], "Combine(" + Q(Addr(49, n)) + ", \" / \", 0, [" + Q(Comp(n, "DATA")) +
                             ", " + Q(Comp(n, "VERIFICATION")) + "])");
    EXPECT_EQ(column[7], SetAliasCall(Comp(n, "SCONCESSION"), Addr(51, 2 * n - 1)));
    EXPECT_EQ(column[25], SetAliasCall(Comp(n, "ROOMTOT"), Addr(61, 4 * n)));
    EXPECT_EQ(column[40], SetAliasCall(Comp(n, "UNLABELEDTWOADJ"), Addr(67, 2 * n + 2)));
    // The prior sale rows keep the 2055 form's lines.
    EXPECT_EQ(column[41], SetAliasCall(Comp(n, "PRIORSALEDT"), Addr(68, n + 1)));
    EXPECT_EQ(column[42], SetAliasCall(Comp(n, "PRIORSALEPRICE"), Addr(69, n + 1)));
    EXPECT_EQ(column[43], "CheckAlias(" + Q(Comp(n, "OVERALLCOMP")) + ", " +
                              Q(Addr(70, 3 * n - 2)) + ", \"SUP\", [" + Q(Addr(70, 3 * n - 1)) +
                              ", \"EQUAL\", " + Q(Addr(70, 3 * n)) + ", \"INF\"])");
  }
  for (const char* netAdjustment :
       {"NETADJUSTPOSNEG", "NETADJUSTTOT", "ADJUSTSALESGROSS", "ADJUSTSALESNET", "ADJUSTSALESPRICE"}) {
    EXPECT_FALSE(Mentions(calls, netAdjustment)) << netAdjustment;
  }
}

TEST(FM2065Addenda, CallCountsWithEveryComparable) {
  FM2065 translator;
  const Calls calls = AddendaCalls(translator);
  // Photos, sketches and maps: 3 subject, 9 comparable, 18 general, 5 rows.
  const std::pair<const char*, std::size_t> counts[] = {
      {"AddExtended", 4}, {"SetForm", 3},   {"ReadDirect", 2},  {"SetAlias", 250},
      {"ParseAddress", 7}, {"MapValue", 6}, {"Combine", 6},     {"CheckAlias", 6},
      {"SetPhoto", 35},
  };
  std::size_t total = 0;
  for (const auto& [member, count] : counts) {
    SCOPED_TRACE(member);
    EXPECT_EQ(CountMember(calls, member), count);
    total += count;
  }
  EXPECT_EQ(calls.size(), total);
  EXPECT_FALSE(Mentions(calls, "NETADJUST"));
}

// Up to the first overflow form FM2065's addenda are QAR's.
TEST(FM2065Addenda, CommentMarksAndReportProfileAreQARs) {
  QAR qar;
  FM2065 fm2065;
  const Calls expected = Before(AddendaCalls(qar), R"(ReadDirect("COMP(4)ADDRSTREET"))");
  ASSERT_EQ(expected.size(), 15u);
  EXPECT_EQ(Before(AddendaCalls(fm2065), R"(ReadDirect("COMP(4)ADDRSTREET"))"), expected);
}

// FM2065's grid 33 lines up: the rows of comparable 9 on "2065_C79".
TEST(FM2065Addenda, OverflowGridAtAFewAddresses) {
  FM2065 translator;
  const Calls calls = AddendaCalls(translator);
  const std::ptrdiff_t form = IndexOf(calls, R"(SetForm("2065_C79"))");
  ASSERT_GE(form, 0);
  const std::ptrdiff_t nine = form + 1 + 2 * 44;
  ASSERT_LT(nine + 44, static_cast<std::ptrdiff_t>(calls.size()));
  const Calls column(calls.begin() + nine, calls.begin() + nine + 44);
  EXPECT_EQ(column[0], SetAliasCall("COMP(9)ADDRSTREET", "11|4"));
  EXPECT_EQ(column[1], R"(MapValue("COMP(9)NUM", "9"))");
  EXPECT_EQ(column[2], R"(ParseAddress("12|4", "COMP(9)ADDRCITY", "COMP(9)ADDRSTATEPROV", "COMP(9)ADDRZIP", "", ""))");
  EXPECT_EQ(column[6], R"(Combine("16|3", " / ", 0, ["COMP(9)DATA", "COMP(9)VERIFICATION"]))");
  EXPECT_EQ(column[25], SetAliasCall("COMP(9)ROOMTOT", "28|12"));
  EXPECT_EQ(column[27], SetAliasCall("COMP(9)BATH", "28|14"));
  EXPECT_EQ(column[42], SetAliasCall("COMP(9)PRIORSALEPRICE", "36|4"));
  EXPECT_EQ(column[43],
            R"(CheckAlias("COMP(9)OVERALLCOMP", "37|7", "SUP", ["37|8", "EQUAL", "37|9", "INF"]))");
  EXPECT_EQ(calls[nine + 44], SetAliasCall("COMMENTSALESCOMPARETHREE", "39|1"));

  const std::ptrdiff_t four = IndexOf(calls, SetAliasCall("COMP(4)ADDRSTREET", "11|2"));
  ASSERT_GE(four, 0);
  EXPECT_EQ(calls[four + 43],
            R"(CheckAlias("COMP(4)OVERALLCOMP", "37|1", "SUP", ["37|2", "EQUAL", "37|3", "INF"]))");
  EXPECT_EQ(calls[four + 3 * 44], SetAliasCall("COMMENTSALESCOMPARETWO", "39|1"));
}

}  // namespace
}  // namespace ombrel
