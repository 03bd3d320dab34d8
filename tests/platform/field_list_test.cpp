#include "platform/field_list.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

namespace ombrel {
namespace {

// Far more fields than a form has, so that the table grows several times
// past the room it starts with; then every other field written again, from
// the last to the first: each keeps its first place and takes its last value.
TEST(FieldListTest, FieldsPastEveryGrowthKeepTheirFirstPlaceAndLastValue) {
  FieldList list;
  std::vector<std::pair<uint64_t, std::string>> expected;
  for (uint32_t line = 1; line <= 1500; ++line) {
    for (const uint32_t field : {1u, 2u, 3u, 17u, 65536u, 999999999u}) {
      const uint64_t key = FieldList::Key(line, field);
      const std::string text = "first " + std::to_string(line) + "|" + std::to_string(field);
      list.Set(key, text);
      expected.emplace_back(key, text);
    }
  }
  for (std::size_t i = expected.size(); i-- > 0;) {
    if (i % 2 != 0) continue;
    expected[i].second = "again " + std::to_string(i);
    list.Set(expected[i].first, expected[i].second);
  }
  EXPECT_EQ(list.entries(), expected);
}

}  // namespace
}  // namespace ombrel
