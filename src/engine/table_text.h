// The texts that translator tables build for their repeated rows: the field
// address "line|field" of a host form, and the order tag of one item of a
// numbered group ("COMP(2)SALESPRICE", "LISTCOMP(1)STREET", "UNIT(3)NUM").
#pragma once

#include <charconv>
#include <cstddef>
#include <string>
#include <string_view>

namespace ombrel {

// Tables build a thousand of these per translation: each is written into
// one string of its exact size, without the temporaries of concatenation; a
// text of up to fifteen bytes then needs no allocation at all.
constexpr std::size_t kMaxDecimal = 11;  // "-2147483648"

inline char* WriteDecimal(char* at, int number) { return std::to_chars(at, at + kMaxDecimal, number).ptr; }

// "line|field", such as "13|3".
inline std::string Addr(int line, int field) {
  char text[2 * kMaxDecimal + 1];
  char* end = WriteDecimal(text, line);
  *end++ = '|';
  end = WriteDecimal(end, field);
  return std::string(text, end);
}

// The order tag of item of member n of group: Item("UNIT", 3, "NUM") is "UNIT(3)NUM".
inline std::string Item(std::string_view group, int n, std::string_view item) {
  char digits[kMaxDecimal];
  const auto count = static_cast<std::size_t>(WriteDecimal(digits, n) - digits);
  std::string tag;
  tag.reserve(group.size() + count + 2 + item.size());
  tag += group;
  tag += '(';
  tag.append(digits, count);
  tag += ')';
  tag += item;
  return tag;
}

// The order tag of item of sale comparable n: Comp(2, "SITE") is "COMP(2)SITE".
inline std::string Comp(int n, std::string_view item) { return Item("COMP", n, item); }

// Of listing comparable n: "LISTCOMP(n)" + item.
inline std::string ListComp(int n, std::string_view item) { return Item("LISTCOMP", n, item); }

// Of rental comparable n: "RENTCOMP(n)" + item.
inline std::string RentComp(int n, std::string_view item) { return Item("RENTCOMP", n, item); }

}  // namespace ombrel
