// One comparable's column of the sales comparison grid of "UA2". The subject
// holds the first field of most lines, so comparable n takes the fields after
// it: one field per line in the upper rows (n+1), a value and its adjustment
// (2n, 2n+1) below. Every call is made, whether or not the order has the
// comparable.
#include "translators/form1004/fm1004.h"

#include "engine/table_text.h"

namespace ombrel {

void FM1004::ComparableColumn(int n) {
  // Number check, address, proximity and price
  MapValue(Comp(n, "NUM"), std::to_string(n));
  SetAlias(Comp(n, "ADDRSTREET"), Addr(101, n + 1));
  ParseAddress(Addr(102, n + 1), Comp(n, "ADDRCITY"), Comp(n, "ADDRSTATEPROV"),
               Comp(n, "ADDRZIP"), "", "");
  SetAlias(Comp(n, "PROXIMITY"), Addr(103, n));
  SetAlias(Comp(n, "SALESPRICE"), Addr(104, n + 1));
  SetAlias(Comp(n, "PRICEGROSSLIVING"), Addr(105, n + 1));
  SetAlias(Comp(n, "DATA"), Addr(106, n + 1));
  SetAlias(Comp(n, "VERIFICATION"), Addr(107, n + 1));

  // Concessions and date of sale: no subject cell on these lines
  SetAlias(Comp(n, "SCONCESSION"), Addr(109, 2 * n - 1));
  SetAlias(Comp(n, "SCONCESSIONADJ"), Addr(109, 2 * n));
  SetAlias(Comp(n, "FCONCESSION"), Addr(110, 2 * n - 1));
  SetAlias(Comp(n, "FCONCESSIONADJ"), Addr(110, 2 * n));
  SetAlias(Comp(n, "SALEDT"), Addr(111, 2 * n - 1));
  SetAlias(Comp(n, "SALEDTADJ"), Addr(111, 2 * n));

  // Location to condition, each with its adjustment
  SetAlias(Comp(n, "LOCATION"), Addr(112, 2 * n));
  SetAlias(Comp(n, "LOCATIONADJ"), Addr(112, 2 * n + 1));
  SetAlias(Comp(n, "LEASEFEE"), Addr(113, 2 * n));
  SetAlias(Comp(n, "LEASEFEEADJ"), Addr(113, 2 * n + 1));
  SetAlias(Comp(n, "SITE"), Addr(114, 2 * n));
  SetAlias(Comp(n, "SITEADJ"), Addr(114, 2 * n + 1));
  SetAlias(Comp(n, "VIEW"), Addr(115, 2 * n));
  SetAlias(Comp(n, "VIEWADJ"), Addr(115, 2 * n + 1));
  SetAlias(Comp(n, "DESIGNSTYLE"), Addr(116, 2 * n));
  SetAlias(Comp(n, "DESIGNSTYLEADJ"), Addr(116, 2 * n + 1));
  // The order spells the construction adjustment CONTSRUCTADJ.
  SetAlias(Comp(n, "CONSTRUCT"), Addr(117, 2 * n));
  SetAlias(Comp(n, "CONTSRUCTADJ"), Addr(117, 2 * n + 1));
  SetAlias(Comp(n, "AGEYRS"), Addr(118, 2 * n));
  SetAlias(Comp(n, "AGEYRSADJ"), Addr(118, 2 * n + 1));
  SetAlias(Comp(n, "CONDITION"), Addr(119, 2 * n));
  SetAlias(Comp(n, "CONDITIONADJ"), Addr(119, 2 * n + 1));

  // Above grade room count: four cells per comparable
  SetAlias(Comp(n, "ROOMTOT"), Addr(121, 4 * n));
  SetAlias(Comp(n, "BEDROOMS"), Addr(121, 4 * n + 1));
  SetAlias(Comp(n, "BATH"), Addr(121, 4 * n + 2));
  SetAlias(Comp(n, "ABOVEGRADEADJ"), Addr(121, 4 * n + 3));

  // Living area to fence and pool, each with its adjustment
  SetAlias(Comp(n, "LIVINGSQFT"), Addr(122, 2 * n));
  SetAlias(Comp(n, "LIVINGSQFTADJ"), Addr(122, 2 * n + 1));
  SetAlias(Comp(n, "BASEMENT"), Addr(123, 2 * n));
  SetAlias(Comp(n, "BASEMENTADJ"), Addr(123, 2 * n + 1));
  SetAlias(Comp(n, "BASEMENTFIN"), Addr(124, 2 * n));
  SetAlias(Comp(n, "BASEMENTFINADJ"), Addr(124, 2 * n + 1));
  SetAlias(Comp(n, "FUNCTIONAL"), Addr(125, 2 * n));
  SetAlias(Comp(n, "FUNCTIONALADJ"), Addr(125, 2 * n + 1));
  SetAlias(Comp(n, "HEATINGCOOL"), Addr(126, 2 * n));
  SetAlias(Comp(n, "HEATINGCOOLADJ"), Addr(126, 2 * n + 1));
  SetAlias(Comp(n, "ENERGYEFF"), Addr(127, 2 * n));
  SetAlias(Comp(n, "ENERGYEFFADJ"), Addr(127, 2 * n + 1));
  SetAlias(Comp(n, "GARAGE"), Addr(128, 2 * n));
  SetAlias(Comp(n, "GARAGEADJ"), Addr(128, 2 * n + 1));
  SetAlias(Comp(n, "PORCHPATIO"), Addr(129, 2 * n));
  SetAlias(Comp(n, "PORCHPATIOADJ"), Addr(129, 2 * n + 1));
  SetAlias(Comp(n, "FIREPLACE"), Addr(130, 2 * n));
  SetAlias(Comp(n, "FIREPLACEADJ"), Addr(130, 2 * n + 1));
  SetAlias(Comp(n, "FENCEPOOL"), Addr(131, 2 * n));
  SetAlias(Comp(n, "FENCEPOOLADJ"), Addr(131, 2 * n + 1));

  // The unlabeled line: the subject has a name and a description here, so
  // the comparable's cells start one later.
  SetAlias(Comp(n, "UNLABELED"), Addr(132, 2 * n + 1));
  SetAlias(Comp(n, "UNLABELEDADJ"), Addr(132, 2 * n + 2));

  // Net adjustment and adjusted price
  CheckAlias(Comp(n, "NETADJUSTPOSNEG"), Addr(133, 3 * n - 2), "POSITIVE",
             {Addr(133, 3 * n - 1), "NEGATIVE"});
  SetAlias(Comp(n, "NETADJUSTTOT"), Addr(133, 3 * n));
  SetAlias(Comp(n, "ADJUSTSALESGROSS"), Addr(134, n));
  SetAlias(Comp(n, "ADJUSTSALESNET"), Addr(135, 2 * n - 1));
  SetAlias(Comp(n, "ADJUSTSALESPRICE"), Addr(135, 2 * n));

  // Prior sale
  SetAlias(Comp(n, "PRIORSALEDT"), Addr(143, n + 1));
  SetAlias(Comp(n, "PRIORSALEPRICE"), Addr(144, n + 1));
  SetAlias(Comp(n, "PRIORSALEDATA"), Addr(145, n + 1));
}

}  // namespace ombrel
