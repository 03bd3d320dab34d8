#include "platform/report/field_list.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

namespace ombrel {
namespace {

// Far more fields than a form has; then every other field written again,
// from the last to the first: each keeps its first place and takes its last
// value.
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
  ASSERT_EQ(list.entries().size(), expected.size());
  for (std::size_t i = 0; i < expected.size(); ++i) {
    EXPECT_EQ(list.entries()[i].first, expected[i].first) << i;
    EXPECT_EQ(list.entries()[i].second, expected[i].second) << i;
  }
}

// The list keeps its own copies of the texts: texts of every size, written
// and rewritten, each still reads as written after all the others, and after
// the list has been moved; the caller's text may change or go meanwhile.
TEST(FieldListTest, EveryTextIsKeptAsWrittenWhateverItsSize) {
  FieldList list;
  std::vector<std::string> expected;
  for (uint32_t field = 1; field <= 400; ++field) {
    const std::size_t size = field % 7 == 0 ? 70000 + field : (field * field) % 3000;
    std::string text(size, static_cast<char>('a' + field % 26));
    if (!text.empty()) text.back() = '#';
    list.Set(FieldList::Key(1, field), text);
    expected.push_back(text);
    text.assign(size, '-');  // the caller's copy is not the list's
    if (field % 5 == 0) {
      // Written again, longer or shorter.
      const std::string again = std::string(size / 2 + 1, 'R') + std::to_string(field);
      list.Set(FieldList::Key(1, field), again);
      expected.back() = again;
    }
  }
  const FieldList moved = std::move(list);
  ASSERT_EQ(moved.entries().size(), expected.size());
  for (std::size_t i = 0; i < expected.size(); ++i) {
    EXPECT_EQ(moved.entries()[i].first, FieldList::Key(1, static_cast<uint32_t>(i + 1)));
    EXPECT_EQ(moved.entries()[i].second, expected[i]) << "field " << i + 1;
  }
}

}  // namespace
}  // namespace ombrel
