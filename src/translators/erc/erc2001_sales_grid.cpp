// The sales comparison grid of "ERS" (the subject and sale comparables 1 to
// 3) with its comments. The same rows, 333 lines up and without the subject,
// make the overflow form "erscmp46".
#include "translators/erc/erc2001.h"

#include "engine/table_text.h"

namespace ombrel {

void ERC2001::SalesComparison() {
  // The subject: field 1 of its lines, nothing on lines 350 to 359; city,
  // state and zip joined into the one field of line 349, as for each comparable
  SetAlias("SUBJECTADDRSTREET", "348|1");
  ParseCityLine("349|1", "SUBJECTADDRCITY", "SUBJECTADDRSTATEPROV", "SUBJECTADDRZIP");
  SetAlias("SUBJECTMARKETCHANGE", "361|1");
  SetAlias("SUBJECTLOCATION", "362|1");
  SetAlias("SUBJECTSITE", "363|1");
  SetAlias("SUBJECTVIEW", "364|1");
  SetAlias("SUBJECTDESIGNSTYLE", "365|1");
  SetAlias("SUBJECTCONSTRUCT", "366|1");
  SetAlias("SUBJECTAGEYRS", "367|1");
  SetAlias("SUBJECTCONDITION", "368|1");
  SetAlias("SUBJECTAPPEALDECOR", "369|1");
  SetAlias("SUBJECTROOMTOT", "370|1");
  SetAlias("SUBJECTBEDROOMS", "370|2");
  SetAlias("SUBJECTBATH", "371|1");
  SetAlias("SUBJECTLIVINGSQFT", "372|1");
  SetAlias("SUBJECTBASEMENT", "373|1");
  SetAlias("SUBJECTBASEMENTFIN", "374|1");
  SetAlias("SUBJECTFUNCTIONAL", "375|1");
  SetAlias("SUBJECTHEATINGCOOL", "376|1");
  SetAlias("SUBJECTGARAGE", "377|1");
  SetAlias("SUBJECTFIREPLACE", "378|1");
  SetAlias("SUBJECTSIGFEATURE", "379|1");
  // The second to fourth features have a caption in field 1
  SetAlias("SUBJECTSIGFEATURE2", "380|2");
  SetAlias("SUBJECTSIGFEATURE3", "381|2");
  SetAlias("SUBJECTSIGFEATURE4", "382|2");
  SetAlias("SUBJECTFORECASTING", "383|1");

  SaleColumn(1);
  SaleColumn(2);
  SaleColumn(3);

  // Comments on the selection of each comparable, and on the sales comparison
  ParseExtended("COMP(1)COMPSALESELECTION", "388|1", true);
  ParseExtended("COMP(2)COMPSALESELECTION", "392|1", true);
  ParseExtended("COMP(3)COMPSALESELECTION", "396|1", true);
  ParseExtended("SALESCOMPARISON", "400|1", true);
  ParseExtended("ADDITIONALFACTORS", "404|1", true);
}

void ERC2001::SaleColumn(int n) {
  // A differing number in the order is kept for this comparable's photo frame
  MapValue(Comp(n, "NUM"), std::to_string(n));
  SetAlias(Comp(n, "ADDRSTREET"), Addr(348, n + 1));
  ParseCityLine(Addr(349, n + 1), Comp(n, "ADDRCITY"), Comp(n, "ADDRSTATEPROV"),
                Comp(n, "ADDRZIP"));
  SaleRows(n, n, 0);
}

void ERC2001::OverflowSaleColumn(int n, int k) {
  if (!SetAlias(Comp(n, "ADDRSTREET"), Addr(348 - 333, k + 1))) return;
  MapValue(Comp(n, "NUM"), std::to_string(n));
  // Written once the street is, even when city, state and zip are all empty
  ParseAddress(Addr(349 - 333, k + 1), Comp(n, "ADDRCITY"), Comp(n, "ADDRSTATEPROV"),
               Comp(n, "ADDRZIP"), "", "");
  SaleRows(n, k, 333);
}

// Column k takes, by the width of its share of a line: one field, k (there
// is no subject field on those lines); two fields, 2k - 1 and 2k (the
// concessions, without subject field), 2k and 2k + 1 (value and adjustment)
// or 2k + 1 and 2k + 2 (behind a caption); three fields, from 3k - 2 or 3k.
void ERC2001::SaleRows(int n, int k, int shift) {
  SetAlias(Comp(n, "PROXIMITY"), Addr(350 - shift, k));
  SetAlias(Comp(n, "FINALPRICE"), Addr(351 - shift, 2 * k));
  SetAlias(Comp(n, "SALESTOLIST"), Addr(352 - shift, k));
  SetAlias(Comp(n, "SALESPRICE"), Addr(353 - shift, 2 * k));
  SetAlias(Comp(n, "SALEDT"), Addr(354 - shift, 2 * k));
  SetAlias(Comp(n, "MARKETDAYS"), Addr(355 - shift, k));
  SetAlias(Comp(n, "DATA"), Addr(356 - shift, k));
  SetAlias(Comp(n, "SCONCESSION"), Addr(358 - shift, 2 * k - 1));
  SetAlias(Comp(n, "SCONCESSIONADJ"), Addr(358 - shift, 2 * k));
  SetAlias(Comp(n, "FCONCESSION"), Addr(359 - shift, 2 * k - 1));
  SetAlias(Comp(n, "FCONCESSIONADJ"), Addr(359 - shift, 2 * k));
  SetAlias(Comp(n, "MARKETCHANGE"), Addr(361 - shift, 2 * k));
  SetAlias(Comp(n, "MARKETCHANGEADJ"), Addr(361 - shift, 2 * k + 1));
  SetAlias(Comp(n, "LOCATION"), Addr(362 - shift, 2 * k));
  SetAlias(Comp(n, "LOCATIONADJ"), Addr(362 - shift, 2 * k + 1));
  SetAlias(Comp(n, "SITE"), Addr(363 - shift, 2 * k));
  SetAlias(Comp(n, "SITEADJ"), Addr(363 - shift, 2 * k + 1));
  SetAlias(Comp(n, "VIEW"), Addr(364 - shift, 2 * k));
  SetAlias(Comp(n, "VIEWADJ"), Addr(364 - shift, 2 * k + 1));
  SetAlias(Comp(n, "DESIGNSTYLE"), Addr(365 - shift, 2 * k));
  SetAlias(Comp(n, "DESIGNSTYLEADJ"), Addr(365 - shift, 2 * k + 1));
  SetAlias(Comp(n, "CONSTRUCT"), Addr(366 - shift, 2 * k));
  SetAlias(Comp(n, "CONSTRUCTADJ"), Addr(366 - shift, 2 * k + 1));
  SetAlias(Comp(n, "AGEYRS"), Addr(367 - shift, 2 * k));
  SetAlias(Comp(n, "AGEYRSADJ"), Addr(367 - shift, 2 * k + 1));
  SetAlias(Comp(n, "CONDITION"), Addr(368 - shift, 2 * k));
  SetAlias(Comp(n, "CONDITIONADJ"), Addr(368 - shift, 2 * k + 1));
  SetAlias(Comp(n, "APPEALDECOR"), Addr(369 - shift, 2 * k));
  SetAlias(Comp(n, "APPEALDECORADJ"), Addr(369 - shift, 2 * k + 1));
  // Room counts: rooms, bedrooms and their adjustment; the baths on a line of their own
  SetAlias(Comp(n, "ROOMTOT"), Addr(370 - shift, 3 * k));
  SetAlias(Comp(n, "BEDROOMS"), Addr(370 - shift, 3 * k + 1));
  SetAlias(Comp(n, "ABOVEGRADEADJ"), Addr(370 - shift, 3 * k + 2));
  SetAlias(Comp(n, "BATH"), Addr(371 - shift, 2 * k));
  SetAlias(Comp(n, "ABOVEGRADEADJ2"), Addr(371 - shift, 2 * k + 1));
  SetAlias(Comp(n, "LIVINGSQFT"), Addr(372 - shift, 2 * k));
  SetAlias(Comp(n, "LIVINGSQFTADJ"), Addr(372 - shift, 2 * k + 1));
  SetAlias(Comp(n, "BASEMENT"), Addr(373 - shift, 2 * k));
  SetAlias(Comp(n, "BASEMENTADJ"), Addr(373 - shift, 2 * k + 1));
  SetAlias(Comp(n, "BASEMENTFIN"), Addr(374 - shift, 2 * k));
  SetAlias(Comp(n, "BASEMENTFINADJ"), Addr(374 - shift, 2 * k + 1));
  SetAlias(Comp(n, "FUNCTIONAL"), Addr(375 - shift, 2 * k));
  SetAlias(Comp(n, "FUNCTIONALADJ"), Addr(375 - shift, 2 * k + 1));
  SetAlias(Comp(n, "HEATINGCOOL"), Addr(376 - shift, 2 * k));
  SetAlias(Comp(n, "HEATINGCOOLADJ"), Addr(376 - shift, 2 * k + 1));
  SetAlias(Comp(n, "GARAGE"), Addr(377 - shift, 2 * k));
  SetAlias(Comp(n, "GARAGEADJ"), Addr(377 - shift, 2 * k + 1));
  SetAlias(Comp(n, "FIREPLACE"), Addr(378 - shift, 2 * k));
  SetAlias(Comp(n, "FIREPLACEADJ"), Addr(378 - shift, 2 * k + 1));
  SetAlias(Comp(n, "SIGFEATURE"), Addr(379 - shift, 2 * k));
  SetAlias(Comp(n, "SIGFEATUREADJ"), Addr(379 - shift, 2 * k + 1));
  SetAlias(Comp(n, "SIGFEATURE2"), Addr(380 - shift, 2 * k + 1));
  SetAlias(Comp(n, "SIGFEATURE2ADJ"), Addr(380 - shift, 2 * k + 2));
  SetAlias(Comp(n, "SIGFEATURE3"), Addr(381 - shift, 2 * k + 1));
  SetAlias(Comp(n, "SIGFEATURE3ADJ"), Addr(381 - shift, 2 * k + 2));
  SetAlias(Comp(n, "SIGFEATURE4"), Addr(382 - shift, 2 * k + 1));
  SetAlias(Comp(n, "SIGFEATURE4ADJ"), Addr(382 - shift, 2 * k + 2));
  SetAlias(Comp(n, "FORECASTING"), Addr(383 - shift, 2 * k + 1));
  // Net adjustment: two boxes and the total; on "ERS" comparable 1's total
  // stands in 385|1, below its boxes, and 384|3 stays empty
  CheckAlias(Comp(n, "NETADJUSTPOSNEG"), Addr(384 - shift, 3 * k - 2), "POSITIVE",
             {Addr(384 - shift, 3 * k - 1), "NEGATIVE"});
  const bool firstOnMainForm = shift == 0 && k == 1;
  SetAlias(Comp(n, "NETADJUSTTOT"), firstOnMainForm ? "385|1" : Addr(384 - shift, 3 * k));
  SetAlias(Comp(n, "ADJUSTSALESPRICE"), Addr(385 - shift, 2 * k));
}

}  // namespace ombrel
