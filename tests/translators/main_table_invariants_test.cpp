// What holds for the main table of every class of the factory and the trace
// fixtures cannot show, each checked once over the factory table with the
// class's row of the exceptions table: the table writes each field of a form
// once, and writes its long texts onto the form save the ones listed for the
// addendum. A failure names the class, and the field or call that differs.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstddef>
#include <map>
#include <memory>
#include <regex>
#include <set>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "factory_classes.h"
#include "main_table_exceptions.h"
#include "support/trace_calls.h"
#include "support/written_addresses.h"

namespace ombrel::testing {
namespace {

// The form that ParseExtended(..., False) writes into.
constexpr std::string_view kAddendum = "extended comments addendum";

const MainTableExceptions* ExceptionsOf(std::string_view className) {
  for (const MainTableExceptions& row : MainTableExceptionsTable()) {
    if (row.className == className) return &row;
  }
  return nullptr;
}

bool Listed(const std::vector<std::string>& list, const std::string& text) {
  return std::find(list.begin(), list.end(), text) != list.end();
}

// A class's main table traced on a full order, Licensing -2, with its row.
class MainTableTest : public ::testing::TestWithParam<std::string_view> {
 protected:
  void SetUp() override {
    exceptions_ = ExceptionsOf(GetParam());
    ASSERT_NE(exceptions_, nullptr) << GetParam() << " has no row in the exceptions table";
    std::unique_ptr<FormTranslator> translator = FactoryRowOf(GetParam()).create();
    formName_ = translator->FormName();
    calls_ = MainCalls(*translator);
  }

  const MainTableExceptions& Row() const { return *exceptions_; }
  // Call i as a failure shows it: its position and text.
  std::string At(std::size_t i) const {
    return i < calls_.size() ? "call " + std::to_string(i + 1) + " " + calls_[i]
                             : "after the last call";
  }

  const MainTableExceptions* exceptions_ = nullptr;
  std::string formName_;
  Calls calls_;
};

// Fields are told apart by form: the class's own until a SetForm names
// another, and the addendum for a long text sent there. A slip of one in a
// row's arithmetic lands on a neighbour's field and shows here.
TEST_P(MainTableTest, WritesEachFieldOnce) {
  static const std::regex kAddress("[1-9][0-9]*\\|[1-9][0-9]*");
  static const std::regex kSetForm("SetForm\\(\"(.*)\"\\)");
  std::string form = formName_;
  std::map<std::string, std::string> writer;  // "form|line|field" -> first call
  std::set<std::string> twice;
  std::set<std::string> odd;
  for (std::size_t i = 0; i < calls_.size(); ++i) {
    const std::string& call = calls_[i];
    std::smatch match;
    if (std::regex_match(call, match, kSetForm)) form = match[1];
    const bool toAddendum = Member(call) == "ParseExtended" && !call.ends_with(", True)");
    for (const std::string& addr : WrittenAddresses(call)) {
      if (!std::regex_match(addr, kAddress)) {
        EXPECT_TRUE(Listed(Row().addressesOfNoField, addr))
            << "not an address: " << addr << " in " << At(i);
        odd.insert(addr);
        continue;
      }
      const std::string field = std::string(toAddendum ? kAddendum : form) + "|" + addr;
      auto [it, fresh] = writer.emplace(field, call);
      if (fresh || !twice.insert(field).second) continue;
      const bool listed =
          form == formName_ && !toAddendum && Listed(Row().fieldsWrittenTwice, addr);
      EXPECT_TRUE(listed) << field << " written by " << it->second << " and again by " << At(i);
    }
  }
  for (const std::string& allowed : Row().fieldsWrittenTwice) {
    EXPECT_EQ(twice.count(formName_ + "|" + allowed), 1u)
        << allowed << " is listed as written twice but is not";
  }
  for (const std::string& listed : Row().addressesOfNoField) {
    EXPECT_EQ(odd.count(listed), 1u) << listed << " is listed as written but is not";
  }
}

TEST_P(MainTableTest, WritesItsLongTextsOntoTheFormSaveTheListed) {
  Calls toAddendum;
  for (const std::string& call : calls_) {
    if (Member(call) == "ParseExtended" && !call.ends_with(", True)")) toAddendum.push_back(call);
  }
  EXPECT_EQ(toAddendum, Row().addendumComments);
}

INSTANTIATE_TEST_SUITE_P(EveryClass, MainTableTest, ::testing::ValuesIn(FactoryClassNames()),
                         ClassName);

// The exceptions table as a whole: one row per class of the factory, in the
// factory's order.
TEST(MainTableExceptionsTest, OneRowPerClassInTheFactorysOrder) {
  const std::vector<std::string_view> classes = FactoryClassNames();
  const std::span<const MainTableExceptions> rows = MainTableExceptionsTable();
  for (std::size_t i = 0; i < std::max(classes.size(), rows.size()); ++i) {
    const std::string_view row = i < rows.size() ? rows[i].className : "(none)";
    const std::string_view factory = i < classes.size() ? classes[i] : "(none)";
    EXPECT_EQ(row, factory) << "exceptions row " << i + 1;
  }
}

}  // namespace
}  // namespace ombrel::testing
