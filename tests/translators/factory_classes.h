// The classes of the factory as the parameters of a test over every
// translator: their names in the factory's order, each test named by its
// class ("EveryClass/MainTableTest.OpensAndCloses/FM2070").
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <vector>

#include "translators/factory_table.h"

namespace ombrel::testing {

// The class of every factory row that makes a translator, in the table's order.
std::vector<std::string_view> FactoryClassNames();

// The row of the named class; throws std::logic_error for a name not there.
const FactoryRow& FactoryRowOf(std::string_view className);

// The parameter's class name, as the name of a test.
std::string ClassName(const ::testing::TestParamInfo<std::string_view>& info);

}  // namespace ombrel::testing
