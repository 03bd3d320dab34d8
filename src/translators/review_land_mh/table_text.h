// The two texts the comparables tables of the review, land and
// manufactured-home translators build: a field address "line|field" and the
// order tag of one item of comparable k ("COMP(2)SALESPRICE").
#pragma once

#include <string>

namespace ombrel::review_land_mh {

inline std::string Addr(int line, int field) {
  return std::to_string(line) + "|" + std::to_string(field);
}

inline std::string Comp(int k, const char* item) {
  return "COMP(" + std::to_string(k) + ")" + item;
}

}  // namespace ombrel::review_land_mh
