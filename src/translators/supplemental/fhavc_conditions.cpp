// The two repeated rows of "VC01": a condition item and a described condition.
#include "translators/supplemental/fhavc.h"

#include <string>

#include "engine/table_text.h"

namespace ombrel {

void FHAVC::ConditionItem(const std::string& tag, const std::string& expected, int line,
                          int yesField) {
  MapValue(tag + "TYPE", expected);
  CheckAlias(tag, Addr(line, yesField), "YES", {});
}

void FHAVC::ConditionItem(const std::string& tag, const std::string& expected, int line,
                          int yesField, int noField) {
  MapValue(tag + "TYPE", expected);
  CheckAlias(tag, Addr(line, yesField), "YES", {Addr(line, noField), "NO"});
}

void FHAVC::ConditionDescription(int n) {
  const int line = 264 + 2 * n;
  MapValue(Item("VCDESC", n, "NUM"), std::to_string(n));
  SetAlias(Item("VCDESC", n, "VCNUM"), Addr(line, 1));
  SetAlias(Item("VCDESC", n, "SECTION"), Addr(line, 2));
  SetAlias(Item("VCDESC", n, "COMMENT"), Addr(line, 3));
}

}  // namespace ombrel
