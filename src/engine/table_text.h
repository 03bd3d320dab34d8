// The texts that translator tables build for their repeated rows: the field
// address "line|field" of a host form, and the order tag of one item of a
// numbered group ("COMP(2)SALESPRICE", "LISTCOMP(1)STREET", "UNIT(3)NUM").
#pragma once

#include <charconv>
#include <iterator>
#include <string>
#include <string_view>

namespace ombrel {

// Tables build a thousand of these per translation: each is written into
// one string, without the temporaries of concatenation.
inline void AppendDecimal(std::string& text, int number) {
  char digits[12];
  const auto end = std::to_chars(std::begin(digits), std::end(digits), number).ptr;
  text.append(digits, end);
}

// "line|field", such as "13|3".
inline std::string Addr(int line, int field) {
  std::string address;
  AppendDecimal(address, line);
  address += '|';
  AppendDecimal(address, field);
  return address;
}

// The order tag of item of member n of group: Item("UNIT", 3, "NUM") is "UNIT(3)NUM".
inline std::string Item(std::string_view group, int n, std::string_view item) {
  std::string tag;
  tag.reserve(group.size() + item.size() + 13);
  tag += group;
  tag += '(';
  AppendDecimal(tag, n);
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
