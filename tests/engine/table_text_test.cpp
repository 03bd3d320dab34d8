#include "engine/table_text.h"

#include <gtest/gtest.h>

#include <climits>
#include <string>

namespace ombrel {
namespace {

TEST(TableTextTest, AddressesAndTagsAreWrittenAsTheNumbersRead) {
  struct Case {
    std::string built;
    std::string expected;
  };
  const Case cases[] = {
      {Addr(13, 3), "13|3"},
      {Addr(0, -1), "0|-1"},
      {Addr(INT_MAX, INT_MIN), "2147483647|-2147483648"},
      {Item("UNIT", 3, "NUM"), "UNIT(3)NUM"},
      {Item("COMP", 0, ""), "COMP(0)"},
      {Item("", -12, "X"), "(-12)X"},
      {Item("LISTCOMP", INT_MIN, "STREET"), "LISTCOMP(-2147483648)STREET"},
      {Comp(2, "SITE"), "COMP(2)SITE"},
      {ListComp(10, "STREET"), "LISTCOMP(10)STREET"},
      {RentComp(123456, "RENT"), "RENTCOMP(123456)RENT"},
  };
  for (const Case& c : cases) EXPECT_EQ(c.built, c.expected);
}

}  // namespace
}  // namespace ombrel
