// The condominium project translator's table, checked through the calls it
// makes on a recording engine: the stated calls, the unit template on its
// eight lines and the signing dates.
#include "translators/supplemental/cna.h"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "supplemental_trace.h"

namespace ombrel {
namespace {

using namespace supplemental_testing;

// Unit type n on line 89 + n, its calls written out for three of the eight.
TEST(CNATest, UnitTemplateOnItsLine) {
  auto unit = [](int n) {
    const std::string u = "UNIT(" + std::to_string(n) + ")";
    const std::string l = std::to_string(89 + n) + "|";
    Calls block = {"MapValue(\"" + u + "NUM\", \"" + std::to_string(n) + "\")",
                   "Combine(\"" + l + "1\", \" \", 0, [\"" + u + "ROOMTOT\", \"" + u +
                       "BEDROOMS\", \"" + u + "BATH\"])"};
    const char* suffixes[] = {"LIVINGSQFT",   "PRICELOW",      "PRICEHIGH",
                              "PRICESQFTLOW", "PRICESQFTHIGH", "MOASSOCDUES",
                              "NUMPLANNED",   "NUMSOLD",       "NUMCOMPLETED"};
    int field = 2;
    for (const char* suffix : suffixes) {
      block.push_back("SetAlias(\"" + u + suffix + "\", \"" + l + std::to_string(field++) + "\")");
    }
    return block;
  };
  // Unit type 3 as a reader checks it against the form: no arithmetic.
  const Calls unit3 = {
      "MapValue(\"UNIT(3)NUM\", \"3\")",
      "Combine(\"92|1\", \" \", 0, [\"UNIT(3)ROOMTOT\", \"UNIT(3)BEDROOMS\", \"UNIT(3)BATH\"])",
      "SetAlias(\"UNIT(3)LIVINGSQFT\", \"92|2\")",
      "SetAlias(\"UNIT(3)PRICELOW\", \"92|3\")",
      "SetAlias(\"UNIT(3)PRICEHIGH\", \"92|4\")",
      "SetAlias(\"UNIT(3)PRICESQFTLOW\", \"92|5\")",
      "SetAlias(\"UNIT(3)PRICESQFTHIGH\", \"92|6\")",
      "SetAlias(\"UNIT(3)MOASSOCDUES\", \"92|7\")",
      "SetAlias(\"UNIT(3)NUMPLANNED\", \"92|8\")",
      "SetAlias(\"UNIT(3)NUMSOLD\", \"92|9\")",
      "SetAlias(\"UNIT(3)NUMCOMPLETED\", \"92|10\")",
  };
  EXPECT_EQ(unit(3), unit3);

  // Every unit type runs whole, even on an order without any unit values.
  for (bool empty : {false, true}) {
    CNA translator;
    Calls calls = empty ? MainCalls(translator, testing::Values{}) : MainCalls(translator);
    for (int n = 1; n <= 8; ++n) {
      SCOPED_TRACE("unit type " + std::to_string(n) + (empty ? " on an empty order" : ""));
      Calls expected = unit(n);
      EXPECT_EQ(Between(calls, expected.front(), expected.back()), expected);
    }
  }
}

TEST(CNATest, SigningDateIsSplitOnThreeLines) {
  CNA translator;
  Calls calls = MainCalls(translator, {{"APPRAISERDTSIGNED", "11/02/2023"}});
  Calls writes;
  for (const std::string& call : calls) {
    if (testing::Member(call) == "WriteDirect") writes.push_back(call);
  }
  const Calls expected = {
      "WriteDirect(\"40|1\", \"November 2\")",  "WriteDirect(\"40|2\", \"2023\")",
      "WriteDirect(\"137|1\", \"November 2\")", "WriteDirect(\"137|2\", \"2023\")",
      "WriteDirect(\"165|1\", \"November 2\")", "WriteDirect(\"165|2\", \"2023\")",
  };
  EXPECT_EQ(writes, expected);
}

}  // namespace
}  // namespace ombrel
