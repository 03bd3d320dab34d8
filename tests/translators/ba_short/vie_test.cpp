// The sales-summary valuation translator's tables, checked through the calls
// they make on a recording engine: counts, the boxes and joins, the three arms
// of the licence select and the headed comments.
#include "translators/ba_short/vie.h"

#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <string>
#include <vector>

#include "ba_trace.h"

namespace ombrel {
namespace {

using ba_testing::Calls;

// A summary, not a grid: no comparable is read or numbered.
TEST(VIETest, MainTableReadsNoComparable) {
  VIE translator;
  for (const std::string& call : ba_testing::MainCalls(translator)) {
    EXPECT_EQ(call.find("COMP("), std::string::npos) << call;
    EXPECT_NE(ba_testing::Member(call), "MapValue") << call;
  }
}

// One Licensing call; each arm writes the number cell, then the state cell,
// and the expiry date follows in every case.
TEST(VIETest, LicenceSelectArms) {
  struct Case {
    int32_t licensing;
    Calls arm;
  };
  const std::vector<Case> cases = {
      {-1,
       {"SetAlias(\"APPRAISERSTATELICNUM\", \"194|1\")",
        "SetAlias(\"APPRAISERLICSTATEPROV\", \"194|2\")"}},
      {0,
       {"SetAlias(\"APPRAISERSTATECERTNUM\", \"194|1\")",
        "SetAlias(\"APPRAISERCERTSTATEPROV\", \"194|2\")"}},
      {-2,
       {"Compare(\"APPRAISERSTATELICNUM\", \"APPRAISERSTATECERTNUM\", \"194|1\", \"/\")",
        "Compare(\"APPRAISERLICSTATEPROV\", \"APPRAISERCERTSTATEPROV\", \"194|2\", \"/\")"}},
      {5,
       {"Compare(\"APPRAISERSTATELICNUM\", \"APPRAISERSTATECERTNUM\", \"194|1\", \"/\")",
        "Compare(\"APPRAISERLICSTATEPROV\", \"APPRAISERCERTSTATEPROV\", \"194|2\", \"/\")"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.licensing);
    VIE translator;
    Calls calls = ba_testing::MainCalls(translator, c.licensing);
    Calls expected = {"Licensing(1)"};
    expected.insert(expected.end(), c.arm.begin(), c.arm.end());
    expected.push_back("SetAlias(\"APPRAISERLICCERTEXPDT\", \"194|3\")");
    EXPECT_EQ(ba_testing::Between(calls, expected.front(), expected.back()), expected);
  }
}

TEST(VIETest, AddendaPlaceTheFourHeadedComments) {
  VIE translator;
  EXPECT_EQ(ba_testing::AddendaCalls(translator),
            (Calls{"AddExtended(\"5|1\")", "AddExtended(\"23|6\")", "AddExtended(\"58|1\")",
                   "AddExtended(\"197|1\")"}));
}

}  // namespace
}  // namespace ombrel
