// The invoice translator's table, checked through the calls it makes on a
// recording engine: the stated calls, the three address lines, the lines of
// the nine items and the number check that only an item with values gets.
#include "translators/supplemental/invoice.h"

#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>
#include <vector>

#include "supplemental_trace.h"

namespace ombrel {
namespace {

using namespace supplemental_testing;

// Three address lines without street; the lender's zip code a second time alone.
TEST(INVOICETest, AddressLines) {
  INVOICE translator;
  Calls calls = MainCalls(translator);
  const Calls runs[] = {
      {"SetAlias(\"APPRAISERSTREET\", \"6|1\")",
       "ParseAddress(\"7|1\", \"APPRAISERCITY\", \"APPRAISERSTATEPROV\", \"APPRAISERZIP\", \"\", "
       "\"\")",
       "SetAlias(\"APPRAISERPHONE\", \"8|1\")", "SetAlias(\"INVOICEDT\", \"5|2\")",
       "SetAlias(\"INVOICENUM\", \"5|3\")", "SetAlias(\"INVOICEFEE\", \"23|2\")"},
      {"SetAlias(\"LENDERCLIENTSTREET\", \"14|1\")",
       "ParseAddress(\"15|1\", \"LENDERCLIENTCITY\", \"LENDERCLIENTSTATEPROV\", "
       "\"LENDERCLIENTZIP\", \"\", \"\")",
       "SetAlias(\"LENDERCLIENTZIP\", \"16|1\")", "SetAlias(\"BORROWER\", \"27|1\")",
       "SetAlias(\"PROPADDR\", \"28|1\")",
       "ParseAddress(\"29|1\", \"CITY\", \"STATEPROV\", \"ZIP\", \"\", \"\")",
       "SetAlias(\"INVOICEITEM(1)COST\", \"32|2\")"},
  };
  for (const Calls& run : runs) {
    SCOPED_TRACE(run.front());
    EXPECT_EQ(Between(calls, run.front(), run.back()), run);
  }
}

std::string Cost(int i) {
  return "SetAlias(\"INVOICEITEM(" + std::to_string(i) + ")COST\", \"" + std::to_string(i + 31) +
         "|2\")";
}
std::string Name(int i) {
  return "SetAlias(\"INVOICEITEM(" + std::to_string(i) + ")NAME\", \"" + std::to_string(i + 31) +
         "|1\")";
}
std::string Check(int i) {
  return "MapValue(\"INVOICEITEM(" + std::to_string(i) + ")NUM\", \"" + std::to_string(i) + "\")";
}

// Every item's two rows run on its own line; its number is checked only when
// one of them wrote, straight after them.
TEST(INVOICETest, ItemsKeepTheirLinesAndCheckOnlyItemsWithValues) {
  struct Case {
    const char* name;
    std::map<std::string, std::string> values;
    std::set<int> checked;
  };
  const std::vector<Case> cases = {
      {"no item", {{"INVOICEITEM(4)NUM", "4"}}, {}},
      {"a cost without name", {{"INVOICEITEM(1)COST", "350.00"}}, {1}},
      {"a name without cost", {{"INVOICEITEM(4)NAME", "Rush fee"}}, {4}},
      {"item 2 absent, items 3 and 9 present",
       {{"INVOICEITEM(1)NAME", "Appraisal"},
        {"INVOICEITEM(3)COST", "25"},
        {"INVOICEITEM(9)NAME", "Photos"},
        {"INVOICEITEM(9)COST", "10"},
        {"INVOICEITEM(2)NUM", "7"}},
       {1, 3, 9}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    INVOICE translator;
    Calls calls = MainCalls(translator, c.values);
    Calls items = Between(calls, Cost(1), "SetAlias(\"INVOICEITEMTOTAMT\", \"58|1\")");
    ASSERT_FALSE(items.empty());
    items.pop_back();
    Calls expected;
    for (int i = 1; i <= 9; ++i) {
      expected.push_back(Cost(i));
      expected.push_back(Name(i));
      if (c.checked.count(i) != 0) expected.push_back(Check(i));
    }
    EXPECT_EQ(items, expected);
  }
}

}  // namespace
}  // namespace ombrel
