// The two texts the repeated rows of the supplemental forms build: a field
// address "line|field" and the order tag of one item of a numbered group
// ("RENTCOMP(2)STREET", "UNIT(3)NUM", "INVOICEITEM(9)COST").
#pragma once

#include <string>

namespace ombrel::supplemental {

inline std::string Addr(int line, int field) {
  return std::to_string(line) + "|" + std::to_string(field);
}

inline std::string Item(const char* group, int n, const char* suffix) {
  return std::string(group) + "(" + std::to_string(n) + ")" + suffix;
}

}  // namespace ombrel::supplemental
