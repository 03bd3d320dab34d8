// The 2070 condition and marketability translator's tables, checked through
// the calls they make on a recording engine: counts, the checklist's box
// order, the licence selects and the addenda.
#include "translators/ba_short/fm2070.h"

#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "ba_trace.h"

namespace ombrel {
namespace {

using ba_testing::Calls;

// Every YES/NO question of the checklist, with the value its first box takes.
TEST(FM2070Test, ChecklistQuestionsTakeTheirBoxesInOrder) {
  const std::vector<std::tuple<std::string, int, std::string>> questions = {
      {"HABITABLEYRROUND", 35, "YES"},        {"RESIDENTIALPROP", 36, "YES"},
      {"ADEQUATEVIEW", 37, "YES"},            {"FACTORSUFFICIENTINFO", 41, "YES"},
      {"FACTORMARKETCONDITIONS", 43, "NO"},   {"FACTORSTREETSMAINTAINED", 45, "YES"},
      {"FACTOROBSOLESCENCE", 46, "NO"},       {"FACTORHAZARDOUSWASTE", 47, "NO"},
      {"FACTORADVERSEEASEMENTS", 48, "NO"},   {"FACTORINGRESS", 49, "YES"},
      {"FACTORPROPCONFORMZONE", 50, "YES"},   {"EXTERIORMANUFACTUREDHOUSE", 52, "NO"},
      {"FACTORNEWCONSTRUCT", 53, "NO"},       {"FACTORREMODELING", 54, "NO"},
      {"FACTORREPAIRS", 55, "NO"},            {"FACTORPESTINFESTATION", 56, "NO"},
      {"FACTORPHYSICAL", 57, "NO"},           {"FACTORFUNCTIONAL", 58, "NO"},
      {"FACTORPROPFEATURES", 59, "NO"},
  };
  FM2070 translator;
  Calls calls = ba_testing::MainCalls(translator);
  for (const auto& [tag, line, first] : questions) {
    const std::string second = first == "YES" ? "NO" : "YES";
    const std::string l = std::to_string(line);
    const std::string call = "CheckAlias(" + ba_testing::Q(tag) + ", \"" + l + "|1\", \"" + first +
                             "\", [\"" + l + "|2\", \"" + second + "\"])";
    EXPECT_TRUE(ba_testing::Contains(calls, call)) << "missing: " << call;
  }
}

// Two selects, each with one Licensing call of its own and the certificate
// first, the number cell before the state cell.
TEST(FM2070Test, LicenceSelectArms) {
  struct Case {
    int32_t licensing;
    Calls appraiser, supervisor;
  };
  const std::vector<Case> cases = {
      {-1,
       {"SetAlias(\"APPRAISERSTATELICNUM\", \"77|1\")",
        "SetAlias(\"APPRAISERLICSTATEPROV\", \"77|2\")"},
       {"SetAlias(\"SUPAPPRAISERSTATELICNUM\", \"77|3\")",
        "SetAlias(\"SUPAPPRAISERLICSTATEPROV\", \"77|4\")"}},
      {0,
       {"SetAlias(\"APPRAISERSTATECERTNUM\", \"77|1\")",
        "SetAlias(\"APPRAISERCERTSTATEPROV\", \"77|2\")"},
       {"SetAlias(\"SUPAPPRAISERSTATECERTNUM\", \"77|3\")",
        "SetAlias(\"SUPAPPRAISERCERTSTATEPROV\", \"77|4\")"}},
      {-2,
       {"Compare(\"APPRAISERSTATECERTNUM\", \"APPRAISERSTATELICNUM\", \"77|1\", \"…\")",
        "Compare(\"APPRAISERCERTSTATEPROV\", \"APPRAISERLICSTATEPROV\", \"77|2\", \"…\")"},
       {"Compare(\"SUPAPPRAISERSTATECERTNUM\", \"SUPAPPRAISERSTATELICNUM\", \"77|3\", \"…\")",
        "Compare(\"SUPAPPRAISERCERTSTATEPROV\", \"SUPAPPRAISERLICSTATEPROV\", \"77|4\", \"…\")"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.licensing);
    FM2070 translator;
    Calls calls = ba_testing::MainCalls(translator, c.licensing);
    Calls appraiser = {"SetAlias(\"APPRAISERDTSIGNED\", \"76|2\")", "Licensing(1)"};
    appraiser.insert(appraiser.end(), c.appraiser.begin(), c.appraiser.end());
    appraiser.push_back(
        "CheckAlias(\"APPRAISERINSPECT\", \"78|1\", \"INTERIOREXTERIOR\", [\"78|2\", "
        "\"EXTERIOR\"])");
    Calls supervisor = {"SetAlias(\"SUPAPPRAISERDTSIGNED\", \"76|4\")", "Licensing(2)"};
    supervisor.insert(supervisor.end(), c.supervisor.begin(), c.supervisor.end());
    supervisor.push_back(
        "CheckAlias(\"INSPECTSUBJECTPROP\", \"78|3\", \"DID2\", [\"78|4\", \"DID\", \"79|1\", "
        "\"DIDNOT\"])");
    EXPECT_EQ(ba_testing::Between(calls, appraiser.front(), appraiser.back()), appraiser);
    EXPECT_EQ(ba_testing::Between(calls, supervisor.front(), supervisor.back()), supervisor);
  }
}

TEST(FM2070Test, AddendaPlaceFourCommentsThenPhotosSketchesAndMaps) {
  Calls expected = {"AddExtended(\"2|1\")", "AddExtended(\"26|1\")", "AddExtended(\"36|2\")",
                    "AddExtended(\"167|1\")"};
  for (const Calls& group : {ba_testing::SubjectPhotoCalls(), ba_testing::GeneralPhotoCalls(6),
                             ba_testing::SketchAndMapCalls()}) {
    expected.insert(expected.end(), group.begin(), group.end());
  }
  FM2070 translator;
  EXPECT_EQ(ba_testing::AddendaCalls(translator), expected);
}

}  // namespace
}  // namespace ombrel
