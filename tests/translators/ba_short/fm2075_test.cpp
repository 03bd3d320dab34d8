// The 2075 exterior inspection translator's tables, checked through the calls
// they make on a recording engine: counts, section boundaries, the box groups,
// the two signature blocks' licence selects and the addenda.
#include "translators/ba_short/fm2075.h"

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

TEST(FM2075Test, MainTableOpensAndClosesAndWritesEachFieldOnce) {
  FM2075 translator;
  Calls calls = ba_testing::MainCalls(translator);
  EXPECT_TRUE(ba_testing::FieldsWrittenTwice(calls, "2075").empty());

  ASSERT_GE(calls.size(), 5u);
  EXPECT_EQ(calls[0], "SetAlias(\"TITLE\", \"3|1\")");
  EXPECT_EQ(calls[1], "ProcessAppraiserInfo(1, 1, \"2075\")");
  EXPECT_EQ(calls[2], "ProcessAppraiserInfo(2, 2, \"2075\")");
  EXPECT_EQ(calls[3], "ProcessOffscrn()");
  EXPECT_EQ(calls[4], "SetAlias(\"PROPADDR\", \"6|1\")");
  EXPECT_EQ(calls.back(),
            "CheckAlias(\"INSPECTSUBJECTPROP\", \"81|1\", \"DID\", [\"81|2\", \"DIDNOT\"])");
  for (const std::string& call : calls) {
    if (ba_testing::Member(call) == "ParseExtended") {
      EXPECT_NE(call.find(", True)"), std::string::npos) << call;
    }
  }
}

// Each row: the last call of one section and the first of the next.
TEST(FM2075Test, MainTableSectionsMeetInOrder) {
  const std::vector<std::pair<std::string, std::string>> boundaries = {
      {"SetAlias(\"CENSUSTRACT\", \"11|4\")",
       "CheckAlias(\"LOCATION\", \"12|1\", \"URBAN\", [\"12|2\", \"SUBURBAN\", \"12|3\", "
       "\"RURAL\"])"},
      {"SetAlias(\"CONDOAGEPREDOMINATE\", \"17|5\")",
       "CheckAlias(\"SITECONFORMNBRHOOD\", \"18|1\", \"YES\", [\"18|2\", \"NO\"])"},
      {"ParseExtended(\"HIGHESTBESTUSEDESC\", \"22|3\", True)",
       "CheckAlias(\"ELECTRICPUBLIC\", \"25|1\", \"ON\", [])"},
      {"ParseExtended(\"APPARENTCONDITIONSDESC\", \"29|3\", True)",
       "CheckAlias(\"EXTERIORINSPECT\", \"32|1\", \"ON\", [])"},
      {"ParseExtended(\"PROPCHAROTHERDESC\", \"33|5\", True)",
       "SetAlias(\"GENERALNUMSTORIES\", \"34|1\")"},
      {"ParseExtended(\"COMMENTADVERSECONDITIONS\", \"43|3\", True)",
       "SetAlias(\"APPRAISER\", \"72|1\")"},
      {"SetAlias(\"APPRAISERLICCERTEXPDT\", \"80|1\")", "SetAlias(\"SUPAPPRAISER\", \"72|2\")"},
  };
  FM2075 translator;
  Calls calls = ba_testing::MainCalls(translator);
  for (const auto& [last, first] : boundaries) {
    SCOPED_TRACE(first);
    std::ptrdiff_t at = ba_testing::IndexOf(calls, last);
    ASSERT_GE(at, 0) << "missing: " << last;
    ASSERT_LT(at + 1, static_cast<std::ptrdiff_t>(calls.size()));
    EXPECT_EQ(calls[at + 1], first);
  }
}

// The calls whose arguments the table's notation most easily turns round, and
// the values compared exactly, blanks, full stops and signs included.
TEST(FM2075Test, MainTableArgumentsStandInTheirPlaces) {
  const std::vector<std::string> expected = {
      "CheckAlias(\"CURRENTOCCUPANT\", \"9|3\", \"OWNER\", [\"9|4\", \"TENANT\", \"9|5\", "
      "\"VACANT\"])",
      "CheckAlias(\"BUILTUP\", \"13|1\", \"OVER 75%\", [\"13|2\", \"25-75%\", \"13|3\", \"UNDER "
      "25%\"])",
      "CheckAlias(\"DEMANDSUPPLY\", \"13|4\", \"SHORTAGE\", [\"13|5\", \"INBALANCE\", \"13|6\", "
      "\"OVERSUPPLY\"])",
      "CheckAlias(\"MARKETINGTIME\", \"14|4\", \"UNDER 3 MOS.\", [\"14|5\", \"3-6 MOS.\", "
      "\"14|6\", \"OVER 6 MOS.\"])",
      "SetAlias(\"CONDOAGELOW\", \"14|10\")",
      "CheckAlias(\"STREETPUBPRIV\", \"25|6\", \"PUBLIC\", [\"25|7\", \"PRIVATE\"])",
      "CheckAlias(\"ALLEYPUBPRIV\", \"26|6\", \"PUBLIC\", [\"26|7\", \"PRIVATE\"])",
      "CheckAlias(\"EXTERIORMANUFACTUREDHOUSE\", \"34|5\", \"YES\", [\"34|6\", \"NO\"])",
      "ParseAddress(\"75|1\", \"APPRAISERCITY\", \"APPRAISERSTATEPROV\", \"APPRAISERZIP\", \"\", "
      "\"\")",
      "ParseAddress(\"75|2\", \"SUPAPPRAISERCITY\", \"SUPAPPRAISERSTATEPROV\", "
      "\"SUPAPPRAISERZIP\", \"\", \"\")",
      "SetAlias(\"SUPSUPAPPRAISERDTSIGNED\", \"76|2\")",
  };
  FM2075 translator;
  Calls calls = ba_testing::MainCalls(translator);
  for (const std::string& call : expected) {
    EXPECT_TRUE(ba_testing::Contains(calls, call)) << "missing: " << call;
  }
}

// Both numbers are written before the select in any case; the select fills
// the state cell only, certificate first, with the ellipsis between.
TEST(FM2075Test, LicenceSelectsFillTheStateCells) {
  struct Case {
    int32_t licensing;
    std::string appraiserState, supervisorState;
  };
  const std::vector<Case> cases = {
      {-1, "SetAlias(\"APPRAISERLICSTATEPROV\", \"79|1\")",
       "SetAlias(\"SUPAPPRAISERLICSTATEPROV\", \"79|2\")"},
      {0, "SetAlias(\"APPRAISERCERTSTATEPROV\", \"79|1\")",
       "SetAlias(\"SUPAPPRAISERCERTSTATEPROV\", \"79|2\")"},
      {-2, "Compare(\"APPRAISERCERTSTATEPROV\", \"APPRAISERLICSTATEPROV\", \"79|1\", \"…\")",
       "Compare(\"SUPAPPRAISERCERTSTATEPROV\", \"SUPAPPRAISERLICSTATEPROV\", \"79|2\", \"…\")"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.licensing);
    FM2075 translator;
    Calls calls = ba_testing::MainCalls(translator, c.licensing);
    const Calls appraiser = {"SetAlias(\"APPRAISERSTATECERTNUM\", \"77|1\")",
                             "SetAlias(\"APPRAISERSTATELICNUM\", \"78|1\")", "Licensing(1)",
                             c.appraiserState, "SetAlias(\"APPRAISERLICCERTEXPDT\", \"80|1\")"};
    const Calls supervisor = {"SetAlias(\"SUPAPPRAISERSTATECERTNUM\", \"77|2\")",
                              "SetAlias(\"SUPAPPRAISERSTATELICNUM\", \"78|2\")", "Licensing(2)",
                              c.supervisorState,
                              "SetAlias(\"SUPAPPRAISERLICCERTEXPDT\", \"80|2\")"};
    EXPECT_EQ(ba_testing::Between(calls, appraiser.front(), appraiser.back()), appraiser);
    EXPECT_EQ(ba_testing::Between(calls, supervisor.front(), supervisor.back()), supervisor);
  }
}

TEST(FM2075Test, AddendaPlaceTwoCommentsThenPhotosSketchesAndMaps) {
  Calls expected = {"AddExtended(\"3|2\")", "AddExtended(\"84|1\")"};
  for (const Calls& group : {ba_testing::SubjectPhotoCalls(), ba_testing::GeneralPhotoCalls(6),
                             ba_testing::SketchAndMapCalls()}) {
    expected.insert(expected.end(), group.begin(), group.end());
  }
  FM2075 translator;
  EXPECT_EQ(ba_testing::AddendaCalls(translator), expected);
}

}  // namespace
}  // namespace ombrel
