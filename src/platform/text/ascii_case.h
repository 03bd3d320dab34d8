// Letter case and character classes of ASCII alone, the same in every locale.
// The window takes the user's locale at start (as any Qt program does), and
// there the C library's toupper, tolower and isspace follow it: in a Turkish
// locale toupper('i') is not 'I'. Names the program compares (form ids,
// settings sections and keys, file names, XML declarations) are ASCII and
// are compared the way the Windows programs this one replaces compare them,
// so they go through these and never through <cctype> or <locale>.
#pragma once

#include <string>
#include <string_view>

namespace ombrel {

constexpr char AsciiLower(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }
constexpr char AsciiUpper(char c) { return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c; }

constexpr bool IsAsciiDigit(char c) { return c >= '0' && c <= '9'; }
constexpr bool IsAsciiHexDigit(char c) {
  return IsAsciiDigit(c) || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F');
}
constexpr bool IsAsciiLetter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }
constexpr bool IsAsciiLetterOrDigit(char c) { return IsAsciiLetter(c) || IsAsciiDigit(c); }
// Space, tab, line feed, vertical tab, form feed, carriage return: the C
// locale's isspace.
constexpr bool IsAsciiSpace(char c) { return c == ' ' || (c >= '\t' && c <= '\r'); }

constexpr bool EqualsIgnoreCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (AsciiLower(a[i]) != AsciiLower(b[i])) return false;
  }
  return true;
}

inline std::string AsciiLowered(std::string_view text) {
  std::string out(text);
  for (char& c : out) c = AsciiLower(c);
  return out;
}

inline std::string AsciiUppered(std::string_view text) {
  std::string out(text);
  for (char& c : out) c = AsciiUpper(c);
  return out;
}

}  // namespace ombrel
