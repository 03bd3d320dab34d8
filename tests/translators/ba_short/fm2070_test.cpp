// The 2070 condition and marketability translator's tables, checked through
// the calls they make on a recording engine: counts, section boundaries, the
// box groups, the checklist's box order, the licence selects and the addenda.
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

TEST(FM2070Test, MainTableOpensAndClosesAndWritesEachFieldOnce) {
  FM2070 translator;
  Calls calls = ba_testing::MainCalls(translator);
  EXPECT_TRUE(ba_testing::FieldsWrittenTwice(calls, "CMR").empty());

  ASSERT_GE(calls.size(), 5u);
  EXPECT_EQ(calls[0], "SetAlias(\"TITLE\", \"4|1\")");
  EXPECT_EQ(calls[1], "ProcessAppraiserInfo(1, 1, \"CMR\")");
  EXPECT_EQ(calls[2], "ProcessAppraiserInfo(2, 2, \"CMR\")");
  EXPECT_EQ(calls[3], "ProcessOffscrn()");
  EXPECT_EQ(calls[4], "SetAlias(\"PROPADDR\", \"9|1\")");
  EXPECT_EQ(calls.back(), "CheckAlias(\"INSPECTSUBJECTPROP\", \"78|3\", \"DID2\", [\"78|4\", "
                          "\"DID\", \"79|1\", \"DIDNOT\"])");
  for (const std::string& call : calls) {
    if (ba_testing::Member(call) == "ParseExtended") {
      EXPECT_NE(call.find(", True)"), std::string::npos) << call;
    }
  }
}

// Each row: the last call of one section and the first of the next.
TEST(FM2070Test, MainTableSectionsMeetInOrder) {
  const std::vector<std::pair<std::string, std::string>> boundaries = {
      {"ParseExtended(\"NBRHOODBOUNDARIES\", \"15|1\", True)",
       "SetAlias(\"LENDERCLIENT\", \"16|1\")"},
      {"ParseAddress(\"17|2\", \"APPRAISERCITY\", \"APPRAISERSTATEPROV\", \"APPRAISERZIP\", "
       "\"APPRAISERSTREET\", \"APPRAISERADDR\")",
       "CheckAlias(\"INTERIOREXTERIORINSPECT\", \"20|1\", \"ON\", [])"},
      {"ParseExtended(\"PROPCHAROTHERDESC\", \"21|6\", True)",
       "SetAlias(\"GENERALNUMSTORIES\", \"22|1\")"},
      {"SetAlias(\"VIEW\", \"32|1\")", "CheckAlias(\"CARSTORAGENONE\", \"24|2\", \"ON\", [])"},
      {"SetAlias(\"CONDOPARKINGNUMCARS\", \"26|2\")",
       "CheckAlias(\"LOCATION\", \"28|2\", \"URBAN\", [\"28|3\", \"SUBURBAN\", \"28|4\", "
       "\"RURAL\"])"},
      {"CheckAlias(\"ALLEYPUBPRIV\", \"32|7\", \"PUBLIC\", [\"32|8\", \"PRIVATE\"])",
       "SetAlias(\"SPECIFICZONING\", \"33|1\")"},
      {"ParseExtended(\"ZONINGDESC\", \"33|2\", True)",
       "CheckAlias(\"HABITABLEYRROUND\", \"35|1\", \"YES\", [\"35|2\", \"NO\"])"},
      {"CheckAlias(\"FEATURESUTILITIES\", \"60|8\", \"ON\", [])",
       "ParseExtended(\"COMMENTS\", \"62|1\", True)"},
      {"CheckAlias(\"SUMMARYADVERSEATYPICAL\", \"71|1\", \"ON\", [])",
       "SetAlias(\"APPRAISER\", \"75|1\")"},
      {"CheckAlias(\"APPRAISERINSPECT\", \"78|1\", \"INTERIOREXTERIOR\", [\"78|2\", "
       "\"EXTERIOR\"])",
       "SetAlias(\"SUPAPPRAISER\", \"75|2\")"},
  };
  FM2070 translator;
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
TEST(FM2070Test, MainTableArgumentsStandInTheirPlaces) {
  const std::vector<std::string> expected = {
      "ParseAddress(\"16|2\", \"LENDERCLIENTCITY\", \"LENDERCLIENTSTATEPROV\", "
      "\"LENDERCLIENTZIP\", \"LENDERCLIENTSTREET\", \"\")",
      "CheckAlias(\"CONDOPARKINGTYPE\", \"27|2\", \"NONE\", [\"27|3\", \"SURFACELOT\", \"27|4\", "
      "\"GARAGE\"])",
      "CheckAlias(\"CONDOPARKINGASSIGNEDOWNED\", \"27|5\", \"ASSIGNED\", [\"27|6\", \"OWNED\"])",
      "CheckAlias(\"ELECTRICPUBLIC\", \"30|2\", \"ON\", [\"30|3\", \"OFF\"])",
      "CheckAlias(\"GASPUBLIC\", \"32|2\", \"ON\", [\"32|3\", \"OFF\"])",
      "CheckAlias(\"WATERPUBLIC\", \"30|5\", \"ON\", [])",
      "CheckAlias(\"WATEROTHER\", \"30|6\", \"PRIVATE\", [])",
      "CheckAlias(\"STREETMAINTENPUBPRIV\", \"30|7\", \"PUBLIC\", [\"30|8\", \"PRIVATE\"])",
      "CheckAlias(\"HIGHESTBESTUSE\", \"51|1\", \"PRESENTUSE\", [\"51|2\", \"OTHER\"])",
      "CheckAlias(\"SUMMARYAPPRAISALPERFORM\", \"70|1\", \"ON\", [])",
      "SetAlias(\"SUPAPPRAISERDTPROPINSP\", \"76|3\")",
  };
  FM2070 translator;
  Calls calls = ba_testing::MainCalls(translator);
  for (const std::string& call : expected) {
    EXPECT_TRUE(ba_testing::Contains(calls, call)) << "missing: " << call;
  }
}

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
    supervisor.push_back(calls.back());
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
