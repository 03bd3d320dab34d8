#include "factory_classes.h"

#include <stdexcept>

namespace ombrel::testing {

std::vector<std::string_view> FactoryClassNames() {
  std::vector<std::string_view> names;
  for (const FactoryRow& row : FactoryTable()) {
    if (row.create != nullptr) names.push_back(row.className);
  }
  return names;
}

const FactoryRow& FactoryRowOf(std::string_view className) {
  for (const FactoryRow& row : FactoryTable()) {
    if (row.create != nullptr && row.className == className) return row;
  }
  throw std::logic_error("no factory row for " + std::string(className));
}

std::string ClassName(const ::testing::TestParamInfo<std::string_view>& info) {
  return std::string(info.param);
}

}  // namespace ombrel::testing
