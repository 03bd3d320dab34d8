// One comparable's column of the sales comparison grid on "CIA". The subject
// takes field 1 of most lines, so comparable n starts at field n + 1; lines
// with a description and an adjustment take two fields per comparable.
#include "translators/form1004/fm1075.h"

#include "engine/table_text.h"

namespace ombrel {

void FM1075::ComparableColumn(int n) {
  // Records a differing order number for the photos; the column stays n's.
  MapValue(Comp(n, "NUM"), std::to_string(n));
  Combine(Addr(175, n + 1), ", #", 0, {Comp(n, "ADDRSTREET"), Comp(n, "UNITNUM")});
  ParseAddress(Addr(176, n + 1), Comp(n, "ADDRCITY"), Comp(n, "ADDRSTATEPROV"),
               Comp(n, "ADDRZIP"), "", "");
  SetAlias(Comp(n, "PROJNAME"), Addr(177, n + 1));
  // The subject has no proximity cell: comparable n takes field n.
  SetAlias(Comp(n, "PROXIMITY"), Addr(178, n));
  SetAlias(Comp(n, "SALESPRICE"), Addr(179, n + 1));
  SetAlias(Comp(n, "PRICEGROSSLIVING"), Addr(180, n + 1));
  SetAlias(Comp(n, "DATA"), Addr(181, n + 1));
  SetAlias(Comp(n, "VERIFICATION"), Addr(182, n + 1));

  // Concessions and date of sale: no subject cells
  SetAlias(Comp(n, "SCONCESSION"), Addr(184, 2 * n - 1));
  SetAlias(Comp(n, "SCONCESSIONADJ"), Addr(184, 2 * n));
  SetAlias(Comp(n, "FCONCESSION"), Addr(185, 2 * n - 1));
  SetAlias(Comp(n, "FCONCESSIONADJ"), Addr(185, 2 * n));
  SetAlias(Comp(n, "SALEDT"), Addr(186, 2 * n - 1));
  SetAlias(Comp(n, "SALEDTADJ"), Addr(186, 2 * n));

  // Location to remodeling: description and adjustment after the subject's field
  SetAlias(Comp(n, "LOCATION"), Addr(187, 2 * n));
  SetAlias(Comp(n, "LOCATIONADJ"), Addr(187, 2 * n + 1));
  SetAlias(Comp(n, "VIEW"), Addr(188, 2 * n));
  SetAlias(Comp(n, "VIEWADJ"), Addr(188, 2 * n + 1));
  SetAlias(Comp(n, "FLOORLOCATION"), Addr(189, 2 * n));
  SetAlias(Comp(n, "FLOORLOCATIONADJ"), Addr(189, 2 * n + 1));
  SetAlias(Comp(n, "HOAASSESSMENT"), Addr(190, 2 * n));
  SetAlias(Comp(n, "HOAASSESSMENTADJ"), Addr(190, 2 * n + 1));
  SetAlias(Comp(n, "PROJAMEN"), Addr(191, 2 * n));
  SetAlias(Comp(n, "PROJAMENADJ"), Addr(191, 2 * n + 1));
  SetAlias(Comp(n, "PROJAMEN2"), Addr(192, 2 * n));
  SetAlias(Comp(n, "PROJAMEN2ADJ"), Addr(192, 2 * n + 1));
  // The comparables' security tags are PROJSECURE where the subject's are
  // PROJSECURITY: the order names them so.
  SetAlias(Comp(n, "PROJSECURE"), Addr(193, 2 * n));
  SetAlias(Comp(n, "PROJSECUREADJ"), Addr(193, 2 * n + 1));
  SetAlias(Comp(n, "PROJSECURE2"), Addr(194, 2 * n));
  SetAlias(Comp(n, "PROJSECURE2ADJ"), Addr(194, 2 * n + 1));
  SetAlias(Comp(n, "DESIGNSTYLE"), Addr(195, 2 * n));
  SetAlias(Comp(n, "DESIGNSTYLEADJ"), Addr(195, 2 * n + 1));
  SetAlias(Comp(n, "AGEYRS"), Addr(196, 2 * n));
  SetAlias(Comp(n, "AGEYRSADJ"), Addr(196, 2 * n + 1));
  SetAlias(Comp(n, "CONDITION"), Addr(197, 2 * n));
  SetAlias(Comp(n, "CONDITIONADJ"), Addr(197, 2 * n + 1));
  SetAlias(Comp(n, "REMODELING"), Addr(198, 2 * n));
  SetAlias(Comp(n, "REMODELINGADJ"), Addr(198, 2 * n + 1));
  SetAlias(Comp(n, "REMODELING2"), Addr(199, 2 * n));
  SetAlias(Comp(n, "REMODELING2ADJ"), Addr(199, 2 * n + 1));

  // Room count: the subject takes three fields, each comparable four
  SetAlias(Comp(n, "ROOMTOT"), Addr(201, 4 * n));
  SetAlias(Comp(n, "BEDROOMS"), Addr(201, 4 * n + 1));
  SetAlias(Comp(n, "BATH"), Addr(201, 4 * n + 2));
  SetAlias(Comp(n, "ABOVEGRADEADJ"), Addr(201, 4 * n + 3));

  // Living area to fireplaces
  SetAlias(Comp(n, "LIVINGSQFT"), Addr(202, 2 * n));
  SetAlias(Comp(n, "LIVINGSQFTADJ"), Addr(202, 2 * n + 1));
  SetAlias(Comp(n, "BASEMENT"), Addr(203, 2 * n));
  SetAlias(Comp(n, "BASEMENTADJ"), Addr(203, 2 * n + 1));
  SetAlias(Comp(n, "FUNCTIONAL"), Addr(204, 2 * n));
  SetAlias(Comp(n, "FUNCTIONALADJ"), Addr(204, 2 * n + 1));
  SetAlias(Comp(n, "HEATINGCOOL"), Addr(205, 2 * n));
  SetAlias(Comp(n, "HEATINGCOOLADJ"), Addr(205, 2 * n + 1));
  SetAlias(Comp(n, "ENERGYEFF"), Addr(206, 2 * n));
  SetAlias(Comp(n, "ENERGYEFFADJ"), Addr(206, 2 * n + 1));
  SetAlias(Comp(n, "GARAGE"), Addr(207, 2 * n));
  SetAlias(Comp(n, "GARAGEADJ"), Addr(207, 2 * n + 1));
  SetAlias(Comp(n, "PORCHPATIO"), Addr(208, 2 * n));
  SetAlias(Comp(n, "PORCHPATIOADJ"), Addr(208, 2 * n + 1));
  SetAlias(Comp(n, "FIREPLACE"), Addr(209, 2 * n));
  SetAlias(Comp(n, "FIREPLACEADJ"), Addr(209, 2 * n + 1));

  // The unlabelled rows: the subject takes the row's name and its own value
  SetAlias(Comp(n, "UNLABELED"), Addr(210, 2 * n + 1));
  SetAlias(Comp(n, "UNLABELEDADJ"), Addr(210, 2 * n + 2));
  SetAlias(Comp(n, "UNLABELEDTWO"), Addr(211, 2 * n + 1));
  SetAlias(Comp(n, "UNLABELEDTWOADJ"), Addr(211, 2 * n + 2));

  // Net adjustment and adjusted price: no subject cells
  CheckAlias(Comp(n, "NETADJUSTPOSNEG"), Addr(212, 3 * n - 2), "POSITIVE",
             {Addr(212, 3 * n - 1), "NEGATIVE"});
  SetAlias(Comp(n, "NETADJUSTTOT"), Addr(212, 3 * n));
  SetAlias(Comp(n, "ADJUSTSALESGROSS"), Addr(213, n));
  SetAlias(Comp(n, "ADJUSTSALESNET"), Addr(214, 2 * n - 1));
  SetAlias(Comp(n, "ADJUSTSALESPRICE"), Addr(214, 2 * n));

  // Prior sale
  SetAlias(Comp(n, "PRIORSALEDT"), Addr(223, n + 1));
  SetAlias(Comp(n, "PRIORSALEPRICE"), Addr(224, n + 1));
  SetAlias(Comp(n, "PRIORSALEDATA"), Addr(225, n + 1));
}

}  // namespace ombrel
