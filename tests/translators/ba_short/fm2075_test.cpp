// The 2075 exterior inspection translator's tables, checked through the calls
// they make on a recording engine: counts, the two signature blocks' licence
// selects and the addenda.
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
