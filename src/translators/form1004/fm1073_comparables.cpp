// One comparable's column of the sales comparison grid of "CN2", for
// comparables 1 to 3. On lines with a subject field comparable n starts at field
// n + 1 (one value), 2n (value and adjustment) or 4n (room counts); on lines
// without one at n, 2n - 1, or 3n - 2 (the net adjustment's two boxes and total).
#include "translators/form1004/fm1073.h"

#include "engine/table_text.h"

namespace ombrel {

void FM1073::ComparableColumn(int n) {
  // A differing number in the order is kept for this comparable's photo frame
  MapValue(Comp(n, "NUM"), std::to_string(n));
  Combine(Addr(100, n + 1), ", #", 0, {Comp(n, "ADDRSTREET"), Comp(n, "UNITNUM")});
  SetAlias(Comp(n, "PROJNAME"), Addr(101, n + 1));
  // Proximity has no subject field
  SetAlias(Comp(n, "PROXIMITY"), Addr(102, n));
  SetAlias(Comp(n, "SALESPRICE"), Addr(103, n + 1));
  SetAlias(Comp(n, "PRICEGROSSLIVING"), Addr(104, n + 1));
  SetAlias(Comp(n, "DATA"), Addr(105, n + 1));
  SetAlias(Comp(n, "VERIFICATION"), Addr(106, n + 1));

  // Concessions and date of sale have no subject field
  SetAlias(Comp(n, "SCONCESSION"), Addr(108, 2 * n - 1));
  SetAlias(Comp(n, "SCONCESSIONADJ"), Addr(108, 2 * n));
  SetAlias(Comp(n, "FCONCESSION"), Addr(109, 2 * n - 1));
  SetAlias(Comp(n, "FCONCESSIONADJ"), Addr(109, 2 * n));
  SetAlias(Comp(n, "SALEDT"), Addr(110, 2 * n - 1));
  SetAlias(Comp(n, "SALEDTADJ"), Addr(110, 2 * n));

  // Value and adjustment lines
  SetAlias(Comp(n, "LOCATION"), Addr(111, 2 * n));
  SetAlias(Comp(n, "LOCATIONADJ"), Addr(111, 2 * n + 1));
  SetAlias(Comp(n, "LEASEFEE"), Addr(112, 2 * n));
  SetAlias(Comp(n, "LEASEFEEADJ"), Addr(112, 2 * n + 1));
  SetAlias(Comp(n, "HOAASSESSMENT"), Addr(113, 2 * n));
  SetAlias(Comp(n, "HOAASSESSMENTADJ"), Addr(113, 2 * n + 1));
  SetAlias(Comp(n, "ELEMENTSREC"), Addr(114, 2 * n));
  SetAlias(Comp(n, "ELEMENTSRECADJ"), Addr(114, 2 * n + 1));
  SetAlias(Comp(n, "ELEMENTSREC2"), Addr(115, 2 * n));
  SetAlias(Comp(n, "ELEMENTSREC2ADJ"), Addr(115, 2 * n + 1));
  SetAlias(Comp(n, "PROJSIZETYPE"), Addr(116, 2 * n));
  SetAlias(Comp(n, "PROJSIZETYPEADJ"), Addr(116, 2 * n + 1));
  SetAlias(Comp(n, "FLOORLOCATION"), Addr(117, 2 * n));
  SetAlias(Comp(n, "FLOORLOCATIONADJ"), Addr(117, 2 * n + 1));
  SetAlias(Comp(n, "VIEW"), Addr(118, 2 * n));
  SetAlias(Comp(n, "VIEWADJ"), Addr(118, 2 * n + 1));
  SetAlias(Comp(n, "DESIGNSTYLE"), Addr(119, 2 * n));
  SetAlias(Comp(n, "DESIGNSTYLEADJ"), Addr(119, 2 * n + 1));
  SetAlias(Comp(n, "CONSTRUCT"), Addr(120, 2 * n));
  SetAlias(Comp(n, "CONSTRUCTADJ"), Addr(120, 2 * n + 1));
  SetAlias(Comp(n, "AGEYRS"), Addr(121, 2 * n));
  SetAlias(Comp(n, "AGEYRSADJ"), Addr(121, 2 * n + 1));
  SetAlias(Comp(n, "CONDITION"), Addr(122, 2 * n));
  SetAlias(Comp(n, "CONDITIONADJ"), Addr(122, 2 * n + 1));

  // Room count: the subject has three fields, each comparable four
  SetAlias(Comp(n, "ROOMTOT"), Addr(124, 4 * n));
  SetAlias(Comp(n, "BEDROOMS"), Addr(124, 4 * n + 1));
  SetAlias(Comp(n, "BATH"), Addr(124, 4 * n + 2));
  SetAlias(Comp(n, "ABOVEGRADEADJ"), Addr(124, 4 * n + 3));

  SetAlias(Comp(n, "LIVINGSQFT"), Addr(125, 2 * n));
  SetAlias(Comp(n, "LIVINGSQFTADJ"), Addr(125, 2 * n + 1));
  SetAlias(Comp(n, "BASEMENT"), Addr(126, 2 * n));
  SetAlias(Comp(n, "BASEMENTADJ"), Addr(126, 2 * n + 1));
  SetAlias(Comp(n, "BASEMENTFIN"), Addr(127, 2 * n));
  SetAlias(Comp(n, "BASEMENTFINADJ"), Addr(127, 2 * n + 1));
  SetAlias(Comp(n, "FUNCTIONAL"), Addr(128, 2 * n));
  SetAlias(Comp(n, "FUNCTIONALADJ"), Addr(128, 2 * n + 1));
  SetAlias(Comp(n, "HEATINGCOOL"), Addr(129, 2 * n));
  SetAlias(Comp(n, "HEATINGCOOLADJ"), Addr(129, 2 * n + 1));
  SetAlias(Comp(n, "ENERGYEFF"), Addr(130, 2 * n));
  SetAlias(Comp(n, "ENERGYEFFADJ"), Addr(130, 2 * n + 1));
  SetAlias(Comp(n, "GARAGE"), Addr(131, 2 * n));
  SetAlias(Comp(n, "GARAGEADJ"), Addr(131, 2 * n + 1));
  SetAlias(Comp(n, "PORCHPATIO"), Addr(132, 2 * n));
  SetAlias(Comp(n, "PORCHPATIOADJ"), Addr(132, 2 * n + 1));
  SetAlias(Comp(n, "FIREPLACE"), Addr(133, 2 * n));
  SetAlias(Comp(n, "FIREPLACEADJ"), Addr(133, 2 * n + 1));
  // The unlabeled line holds its label and the subject's entry before the comparables
  SetAlias(Comp(n, "UNLABELED"), Addr(134, 2 * n + 1));
  SetAlias(Comp(n, "UNLABELEDADJ"), Addr(134, 2 * n + 2));

  // Net and adjusted sales price
  CheckAlias(Comp(n, "NETADJUSTPOSNEG"), Addr(135, 3 * n - 2), "POSITIVE",
             {Addr(135, 3 * n - 1), "NEGATIVE"});
  SetAlias(Comp(n, "NETADJUSTTOT"), Addr(135, 3 * n));
  SetAlias(Comp(n, "ADJUSTSALESGROSS"), Addr(136, n));
  SetAlias(Comp(n, "ADJUSTSALESNET"), Addr(137, 2 * n - 1));
  SetAlias(Comp(n, "ADJUSTSALESPRICE"), Addr(137, 2 * n));

  // Prior sale
  SetAlias(Comp(n, "PRIORSALEDT"), Addr(143, n + 1));
  SetAlias(Comp(n, "PRIORSALEPRICE"), Addr(144, n + 1));
  SetAlias(Comp(n, "PRIORSALEDATA"), Addr(145, n + 1));
}

}  // namespace ombrel
