// One sales comparable's column of the sales comparison grid of "MUL"
// (comparables 1 to 3) and of the overflow forms "mulcmp46" and "mulcmp79"
// (comparables 4 to 9, lines 249 higher, the prior sale 255 higher). On lines
// with a subject field comparable m starts at field m + 1 (one value), 2m
// (value and adjustment) or 6m (a unit's counts); on lines without one at m,
// 2m - 1, or 3m - 2 (furnished boxes and price, net adjustment boxes and total).
#include "translators/form1025/fm1025.h"

#include "engine/table_text.h"

namespace ombrel {

void FM1025::SalesColumn(int n) {
  // A differing number in the order is kept for the comparable photo frames
  MapValue(Comp(n, "NUM"), Num(n));
  SetAlias(Comp(n, "ADDRSTREET"), Addr(260, n + 1));
  SalesRows(n, n, 0, 0);
}

void FM1025::SalesOverflowColumn(int n, int m) {
  // A sales comparable without a street is left out altogether
  if (SetAlias(Comp(n, "ADDRSTREET"), Addr(260 - 249, m + 1))) {
    MapValue(Comp(n, "NUM"), Num(n));
    SalesRows(n, m, 249, 255);
  }
}

void FM1025::SalesRows(int n, int m, int shift, int priorSaleShift) {
  ParseAddress(Addr(261 - shift, m + 1), Comp(n, "ADDRCITY"), Comp(n, "ADDRSTATEPROV"),
               Comp(n, "ADDRZIP"), "", "");
  SetAlias(Comp(n, "PROXIMITY"), Addr(262 - shift, m));
  // Furnished or unfurnished, then the price, on the subject's price line
  CheckAlias(Comp(n, "FURNUNFURNISHED"), Addr(263 - shift, 3 * m - 1), "UNFURNISH",
             {Addr(263 - shift, 3 * m), "FURNISH"});
  SetAlias(Comp(n, "SALESPRICE"), Addr(263 - shift, 3 * m + 1));
  SetAlias(Comp(n, "SALESPRICEGBA"), Addr(264 - shift, m + 1));
  SetAlias(Comp(n, "GROSSMORENT"), Addr(265 - shift, m + 1));
  SetAlias(Comp(n, "GROSSMORENTMULT"), Addr(266 - shift, m + 1));
  SetAlias(Comp(n, "SALESPRICEUNIT"), Addr(267 - shift, m + 1));
  SetAlias(Comp(n, "SALESPRICEROOM"), Addr(268 - shift, m + 1));
  SetAlias(Comp(n, "DATA"), Addr(269 - shift, m + 1));
  SetAlias(Comp(n, "VERIFICATION"), Addr(270 - shift, m + 1));

  // Concessions and date of sale have no subject field
  SetAlias(Comp(n, "SCONCESSION"), Addr(272 - shift, 2 * m - 1));
  SetAlias(Comp(n, "SCONCESSIONADJ"), Addr(272 - shift, 2 * m));
  SetAlias(Comp(n, "FCONCESSION"), Addr(273 - shift, 2 * m - 1));
  SetAlias(Comp(n, "FCONCESSIONADJ"), Addr(273 - shift, 2 * m));
  SetAlias(Comp(n, "SALEDT"), Addr(274 - shift, 2 * m - 1));
  SetAlias(Comp(n, "SALEDTADJ"), Addr(274 - shift, 2 * m));

  // Location to gross building area, each with its adjustment
  SetAlias(Comp(n, "LOCATION"), Addr(275 - shift, 2 * m));
  SetAlias(Comp(n, "LOCATIONADJ"), Addr(275 - shift, 2 * m + 1));
  SetAlias(Comp(n, "LEASEFEE"), Addr(276 - shift, 2 * m));
  SetAlias(Comp(n, "LEASEFEEADJ"), Addr(276 - shift, 2 * m + 1));
  SetAlias(Comp(n, "SITE"), Addr(277 - shift, 2 * m));
  SetAlias(Comp(n, "SITEADJ"), Addr(277 - shift, 2 * m + 1));
  SetAlias(Comp(n, "VIEW"), Addr(278 - shift, 2 * m));
  SetAlias(Comp(n, "VIEWADJ"), Addr(278 - shift, 2 * m + 1));
  SetAlias(Comp(n, "DESIGNSTYLE"), Addr(279 - shift, 2 * m));
  SetAlias(Comp(n, "DESIGNSTYLEADJ"), Addr(279 - shift, 2 * m + 1));
  SetAlias(Comp(n, "CONSTRUCT"), Addr(280 - shift, 2 * m));
  SetAlias(Comp(n, "CONSTRUCTADJ"), Addr(280 - shift, 2 * m + 1));
  SetAlias(Comp(n, "AGEYRS"), Addr(281 - shift, 2 * m));
  SetAlias(Comp(n, "AGEYRSADJ"), Addr(281 - shift, 2 * m + 1));
  SetAlias(Comp(n, "CONDITION"), Addr(282 - shift, 2 * m));
  SetAlias(Comp(n, "CONDITIONADJ"), Addr(282 - shift, 2 * m + 1));
  SetAlias(Comp(n, "GBASQFT"), Addr(283 - shift, 2 * m));
  SetAlias(Comp(n, "GBASQFTADJ"), Addr(283 - shift, 2 * m + 1));

  // Units 1 to 4: units, rooms, bedrooms, baths, vacancies and adjustment
  SetAlias(Comp(n, "UNIT1NUMUNITS"), Addr(286 - shift, 6 * m));
  SetAlias(Comp(n, "UNIT1ROOMTOT"), Addr(286 - shift, 6 * m + 1));
  SetAlias(Comp(n, "UNIT1BEDROOMS"), Addr(286 - shift, 6 * m + 2));
  SetAlias(Comp(n, "UNIT1BATHS"), Addr(286 - shift, 6 * m + 3));
  SetAlias(Comp(n, "UNIT1NUMVACANT"), Addr(286 - shift, 6 * m + 4));
  SetAlias(Comp(n, "UNIT1ADJ"), Addr(286 - shift, 6 * m + 5));
  SetAlias(Comp(n, "UNIT2NUMUNITS"), Addr(287 - shift, 6 * m));
  SetAlias(Comp(n, "UNIT2ROOMTOT"), Addr(287 - shift, 6 * m + 1));
  SetAlias(Comp(n, "UNIT2BEDROOMS"), Addr(287 - shift, 6 * m + 2));
  SetAlias(Comp(n, "UNIT2BATHS"), Addr(287 - shift, 6 * m + 3));
  SetAlias(Comp(n, "UNIT2NUMVACANT"), Addr(287 - shift, 6 * m + 4));
  SetAlias(Comp(n, "UNIT2ADJ"), Addr(287 - shift, 6 * m + 5));
  SetAlias(Comp(n, "UNIT3NUMUNITS"), Addr(288 - shift, 6 * m));
  SetAlias(Comp(n, "UNIT3ROOMTOT"), Addr(288 - shift, 6 * m + 1));
  SetAlias(Comp(n, "UNIT3BEDROOMS"), Addr(288 - shift, 6 * m + 2));
  SetAlias(Comp(n, "UNIT3BATHS"), Addr(288 - shift, 6 * m + 3));
  SetAlias(Comp(n, "UNIT3NUMVACANT"), Addr(288 - shift, 6 * m + 4));
  SetAlias(Comp(n, "UNIT3ADJ"), Addr(288 - shift, 6 * m + 5));
  SetAlias(Comp(n, "UNIT4NUMUNITS"), Addr(289 - shift, 6 * m));
  SetAlias(Comp(n, "UNIT4ROOMTOT"), Addr(289 - shift, 6 * m + 1));
  SetAlias(Comp(n, "UNIT4BEDROOMS"), Addr(289 - shift, 6 * m + 2));
  SetAlias(Comp(n, "UNIT4BATHS"), Addr(289 - shift, 6 * m + 3));
  SetAlias(Comp(n, "UNIT4NUMVACANT"), Addr(289 - shift, 6 * m + 4));
  SetAlias(Comp(n, "UNIT4ADJ"), Addr(289 - shift, 6 * m + 5));

  // Basement to project amenities, each with its adjustment
  SetAlias(Comp(n, "BASEMENT"), Addr(290 - shift, 2 * m));
  SetAlias(Comp(n, "BASEMENTADJ"), Addr(290 - shift, 2 * m + 1));
  SetAlias(Comp(n, "FUNCTIONAL"), Addr(291 - shift, 2 * m));
  SetAlias(Comp(n, "FUNCTIONALADJ"), Addr(291 - shift, 2 * m + 1));
  SetAlias(Comp(n, "HEATINGCOOL"), Addr(292 - shift, 2 * m));
  SetAlias(Comp(n, "HEATINGCOOLADJ"), Addr(292 - shift, 2 * m + 1));
  SetAlias(Comp(n, "PARKING"), Addr(293 - shift, 2 * m));
  SetAlias(Comp(n, "PARKINGADJ"), Addr(293 - shift, 2 * m + 1));
  SetAlias(Comp(n, "PROJAMEN"), Addr(294 - shift, 2 * m));
  SetAlias(Comp(n, "PROJAMENADJ"), Addr(294 - shift, 2 * m + 1));
  SetAlias(Comp(n, "PROJAMEN2"), Addr(295 - shift, 2 * m));
  SetAlias(Comp(n, "PROJAMEN2ADJ"), Addr(295 - shift, 2 * m + 1));
  // The unlabeled line holds its label and the subject's entry before the comparables
  SetAlias(Comp(n, "UNLABELED"), Addr(296 - shift, 2 * m + 1));
  SetAlias(Comp(n, "UNLABELEDADJ"), Addr(296 - shift, 2 * m + 2));

  // Net adjustment and adjusted sales price
  CheckAlias(Comp(n, "NETADJUSTPOSNEG"), Addr(297 - shift, 3 * m - 2), "POSITIVE",
             {Addr(297 - shift, 3 * m - 1), "NEGATIVE"});
  SetAlias(Comp(n, "NETADJUSTTOT"), Addr(297 - shift, 3 * m));
  SetAlias(Comp(n, "ADJUSTSALESGROSS"), Addr(298 - shift, m));
  SetAlias(Comp(n, "ADJUSTSALESNET"), Addr(299 - shift, 2 * m - 1));
  SetAlias(Comp(n, "ADJUSTSALESPRICE"), Addr(299 - shift, 2 * m));

  // Prior sale
  SetAlias(Comp(n, "PRIORSALEDT"), Addr(306 - priorSaleShift, m + 1));
  SetAlias(Comp(n, "PRIORSALEPRICE"), Addr(307 - priorSaleShift, m + 1));
  SetAlias(Comp(n, "PRIORSALEDATA"), Addr(308 - priorSaleShift, m + 1));
}

}  // namespace ombrel
