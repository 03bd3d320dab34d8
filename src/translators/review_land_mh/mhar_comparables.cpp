// One comparable's column of the manufactured-home sales comparison grid. On
// "MOB" comparables 1 to 3 run every row, their number check first; on
// "MOBCMP46" comparables 4 to 6 take the same rows 83 lines higher, where the
// gross adjustment has a line of its own before the net one, and a column is
// written only when its street is. At(line, first, step) is the row's field
// for column p: the field of column 1 plus (p - 1) steps.
#include "translators/review_land_mh/mhar.h"

#include "engine/table_text.h"

namespace ombrel {

void MHAR::ComparableColumn(int k) {
  const int p = k;
  auto At = [p](int line, int first, int step) { return Addr(line, first + (p - 1) * step); };
  // A differing number in the order is kept for this comparable's photo frame
  MapValue(Comp(k, "NUM"), std::to_string(k));
  SetAlias(Comp(k, "ADDRSTREET"), At(94, 2, 1));
  SetAlias(Comp(k, "UNITNUM"), At(95, 2, 1));
  SetAlias(Comp(k, "PROXIMITY"), At(96, 1, 1));
  SetAlias(Comp(k, "SALESPRICE"), At(97, 2, 1));
  SetAlias(Comp(k, "PRICEGROSSLIVING"), At(98, 2, 1));

  // Value and adjustment lines
  SetAlias(Comp(k, "TIMEADJUSTMENT"), At(100, 2, 2));
  SetAlias(Comp(k, "TIMEADJUSTMENTADJ"), At(100, 3, 2));
  SetAlias(Comp(k, "LOCATION"), At(101, 2, 2));
  SetAlias(Comp(k, "LOCATIONADJ"), At(101, 3, 2));
  SetAlias(Comp(k, "MAKE"), At(102, 2, 2));
  SetAlias(Comp(k, "MAKEADJ"), At(102, 3, 2));
  SetAlias(Comp(k, "YRBUILT"), At(103, 2, 2));
  SetAlias(Comp(k, "YRBUILTADJ"), At(103, 3, 2));
  SetAlias(Comp(k, "CONDITION"), At(104, 2, 2));
  SetAlias(Comp(k, "CONDITIONADJ"), At(104, 3, 2));
  // Room count: the subject has three fields, each comparable four
  SetAlias(Comp(k, "ROOMTOT"), At(106, 4, 4));
  SetAlias(Comp(k, "BEDROOMS"), At(106, 5, 4));
  SetAlias(Comp(k, "BATH"), At(106, 6, 4));
  SetAlias(Comp(k, "ABOVEGRADEADJ"), At(106, 7, 4));
  SetAlias(Comp(k, "LIVINGSQFT"), At(107, 2, 2));
  SetAlias(Comp(k, "LIVINGSQFTADJ"), At(107, 3, 2));
  SetAlias(Comp(k, "TIPOUT"), At(108, 2, 2));
  SetAlias(Comp(k, "TIPOUTADJ"), At(108, 3, 2));
  SetAlias(Comp(k, "ADDITIONS"), At(109, 2, 2));
  SetAlias(Comp(k, "ADDITIONSADJ"), At(109, 3, 2));
  // The unlabeled lines hold their label and the subject's entry first
  SetAlias(Comp(k, "UNLABELED"), At(110, 3, 2));
  SetAlias(Comp(k, "UNLABELEDADJ"), At(110, 4, 2));
  SetAlias(Comp(k, "UNLABELEDTWO"), At(111, 3, 2));
  SetAlias(Comp(k, "UNLABELEDTWOADJ"), At(111, 4, 2));
  SetAlias(Comp(k, "FURNISHINGS"), At(112, 2, 2));
  SetAlias(Comp(k, "FURNISHINGSADJ"), At(112, 3, 2));
  SetAlias(Comp(k, "WOODSTOVE"), At(113, 2, 2));
  SetAlias(Comp(k, "WOODSTOVEADJ"), At(113, 3, 2));
  SetAlias(Comp(k, "EXTRAS"), At(114, 2, 2));
  SetAlias(Comp(k, "EXTRASADJ"), At(114, 3, 2));
  SetAlias(Comp(k, "UNLABELEDTHREE"), At(115, 3, 2));
  SetAlias(Comp(k, "UNLABELEDTHREEADJ"), At(115, 4, 2));
  SetAlias(Comp(k, "SITEVALUE"), At(116, 2, 2));
  SetAlias(Comp(k, "SITEVALUEADJ"), At(116, 3, 2));
  SetAlias(Comp(k, "FCONCESSION"), At(117, 2, 2));
  SetAlias(Comp(k, "FCONCESSIONADJ"), At(117, 3, 2));

  // Net and adjusted sales price: the net adjustment has line 119 to itself
  CheckAlias(Comp(k, "NETADJUSTPOSNEG"), At(118, 1, 3), "POSITIVE", {At(118, 2, 3), "NEGATIVE"});
  SetAlias(Comp(k, "NETADJUSTTOT"), At(118, 3, 3));
  SetAlias(Comp(k, "ADJUSTSALESNET"), At(119, 1, 1));
  SetAlias(Comp(k, "ADJUSTSALESGROSS"), At(120, 1, 2));
  SetAlias(Comp(k, "ADJUSTSALESPRICE"), At(120, 2, 2));
}

void MHAR::ComparablesFormColumn(int k) {
  const int p = k - 3;
  auto At = [p](int line, int first, int step) { return Addr(line, first + (p - 1) * step); };
  if (!SetAlias(Comp(k, "ADDRSTREET"), At(11, 2, 1))) return;
  // A differing number in the order is kept for this comparable's photo frame
  MapValue(Comp(k, "NUM"), std::to_string(k));
  SetAlias(Comp(k, "UNITNUM"), At(12, 2, 1));
  SetAlias(Comp(k, "PROXIMITY"), At(13, 1, 1));
  SetAlias(Comp(k, "SALESPRICE"), At(14, 2, 1));
  SetAlias(Comp(k, "PRICEGROSSLIVING"), At(15, 2, 1));

  // Value and adjustment lines
  SetAlias(Comp(k, "TIMEADJUSTMENT"), At(17, 2, 2));
  SetAlias(Comp(k, "TIMEADJUSTMENTADJ"), At(17, 3, 2));
  SetAlias(Comp(k, "LOCATION"), At(18, 2, 2));
  SetAlias(Comp(k, "LOCATIONADJ"), At(18, 3, 2));
  SetAlias(Comp(k, "MAKE"), At(19, 2, 2));
  SetAlias(Comp(k, "MAKEADJ"), At(19, 3, 2));
  SetAlias(Comp(k, "YRBUILT"), At(20, 2, 2));
  SetAlias(Comp(k, "YRBUILTADJ"), At(20, 3, 2));
  SetAlias(Comp(k, "CONDITION"), At(21, 2, 2));
  SetAlias(Comp(k, "CONDITIONADJ"), At(21, 3, 2));
  // Room count
  SetAlias(Comp(k, "ROOMTOT"), At(23, 4, 4));
  SetAlias(Comp(k, "BEDROOMS"), At(23, 5, 4));
  SetAlias(Comp(k, "BATH"), At(23, 6, 4));
  SetAlias(Comp(k, "ABOVEGRADEADJ"), At(23, 7, 4));
  SetAlias(Comp(k, "LIVINGSQFT"), At(24, 2, 2));
  SetAlias(Comp(k, "LIVINGSQFTADJ"), At(24, 3, 2));
  SetAlias(Comp(k, "TIPOUT"), At(25, 2, 2));
  SetAlias(Comp(k, "TIPOUTADJ"), At(25, 3, 2));
  SetAlias(Comp(k, "ADDITIONS"), At(26, 2, 2));
  SetAlias(Comp(k, "ADDITIONSADJ"), At(26, 3, 2));
  // The unlabeled lines keep the two leading fields they have on "MOB"
  SetAlias(Comp(k, "UNLABELED"), At(27, 3, 2));
  SetAlias(Comp(k, "UNLABELEDADJ"), At(27, 4, 2));
  SetAlias(Comp(k, "UNLABELEDTWO"), At(28, 3, 2));
  SetAlias(Comp(k, "UNLABELEDTWOADJ"), At(28, 4, 2));
  SetAlias(Comp(k, "FURNISHINGS"), At(29, 2, 2));
  SetAlias(Comp(k, "FURNISHINGSADJ"), At(29, 3, 2));
  SetAlias(Comp(k, "WOODSTOVE"), At(30, 2, 2));
  SetAlias(Comp(k, "WOODSTOVEADJ"), At(30, 3, 2));
  SetAlias(Comp(k, "EXTRAS"), At(31, 2, 2));
  SetAlias(Comp(k, "EXTRASADJ"), At(31, 3, 2));
  SetAlias(Comp(k, "UNLABELEDTHREE"), At(32, 3, 2));
  SetAlias(Comp(k, "UNLABELEDTHREEADJ"), At(32, 4, 2));
  SetAlias(Comp(k, "SITEVALUE"), At(33, 2, 2));
  SetAlias(Comp(k, "SITEVALUEADJ"), At(33, 3, 2));
  SetAlias(Comp(k, "FCONCESSION"), At(34, 2, 2));
  SetAlias(Comp(k, "FCONCESSIONADJ"), At(34, 3, 2));

  // Net and adjusted sales price: here the gross adjustment has line 36 to itself
  CheckAlias(Comp(k, "NETADJUSTPOSNEG"), At(35, 1, 3), "POSITIVE", {At(35, 2, 3), "NEGATIVE"});
  SetAlias(Comp(k, "NETADJUSTTOT"), At(35, 3, 3));
  SetAlias(Comp(k, "ADJUSTSALESGROSS"), At(36, 1, 1));
  SetAlias(Comp(k, "ADJUSTSALESNET"), At(37, 1, 2));
  SetAlias(Comp(k, "ADJUSTSALESPRICE"), At(37, 2, 2));
}

}  // namespace ombrel
