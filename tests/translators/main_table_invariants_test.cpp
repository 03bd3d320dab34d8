// What holds for the main table of every class of the factory, each checked
// once over the factory table with the class's row of the landmarks table:
// the table opens and closes with its calls, writes each field of a form
// once, writes its long texts onto the form save the ones listed for the
// addendum, lets its sections meet in the form's order, and makes the calls
// whose arguments its notation most easily turns round with every argument
// in its place. A failure names the class, and the row or call that differs.
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
#include "main_table_landmarks.h"
#include "support/trace_calls.h"
#include "support/written_addresses.h"

namespace ombrel::testing {
namespace {

// The form that ParseExtended(..., False) writes into.
constexpr std::string_view kAddendum = "extended comments addendum";

const MainTableLandmarks* LandmarksOf(std::string_view className) {
  for (const MainTableLandmarks& row : MainTableLandmarksTable()) {
    if (row.className == className) return &row;
  }
  return nullptr;
}

// The classes of the factory whose landmarks fill the given list.
template <typename List>
std::vector<std::string_view> ClassesListing(List MainTableLandmarks::*list) {
  std::vector<std::string_view> names;
  for (std::string_view name : FactoryClassNames()) {
    const MainTableLandmarks* row = LandmarksOf(name);
    if (row != nullptr && !(row->*list).empty()) names.push_back(name);
  }
  return names;
}

bool Listed(const std::vector<std::string>& list, const std::string& text) {
  return std::find(list.begin(), list.end(), text) != list.end();
}

// A class's main table traced on a full order, Licensing -2, with its row.
class MainTableTest : public ::testing::TestWithParam<std::string_view> {
 protected:
  void SetUp() override {
    landmarks_ = LandmarksOf(GetParam());
    ASSERT_NE(landmarks_, nullptr) << GetParam() << " has no row in the landmarks table";
    std::unique_ptr<FormTranslator> translator = FactoryRowOf(GetParam()).create();
    formName_ = translator->FormName();
    calls_ = MainCalls(*translator);
  }

  const MainTableLandmarks& Row() const { return *landmarks_; }
  // Call i as a failure shows it: its position and text.
  std::string At(std::size_t i) const {
    return i < calls_.size() ? "call " + std::to_string(i + 1) + " " + calls_[i]
                             : "after the last call";
  }

  const MainTableLandmarks* landmarks_ = nullptr;
  std::string formName_;
  Calls calls_;
};

class MainTableSectionsTest : public MainTableTest {};
class MainTableArgumentsTest : public MainTableTest {};

TEST_P(MainTableTest, OpensAndCloses) {
  const Calls& opening = Row().opening;
  const Calls& closing = Row().closing;
  ASSERT_FALSE(opening.empty());
  ASSERT_FALSE(closing.empty());
  ASSERT_GE(calls_.size(), opening.size() + closing.size());
  for (std::size_t i = 0; i < opening.size(); ++i) {
    EXPECT_EQ(calls_[i], opening[i]) << "opening, call " << i + 1;
  }
  const std::size_t first = calls_.size() - closing.size();
  for (std::size_t i = 0; i < closing.size(); ++i) {
    EXPECT_EQ(calls_[first + i], closing[i]) << "closing, call " << first + i + 1 << " of "
                                             << calls_.size();
  }
}

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

TEST_P(MainTableSectionsTest, MeetInOrder) {
  std::ptrdiff_t previous = -1;
  const std::vector<Calls>& sections = Row().sections;
  for (std::size_t r = 0; r < sections.size(); ++r) {
    const Calls& run = sections[r];
    SCOPED_TRACE("sections row " + std::to_string(r + 1) + ": " + run.front());
    const std::ptrdiff_t at = IndexOf(calls_, run.front(), previous + 1);
    if (at < 0) {
      ADD_FAILURE() << (Contains(calls_, run.front()) ? "stands before the row above it"
                                                      : "the table makes no such call");
      continue;
    }
    for (std::size_t k = 1; k < run.size(); ++k) {
      const std::size_t i = static_cast<std::size_t>(at) + k;
      EXPECT_EQ(i < calls_.size() ? calls_[i] : std::string("(the table ends)"), run[k])
          << "call " << i + 1;
    }
    previous = at;
  }
}

// A missing call is shown beside the calls the table makes with the same
// member and first argument: a turned-round pair of arguments reads at once.
TEST_P(MainTableArgumentsTest, StandInTheirPlaces) {
  for (const std::string& call : Row().argumentsInPlace) {
    if (Contains(calls_, call)) continue;
    const std::string head = call.substr(0, call.find(", "));
    std::string alike;
    for (std::size_t i = 0; i < calls_.size(); ++i) {
      if (calls_[i].starts_with(head)) alike += "\n  " + At(i);
    }
    ADD_FAILURE() << "missing: " << call << (alike.empty() ? "" : "\nthe table makes:" + alike);
  }
}

// Every class opens, closes and writes its fields and long texts by its row;
// sections and argument places are checked for the classes whose rows list
// them, the trace fixtures pinning every call of every class besides.
INSTANTIATE_TEST_SUITE_P(EveryClass, MainTableTest, ::testing::ValuesIn(FactoryClassNames()),
                         ClassName);
INSTANTIATE_TEST_SUITE_P(EveryClass, MainTableSectionsTest,
                         ::testing::ValuesIn(ClassesListing(&MainTableLandmarks::sections)),
                         ClassName);
INSTANTIATE_TEST_SUITE_P(EveryClass, MainTableArgumentsTest,
                         ::testing::ValuesIn(ClassesListing(&MainTableLandmarks::argumentsInPlace)),
                         ClassName);

// The landmarks table as a whole: one row per class of the factory, in the
// factory's order, each naming the calls its table opens and closes with.
TEST(MainTableLandmarksTest, OneRowPerClassInTheFactorysOrder) {
  const std::vector<std::string_view> classes = FactoryClassNames();
  const std::span<const MainTableLandmarks> rows = MainTableLandmarksTable();
  for (std::size_t i = 0; i < std::max(classes.size(), rows.size()); ++i) {
    const std::string_view row = i < rows.size() ? rows[i].className : "(none)";
    const std::string_view factory = i < classes.size() ? classes[i] : "(none)";
    EXPECT_EQ(row, factory) << "landmarks row " << i + 1;
  }
}

}  // namespace
}  // namespace ombrel::testing
