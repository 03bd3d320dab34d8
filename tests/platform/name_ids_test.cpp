#include "platform/name_ids.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace ombrel {
namespace {

// Names as an order has them: many sharing their first eight bytes or more,
// differing only in the last byte or in length, and some shorter than eight.
std::vector<std::string> OrderLikeNames() {
  std::vector<std::string> names;
  for (const std::string stem : {"C", "COMPAR", "COMPARAB", "COMPARABLE", "COMPARABLESALE", "SUBJECTPROPERTYADDR"}) {
    for (int i = 0; i < 300; ++i) names.push_back(stem + std::to_string(i));
    names.push_back(stem);
    names.push_back(stem + '\0');
  }
  names.push_back("");
  return names;
}

TEST(NameIdsTest, EachDistinctNameGetsTheNextNumberAndKeepsIt) {
  const std::vector<std::string> names = OrderLikeNames();
  NameIds ids;
  for (std::size_t i = 0; i < names.size(); ++i) {
    ASSERT_EQ(ids.Intern(names[i]), i) << "name " << i;
  }
  EXPECT_EQ(ids.size(), names.size());
  // Interned again, after every growth of the table, each name has its number.
  for (std::size_t i = 0; i < names.size(); ++i) {
    EXPECT_EQ(ids.Intern(names[i]), i) << names[i];
    EXPECT_EQ(ids.Find(names[i]), std::optional<uint32_t>(static_cast<uint32_t>(i))) << names[i];
  }
  EXPECT_EQ(ids.size(), names.size());
  for (const std::string absent : {"COMPARAB300", "COMPARABLESALE-1", "D", "COMPARABLESALE00", "SUBJECTPROPERTYADDR "}) {
    EXPECT_EQ(ids.Find(absent), std::nullopt) << absent;
  }
  ids.Clear();
  EXPECT_EQ(ids.size(), 0u);
  EXPECT_EQ(ids.Find("C1"), std::nullopt);
  EXPECT_EQ(ids.Intern("C1"), 0u);
}

}  // namespace
}  // namespace ombrel
