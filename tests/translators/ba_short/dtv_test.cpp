// The desktop valuation translator's tables, checked through the calls they
// make on a recording engine: counts, the subject column, the comparables
// template, the licence select and the headed comments.
#include "translators/ba_short/dtv.h"

#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "ba_trace.h"

namespace ombrel {
namespace {

using ba_testing::Calls;

// The calls of comparable k's column: from its MapValue, twelve calls.
Calls ComparableBlock(const Calls& calls, int k) {
  const std::string n = std::to_string(k);
  std::ptrdiff_t at = ba_testing::IndexOf(calls, "MapValue(\"COMP(" + n + ")NUM\", \"" + n + "\")");
  if (at < 0 || at + 12 > static_cast<std::ptrdiff_t>(calls.size())) return {};
  return Calls(calls.begin() + at, calls.begin() + at + 12);
}

TEST(DTVTest, SubjectColumnJoinsItsAddressAndRooms) {
  const Calls run = {
      "SetAlias(\"SUBJECTADDRSTREET\", \"38|1\")",
      "ParseAddress(\"39|1\", \"SUBJECTADDRCITY\", \"SUBJECTADDRSTATEPROV\", \"SUBJECTADDRZIP\", "
      "\"\", \"\")",
      "SetAlias(\"SUBJECTDATA\", \"40|1\")",
      "SetAlias(\"SUBJECTSALESPRICE\", \"41|1\")",
      "SetAlias(\"SUBJECTLIVINGSQFT\", \"43|1\")",
      "Combine(\"44|1\", \"/\", 0, [\"SUBJECTBEDROOMS\", \"SUBJECTBATH\"])",
  };
  DTV translator;
  EXPECT_EQ(ba_testing::Between(ba_testing::MainCalls(translator), run.front(), run.back()), run);
}

// Comparable 2's column whole, then rows of comparables 1 and 3 at the three
// shapes of line: after the subject, without a subject cell, after a label.
TEST(DTVTest, ComparableColumns) {
  const Calls second = {
      "MapValue(\"COMP(2)NUM\", \"2\")",
      "SetAlias(\"COMP(2)ADDRSTREET\", \"38|3\")",
      "ParseAddress(\"39|3\", \"COMP(2)ADDRCITY\", \"COMP(2)ADDRSTATEPROV\", \"COMP(2)ADDRZIP\", "
      "\"\", \"\")",
      "SetAlias(\"COMP(2)DATA\", \"40|3\")",
      "SetAlias(\"COMP(2)SALESPRICE\", \"41|3\")",
      "SetAlias(\"COMP(2)SALEDT\", \"42|2\")",
      "SetAlias(\"COMP(2)LIVINGSQFT\", \"43|3\")",
      "Combine(\"44|3\", \"/\", 0, [\"COMP(2)BEDROOMS\", \"COMP(2)BATH\"])",
      "SetAlias(\"COMP(2)AGEYRS\", \"45|3\")",
      "SetAlias(\"COMP(2)PARKING\", \"46|3\")",
      "SetAlias(\"COMP(2)UNLABELED\", \"47|4\")",
      "SetAlias(\"COMP(2)UNLABELEDTWO\", \"48|4\")",
  };
  DTV translator;
  Calls calls = ba_testing::MainCalls(translator);
  EXPECT_EQ(ComparableBlock(calls, 2), second);

  struct Case {
    int k;
    Calls rows;
  };
  const std::vector<Case> cases = {
      {1,
       {"SetAlias(\"COMP(1)ADDRSTREET\", \"38|2\")", "SetAlias(\"COMP(1)SALEDT\", \"42|1\")",
        "Combine(\"44|2\", \"/\", 0, [\"COMP(1)BEDROOMS\", \"COMP(1)BATH\"])",
        "SetAlias(\"COMP(1)UNLABELEDTWO\", \"48|3\")"}},
      {3,
       {"ParseAddress(\"39|4\", \"COMP(3)ADDRCITY\", \"COMP(3)ADDRSTATEPROV\", "
        "\"COMP(3)ADDRZIP\", \"\", \"\")",
        "SetAlias(\"COMP(3)SALEDT\", \"42|3\")", "SetAlias(\"COMP(3)PARKING\", \"46|4\")",
        "SetAlias(\"COMP(3)UNLABELED\", \"47|5\")"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE("comparable " + std::to_string(c.k));
    Calls block = ComparableBlock(calls, c.k);
    ASSERT_EQ(block.size(), 12u);
    for (const std::string& call : c.rows) {
      EXPECT_TRUE(ba_testing::Contains(block, call)) << "missing: " << call;
    }
    const std::string own = "COMP(" + std::to_string(c.k) + ")";
    for (const std::string& call : block) EXPECT_NE(call.find(own), std::string::npos) << call;
  }
}

TEST(DTVTest, LicenceSelectArms) {
  struct Case {
    int32_t licensing;
    Calls arm;
  };
  const std::vector<Case> cases = {
      {-1,
       {"SetAlias(\"APPRAISERSTATELICNUM\", \"207|1\")",
        "SetAlias(\"APPRAISERLICSTATEPROV\", \"207|2\")"}},
      {0,
       {"SetAlias(\"APPRAISERSTATECERTNUM\", \"207|1\")",
        "SetAlias(\"APPRAISERCERTSTATEPROV\", \"207|2\")"}},
      {-2,
       {"Compare(\"APPRAISERSTATELICNUM\", \"APPRAISERSTATECERTNUM\", \"207|1\", \"/\")",
        "Compare(\"APPRAISERLICSTATEPROV\", \"APPRAISERCERTSTATEPROV\", \"207|2\", \"/\")"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.licensing);
    DTV translator;
    Calls calls = ba_testing::MainCalls(translator, c.licensing);
    Calls expected = {"Licensing(1)"};
    expected.insert(expected.end(), c.arm.begin(), c.arm.end());
    expected.push_back("SetAlias(\"APPRAISERLICCERTEXPDT\", \"207|3\")");
    EXPECT_EQ(ba_testing::Between(calls, expected.front(), expected.back()), expected);
  }
}

TEST(DTVTest, AddendaPlaceTheThreeHeadedComments) {
  DTV translator;
  EXPECT_EQ(ba_testing::AddendaCalls(translator),
            (Calls{"AddExtended(\"2|1\")", "AddExtended(\"65|1\")", "AddExtended(\"215|1\")"}));
}

}  // namespace
}  // namespace ombrel
