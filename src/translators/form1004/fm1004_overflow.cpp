// One comparable's rows on the overflow forms "cmps46" and "cmps79": the grid
// of "UA2" with k (the place, 1 to 3) for n and the lines 91 higher, except
// the prior sale on 45 to 47. The street is written first, by the caller, as
// the guard of these rows.
#include "translators/form1004/fm1004.h"

#include "engine/table_text.h"

namespace ombrel {

void FM1004::OverflowComparableRows(int n, int k) {
  // Number check, address, proximity and price
  MapValue(Comp(n, "NUM"), std::to_string(n));
  ParseAddress(Addr(11, k + 1), Comp(n, "ADDRCITY"), Comp(n, "ADDRSTATEPROV"),
               Comp(n, "ADDRZIP"), "", "");
  SetAlias(Comp(n, "PROXIMITY"), Addr(12, k));
  SetAlias(Comp(n, "SALESPRICE"), Addr(13, k + 1));
  SetAlias(Comp(n, "PRICEGROSSLIVING"), Addr(14, k + 1));
  SetAlias(Comp(n, "DATA"), Addr(15, k + 1));
  SetAlias(Comp(n, "VERIFICATION"), Addr(16, k + 1));

  // Concessions and date of sale
  SetAlias(Comp(n, "SCONCESSION"), Addr(18, 2 * k - 1));
  SetAlias(Comp(n, "SCONCESSIONADJ"), Addr(18, 2 * k));
  SetAlias(Comp(n, "FCONCESSION"), Addr(19, 2 * k - 1));
  SetAlias(Comp(n, "FCONCESSIONADJ"), Addr(19, 2 * k));
  SetAlias(Comp(n, "SALEDT"), Addr(20, 2 * k - 1));
  SetAlias(Comp(n, "SALEDTADJ"), Addr(20, 2 * k));

  // Location to condition, each with its adjustment
  SetAlias(Comp(n, "LOCATION"), Addr(21, 2 * k));
  SetAlias(Comp(n, "LOCATIONADJ"), Addr(21, 2 * k + 1));
  SetAlias(Comp(n, "LEASEFEE"), Addr(22, 2 * k));
  SetAlias(Comp(n, "LEASEFEEADJ"), Addr(22, 2 * k + 1));
  SetAlias(Comp(n, "SITE"), Addr(23, 2 * k));
  SetAlias(Comp(n, "SITEADJ"), Addr(23, 2 * k + 1));
  SetAlias(Comp(n, "VIEW"), Addr(24, 2 * k));
  SetAlias(Comp(n, "VIEWADJ"), Addr(24, 2 * k + 1));
  SetAlias(Comp(n, "DESIGNSTYLE"), Addr(25, 2 * k));
  SetAlias(Comp(n, "DESIGNSTYLEADJ"), Addr(25, 2 * k + 1));
  // The order spells the construction adjustment CONTSRUCTADJ.
  SetAlias(Comp(n, "CONSTRUCT"), Addr(26, 2 * k));
  SetAlias(Comp(n, "CONTSRUCTADJ"), Addr(26, 2 * k + 1));
  SetAlias(Comp(n, "AGEYRS"), Addr(27, 2 * k));
  SetAlias(Comp(n, "AGEYRSADJ"), Addr(27, 2 * k + 1));
  SetAlias(Comp(n, "CONDITION"), Addr(28, 2 * k));
  SetAlias(Comp(n, "CONDITIONADJ"), Addr(28, 2 * k + 1));

  // Above grade room count: four cells per comparable
  SetAlias(Comp(n, "ROOMTOT"), Addr(30, 4 * k));
  SetAlias(Comp(n, "BEDROOMS"), Addr(30, 4 * k + 1));
  SetAlias(Comp(n, "BATH"), Addr(30, 4 * k + 2));
  SetAlias(Comp(n, "ABOVEGRADEADJ"), Addr(30, 4 * k + 3));

  // Living area to fence and pool, each with its adjustment
  SetAlias(Comp(n, "LIVINGSQFT"), Addr(31, 2 * k));
  SetAlias(Comp(n, "LIVINGSQFTADJ"), Addr(31, 2 * k + 1));
  SetAlias(Comp(n, "BASEMENT"), Addr(32, 2 * k));
  SetAlias(Comp(n, "BASEMENTADJ"), Addr(32, 2 * k + 1));
  SetAlias(Comp(n, "BASEMENTFIN"), Addr(33, 2 * k));
  SetAlias(Comp(n, "BASEMENTFINADJ"), Addr(33, 2 * k + 1));
  SetAlias(Comp(n, "FUNCTIONAL"), Addr(34, 2 * k));
  SetAlias(Comp(n, "FUNCTIONALADJ"), Addr(34, 2 * k + 1));
  SetAlias(Comp(n, "HEATINGCOOL"), Addr(35, 2 * k));
  SetAlias(Comp(n, "HEATINGCOOLADJ"), Addr(35, 2 * k + 1));
  SetAlias(Comp(n, "ENERGYEFF"), Addr(36, 2 * k));
  SetAlias(Comp(n, "ENERGYEFFADJ"), Addr(36, 2 * k + 1));
  SetAlias(Comp(n, "GARAGE"), Addr(37, 2 * k));
  SetAlias(Comp(n, "GARAGEADJ"), Addr(37, 2 * k + 1));
  SetAlias(Comp(n, "PORCHPATIO"), Addr(38, 2 * k));
  SetAlias(Comp(n, "PORCHPATIOADJ"), Addr(38, 2 * k + 1));
  SetAlias(Comp(n, "FIREPLACE"), Addr(39, 2 * k));
  SetAlias(Comp(n, "FIREPLACEADJ"), Addr(39, 2 * k + 1));
  SetAlias(Comp(n, "FENCEPOOL"), Addr(40, 2 * k));
  SetAlias(Comp(n, "FENCEPOOLADJ"), Addr(40, 2 * k + 1));

  // The unlabeled line starts one cell later, as on "UA2".
  SetAlias(Comp(n, "UNLABELED"), Addr(41, 2 * k + 1));
  SetAlias(Comp(n, "UNLABELEDADJ"), Addr(41, 2 * k + 2));

  // Net adjustment and adjusted price
  CheckAlias(Comp(n, "NETADJUSTPOSNEG"), Addr(42, 3 * k - 2), "POSITIVE",
             {Addr(42, 3 * k - 1), "NEGATIVE"});
  SetAlias(Comp(n, "NETADJUSTTOT"), Addr(42, 3 * k));
  SetAlias(Comp(n, "ADJUSTSALESGROSS"), Addr(43, k));
  SetAlias(Comp(n, "ADJUSTSALESNET"), Addr(44, 2 * k - 1));
  SetAlias(Comp(n, "ADJUSTSALESPRICE"), Addr(44, 2 * k));

  // Prior sale
  SetAlias(Comp(n, "PRIORSALEDT"), Addr(45, k + 1));
  SetAlias(Comp(n, "PRIORSALEPRICE"), Addr(46, k + 1));
  SetAlias(Comp(n, "PRIORSALEDATA"), Addr(47, k + 1));
}

}  // namespace ombrel
