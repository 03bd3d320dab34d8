// One comparable's column of the grid on an overflow form ("cn2cmp46" for
// comparables 4 to 6, "cn2cmp79" for 7 to 9). The rows are those of "CN2"
// 89 lines higher (the prior sale on lines 49 to 51), with no subject values,
// and column p takes the fields that comparable p takes on "CN2".
#include "translators/form1004/fm1073.h"

#include "engine/table_text.h"

namespace ombrel {

void FM1073::OverflowComparableColumn(int n, int p) {
  // A differing number in the order is kept for this comparable's photo frame
  MapValue(Comp(n, "NUM"), std::to_string(n));
  Combine(Addr(11, p + 1), ", #", 0, {Comp(n, "ADDRSTREET"), Comp(n, "UNITNUM")});
  SetAlias(Comp(n, "PROJNAME"), Addr(12, p + 1));
  SetAlias(Comp(n, "PROXIMITY"), Addr(13, p));
  SetAlias(Comp(n, "SALESPRICE"), Addr(14, p + 1));
  SetAlias(Comp(n, "PRICEGROSSLIVING"), Addr(15, p + 1));
  SetAlias(Comp(n, "DATA"), Addr(16, p + 1));
  SetAlias(Comp(n, "VERIFICATION"), Addr(17, p + 1));

  SetAlias(Comp(n, "SCONCESSION"), Addr(19, 2 * p - 1));
  SetAlias(Comp(n, "SCONCESSIONADJ"), Addr(19, 2 * p));
  SetAlias(Comp(n, "FCONCESSION"), Addr(20, 2 * p - 1));
  SetAlias(Comp(n, "FCONCESSIONADJ"), Addr(20, 2 * p));
  SetAlias(Comp(n, "SALEDT"), Addr(21, 2 * p - 1));
  SetAlias(Comp(n, "SALEDTADJ"), Addr(21, 2 * p));

  // Value and adjustment lines
  SetAlias(Comp(n, "LOCATION"), Addr(22, 2 * p));
  SetAlias(Comp(n, "LOCATIONADJ"), Addr(22, 2 * p + 1));
  SetAlias(Comp(n, "LEASEFEE"), Addr(23, 2 * p));
  SetAlias(Comp(n, "LEASEFEEADJ"), Addr(23, 2 * p + 1));
  SetAlias(Comp(n, "HOAASSESSMENT"), Addr(24, 2 * p));
  SetAlias(Comp(n, "HOAASSESSMENTADJ"), Addr(24, 2 * p + 1));
  SetAlias(Comp(n, "ELEMENTSREC"), Addr(25, 2 * p));
  SetAlias(Comp(n, "ELEMENTSRECADJ"), Addr(25, 2 * p + 1));
  SetAlias(Comp(n, "ELEMENTSREC2"), Addr(26, 2 * p));
  SetAlias(Comp(n, "ELEMENTSREC2ADJ"), Addr(26, 2 * p + 1));
  SetAlias(Comp(n, "PROJSIZETYPE"), Addr(27, 2 * p));
  SetAlias(Comp(n, "PROJSIZETYPEADJ"), Addr(27, 2 * p + 1));
  SetAlias(Comp(n, "FLOORLOCATION"), Addr(28, 2 * p));
  SetAlias(Comp(n, "FLOORLOCATIONADJ"), Addr(28, 2 * p + 1));
  SetAlias(Comp(n, "VIEW"), Addr(29, 2 * p));
  SetAlias(Comp(n, "VIEWADJ"), Addr(29, 2 * p + 1));
  SetAlias(Comp(n, "DESIGNSTYLE"), Addr(30, 2 * p));
  SetAlias(Comp(n, "DESIGNSTYLEADJ"), Addr(30, 2 * p + 1));
  SetAlias(Comp(n, "CONSTRUCT"), Addr(31, 2 * p));
  SetAlias(Comp(n, "CONSTRUCTADJ"), Addr(31, 2 * p + 1));
  SetAlias(Comp(n, "AGEYRS"), Addr(32, 2 * p));
  SetAlias(Comp(n, "AGEYRSADJ"), Addr(32, 2 * p + 1));
  SetAlias(Comp(n, "CONDITION"), Addr(33, 2 * p));
  SetAlias(Comp(n, "CONDITIONADJ"), Addr(33, 2 * p + 1));

  // Room count
  SetAlias(Comp(n, "ROOMTOT"), Addr(35, 4 * p));
  SetAlias(Comp(n, "BEDROOMS"), Addr(35, 4 * p + 1));
  SetAlias(Comp(n, "BATH"), Addr(35, 4 * p + 2));
  SetAlias(Comp(n, "ABOVEGRADEADJ"), Addr(35, 4 * p + 3));

  SetAlias(Comp(n, "LIVINGSQFT"), Addr(36, 2 * p));
  SetAlias(Comp(n, "LIVINGSQFTADJ"), Addr(36, 2 * p + 1));
  SetAlias(Comp(n, "BASEMENT"), Addr(37, 2 * p));
  SetAlias(Comp(n, "BASEMENTADJ"), Addr(37, 2 * p + 1));
  SetAlias(Comp(n, "BASEMENTFIN"), Addr(38, 2 * p));
  SetAlias(Comp(n, "BASEMENTFINADJ"), Addr(38, 2 * p + 1));
  SetAlias(Comp(n, "FUNCTIONAL"), Addr(39, 2 * p));
  SetAlias(Comp(n, "FUNCTIONALADJ"), Addr(39, 2 * p + 1));
  SetAlias(Comp(n, "HEATINGCOOL"), Addr(40, 2 * p));
  SetAlias(Comp(n, "HEATINGCOOLADJ"), Addr(40, 2 * p + 1));
  SetAlias(Comp(n, "ENERGYEFF"), Addr(41, 2 * p));
  SetAlias(Comp(n, "ENERGYEFFADJ"), Addr(41, 2 * p + 1));
  SetAlias(Comp(n, "GARAGE"), Addr(42, 2 * p));
  SetAlias(Comp(n, "GARAGEADJ"), Addr(42, 2 * p + 1));
  SetAlias(Comp(n, "PORCHPATIO"), Addr(43, 2 * p));
  SetAlias(Comp(n, "PORCHPATIOADJ"), Addr(43, 2 * p + 1));
  SetAlias(Comp(n, "FIREPLACE"), Addr(44, 2 * p));
  SetAlias(Comp(n, "FIREPLACEADJ"), Addr(44, 2 * p + 1));
  // The unlabeled line keeps the two leading fields it has on "CN2"
  SetAlias(Comp(n, "UNLABELED"), Addr(45, 2 * p + 1));
  SetAlias(Comp(n, "UNLABELEDADJ"), Addr(45, 2 * p + 2));

  // Net and adjusted sales price
  CheckAlias(Comp(n, "NETADJUSTPOSNEG"), Addr(46, 3 * p - 2), "POSITIVE",
             {Addr(46, 3 * p - 1), "NEGATIVE"});
  SetAlias(Comp(n, "NETADJUSTTOT"), Addr(46, 3 * p));
  SetAlias(Comp(n, "ADJUSTSALESGROSS"), Addr(47, p));
  SetAlias(Comp(n, "ADJUSTSALESNET"), Addr(48, 2 * p - 1));
  SetAlias(Comp(n, "ADJUSTSALESPRICE"), Addr(48, 2 * p));

  // Prior sale
  SetAlias(Comp(n, "PRIORSALEDT"), Addr(49, p + 1));
  SetAlias(Comp(n, "PRIORSALEPRICE"), Addr(50, p + 1));
  SetAlias(Comp(n, "PRIORSALEDATA"), Addr(51, p + 1));
}

}  // namespace ombrel
