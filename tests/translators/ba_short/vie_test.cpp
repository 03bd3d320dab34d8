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

TEST(VIETest, MainTableOpensAndClosesAndWritesEachFieldOnce) {
  VIE translator;
  Calls calls = ba_testing::MainCalls(translator);
  EXPECT_TRUE(ba_testing::FieldsWrittenTwice(calls, "VIE").empty());

  ASSERT_GE(calls.size(), 4u);
  EXPECT_EQ(calls[0], "SetAlias(\"TITLE\", \"5|1\")");
  EXPECT_EQ(calls[1], "ProcessAppraiserInfo(1, 1, \"VIE\")");
  EXPECT_EQ(calls[2], "ProcessOffscrn()");
  EXPECT_EQ(calls[3], "SetAlias(\"CASE_NO\", \"2|1\")");
  EXPECT_EQ(calls.back(), "SetAlias(\"APPRAISERLICCERTEXPDT\", \"194|3\")");

  // A summary, not a grid: no comparable is read or numbered.
  for (const std::string& call : calls) {
    EXPECT_EQ(call.find("COMP("), std::string::npos) << call;
    EXPECT_NE(ba_testing::Member(call), "MapValue") << call;
  }
}

// The calls whose arguments the table's notation most easily turns round.
TEST(VIETest, MainTableArgumentsStandInTheirPlaces) {
  const std::vector<std::string> expected = {
      "CheckAlias(\"PROJTYPE\", \"23|1\", \"SFR\", [\"23|2\", \"PUD\", \"23|3\", \"CONDO\", "
      "\"23|5\", \"24FAMILY\", \"23|6\", \"OTHER\"])",
      "ParseAddress(\"25|2\", \"LENDERCLIENTCITY\", \"LENDERCLIENTSTATEPROV\", "
      "\"LENDERCLIENTZIP\", \"LENDERCLIENTSTREET\", \"\")",
      "ParseExtended(\"SPECIFICZONING\", \"27|1\", True)",
      "CheckAlias(\"DATAANALYSISTYPE\", \"29|1\", \"AVM\", [\"30|1\", \"MANUAL\"])",
      "SetAlias(\"COMPSALESTIMEPERIOD\", \"34|4\")",
      "ParseExtended(\"ANALYSISCURRENTAGREE\", \"46|1\", True)",
      "CheckAlias(\"SUBJECTTRANSFERREDLISTED\", \"50|1\", \"NO\", [\"51|1\", \"YES\"])",
      "CheckAlias(\"SUBJECTSOLDLISTED\", \"51|2\", \"SOLD\", [\"51|3\", \"LISTED\"])",
      "SetAlias(\"VALUEINEXCESSDT\", \"61|1\")",
      "Combine(\"193|1\", \",\", 1, [\"APPRAISALDISTRICTNAME\", \"APPRAISALDISTRICTNUM\"])",
  };
  VIE translator;
  Calls calls = ba_testing::MainCalls(translator);
  for (const std::string& call : expected) {
    EXPECT_TRUE(ba_testing::Contains(calls, call)) << "missing: " << call;
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
    ASSERT_GE(calls.size(), 4u);
    Calls expected = {"Licensing(1)"};
    expected.insert(expected.end(), c.arm.begin(), c.arm.end());
    expected.push_back("SetAlias(\"APPRAISERLICCERTEXPDT\", \"194|3\")");
    EXPECT_EQ(Calls(calls.end() - 4, calls.end()), expected);
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
