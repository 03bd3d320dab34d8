// Dates as the program reads and writes them (en-US).
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace ombrel {

struct Date {
  int year = 0;
  int month = 0;  // 1..12
  int day = 0;    // 1..31
};

struct DateTime {
  Date date;
  int hour = 0;
  int minute = 0;
  int second = 0;
};

// A date only when the text holds a day, a month and a year: m/d/yyyy,
// m-d-yyyy, m/d/yy, yyyy-mm-dd, "March 5, 2001", "Mar 5 2001", "5 March 2001".
// Two-digit years 00-29 are 20xx, 30-99 are 19xx. Impossible dates are rejected.
std::optional<Date> ParseDate(std::string_view text);

// Formats with the patterns "mmmm d, yyyy", "mmmm d", "yyyy" (letters in any case).
std::string FormatDate(const Date& date, std::string_view pattern);

// The general date format of the log: "12/10/2026 1:05:09 PM"; the date alone
// at exactly midnight.
std::string GeneralDate(const DateTime& when);

}  // namespace ombrel
