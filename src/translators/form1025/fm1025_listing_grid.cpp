// One listing comparable's column of the listing grid of "MUL" (comparables
// 1 to 3) and of the overflow form "mullst46" (comparables 4 to 6, lines 29
// higher). Comparable m's column takes field m + 1 on lines with a subject
// field, m on the proximity line, 3m - 1 to 3m + 1 on the furnished and
// price line and 4m + 1 to 4m + 4 on the room count line.
#include "translators/form1025/fm1025.h"

#include "engine/table_text.h"

namespace ombrel {

void FM1025::ListingColumn(int n) {
  // A differing number in the order is kept for the comparable photo frames
  MapValue(ListComp(n, "NUM"), Num(n));
  SetAlias(ListComp(n, "STREET"), Addr(42, n + 1));
  ListingRows(n, n, 0);
}

void FM1025::ListingOverflowColumn(int n, int m) {
  // A listing comparable without a street is left out altogether
  if (SetAlias(ListComp(n, "STREET"), Addr(42 - 29, m + 1))) {
    MapValue(ListComp(n, "NUM"), Num(n));
    ListingRows(n, m, 29);
  }
}

void FM1025::ListingRows(int n, int m, int shift) {
  ParseAddress(Addr(43 - shift, m + 1), ListComp(n, "CITY"), ListComp(n, "STATEPROV"),
               ListComp(n, "ZIP"), "", "");
  SetAlias(ListComp(n, "PROXIMITY"), Addr(44 - shift, m));
  // The order's values are UNFURNISH and FURNISH, without ED
  CheckAlias(ListComp(n, "FURNUNFURNISH"), Addr(45 - shift, 3 * m - 1), "UNFURNISH",
             {Addr(45 - shift, 3 * m), "FURNISH"});
  SetAlias(ListComp(n, "LISTINGPRICE"), Addr(45 - shift, 3 * m + 1));
  SetAlias(ListComp(n, "APPROXGBA"), Addr(46 - shift, m + 1));
  SetAlias(ListComp(n, "DATA"), Addr(47 - shift, m + 1));
  SetAlias(ListComp(n, "NUMUNITS"), Addr(48 - shift, 4 * m + 1));
  SetAlias(ListComp(n, "ROOMTOT"), Addr(48 - shift, 4 * m + 2));
  SetAlias(ListComp(n, "BEDROOMS"), Addr(48 - shift, 4 * m + 3));
  SetAlias(ListComp(n, "BATH"), Addr(48 - shift, 4 * m + 4));
  SetAlias(ListComp(n, "YRBUILT"), Addr(49 - shift, m + 1));
  SetAlias(ListComp(n, "MARKETDAYS"), Addr(50 - shift, m + 1));
}

}  // namespace ombrel
