// One comparable's column on the overflow forms "CIACMP46" and "ciacmp79":
// the grid of "CIA" moved up 164 lines (175 becomes 11), the prior-sale
// lines 172 (223 becomes 51). Place m takes the fields comparable m takes
// on the main form; the tags keep the comparable's own number n.
#include "translators/form1004/fm1075.h"

#include "engine/table_text.h"

namespace ombrel {

void FM1075::OverflowColumn(int n, int m) {
  MapValue(Comp(n, "NUM"), std::to_string(n));
  Combine(Addr(11, m + 1), ", #", 0, {Comp(n, "ADDRSTREET"), Comp(n, "UNITNUM")});
  ParseAddress(Addr(12, m + 1), Comp(n, "ADDRCITY"), Comp(n, "ADDRSTATEPROV"),
               Comp(n, "ADDRZIP"), "", "");
  SetAlias(Comp(n, "PROJNAME"), Addr(13, m + 1));
  SetAlias(Comp(n, "PROXIMITY"), Addr(14, m));
  SetAlias(Comp(n, "SALESPRICE"), Addr(15, m + 1));
  SetAlias(Comp(n, "PRICEGROSSLIVING"), Addr(16, m + 1));
  SetAlias(Comp(n, "DATA"), Addr(17, m + 1));
  SetAlias(Comp(n, "VERIFICATION"), Addr(18, m + 1));

  // Concessions and date of sale
  SetAlias(Comp(n, "SCONCESSION"), Addr(20, 2 * m - 1));
  SetAlias(Comp(n, "SCONCESSIONADJ"), Addr(20, 2 * m));
  SetAlias(Comp(n, "FCONCESSION"), Addr(21, 2 * m - 1));
  SetAlias(Comp(n, "FCONCESSIONADJ"), Addr(21, 2 * m));
  SetAlias(Comp(n, "SALEDT"), Addr(22, 2 * m - 1));
  SetAlias(Comp(n, "SALEDTADJ"), Addr(22, 2 * m));

  // Location to remodeling
  SetAlias(Comp(n, "LOCATION"), Addr(23, 2 * m));
  SetAlias(Comp(n, "LOCATIONADJ"), Addr(23, 2 * m + 1));
  SetAlias(Comp(n, "VIEW"), Addr(24, 2 * m));
  SetAlias(Comp(n, "VIEWADJ"), Addr(24, 2 * m + 1));
  SetAlias(Comp(n, "FLOORLOCATION"), Addr(25, 2 * m));
  SetAlias(Comp(n, "FLOORLOCATIONADJ"), Addr(25, 2 * m + 1));
  SetAlias(Comp(n, "HOAASSESSMENT"), Addr(26, 2 * m));
  SetAlias(Comp(n, "HOAASSESSMENTADJ"), Addr(26, 2 * m + 1));
  SetAlias(Comp(n, "PROJAMEN"), Addr(27, 2 * m));
  SetAlias(Comp(n, "PROJAMENADJ"), Addr(27, 2 * m + 1));
  SetAlias(Comp(n, "PROJAMEN2"), Addr(28, 2 * m));
  SetAlias(Comp(n, "PROJAMEN2ADJ"), Addr(28, 2 * m + 1));
  SetAlias(Comp(n, "PROJSECURE"), Addr(29, 2 * m));
  SetAlias(Comp(n, "PROJSECUREADJ"), Addr(29, 2 * m + 1));
  SetAlias(Comp(n, "PROJSECURE2"), Addr(30, 2 * m));
  SetAlias(Comp(n, "PROJSECURE2ADJ"), Addr(30, 2 * m + 1));
  SetAlias(Comp(n, "DESIGNSTYLE"), Addr(31, 2 * m));
  SetAlias(Comp(n, "DESIGNSTYLEADJ"), Addr(31, 2 * m + 1));
  SetAlias(Comp(n, "AGEYRS"), Addr(32, 2 * m));
  SetAlias(Comp(n, "AGEYRSADJ"), Addr(32, 2 * m + 1));
  SetAlias(Comp(n, "CONDITION"), Addr(33, 2 * m));
  SetAlias(Comp(n, "CONDITIONADJ"), Addr(33, 2 * m + 1));
  SetAlias(Comp(n, "REMODELING"), Addr(34, 2 * m));
  SetAlias(Comp(n, "REMODELINGADJ"), Addr(34, 2 * m + 1));
  SetAlias(Comp(n, "REMODELING2"), Addr(35, 2 * m));
  SetAlias(Comp(n, "REMODELING2ADJ"), Addr(35, 2 * m + 1));

  // Room count: four fields per comparable
  SetAlias(Comp(n, "ROOMTOT"), Addr(37, 4 * m));
  SetAlias(Comp(n, "BEDROOMS"), Addr(37, 4 * m + 1));
  SetAlias(Comp(n, "BATH"), Addr(37, 4 * m + 2));
  SetAlias(Comp(n, "ABOVEGRADEADJ"), Addr(37, 4 * m + 3));

  // Living area to fireplaces
  SetAlias(Comp(n, "LIVINGSQFT"), Addr(38, 2 * m));
  SetAlias(Comp(n, "LIVINGSQFTADJ"), Addr(38, 2 * m + 1));
  SetAlias(Comp(n, "BASEMENT"), Addr(39, 2 * m));
  SetAlias(Comp(n, "BASEMENTADJ"), Addr(39, 2 * m + 1));
  SetAlias(Comp(n, "FUNCTIONAL"), Addr(40, 2 * m));
  SetAlias(Comp(n, "FUNCTIONALADJ"), Addr(40, 2 * m + 1));
  SetAlias(Comp(n, "HEATINGCOOL"), Addr(41, 2 * m));
  SetAlias(Comp(n, "HEATINGCOOLADJ"), Addr(41, 2 * m + 1));
  SetAlias(Comp(n, "ENERGYEFF"), Addr(42, 2 * m));
  SetAlias(Comp(n, "ENERGYEFFADJ"), Addr(42, 2 * m + 1));
  SetAlias(Comp(n, "GARAGE"), Addr(43, 2 * m));
  SetAlias(Comp(n, "GARAGEADJ"), Addr(43, 2 * m + 1));
  SetAlias(Comp(n, "PORCHPATIO"), Addr(44, 2 * m));
  SetAlias(Comp(n, "PORCHPATIOADJ"), Addr(44, 2 * m + 1));
  SetAlias(Comp(n, "FIREPLACE"), Addr(45, 2 * m));
  SetAlias(Comp(n, "FIREPLACEADJ"), Addr(45, 2 * m + 1));

  // The unlabelled rows
  SetAlias(Comp(n, "UNLABELED"), Addr(46, 2 * m + 1));
  SetAlias(Comp(n, "UNLABELEDADJ"), Addr(46, 2 * m + 2));
  SetAlias(Comp(n, "UNLABELEDTWO"), Addr(47, 2 * m + 1));
  SetAlias(Comp(n, "UNLABELEDTWOADJ"), Addr(47, 2 * m + 2));

  // Net adjustment and adjusted price
  CheckAlias(Comp(n, "NETADJUSTPOSNEG"), Addr(48, 3 * m - 2), "POSITIVE",
             {Addr(48, 3 * m - 1), "NEGATIVE"});
  SetAlias(Comp(n, "NETADJUSTTOT"), Addr(48, 3 * m));
  SetAlias(Comp(n, "ADJUSTSALESGROSS"), Addr(49, m));
  SetAlias(Comp(n, "ADJUSTSALESNET"), Addr(50, 2 * m - 1));
  SetAlias(Comp(n, "ADJUSTSALESPRICE"), Addr(50, 2 * m));

  // Prior sale
  SetAlias(Comp(n, "PRIORSALEDT"), Addr(51, m + 1));
  SetAlias(Comp(n, "PRIORSALEPRICE"), Addr(52, m + 1));
  SetAlias(Comp(n, "PRIORSALEDATA"), Addr(53, m + 1));
}

}  // namespace ombrel
