// The completion certificate translator's table, checked through the calls it
// makes on a recording engine: the stated calls, the argument places the
// notation turns round, the split signing date and the empty addenda.
#include "translators/supplemental/fm442.h"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "supplemental_trace.h"

namespace ombrel {
namespace {

using namespace supplemental_testing;

// The street is ParseAddress's fifth argument, the first pair of a box group
// its third and second; the checked answer writes no cell.
TEST(FM442Test, ArgumentsStandInTheirPlaces) {
  FM442 translator;
  Calls calls = MainCalls(translator);
  const Calls run = {
      "SetAlias(\"ORIGAPPRAISALDT\", \"11|1\")",
      "ParseAddress(\"13|1\", \"CITY\", \"STATEPROV\", \"ZIP\", \"PROPADDR\", \"\")",
      "SetAlias(\"LEGALDESC\", \"15|1\")",
      "SetAlias(\"COMMENTS\", \"17|1\")",
      "SetAlias(\"ORIGAPPRAISER\", \"19|1\")",
      "CheckAlias(\"APPRAISALMADE\", \"21|1\", \"SUBJECTTOCOMPLETION\", [\"21|2\", "
      "\"REPAIRSALTERATIONS\"])",
      "SetAlias(\"APPRAISALMADEOTHER\", \"21|3\")",
      "SetAlias(\"APPRAISALMADEOTHER2\", \"23|1\")",
      "MapValue(\"ITEMIZEDCHANGESAFFECT\", \"DONOT\")",
      "SetAlias(\"ITEMIZEDCHANGES\", \"31|1\")",
  };
  EXPECT_EQ(Between(calls, run.front(), run.back()), run);
}

TEST(FM442Test, SigningDateIsSplitIntoMonthDayAndYear) {
  struct Case {
    const char* name;
    std::map<std::string, std::string> values;
    Calls writes;
  };
  const std::vector<Case> cases = {
      {"a date",
       {{"APPRAISERDTSIGNED", "03/15/2024"}},
       {"WriteDirect(\"61|1\", \"March 15\")", "WriteDirect(\"61|2\", \"2024\")"}},
      {"no date",
       {{"APPRAISERDTSIGNED", "on completion"}},
       {"WriteDirect(\"61|1\", \"on completion\")"}},
      {"no value", {}, {"WriteDirect(\"61|1\", \"\")"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    FM442 translator;
    Calls calls = MainCalls(translator, c.values);
    Calls writes;
    for (const std::string& call : calls) {
      if (testing::Member(call) == "WriteDirect") writes.push_back(call);
    }
    EXPECT_EQ(writes, c.writes);
    // The date comes between the changes and the appraiser's name.
    std::ptrdiff_t read = testing::IndexOf(calls, "ReadDirect(\"APPRAISERDTSIGNED\")");
    ASSERT_GE(read, 1);
    EXPECT_EQ(calls[read - 1], "SetAlias(\"ITEMIZEDCHANGES\", \"31|1\")");
    EXPECT_EQ(calls.back(), "SetAlias(\"APPRAISER\", \"61|3\")");
  }
}

}  // namespace
}  // namespace ombrel
