// The valuation-conditions translator's table, checked through the calls it
// makes on a recording engine: the stated calls, the shape of each condition
// item, the rows between the items and the 32 described conditions.
#include "translators/supplemental/fhavc.h"

#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>
#include <vector>

#include "supplemental_trace.h"
#include "support/written_addresses.h"

namespace ombrel {
namespace {

using namespace supplemental_testing;

// Each item is its type check and then its box group: "YES" first, and for
// items 13 to 85 "NO" in the next field of the same line; the first twelve
// have "YES" only.
TEST(FHAVCTest, EveryConditionItemHasItsShape) {
  FHAVC translator;
  Calls calls = MainCalls(translator);
  std::set<std::string> expectedValues;
  int items = 0;
  for (std::size_t i = 0; i < calls.size(); ++i) {
    if (testing::Member(calls[i]) != "CheckAlias") continue;
    ++items;
    SCOPED_TRACE(calls[i]);
    const std::size_t tagEnd = calls[i].find('"', 12);
    const std::string tag = calls[i].substr(12, tagEnd - 12);
    ASSERT_GE(i, 1u);
    const std::string check = calls[i - 1];
    const std::string head = "MapValue(\"" + tag + "TYPE\", \"";
    ASSERT_EQ(check.rfind(head, 0), 0u) << check;
    expectedValues.insert(check.substr(head.size(), check.size() - head.size() - 2));

    const std::vector<std::string> boxes = testing::WrittenAddresses(calls[i]);
    const std::size_t bar = boxes.at(0).find('|');
    const std::string line = boxes[0].substr(0, bar);
    const int yes = std::stoi(boxes[0].substr(bar + 1));
    if (items <= 12) {
      EXPECT_EQ(calls[i], "CheckAlias(\"" + tag + "\", \"" + boxes[0] + "\", \"YES\", [])");
    } else {
      EXPECT_EQ(calls[i], "CheckAlias(\"" + tag + "\", \"" + boxes[0] + "\", \"YES\", [\"" + line +
                              "|" + std::to_string(yes + 1) + "\", \"NO\"])");
    }
  }
  EXPECT_EQ(items, 85);
  EXPECT_EQ(expectedValues.size(), 85u);  // all different
}

// Items written out where the table's columns are easiest to misread.
TEST(FHAVCTest, ConditionItemsAtTheirCells) {
  const std::vector<Calls> items = {
      {"MapValue(\"SINKHOLEHAZARDTYPE\", \"SINKHOLE\")",
       "CheckAlias(\"SINKHOLEHAZARD\", \"32|1\", \"YES\", [])"},
      {"MapValue(\"EXPLOSIVEHAZARDTYPE\", \"EXPLOSIVE\")",
       "CheckAlias(\"EXPLOSIVEHAZARD\", \"63|1\", \"YES\", [])"},
      {"MapValue(\"FAILEDSEPTICSOILCONTTYPE\", \"SEPTIC\")",
       "CheckAlias(\"FAILEDSEPTICSOILCONT\", \"24|1\", \"YES\", [\"24|2\", \"NO\"])"},
      {"MapValue(\"POOLSOILCONTTYPE\", \"POOLS\")",
       "CheckAlias(\"POOLSOILCONT\", \"35|2\", \"YES\", [\"35|3\", \"NO\"])"},
      {"MapValue(\"NOPOSITIVEDRAINAGETOPTYPE\", \"DRAINGAGE\")",
       "CheckAlias(\"NOPOSITIVEDRAINAGETOP\", \"42|1\", \"YES\", [\"42|2\", \"NO\"])"},
      {"MapValue(\"BASEMENTEROSIONTYPE\", \"BASEMENTEROSION\")",
       "CheckAlias(\"BASEMENTEROSION\", \"95|1\", \"YES\", [\"95|2\", \"NO\"])"},
      {"MapValue(\"CRAWLBEAMSTYPE\", \"CRAWLBEAMS\")",
       "CheckAlias(\"CRAWLBEAMS\", \"103|3\", \"YES\", [\"103|4\", \"NO\"])"},
      {"MapValue(\"LEAKDMGPLMBTYPE\", \"LEAKDAMAGE\")",
       "CheckAlias(\"LEAKDMGPLMB\", \"205|1\", \"YES\", [\"205|2\", \"NO\"])"},
      {"MapValue(\"INTERIORLEADPAINTTYPE\", \"INTERIOR\")",
       "CheckAlias(\"INTERIORLEADPAINT\", \"183|3\", \"YES\", [\"183|4\", \"NO\"])"},
      {"MapValue(\"OWNEROCCUPANCYSTANDARDSTYPE\", \"OWNEROCCUPANCYSTANDARDS\")",
       "CheckAlias(\"OWNEROCCUPANCYSTANDARDS\", \"200|3\", \"YES\", [\"200|4\", \"NO\"])"},
  };
  FHAVC translator;
  Calls calls = MainCalls(translator);
  for (const Calls& item : items) {
    SCOPED_TRACE(item.front());
    EXPECT_EQ(Between(calls, item.front(), item.back()), item);
  }
}

// The plain rows stand between the right items.
TEST(FHAVCTest, PlainRowsBetweenTheItems) {
  const Calls runs[] = {
      {"SetAlias(\"FILENUM\", \"6|1\")", "MapValue(\"SINKHOLEHAZARDTYPE\", \"SINKHOLE\")"},
      {"CheckAlias(\"TERMITEWOODINFEST\", \"71|1\", \"YES\", [\"71|2\", \"NO\"])",
       "SetAlias(\"CASE_NO\", \"89|1\")", "SetAlias(\"FILENUM\", \"90|1\")",
       "MapValue(\"NOACCESSROADTYPE\", \"NOACCESS\")"},
      {"CheckAlias(\"BADSURFACEROAD\", \"103|1\", \"YES\", [\"103|2\", \"NO\"])",
       "SetAlias(\"ACCESSROADNAME\", \"106|1\")", "SetAlias(\"ACCESSROADCOND\", \"116|1\")",
       "MapValue(\"FLOORCRACKSTYPE\", \"FLOORCRACKS\")"},
      {"CheckAlias(\"NOISESAC\", \"159|1\", \"YES\", [\"159|2\", \"NO\"])",
       "SetAlias(\"CASE_NO\", \"173|1\")", "SetAlias(\"FILENUM\", \"174|1\")",
       "MapValue(\"SMELLACTYPE\", \"SMELLAC\")"},
      {"CheckAlias(\"EXTERIORLEADPAINT\", \"185|1\", \"YES\", [\"185|2\", \"NO\"])",
       "SetAlias(\"YRBUILT\", \"186|1\")",
       "MapValue(\"FHAAPPROVALLISTTYPE\", \"FHAAPPROVALLIST\")"},
      {"CheckAlias(\"COMPLETIONSTANDARDS\", \"203|1\", \"YES\", [\"203|2\", \"NO\"])",
       "SetAlias(\"ESTMARKETVALUE\", \"212|1\")", "SetAlias(\"ESTREPAIRCOSTS\", \"217|1\")",
       "SetAlias(\"CASE_NO\", \"257|1\")", "SetAlias(\"FILENUM\", \"258|1\")",
       "MapValue(\"VCDESC(1)NUM\", \"1\")"},
  };
  FHAVC translator;
  Calls calls = MainCalls(translator);
  for (const Calls& run : runs) {
    SCOPED_TRACE(run.front());
    EXPECT_EQ(Between(calls, run.front(), run.back()), run);
  }
}

// Described condition n on line 264 + 2n, all four calls whatever the order
// holds, so a missing description leaves its line empty and nothing moves up.
TEST(FHAVCTest, DescribedConditionsKeepTheirLines) {
  auto description = [](int n) {
    const std::string d = "VCDESC(" + std::to_string(n) + ")";
    const std::string line = std::to_string(264 + 2 * n);
    return Calls{"MapValue(\"" + d + "NUM\", \"" + std::to_string(n) + "\")",
                 "SetAlias(\"" + d + "VCNUM\", \"" + line + "|1\")",
                 "SetAlias(\"" + d + "SECTION\", \"" + line + "|2\")",
                 "SetAlias(\"" + d + "COMMENT\", \"" + line + "|3\")"};
  };
  EXPECT_EQ(description(1),
            (Calls{"MapValue(\"VCDESC(1)NUM\", \"1\")", "SetAlias(\"VCDESC(1)VCNUM\", \"266|1\")",
                   "SetAlias(\"VCDESC(1)SECTION\", \"266|2\")",
                   "SetAlias(\"VCDESC(1)COMMENT\", \"266|3\")"}));
  for (bool sparse : {false, true}) {
    FHAVC translator;
    Calls calls = sparse ? MainCalls(translator, {{"VCDESC(3)COMMENT", "Peeling paint"}})
                         : MainCalls(translator);
    const std::ptrdiff_t first = testing::IndexOf(calls, "MapValue(\"VCDESC(1)NUM\", \"1\")");
    ASSERT_GE(first, 0);
    Calls expected;
    for (int n = 1; n <= 32; ++n) {
      Calls one = description(n);
      expected.insert(expected.end(), one.begin(), one.end());
    }
    ASSERT_LE(first + expected.size(), calls.size());
    EXPECT_EQ(Calls(calls.begin() + first, calls.begin() + first + expected.size()), expected)
        << (sparse ? "on a sparse order" : "on a full order");
  }
}

}  // namespace
}  // namespace ombrel
