#include "platform/name_ids.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <string_view>
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

// Names are hashed and compared a word at a time, the last word of a name
// overlapping the one before: at every length, a name that differs from
// another in any one byte, or only in length, is another name.
TEST(NameIdsTest, NamesDifferingInAnyOneByteAreDistinct) {
  for (std::size_t size = 0; size <= 25; ++size) {
    std::string base;
    for (std::size_t i = 0; i < size; ++i) base += static_cast<char>('A' + i);
    std::vector<std::string> names = {base, base + 'Z'};
    for (std::size_t i = 0; i < size; ++i) {
      for (const char other : {'a', '\0', '\xFF'}) {
        std::string name = base;
        name[i] = other;
        names.push_back(name);
      }
    }
    NameIds ids;
    for (std::size_t i = 0; i < names.size(); ++i) {
      ASSERT_EQ(ids.Intern(names[i]), i) << "size " << size << ", name " << i;
    }
    for (std::size_t i = 0; i < names.size(); ++i) {
      const std::optional<uint32_t> expected(static_cast<uint32_t>(i));
      EXPECT_EQ(ids.Find(names[i]), expected) << "size " << size << ", name " << i;
      // A copy elsewhere in memory is the same name.
      const std::string copy = " " + names[i];
      EXPECT_EQ(ids.Find(std::string_view(copy).substr(1)), expected) << "size " << size << ", name " << i;
    }
    if (size > 0) {
      EXPECT_EQ(ids.Find(std::string_view(base).substr(1)), std::nullopt) << "size " << size;
    }
  }
}

// Enough names for the table to hold long runs of neighbouring slots, where
// a lookup passes many other names, among them many with the same last
// bytes: each must still be told from its own.
TEST(NameIdsTest, EveryShortNameOfAnAlphabetIsTold) {
  const std::string alphabet = "ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
  std::vector<std::string> names;
  for (const char a : alphabet) {
    names.push_back(std::string(1, a));
    names.push_back(std::string(1, a) + "WXYZ");
    for (const char b : alphabet) {
      names.push_back(std::string{a, b});
      names.push_back(std::string{a, b} + "WXYZ");  // the same last four or eight bytes
      names.push_back(std::string{a, b} + "STUVWXYZ");
      for (const char c : alphabet) {
        names.push_back(std::string{a, b, c});
        names.push_back(std::string{a, b, c} + "WXYZ");
      }
    }
  }
  for (std::size_t i = 0; i < 20000; ++i) {
    names.push_back("COMP" + std::to_string(i));
    names.push_back("COMPARABLE" + std::to_string(i) + "X");
  }
  NameIds ids;
  for (std::size_t i = 0; i < names.size(); ++i) ASSERT_EQ(ids.Intern(names[i]), i) << names[i];
  for (std::size_t i = 0; i < names.size(); ++i) {
    ASSERT_EQ(ids.Find(names[i]), std::optional<uint32_t>(static_cast<uint32_t>(i))) << names[i];
  }
}

}  // namespace
}  // namespace ombrel
