#include "platform/text/dates.h"

#include <array>
#include <cstdio>
#include <vector>

#include "platform/text/ascii_case.h"

namespace ombrel {

namespace {

constexpr std::array<const char*, 12> kMonthNames = {
    "January", "February", "March",     "April",   "May",      "June",
    "July",    "August",   "September", "October", "November", "December"};

bool IsLeapYear(int year) { return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0; }

int DaysInMonth(int year, int month) {
  static constexpr std::array<int, 12> kDays = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  return month == 2 && IsLeapYear(year) ? 29 : kDays[static_cast<std::size_t>(month - 1)];
}

bool AllDigits(std::string_view text) {
  if (text.empty()) return false;
  for (char c : text) {
    if (c < '0' || c > '9') return false;
  }
  return true;
}

int Number(std::string_view digits) {
  int value = 0;
  for (char c : digits) value = value * 10 + (c - '0');
  return value;
}

// A day or month: one or two digits.
std::optional<int> SmallNumber(std::string_view text) {
  if (!AllDigits(text) || text.size() > 2) return std::nullopt;
  return Number(text);
}

// A year of two digits (00-29 are 20xx, 30-99 are 19xx) or four.
std::optional<int> Year(std::string_view text) {
  if (!AllDigits(text)) return std::nullopt;
  if (text.size() == 2) {
    const int year = Number(text);
    return year < 30 ? 2000 + year : 1900 + year;
  }
  if (text.size() == 4 && Number(text) > 0) return Number(text);
  return std::nullopt;
}

// 1..12 for a month's full English name or its first three letters.
std::optional<int> MonthNumber(std::string_view text) {
  for (std::size_t i = 0; i < kMonthNames.size(); ++i) {
    const std::string_view name = kMonthNames[i];
    if (EqualsIgnoreCase(text, name) || EqualsIgnoreCase(text, name.substr(0, 3))) {
      return static_cast<int>(i + 1);
    }
  }
  return std::nullopt;
}

std::optional<Date> Checked(std::optional<int> year, std::optional<int> month, std::optional<int> day) {
  if (!year || !month || !day || *month < 1 || *month > 12 || *day < 1 ||
      *day > DaysInMonth(*year, *month)) {
    return std::nullopt;
  }
  return Date{*year, *month, *day};
}

std::vector<std::string_view> Split(std::string_view text, std::string_view separators) {
  std::vector<std::string_view> parts;
  std::size_t start = 0;
  for (;;) {
    const std::size_t end = text.find_first_of(separators, start);
    parts.push_back(text.substr(start, end == std::string_view::npos ? text.npos : end - start));
    if (end == std::string_view::npos) return parts;
    start = end + 1;
  }
}

std::string Padded(int value, int width) {
  char text[16];
  std::snprintf(text, sizeof text, "%0*d", width, value);
  return text;
}

}  // namespace

std::optional<Date> ParseDate(std::string_view text) {
  while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
  while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) text.remove_suffix(1);
  if (text.empty()) return std::nullopt;

  // Numbers only: m/d/yyyy, m/d/yy, m-d-yyyy, m-d-yy, yyyy-mm-dd.
  for (const char separator : {'/', '-'}) {
    const std::vector<std::string_view> parts = Split(text, std::string_view(&separator, 1));
    if (parts.size() != 3) continue;
    if (separator == '-' && parts[0].size() == 4) {
      return Checked(Year(parts[0]), SmallNumber(parts[1]), SmallNumber(parts[2]));
    }
    return Checked(Year(parts[2]), SmallNumber(parts[0]), SmallNumber(parts[1]));
  }

  // With the month's name: "March 5, 2001", "Mar 5 2001", "5 March 2001".
  std::vector<std::string_view> words;
  for (std::string_view word : Split(text, " \t")) {
    if (!word.empty()) words.push_back(word);
  }
  if (words.size() != 3) return std::nullopt;
  if (const auto month = MonthNumber(words[0])) {
    std::string_view day = words[1];
    if (!day.empty() && day.back() == ',') day.remove_suffix(1);
    return Checked(Year(words[2]), month, SmallNumber(day));
  }
  if (const auto month = MonthNumber(words[1])) {
    return Checked(Year(words[2]), month, SmallNumber(words[0]));
  }
  return std::nullopt;
}

std::string FormatDate(const Date& date, std::string_view pattern) {
  std::string out;
  for (std::size_t i = 0; i < pattern.size();) {
    const char letter = AsciiLower(pattern[i]);
    std::size_t run = 1;
    while (i + run < pattern.size() && AsciiLower(pattern[i + run]) == letter) ++run;
    const bool validMonth = date.month >= 1 && date.month <= 12;
    if (letter == 'm' && validMonth) {
      const std::string name = kMonthNames[static_cast<std::size_t>(date.month - 1)];
      out += run >= 4 ? name : run == 3 ? name.substr(0, 3) : Padded(date.month, static_cast<int>(run));
    } else if (letter == 'd') {
      out += Padded(date.day, run >= 2 ? 2 : 1);
    } else if (letter == 'y') {
      out += run <= 2 ? Padded(date.year % 100, 2) : Padded(date.year, 4);
    } else {
      out.append(pattern.substr(i, run));
    }
    i += run;
  }
  return out;
}

std::string GeneralDate(const DateTime& when) {
  std::string text = std::to_string(when.date.month) + "/" + std::to_string(when.date.day) + "/" +
                     Padded(when.date.year, 4);
  if (when.hour == 0 && when.minute == 0 && when.second == 0) return text;
  const int hour12 = when.hour % 12 == 0 ? 12 : when.hour % 12;
  return text + " " + std::to_string(hour12) + ":" + Padded(when.minute, 2) + ":" +
         Padded(when.second, 2) + (when.hour < 12 ? " AM" : " PM");
}

}  // namespace ombrel
