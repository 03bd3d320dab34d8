// One comparable's column of the "DT2" sales grid. The subject holds field 1
// of most lines, so comparable k stands in field k + 1; line 42 has no
// subject cell (field k), and lines 47 and 48 a label and the subject's value
// before the comparables (field k + 2).
#include "translators/ba_short/dtv.h"

#include "engine/table_text.h"

namespace ombrel {

void DTV::ComparableColumn(int k) {
  MapValue(Comp(k, "NUM"), std::to_string(k));
  SetAlias(Comp(k, "ADDRSTREET"), Addr(38, 1 + k));
  ParseAddress(Addr(39, 1 + k), Comp(k, "ADDRCITY"), Comp(k, "ADDRSTATEPROV"), Comp(k, "ADDRZIP"),
               "", "");
  SetAlias(Comp(k, "DATA"), Addr(40, 1 + k));
  SetAlias(Comp(k, "SALESPRICE"), Addr(41, 1 + k));
  SetAlias(Comp(k, "SALEDT"), Addr(42, k));
  SetAlias(Comp(k, "LIVINGSQFT"), Addr(43, 1 + k));
  Combine(Addr(44, 1 + k), "/", 0, {Comp(k, "BEDROOMS"), Comp(k, "BATH")});
  SetAlias(Comp(k, "AGEYRS"), Addr(45, 1 + k));
  SetAlias(Comp(k, "PARKING"), Addr(46, 1 + k));
  SetAlias(Comp(k, "UNLABELED"), Addr(47, 2 + k));
  SetAlias(Comp(k, "UNLABELEDTWO"), Addr(48, 2 + k));
}

}  // namespace ombrel
