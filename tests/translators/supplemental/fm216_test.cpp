// The operating income statement translator's table, checked through the
// calls it makes on a recording engine: the stated calls, each line item's
// type check directly before its cells, the utilities, the miscellaneous
// lines counted from 0 and the values written a second time.
#include "translators/supplemental/fm216.h"

#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>
#include <vector>

#include "supplemental_trace.h"

namespace ombrel {
namespace {

using namespace supplemental_testing;

// Every MapValue checks a type tag and is followed by the item's own cells,
// whose tags share the type tag's stem; the fifty expected values are the
// form's line names, four of them standing twice.
TEST(FM216Test, EachLineItemChecksItsTypeBeforeItsCells) {
  FM216 translator;
  Calls calls = MainCalls(translator);
  std::multiset<std::string> expectedValues;
  for (std::size_t i = 0; i < calls.size(); ++i) {
    if (testing::Member(calls[i]) != "MapValue") continue;
    SCOPED_TRACE(calls[i]);
    const std::size_t typeEnd = calls[i].find("TYPE\", \"");
    ASSERT_NE(typeEnd, std::string::npos);
    const std::string stem = calls[i].substr(10, typeEnd - 10);
    expectedValues.insert(calls[i].substr(typeEnd + 8, calls[i].size() - typeEnd - 10));
    ASSERT_LT(i + 1, calls.size());
    EXPECT_NE(testing::Member(calls[i + 1]), "MapValue");
    const std::string next = testing::Member(calls[i + 1]) + "(\"" + stem;
    EXPECT_EQ(calls[i + 1].rfind(next, 0), 0u) << calls[i + 1];
  }
  EXPECT_EQ(expectedValues.size(), 50u);
  for (const char* twice : {"GAS", "OIL", "WATERSEWER", "TRASH"}) {
    EXPECT_EQ(expectedValues.count(twice), 2u) << twice;
  }
  EXPECT_EQ(std::set<std::string>(expectedValues.begin(), expectedValues.end()).size(), 46u);
}

TEST(FM216Test, UtilitiesTickOwnerOrTenant) {
  FM216 translator;
  Calls calls = MainCalls(translator);
  const Calls run = {
      "SetAlias(\"MKTRENTSTOTRENTS\", \"18|2\")",
      "MapValue(\"RENTUTILSELECTTYPE\", \"ELECTRICITY\")",
      "CheckAlias(\"RENTUTILSELECT\", \"14|6\", \"OWNER\", [\"14|7\", \"TENANT\"])",
      "MapValue(\"RENTUTILSGASTYPE\", \"GAS\")",
      "CheckAlias(\"RENTUTILSGAS\", \"15|6\", \"OWNER\", [\"15|7\", \"TENANT\"])",
      "MapValue(\"RENTUTILSOILTYPE\", \"OIL\")",
      "CheckAlias(\"RENTUTILSOIL\", \"16|6\", \"OWNER\", [\"16|7\", \"TENANT\"])",
      "MapValue(\"RENTUTILSOTHERFUELTYPE\", \"OTHERFUEL\")",
      "CheckAlias(\"RENTUTILSOTHERFUEL\", \"17|6\", \"OWNER\", [\"17|7\", \"TENANT\"])",
      "MapValue(\"RENTUTILSWATERSEWERTYPE\", \"WATERSEWER\")",
      "CheckAlias(\"RENTUTILSWATERSEWER\", \"18|3\", \"OWNER\", [\"18|4\", \"TENANT\"])",
      "MapValue(\"RENTUTILSTRASHTYPE\", \"TRASH\")",
      "CheckAlias(\"RENTUTILSTRASH\", \"19|1\", \"OWNER\", [\"19|2\", \"TENANT\"])",
      "MapValue(\"IEPROJGROSSRENTALTYPE\", \"GROSSRENTAL\")",
  };
  EXPECT_EQ(Between(calls, run.front(), run.back()), run);
}

// The miscellaneous lines count from 0, and only the first has no description.
TEST(FM216Test, MiscellaneousLinesFromZero) {
  FM216 translator;
  Calls calls = MainCalls(translator);
  Calls run = {"MapValue(\"IEPROJMISC(0)TYPE\", \"MISC0\")", "SetAlias(\"IEPROJMISC(0)\", \"68|1\")"};
  for (int m = 1; m <= 8; ++m) {
    const std::string n = std::to_string(m);
    const std::string line = std::to_string(68 + m);
    run.push_back("MapValue(\"IEPROJMISC(" + n + ")TYPE\", \"MISC" + n + "\")");
    run.push_back("SetAlias(\"IEPROJMISC(" + n + ")DESC\", \"" + line + "|1\")");
    run.push_back("SetAlias(\"IEPROJMISC(" + n + ")\", \"" + line + "|2\")");
  }
  EXPECT_EQ(Between(calls, run.front(), run.back()), run);
}

// Reserves with four and five cells, then the summary with its three values
// taken again from the projection.
TEST(FM216Test, ReservesAndSummary) {
  FM216 translator;
  Calls calls = MainCalls(translator);
  const Calls runs[] = {
      {"SetAlias(\"FILENUM\", \"86|1\")", "MapValue(\"EQUIPSTOVETYPE\", \"STOVE\")",
       "SetAlias(\"EQUIPSTOVEREPCOST\", \"96|1\")", "SetAlias(\"EQUIPSTOVEREMLIFE\", \"96|2\")",
       "SetAlias(\"EQUIPSTOVENUMUNITS\", \"96|3\")", "SetAlias(\"EQUIPSTOVEAMT\", \"96|4\")",
       "MapValue(\"EQUIPFRIGTYPE\", \"FRIG\")"},
      {"MapValue(\"EQUIPOTHER(1)TYPE\", \"OTHER1EQUIP\")",
       "SetAlias(\"EQUIPOTHER(1)DESC\", \"103|1\")",
       "SetAlias(\"EQUIPOTHER(1)REPCOST\", \"103|2\")",
       "SetAlias(\"EQUIPOTHER(1)REMLIFE\", \"103|3\")",
       "SetAlias(\"EQUIPOTHER(1)NUMUNITS\", \"103|4\")",
       "SetAlias(\"EQUIPOTHER(1)AMT\", \"103|5\")", "MapValue(\"EQUIPROOFTYPE\", \"ROOF\")",
       "SetAlias(\"EQUIPROOFREPCOST\", \"105|1\")", "SetAlias(\"EQUIPROOFREMLIFE\", \"105|2\")",
       "SetAlias(\"EQUIPROOFAMT\", \"105|3\")", "MapValue(\"EQUIPCARPUNITSTYPE\", \"CARPUNITS\")",
       "SetAlias(\"EQUIPCARPUNITSSQYDS\", \"109|1\")"},
      {"SetAlias(\"EQUIPCARPPUBAMT\", \"110|4\")", "SetAlias(\"IEPROJREPRES\", \"112|1\")",
       "SetAlias(\"IEPROJEFFGROSS\", \"116|1\")", "SetAlias(\"IEPROJTOTALOPEX\", \"116|2\")",
       "MapValue(\"IEPROJOPERINCTYPE\", \"OPERINC\")", "SetAlias(\"IEPROJOPERINC\", \"116|3\")",
       "MapValue(\"IEPROJMONOPERINCTYPE\", \"MONOPERINC\")",
       "SetAlias(\"IEPROJMONOPERINC\", \"116|4\")",
       "MapValue(\"IEPROJMONOPERINC2TYPE\", \"MONOPERINC2\")",
       "SetAlias(\"IEPROJMONOPERINC2\", \"118|1\")",
       "MapValue(\"IEPROJMONHOUSEEXTYPE\", \"MONHOUSEEX\")",
       "SetAlias(\"IEPROJMONHOUSEEX\", \"118|2\")", "SetAlias(\"IEPROJNETCASH\", \"118|3\")",
       "SetAlias(\"COMMENTS\", \"143|1\")"},
  };
  for (const Calls& run : runs) {
    SCOPED_TRACE(run.front());
    EXPECT_EQ(Between(calls, run.front(), run.back()), run);
  }
}

// The type check gates nothing: on an order without any type values every
// item's cells are still offered, and the table stays the same.
TEST(FM216Test, MissingTypesGateNothing) {
  FM216 translator;
  Calls full = MainCalls(translator);
  Calls bare = MainCalls(translator, {{"IEPROJGAS", "120"}});
  EXPECT_EQ(bare, full);
}

}  // namespace
}  // namespace ombrel
