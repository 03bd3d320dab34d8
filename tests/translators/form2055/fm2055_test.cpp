// FM2055's two tables through the calls they make on a recording engine: the
// licence-state arms, the descriptions that go to the extended
// comments addendum and the comparables templates.
#include "translators/form2055/fm2055.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>

#include "family_trace.h"

namespace ombrel {
namespace {

using namespace form2055_testing;

// U+2026, the one-character ellipsis, spelt in bytes so that a source file
// saved in another encoding cannot pass unnoticed.
const std::string kEllipsis = "\xE2\x80\xA6";

TEST(FM2055Main, LicenceStateArms) {
  struct Case {
    int32_t licensing;
    std::string appraiser;
    std::string supervisor;
  };
  const std::string compareAppraiser = "Compare(\"APPRAISERCERTSTATEPROV\", "
                                       "\"APPRAISERLICSTATEPROV\", \"237|1\", \"" +
                                       kEllipsis + "\")";
  const std::string compareSupervisor = "Compare(\"SUPAPPRAISERCERTSTATEPROV\", "
                                        "\"SUPAPPRAISERLICSTATEPROV\", \"237|2\", \"" +
                                        kEllipsis + "\")";
  const Case cases[] = {
      {-1, SetAliasCall("APPRAISERLICSTATEPROV", "237|1"),
       SetAliasCall("SUPAPPRAISERLICSTATEPROV", "237|2")},
      {0, SetAliasCall("APPRAISERCERTSTATEPROV", "237|1"),
       SetAliasCall("SUPAPPRAISERCERTSTATEPROV", "237|2")},
      {-2, compareAppraiser, compareSupervisor},
      {1, compareAppraiser, compareSupervisor},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.licensing);
    FM2055 translator;
    const Calls calls = MainCalls(translator, c.licensing);
    const std::ptrdiff_t first = IndexOf(calls, "Licensing(1)");
    const std::ptrdiff_t second = IndexOf(calls, "Licensing(2)");
    ASSERT_GT(first, 0);
    ASSERT_GT(second, first);
    EXPECT_EQ(calls[first - 1], SetAliasCall("APPRAISERSTATELICNUM", "236|1"));
    EXPECT_EQ(calls[first + 1], c.appraiser);
    EXPECT_EQ(calls[first + 2], SetAliasCall("APPRAISERLICCERTEXPDT", "238|1"));
    EXPECT_EQ(calls[second - 1], SetAliasCall("SUPAPPRAISERSTATELICNUM", "236|2"));
    EXPECT_EQ(calls[second + 1], c.supervisor);
    EXPECT_EQ(calls[second + 2], SetAliasCall("SUPAPPRAISERLICCERTEXPDT", "238|2"));
  }
}

// Three descriptions go to the extended comments addendum, at the address of
// the box they explain; every other long text goes to the main form.
TEST(FM2055Main, OnlyThreeDescriptionsGoToTheExtendedComments) {
  FM2055 translator;
  Calls toAddendum;
  for (const std::string& call : MainCalls(translator)) {
    if (call.rfind("ParseExtended(", 0) == 0 && call.find("True)") == std::string::npos) {
      toAddendum.push_back(call);
    }
  }
  const Calls expected = {
      R"(ParseExtended("HIGHESTBESTUSEDESC", "23|2", False))",
      R"(ParseExtended("APPARENTCONDITIONSDESC", "27|1", False))",
      R"(ParseExtended("PROPCONFORMNBRHOODDESC", "31|2", False))",
  };
  EXPECT_EQ(toAddendum, expected);
}

TEST(FM2055Main, ComparablesOneToThreeFollowTheTemplate) {
  FM2055 translator;
  const Calls calls = MainCalls(translator);
  for (int n = 1; n <= 3; ++n) {
    SCOPED_TRACE(n);
    const std::ptrdiff_t start = IndexOf(calls, "MapValue(" + Q(Comp(n, "NUM")) + ", " +
                                                    Q(std::to_string(n)) + ")");
    ASSERT_GE(start, 0);
    const Calls column(calls.begin() + start, calls.begin() + start + 48);
    EXPECT_EQ(column[1], SetAliasCall(Comp(n, "ADDRSTREET"), Addr(41, n + 1)));
    EXPECT_EQ(column[2], "ParseAddress(" + Q(Addr(42, n + 1)) + ", " + Q(Comp(n, "ADDRCITY")) +
                             ", " + Q(Comp(n, "ADDRSTATEPROV")) + ", " + Q(Comp(n, "ADDRZIP")) +
                             ", \"\", \"\")");
    EXPECT_EQ(column[3], SetAliasCall(Comp(n, "PROXIMITY"), Addr(43, n)));
    EXPECT_EQ(column[6], "Combine(" + Q(Addr(46, n)) + ", \" / \", 0, [" +
                             Q(Comp(n, "DATA")) + ", " + Q(Comp(n, "VERIFICATION")) + "])");
    EXPECT_EQ(column[7], SetAliasCall(Comp(n, "SCONCESSION"), Addr(48, 2 * n - 1)));
    EXPECT_EQ(column[13], SetAliasCall(Comp(n, "LOCATION"), Addr(51, 2 * n)));
    EXPECT_EQ(column[25], SetAliasCall(Comp(n, "ROOMTOT"), Addr(58, 4 * n)));
    EXPECT_EQ(column[28], SetAliasCall(Comp(n, "ABOVEGRADEADJ"), Addr(58, 4 * n + 3)));
    EXPECT_EQ(column[37], SetAliasCall(Comp(n, "UNLABELED"), Addr(63, 2 * n + 1)));
    EXPECT_EQ(column[41], "CheckAlias(" + Q(Comp(n, "NETADJUSTPOSNEG")) + ", " +
                              Q(Addr(65, 3 * n - 2)) + ", \"POSITIVE\", [" +
                              Q(Addr(65, 3 * n - 1)) + ", \"NEGATIVE\"])");
    EXPECT_EQ(column[42], SetAliasCall(Comp(n, "NETADJUSTTOT"), Addr(65, 3 * n)));
    EXPECT_EQ(column[43], SetAliasCall(Comp(n, "ADJUSTSALESGROSS"), Addr(66, n)));
    EXPECT_EQ(column[47], SetAliasCall(Comp(n, "PRIORSALEPRICE"), Addr(69, n + 1)));
    // Every call of the column is the comparable's own.
    for (std::size_t i = 0; i < column.size(); ++i) {
      EXPECT_NE(column[i].find(Comp(n, "")), std::string::npos) << column[i];
    }
  }
}

TEST(FM2055Addenda, CallCountsWithEveryComparable) {
  FM2055 translator;
  const Calls calls = AddendaCalls(translator);
  // Photos, sketches and maps: 3 subject, 9 comparable, 6 general, 5 rows.
  const std::pair<const char*, std::size_t> counts[] = {
      {"AddExtended", 4}, {"SetForm", 3},   {"ReadDirect", 2},  {"SetAlias", 274},
      {"ParseAddress", 7}, {"MapValue", 6}, {"Combine", 6},     {"CheckAlias", 6},
      {"SetPhoto", 23},
  };
  std::size_t total = 0;
  for (const auto& [member, count] : counts) {
    SCOPED_TRACE(member);
    EXPECT_EQ(CountMember(calls, member), count);
    total += count;
  }
  EXPECT_EQ(calls.size(), total);
}

TEST(FM2055Addenda, CommentMarksAndReportProfile) {
  FM2055 translator;
  const Calls calls = AddendaCalls(translator);
  const Calls expected = {
      R"(AddExtended("3|2"))",
      R"(AddExtended("96|1"))",
      R"(AddExtended("109|1"))",
      R"(AddExtended("252|1"))",
      R"(SetForm("offscrn"))",
      R"(SetAlias("BORROWER", "6|1"))",
      R"(SetAlias("PROPADDR", "7|1"))",
      R"(SetAlias("CITY", "8|1"))",
      R"(SetAlias("COUNTY", "8|2"))",
      R"(SetAlias("STATEPROV", "8|3"))",
      R"(SetAlias("ZIP", "8|4"))",
      R"(SetAlias("LENDERCLIENTSTREET", "15|1"))",
      R"(ParseAddress("16|1", "LENDERCLIENTCITY", "LENDERCLIENTSTATEPROV", "BOGON", "", ""))",
      R"(SetAlias("LENDERCLIENTZIP", "17|1"))",
      R"(ReadDirect("COMP(4)ADDRSTREET"))",
      R"(SetForm("DUQCMP46"))",
  };
  ASSERT_GE(calls.size(), expected.size());
  EXPECT_EQ(Calls(calls.begin(), calls.begin() + expected.size()), expected);
}

// Comparable k of an overflow form: the main form's grid 30 lines up in the
// comparable's column, its street first.
TEST(FM2055Addenda, OverflowComparablesFollowTheTemplate) {
  FM2055 translator;
  const Calls calls = AddendaCalls(translator);
  for (int n = 4; n <= 9; ++n) {
    SCOPED_TRACE(n);
    const int k = (n - 1) % 3 + 1;
    const std::ptrdiff_t start = IndexOf(calls, SetAliasCall(Comp(n, "ADDRSTREET"), Addr(11, k + 1)));
    ASSERT_GE(start, 0);
    ASSERT_LE(start + 48, static_cast<std::ptrdiff_t>(calls.size()));
    const Calls column(calls.begin() + start, calls.begin() + start + 48);
    EXPECT_EQ(column[1], "MapValue(" + Q(Comp(n, "NUM")) + ", " + Q(std::to_string(n)) + ")");
    EXPECT_EQ(column[3], SetAliasCall(Comp(n, "PROXIMITY"), Addr(13, k)));
    EXPECT_EQ(column[25], SetAliasCall(Comp(n, "ROOMTOT"), Addr(28, 4 * k)));
    EXPECT_EQ(column[27], SetAliasCall(Comp(n, "BATH"), Addr(28, 4 * k + 2)));
    EXPECT_EQ(column[41], "CheckAlias(" + Q(Comp(n, "NETADJUSTPOSNEG")) + ", " +
                              Q(Addr(35, 3 * k - 2)) + ", \"POSITIVE\", [" +
                              Q(Addr(35, 3 * k - 1)) + ", \"NEGATIVE\"])");
    EXPECT_EQ(column[43], SetAliasCall(Comp(n, "ADJUSTSALESGROSS"), Addr(36, k)));
    EXPECT_EQ(column[47], SetAliasCall(Comp(n, "PRIORSALEPRICE"), Addr(39, k + 1)));
  }
  const std::ptrdiff_t six = IndexOf(calls, SetAliasCall("COMP(6)PRIORSALEPRICE", "39|4"));
  const std::ptrdiff_t nine = IndexOf(calls, SetAliasCall("COMP(9)PRIORSALEPRICE", "39|4"));
  ASSERT_GE(six, 0);
  ASSERT_GE(nine, 0);
  EXPECT_EQ(calls[six + 1], SetAliasCall("COMMENTSALESCOMPARETWO", "40|1"));
  EXPECT_EQ(calls[six + 2], R"(ReadDirect("COMP(7)ADDRSTREET"))");
  EXPECT_EQ(calls[six + 3], R"(SetForm("duqcmp79"))");
  EXPECT_EQ(calls[nine + 1], SetAliasCall("COMMENTSALESCOMPARETHREE", "40|1"));
  EXPECT_EQ(calls[nine + 2], R"(SetPhoto("SUBJECTFRONTVIEW", "SUB_1_3X5"))");
}

}  // namespace
}  // namespace ombrel
