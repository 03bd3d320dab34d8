// The texts that translator tables build for their repeated rows: the field
// address "line|field" of a host form, and the order tag of one item of a
// numbered group ("COMP(2)SALESPRICE", "LISTCOMP(1)STREET", "UNIT(3)NUM").
#pragma once

#include <string>
#include <string_view>

namespace ombrel {

// "line|field", such as "13|3".
inline std::string Addr(int line, int field) {
  return std::to_string(line) + "|" + std::to_string(field);
}

// The order tag of item of member n of group: Item("UNIT", 3, "NUM") is "UNIT(3)NUM".
inline std::string Item(std::string_view group, int n, std::string_view item) {
  std::string tag(group);
  tag += "(" + std::to_string(n) + ")";
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
