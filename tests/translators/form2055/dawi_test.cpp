// DAWI's tables are FM2055's with the differences of the form "DAWI": each
// difference is applied to FM2055's trace here, and the result must be
// DAWI's trace exactly.
#include "translators/form2055/dawi.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>

#include "family_trace.h"
#include "translators/form2055/fm2055.h"

namespace ombrel {
namespace {

using namespace form2055_testing;

// Inserts calls right after the one call `after` of trace.
void InsertAfter(Calls& trace, const std::string& after, const Calls& calls) {
  const std::ptrdiff_t at = IndexOf(trace, after);
  ASSERT_GE(at, 0) << after;
  trace.insert(trace.begin() + at + 1, calls.begin(), calls.end());
}

void Replace(Calls& trace, const std::string& call, const std::string& by) {
  const std::ptrdiff_t at = IndexOf(trace, call);
  ASSERT_GE(at, 0) << call;
  trace[at] = by;
}

TEST(DAWI, MainTableIsFM2055sWithItsDifferences) {
  for (int32_t licensing : {-2, -1, 0, 1}) {
    SCOPED_TRACE(licensing);
    FM2055 fm2055;
    Calls expected = Renamed(MainCalls(fm2055, licensing), "DUQ", "DAWI");

    // No title.
    const std::ptrdiff_t title = IndexOf(expected, SetAliasCall("TITLE", "3|1"));
    ASSERT_GE(title, 0);
    expected.erase(expected.begin() + title);
    // The case and file numbers, three times.
    InsertAfter(expected, "ProcessOffscrn()",
                {SetAliasCall("CASE_NO", "3|2"), SetAliasCall("FILENUM", "4|1")});
    InsertAfter(expected, SetAliasCall("ESTMARKETVALUEDT", "82|2"),
                {SetAliasCall("CASE_NO", "86|2"), SetAliasCall("FILENUM", "87|1")});
    InsertAfter(expected, R"(ParseExtended("CONDOELEMRECREATIONAL", "110|1", True))",
                {SetAliasCall("CASE_NO", "170|2"), SetAliasCall("FILENUM", "171|1")});
    // A fourth choice of how the appraisal is made.
    Replace(expected,
            R"(CheckAlias("APPRAISALMADE", "79|1", "ASIS", ["79|2", "SUBJECTTOCOMPLETION", "80|1", "REPAIRSALTERATIONS"]))",
            R"(CheckAlias("APPRAISALMADE", "79|1", "ASIS", ["79|2", "SUBJECTTOCOMPLETION", "80|1", "NOINSPECTION", "80|2", "REPAIRSALTERATIONS"]))");
    Replace(expected, R"(ParseExtended("CONDITIONAPPRAISAL", "80|2", True))",
            R"(ParseExtended("CONDITIONAPPRAISAL", "80|3", True))");

    DAWI dawi;
    const Calls calls = MainCalls(dawi, licensing);
    EXPECT_EQ(calls, expected);
  }
}

TEST(DAWI, AddendaAreFM2055sWithItsOverflowForms) {
  FM2055 fm2055;
  DAWI dawi;
  const Calls expected =
      Renamed(Renamed(AddendaCalls(fm2055), "DUQCMP46", "DAWIC46"), "duqcmp79", "DAWIC79");
  const Calls calls = AddendaCalls(dawi);
  EXPECT_EQ(calls, expected);
  EXPECT_FALSE(Mentions(calls, "DUQ"));
}

}  // namespace
}  // namespace ombrel
