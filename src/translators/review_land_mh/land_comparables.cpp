// One comparable's column of the land sales comparison grid. On "LAR"
// comparables 1 to 3 run every row, their number check first; on "larcmps"
// comparables 4 to 6 take the columns of 1 to 3 forty lines higher, and a
// column is written only when its street is. At(line, first, step) is the
// row's field for column p: the field of column 1 plus (p - 1) steps.
#include "translators/review_land_mh/land.h"

#include "engine/table_text.h"

namespace ombrel {

void LAND::ComparableColumn(int k) {
  // A differing number in the order is kept for this comparable's photo frame
  MapValue(Comp(k, "NUM"), std::to_string(k));
  SetAlias(Comp(k, "ADDRSTREET"), Addr(50, 2 + (k - 1) * 1));
  ComparableRows(k, k, 0);
}

void LAND::ComparablesFormColumn(int k) {
  if (SetAlias(Comp(k, "ADDRSTREET"), Addr(50 - 40, 2 + (k - 4) * 1))) {
    MapValue(Comp(k, "NUM"), std::to_string(k));
    ComparableRows(k, k - 3, 40);
  }
}

void LAND::ComparableRows(int k, int p, int linesUp) {
  auto At = [p, linesUp](int line, int first, int step) {
    return Addr(line - linesUp, first + (p - 1) * step);
  };
  ParseAddress(At(51, 2, 1), Comp(k, "ADDRCITY"), Comp(k, "ADDRSTATEPROV"), Comp(k, "ADDRZIP"), "",
               "");
  SetAlias(Comp(k, "PROXIMITY"), At(52, 1, 1));
  SetAlias(Comp(k, "SALESPRICE"), At(53, 2, 1));
  SetAlias(Comp(k, "PRICEGROSSLIVING"), At(54, 2, 1));
  SetAlias(Comp(k, "DATA"), At(55, 2, 1));

  // Value and adjustment lines
  SetAlias(Comp(k, "SALEDT"), At(57, 2, 2));
  SetAlias(Comp(k, "SALEDTADJ"), At(57, 3, 2));
  SetAlias(Comp(k, "LOCATION"), At(58, 2, 2));
  SetAlias(Comp(k, "LOCATIONADJ"), At(58, 3, 2));
  SetAlias(Comp(k, "SITE"), At(59, 2, 2));
  SetAlias(Comp(k, "SITEADJ"), At(59, 3, 2));
  SetAlias(Comp(k, "UNLABELED"), At(60, 2, 2));
  SetAlias(Comp(k, "UNLABELEDADJ"), At(60, 3, 2));
  // The three lower unlabeled lines hold their label and the subject's entry first
  SetAlias(Comp(k, "UNLABELEDTWO"), At(61, 3, 2));
  SetAlias(Comp(k, "UNLABELEDTWOADJ"), At(61, 4, 2));
  SetAlias(Comp(k, "UNLABELEDTHREE"), At(62, 3, 2));
  SetAlias(Comp(k, "UNLABELEDTHREEADJ"), At(62, 4, 2));
  SetAlias(Comp(k, "UNLABELEDFOUR"), At(63, 3, 2));
  SetAlias(Comp(k, "UNLABELEDFOURADJ"), At(63, 4, 2));
  SetAlias(Comp(k, "SCONCESSION"), At(64, 2, 2));
  SetAlias(Comp(k, "SCONCESSIONADJ"), At(64, 3, 2));
  SetAlias(Comp(k, "FCONCESSION"), At(65, 2, 2));
  SetAlias(Comp(k, "FCONCESSIONADJ"), At(65, 3, 2));

  // Net and adjusted sales price
  CheckAlias(Comp(k, "NETADJUSTPOSNEG"), At(66, 1, 3), "POSITIVE", {At(66, 2, 3), "NEGATIVE"});
  SetAlias(Comp(k, "NETADJUSTTOT"), At(66, 3, 3));
  SetAlias(Comp(k, "ADJUSTSALESGROSS"), At(67, 1, 1));
  SetAlias(Comp(k, "ADJUSTSALESNET"), At(68, 1, 2));
  SetAlias(Comp(k, "ADJUSTSALESPRICE"), At(68, 2, 2));
}

}  // namespace ombrel
