#include "platform/report/rpt_form.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <optional>

namespace ombrel {
namespace {

TEST(RptFormTest, AnAddressIsTwoPositiveNumbersJoinedByABar) {
  const struct {
    const char* address;
    std::optional<uint64_t> key;
  } cases[] = {
      {"13|3", FieldList::Key(13, 3)},
      {"1|1", FieldList::Key(1, 1)},
      {"07|010", FieldList::Key(7, 10)},                      // leading zeros
      {"0000000001|0000000000000002", FieldList::Key(1, 2)},  // however many
      {"999999999|999999999", FieldList::Key(999999999, 999999999)},
      {"100000000|4", FieldList::Key(100000000, 4)},
      {"1000000000|4", std::nullopt},  // ten digits
      {"4|1000000000", std::nullopt},
      {"4294967297|1", std::nullopt},  // more than 32 bits
      {"1|4294967297", std::nullopt},
      {"12345678901234567890|1", std::nullopt},
      {"0|1", std::nullopt},  // zero is no field
      {"1|0", std::nullopt},
      {"00|1", std::nullopt},
      {"1|000", std::nullopt},
      {"|1", std::nullopt},
      {"1|", std::nullopt},
      {"|", std::nullopt},
      {"", std::nullopt},
      {"13", std::nullopt},
      {"13|3|1", std::nullopt},
      {"13||3", std::nullopt},
      {"13|3 ", std::nullopt},
      {" 13|3", std::nullopt},
      {"13 |3", std::nullopt},
      {"+13|3", std::nullopt},
      {"13|-3", std::nullopt},
      {"1a|3", std::nullopt},
      {"13|3a", std::nullopt},
      {"13/3", std::nullopt},
      {"LENDERCLIENTSTREET", std::nullopt},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.address);
    EXPECT_EQ(RptForm::AddressKey(c.address), c.key);
  }
}

}  // namespace
}  // namespace ombrel
