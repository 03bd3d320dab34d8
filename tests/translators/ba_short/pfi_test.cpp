// The property inspection translator's tables, checked through the calls they
// make on a recording engine: counts, section boundaries, the box groups and
// the addenda with their photos, sketches and maps.
#include "translators/ba_short/pfi.h"

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

TEST(PFITest, MainTableOpensAndClosesAndWritesEachFieldOnce) {
  PFI translator;
  Calls calls = ba_testing::MainCalls(translator);
  EXPECT_TRUE(ba_testing::FieldsWrittenTwice(calls, "PFI").empty());

  ASSERT_GE(calls.size(), 3u);
  EXPECT_EQ(calls[0], "ProcessAppraiserInfo(1, 1, \"PFI\")");
  EXPECT_EQ(calls[1], "ProcessOffscrn()");
  EXPECT_EQ(calls[2], "SetAlias(\"CASE_NO\", \"2|1\")");
  EXPECT_EQ(calls.back(), "SetAlias(\"APPRAISALDISTRICTNUM\", \"59|2\")");
}

// Each row: the last call of one section and the first of the next, which
// must follow it directly.
TEST(PFITest, MainTableSectionsMeetInOrder) {
  const std::vector<std::pair<std::string, std::string>> boundaries = {
      {"SetAlias(\"UNITNUM\", \"19|1\")",
       "CheckAlias(\"SUBJECTOCCUPIED\", \"23|1\", \"YES\", [\"23|2\", \"NO\", \"23|3\", "
       "\"UNCLEAR\"])"},
      {"CheckAlias(\"GENERALCONDITION\", \"31|1\", \"BETTER\", [\"31|2\", \"SAME\", \"31|3\", "
       "\"WORSE\"])",
       "CheckAlias(\"COMMENTADVERSECONDYESNO\", \"35|1\", \"YES\", [\"35|2\", \"NO\"])"},
      {"ParseExtended(\"COMMENTVALIMPACTCONDITIONS\", \"44|1\", True)",
       "SetAlias(\"APPRAISERDTSIGNED\", \"55|2\")"},
  };
  PFI translator;
  Calls calls = ba_testing::MainCalls(translator);
  for (const auto& [last, first] : boundaries) {
    SCOPED_TRACE(first);
    std::ptrdiff_t at = ba_testing::IndexOf(calls, last);
    ASSERT_GE(at, 0) << "missing: " << last;
    ASSERT_LT(at + 1, static_cast<std::ptrdiff_t>(calls.size()));
    EXPECT_EQ(calls[at + 1], first);
  }
}

// The calls whose arguments the table's notation most easily turns round.
TEST(PFITest, MainTableArgumentsStandInTheirPlaces) {
  const std::vector<std::string> expected = {
      "SetAlias(\"CASENUM\", \"9|1\")",
      "SetAlias(\"FORECLOSESPOUTSIDEFAX\", \"18|2\")",
      "CheckAlias(\"EXTSUBJECTCONDITION\", \"27|1\", \"GOOD\", [\"27|2\", \"FAIR\", \"27|3\", "
      "\"POOR\"])",
      "CheckAlias(\"COMMENTSAFETYCONDYESNO\", \"39|1\", \"YES\", [\"39|2\", \"NO\"])",
      "ParseExtended(\"COMMENTSAFETYCONDITIONS\", \"40|1\", True)",
      "CheckAlias(\"COMMENTVALIMPACTCONDYESNO\", \"43|1\", \"YES\", [\"43|2\", \"NO\"])",
      "SetAlias(\"APPRAISALDISTRICTNAME\", \"59|1\")",
  };
  PFI translator;
  Calls calls = ba_testing::MainCalls(translator);
  for (const std::string& call : expected) {
    EXPECT_TRUE(ba_testing::Contains(calls, call)) << "missing: " << call;
  }
  for (const std::string& call : calls) {
    if (ba_testing::Member(call) == "ParseExtended") {
      EXPECT_NE(call.find(", True)"), std::string::npos) << call;
    }
  }
}

// The two headed comments come first, while "PFI" is current; the photos,
// sketches and maps follow on the same form.
TEST(PFITest, AddendaPlaceTwoCommentsThenPhotosSketchesAndMaps) {
  Calls expected = {"AddExtended(\"1|1\")", "AddExtended(\"66|1\")"};
  for (const Calls& group : {ba_testing::SubjectPhotoCalls(), ba_testing::SketchAndMapCalls()}) {
    expected.insert(expected.end(), group.begin(), group.end());
  }
  PFI translator;
  EXPECT_EQ(ba_testing::AddendaCalls(translator), expected);
}

}  // namespace
}  // namespace ombrel
