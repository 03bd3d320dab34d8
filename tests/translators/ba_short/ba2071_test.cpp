// The 2071 exterior inspection translator's tables, checked through the calls
// they make on a recording engine: counts, the checklist's box order, the
// licence select and the headed comments.
#include "translators/ba_short/ba2071.h"

#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <string>
#include <tuple>
#include <vector>

#include "ba_trace.h"

namespace ombrel {
namespace {

using ba_testing::Calls;

// One signer only: nothing of a supervisory appraiser is read.
TEST(BA2071Test, MainTableReadsNothingOfASupervisor) {
  BA2071 translator;
  for (const std::string& call : ba_testing::MainCalls(translator)) {
    EXPECT_EQ(call.find("SUPAPPRAISER"), std::string::npos) << call;
  }
}

// Every YES/NO question of the checklist, with the value its first box takes:
// a slip turns "NO"-first into "YES"-first and ticks the wrong box.
TEST(BA2071Test, ChecklistQuestionsTakeTheirBoxesInOrder) {
  const std::vector<std::tuple<std::string, int, std::string>> questions = {
      {"HABITABLEYRROUND", 19, "YES"},        {"ADEQUATEVIEW", 20, "YES"},
      {"EXTERIORMANUFACTUREDHOUSE", 22, "NO"}, {"FACTORMARKETCONDITIONS", 27, "NO"},
      {"FACTORSTREETSMAINTAINED", 30, "YES"}, {"FACTOROBSOLESCENCE", 31, "NO"},
      {"FACTORHAZARDOUSWASTE", 32, "NO"},     {"FACTORADVERSEEASEMENTS", 33, "NO"},
      {"FACTORLACKINGRESS", 34, "NO"},        {"FACTORPROPCONFORMZONE", 35, "YES"},
      {"FACTORRESUSAGE", 36, "YES"},          {"FACTORNEWCONSTRUCT", 37, "NO"},
      {"FACTORREMODELING", 38, "NO"},         {"FACTORREPAIRS", 39, "NO"},
      {"FACTORPESTINFESTATION", 40, "NO"},    {"FACTORPHYSICAL", 41, "NO"},
      {"FACTORFUNCTIONAL", 42, "NO"},         {"FACTORPROPFEATURES", 43, "NO"},
  };
  BA2071 translator;
  Calls calls = ba_testing::MainCalls(translator);
  int yesNo = 0;
  for (const std::string& call : calls) {
    if (call.find("[\"") != std::string::npos && call.find("\"NO\"") != std::string::npos) ++yesNo;
  }
  EXPECT_EQ(yesNo, static_cast<int>(questions.size()));
  for (const auto& [tag, line, first] : questions) {
    const std::string second = first == "YES" ? "NO" : "YES";
    const std::string l = std::to_string(line);
    const std::string call = "CheckAlias(" + ba_testing::Q(tag) + ", \"" + l + "|1\", \"" + first +
                             "\", [\"" + l + "|2\", \"" + second + "\"])";
    EXPECT_TRUE(ba_testing::Contains(calls, call)) << "missing: " << call;
  }
}

TEST(BA2071Test, LicenceSelectArms) {
  struct Case {
    int32_t licensing;
    Calls arm;
  };
  const std::vector<Case> cases = {
      {-1,
       {"SetAlias(\"APPRAISERSTATELICNUM\", \"75|1\")",
        "SetAlias(\"APPRAISERLICSTATEPROV\", \"75|2\")"}},
      {0,
       {"SetAlias(\"APPRAISERSTATECERTNUM\", \"75|1\")",
        "SetAlias(\"APPRAISERCERTSTATEPROV\", \"75|2\")"}},
      {-2,
       {"Compare(\"APPRAISERSTATELICNUM\", \"APPRAISERSTATECERTNUM\", \"75|1\", \"/\")",
        "Compare(\"APPRAISERLICSTATEPROV\", \"APPRAISERCERTSTATEPROV\", \"75|2\", \"/\")"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.licensing);
    BA2071 translator;
    Calls calls = ba_testing::MainCalls(translator, c.licensing);
    Calls expected = {"Licensing(1)"};
    expected.insert(expected.end(), c.arm.begin(), c.arm.end());
    EXPECT_EQ(ba_testing::Between(calls, expected.front(), expected.back()), expected);
  }
}

// Two headed comments and nothing else: no photos, sketches or maps.
TEST(BA2071Test, AddendaPlaceTheTwoHeadedComments) {
  BA2071 translator;
  EXPECT_EQ(ba_testing::AddendaCalls(translator),
            (Calls{"AddExtended(\"11|1\")", "AddExtended(\"77|1\")"}));
}

}  // namespace
}  // namespace ombrel
