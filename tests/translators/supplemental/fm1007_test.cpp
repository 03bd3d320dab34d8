// The rent schedule translator's table, checked through the calls it makes on
// a recording engine: the stated calls, the rent comparable template for each
// column and the street that guards a column.
#include "translators/supplemental/fm1007.h"

#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>
#include <vector>

#include "supplemental_trace.h"

namespace ombrel {
namespace {

using namespace supplemental_testing;

// The calls of rent comparable n: from its street to its indicated rent.
Calls Column(const Calls& calls, int n) {
  const std::string c = "RENTCOMP(" + std::to_string(n) + ")";
  const std::ptrdiff_t begin =
      testing::IndexOf(calls, "SetAlias(\"" + c + "STREET\", \"8|" + std::to_string(n + 1) + "\")");
  if (begin < 0) return {};
  std::ptrdiff_t end = begin;
  while (end < static_cast<std::ptrdiff_t>(calls.size()) &&
         calls[end].find(c) != std::string::npos) {
    ++end;
  }
  return Calls(calls.begin() + begin, calls.begin() + end);
}

// Cells of each row shape of the template, written out per comparable.
TEST(FM1007Test, RentComparableTemplateForEachColumn) {
  struct Case {
    int n;
    Calls calls;
  };
  const std::vector<Case> cases = {
      {1,
       {"MapValue(\"RENTCOMP(1)NUM\", \"1\")",
        "ParseAddress(\"9|2\", \"RENTCOMP(1)CITY\", \"RENTCOMP(1)STATEPROV\", \"RENTCOMP(1)ZIP\", "
        "\"\", \"\")",
        "SetAlias(\"RENTCOMP(1)PROXIMITY\", \"10|1\")",
        "SetAlias(\"RENTCOMP(1)PROXIMITY2\", \"11|1\")",
        "SetAlias(\"RENTCOMP(1)GROSSMORENT\", \"15|2\")",
        "SetAlias(\"RENTCOMP(1)CONCESSIONS\", \"23|1\")",
        "SetAlias(\"RENTCOMP(1)CONCESSIONS2ADJ\", \"24|2\")",
        "SetAlias(\"RENTCOMP(1)LOCATIONADJ\", \"25|3\")",
        "SetAlias(\"RENTCOMP(1)ABOVEGRADEADJ\", \"31|1\")",
        "SetAlias(\"RENTCOMP(1)ROOMTOT\", \"32|4\")",
        "SetAlias(\"RENTCOMP(1)ABOVEGRADEADJ2\", \"32|7\")",
        "SetAlias(\"RENTCOMP(1)LIVINGSQFT\", \"33|2\")",
        "SetAlias(\"RENTCOMP(1)ADDITIONAL4ADJ\", \"37|3\")",
        "CheckAlias(\"RENTCOMP(1)NETADJUSTPOSNEG\", \"38|1\", \"POSITIVE\", [\"38|2\", "
        "\"NEGATIVE\"])",
        "SetAlias(\"RENTCOMP(1)NETADJUSTTOT\", \"38|3\")",
        "SetAlias(\"RENTCOMP(1)INDMORENT\", \"40|1\")"}},
      {2,
       {"MapValue(\"RENTCOMP(2)NUM\", \"2\")",
        "ParseAddress(\"9|3\", \"RENTCOMP(2)CITY\", \"RENTCOMP(2)STATEPROV\", \"RENTCOMP(2)ZIP\", "
        "\"\", \"\")",
        "SetAlias(\"RENTCOMP(2)PROXIMITY\", \"10|2\")",
        "SetAlias(\"RENTCOMP(2)LEASEENDDT\", \"13|3\")",
        "SetAlias(\"RENTCOMP(2)CONCESSIONS\", \"23|3\")",
        "SetAlias(\"RENTCOMP(2)CONCESSIONSADJ\", \"23|4\")",
        "SetAlias(\"RENTCOMP(2)CONDITIONADJ\", \"30|5\")",
        "SetAlias(\"RENTCOMP(2)ROOMTOT\", \"32|8\")", "SetAlias(\"RENTCOMP(2)BEDROOMS\", \"32|9\")",
        "SetAlias(\"RENTCOMP(2)BATH\", \"32|10\")",
        "SetAlias(\"RENTCOMP(2)ABOVEGRADEADJ2\", \"32|11\")",
        "CheckAlias(\"RENTCOMP(2)NETADJUSTPOSNEG\", \"38|4\", \"POSITIVE\", [\"38|5\", "
        "\"NEGATIVE\"])",
        "SetAlias(\"RENTCOMP(2)NETADJUSTTOT\", \"38|6\")",
        "SetAlias(\"RENTCOMP(2)INDMORENT\", \"40|2\")"}},
      {3,
       {"ParseAddress(\"9|4\", \"RENTCOMP(3)CITY\", \"RENTCOMP(3)STATEPROV\", \"RENTCOMP(3)ZIP\", "
        "\"\", \"\")",
        "SetAlias(\"RENTCOMP(3)PROXIMITY2\", \"11|3\")", "SetAlias(\"RENTCOMP(3)DATA2\", \"21|4\")",
        "SetAlias(\"RENTCOMP(3)CONCESSIONS\", \"23|5\")",
        "SetAlias(\"RENTCOMP(3)CONCESSIONS2ADJ\", \"24|6\")",
        "SetAlias(\"RENTCOMP(3)VIEW\", \"26|6\")",
        "SetAlias(\"RENTCOMP(3)ABOVEGRADEADJ\", \"31|3\")",
        "SetAlias(\"RENTCOMP(3)ROOMTOT\", \"32|12\")",
        "SetAlias(\"RENTCOMP(3)ABOVEGRADEADJ2\", \"32|15\")",
        "SetAlias(\"RENTCOMP(3)LIVINGSQFTADJ\", \"33|7\")",
        "SetAlias(\"RENTCOMP(3)ADDITIONAL1\", \"34|6\")",
        "CheckAlias(\"RENTCOMP(3)NETADJUSTPOSNEG\", \"38|7\", \"POSITIVE\", [\"38|8\", "
        "\"NEGATIVE\"])",
        "SetAlias(\"RENTCOMP(3)NETADJUSTTOT\", \"38|9\")",
        "SetAlias(\"RENTCOMP(3)INDMORENT\", \"40|3\")"}},
  };
  FM1007 translator;
  Calls calls = MainCalls(translator);
  for (const Case& c : cases) {
    SCOPED_TRACE("rent comparable " + std::to_string(c.n));
    Calls column = Column(calls, c.n);
    EXPECT_EQ(column.size(), 47u);
    ASSERT_GE(column.size(), 3u);
    // The street, its number check and the address line open the column.
    EXPECT_EQ(testing::Member(column[1]), "MapValue");
    EXPECT_EQ(testing::Member(column[2]), "ParseAddress");
    EXPECT_EQ(column.back(), c.calls.back());
    for (const std::string& call : c.calls) {
      EXPECT_TRUE(testing::Contains(column, call)) << "missing: " << call;
    }
  }
}

// A column runs only when its street was written; the other columns keep
// their own cells whatever is missing before them.
TEST(FM1007Test, StreetGuardsEachColumn) {
  struct Case {
    const char* name;
    std::map<std::string, std::string> values;
    std::set<int> filled;
  };
  const std::vector<Case> cases = {
      {"no street, values of every comparable",
       {{"RENTCOMP(1)GROSSMORENT", "900"}, {"RENTCOMP(2)NUM", "2"}, {"RENTCOMP(3)CITY", "Ames"}},
       {}},
      {"a street and nothing else", {{"RENTCOMP(1)STREET", "1 Elm St"}}, {1}},
      {"comparable 2 absent, 3 present",
       {{"RENTCOMP(1)STREET", "1 Elm St"}, {"RENTCOMP(3)STREET", "3 Oak St"}},
       {1, 3}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    FM1007 translator;
    Calls calls = MainCalls(translator, c.values);
    for (int n = 1; n <= 3; ++n) {
      SCOPED_TRACE("rent comparable " + std::to_string(n));
      const std::string street = "SetAlias(\"RENTCOMP(" + std::to_string(n) + ")STREET\", \"8|" +
                                 std::to_string(n + 1) + "\")";
      EXPECT_TRUE(testing::Contains(calls, street));
      EXPECT_EQ(Column(calls, n).size(), c.filled.count(n) != 0 ? 47u : 1u);
    }
    EXPECT_EQ(testing::CountMember(calls, "MapValue"), c.filled.size());
    // The subject's address line is written in any case.
    EXPECT_TRUE(testing::Contains(
        calls,
        "ParseAddress(\"9|1\", \"RENTSUBJECTADDRCITY\", \"RENTSUBJECTADDRSTATEPROV\", "
        "\"RENTSUBJECTADDRZIP\", \"\", \"\")"));
  }
}

TEST(FM1007Test, MarketRentDateIsSplit) {
  FM1007 translator;
  Calls calls = MainCalls(translator, {{"ESTMOMARKETRENTDT", "07/01/2024"}});
  const Calls run = {"ReadDirect(\"ESTMOMARKETRENTDT\")", "WriteDirect(\"75|1\", \"July 1\")",
                     "WriteDirect(\"75|2\", \"2024\")", "SetAlias(\"ESTMOMARKETRENT\", \"75|3\")"};
  EXPECT_EQ(Between(calls, run.front(), run.back()), run);
}

}  // namespace
}  // namespace ombrel
