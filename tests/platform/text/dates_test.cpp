#include "platform/text/dates.h"

#include <gtest/gtest.h>

namespace ombrel {
namespace {

std::string Show(const std::optional<Date>& date) {
  if (!date) return "none";
  return std::to_string(date->year) + "-" + std::to_string(date->month) + "-" + std::to_string(date->day);
}

TEST(Dates, ParsesTheWrittenFormsOfADate) {
  const struct {
    const char* text;
    const char* expected;
  } cases[] = {
      {"3/5/2001", "2001-3-5"},
      {"03/05/2001", "2001-3-5"},
      {"3-5-2001", "2001-3-5"},
      {"3/5/01", "2001-3-5"},
      {"3/5/29", "2029-3-5"},
      {"3/5/30", "1930-3-5"},
      {"12/31/99", "1999-12-31"},
      {"2001-03-05", "2001-3-5"},
      {"March 5, 2001", "2001-3-5"},
      {"march 5 2001", "2001-3-5"},
      {"Mar 5 2001", "2001-3-5"},
      {"Sep 13, 2002", "2002-9-13"},
      {"5 March 2001", "2001-3-5"},
      {"  9/13/2002  ", "2002-9-13"},
      {"2/29/2004", "2004-2-29"},
      {"2/29/2000", "2000-2-29"},
      // Not dates.
      {"2/30/2001", "none"},
      {"2/29/2001", "none"},
      {"2/29/1900", "none"},
      {"13/1/2001", "none"},
      {"0/1/2001", "none"},
      {"4/31/2001", "none"},
      {"3/5", "none"},
      {"3/5/2001/1", "none"},
      {"3/5/201", "none"},
      {"Marc 5 2001", "none"},
      {"March 32, 2001", "none"},
      {"N/A", "none"},
      {"", "none"},
      {"3/5/2001x", "none"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text);
    EXPECT_EQ(Show(ParseDate(c.text)), c.expected);
  }
}

TEST(Dates, FormatsWithEnglishMonthNames) {
  const Date date{2002, 9, 3};
  EXPECT_EQ(FormatDate(date, "mmmm d, yyyy"), "September 3, 2002");
  EXPECT_EQ(FormatDate(date, "mmmm D"), "September 3");
  EXPECT_EQ(FormatDate(date, "MMMM d"), "September 3");
  EXPECT_EQ(FormatDate(date, "yyyy"), "2002");
  EXPECT_EQ(FormatDate(Date{2001, 3, 25}, "mmmm d, yyyy"), "March 25, 2001");
  EXPECT_EQ(FormatDate(*ParseDate("5 March 2001"), "mmmm d, yyyy"), "March 5, 2001");
}

TEST(Dates, GeneralDateOfTheLog) {
  EXPECT_EQ(GeneralDate({{2026, 12, 10}, 13, 5, 9}), "12/10/2026 1:05:09 PM");
  EXPECT_EQ(GeneralDate({{2026, 1, 2}, 0, 0, 1}), "1/2/2026 12:00:01 AM");
  EXPECT_EQ(GeneralDate({{2026, 1, 2}, 12, 30, 0}), "1/2/2026 12:30:00 PM");
  EXPECT_EQ(GeneralDate({{2026, 1, 2}, 11, 59, 59}), "1/2/2026 11:59:59 AM");
  EXPECT_EQ(GeneralDate({{2026, 1, 2}, 0, 0, 0}), "1/2/2026");
}

}  // namespace
}  // namespace ombrel
