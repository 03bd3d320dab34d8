// The completion certificate translator's table, checked through the calls it
// makes on a recording engine: the split signing date on orders holding a
// date, another text or nothing.
#include "translators/supplemental/fm442.h"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "supplemental_trace.h"

namespace ombrel {
namespace {

using namespace supplemental_testing;

// The signing date is read and written back split, or whole when it is no
// date: what the order holds decides the writes, which the traces of a full
// order cannot show.
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
  }
}

}  // namespace
}  // namespace ombrel
