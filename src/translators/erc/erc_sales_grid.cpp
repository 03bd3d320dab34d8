// Page 5 of "ER3": the sales comparison grid (the subject and sale comparables
// 1 to 3), its comments and the estimated market value. The same rows, 341
// lines up and without the subject, make the overflow form "er3cmp46".
#include "translators/erc/erc.h"

#include "engine/table_text.h"

namespace ombrel {

void ERC::SalesComparison() {
  SetAlias("CASE_NO", "345|2");
  SetAlias("FILENUM", "346|1");

  // The subject: field 1 of its lines, nothing on lines 354 to 359
  SetAlias("SUBJECTADDRSTREET", "352|1");
  ParseAddress("353|1", "SUBJECTADDRCITY", "SUBJECTADDRSTATEPROV", "SUBJECTADDRZIP", "", "");
  SetAlias("SUBJECTSCONCESSION", "361|1");
  SetAlias("SUBJECTFCONCESSION", "362|1");
  SetAlias("SUBJECTCONTRACTDT", "363|1");
  SetAlias("SUBJECTMARKETCHANGE", "364|1");
  SetAlias("SUBJECTLOCATION", "365|1");
  SetAlias("SUBJECTSITE", "366|1");
  SetAlias("SUBJECTVIEW", "367|1");
  SetAlias("SUBJECTDESIGNSTYLE", "368|1");
  SetAlias("SUBJECTCONSTRUCT", "369|1");
  SetAlias("SUBJECTAGEYRS", "370|1");
  SetAlias("SUBJECTCONDITION", "371|1");
  SetAlias("SUBJECTAPPEALDECOR", "372|1");
  SetAlias("SUBJECTROOMTOT", "373|1");
  SetAlias("SUBJECTBEDROOMS", "373|2");
  SetAlias("SUBJECTBATH", "374|1");
  SetAlias("SUBJECTLIVINGSQFT", "375|1");
  SetAlias("SUBJECTBASEMENT", "376|1");
  SetAlias("SUBJECTBASEMENTFIN", "377|1");
  SetAlias("SUBJECTFUNCTIONAL", "378|1");
  SetAlias("SUBJECTHEATINGCOOL", "379|1");
  SetAlias("SUBJECTGARAGE", "380|1");
  SetAlias("SUBJECTPORCHPATIO", "381|1");
  SetAlias("SUBJECTFENCEPOOL", "382|1");
  SetAlias("SUBJECTSIGFEATURE", "383|1");
  // The second and third significant features have a caption in field 1
  SetAlias("SUBJECTSIGFEATURE2", "384|2");
  SetAlias("SUBJECTSIGFEATURE3", "385|2");
  SetAlias("SUBJECTFIREPLACE", "386|1");
  SetAlias("SUBJECTUNLABELEDDESC", "387|1");
  SetAlias("SALESCOMPUNLABELEDTWO", "388|1");
  SetAlias("SUBJECTUNLABELEDTWODESC", "388|2");
  SetAlias("SUBJECTFORECASTING", "389|1");

  SaleColumn(1);
  SaleColumn(2);
  SaleColumn(3);

  // Comments and value
  ParseExtended("SALESCOMPDESCOTHER", "392|1", true);
  ParseExtended("MARKETDATA", "413|1", true);
  SetAlias("ESTMARKETVALUEDT", "422|1");
  SetAlias("ESTMARKETVALUE", "422|2");
  SetAlias("OWNER", "424|1");
}

void ERC::SaleColumn(int n) {
  // A differing number in the order is kept for this comparable's photo frame
  MapValue(Comp(n, "NUM"), std::to_string(n));
  SetAlias(Comp(n, "ADDRSTREET"), Addr(352, n + 1));
  SaleRows(n, n, 0);
  // Each comparable's differences have a comment block of six lines
  ParseExtended(Comp(n, "SIGDIFFERENCES"), Addr(395 + 6 * (n - 1), 1), true);
}

void ERC::OverflowSaleColumn(int n, int k) {
  if (!SetAlias(Comp(n, "ADDRSTREET"), Addr(352 - 341, k + 1))) return;
  MapValue(Comp(n, "NUM"), std::to_string(n));
  SaleRows(n, k, 341);
  // A plain field on the overflow form, not a comment
  SetAlias(Comp(n, "SIGDIFFERENCES"), Addr(395 + 6 * (k - 1) - 341, 1));
}

// Column k takes, by the width of its share of a line: one field, k or k + 1
// (k where the subject has no field); two fields, 2k and 2k + 1 (value and
// adjustment; 2k + 1 and 2k + 2 behind a caption); three fields, from 3k - 2
// or 3k.
void ERC::SaleRows(int n, int k, int shift) {
  ParseAddress(Addr(353 - shift, k + 1), Comp(n, "ADDRCITY"), Comp(n, "ADDRSTATEPROV"),
               Comp(n, "ADDRZIP"), "", "");
  SetAlias(Comp(n, "PROXIMITY"), Addr(354 - shift, k));
  SetAlias(Comp(n, "FINALPRICE"), Addr(355 - shift, 2 * k));
  SetAlias(Comp(n, "SALESTOLIST"), Addr(356 - shift, k));
  SetAlias(Comp(n, "SALESPRICE"), Addr(357 - shift, 2 * k));
  SetAlias(Comp(n, "SALEDT"), Addr(358 - shift, 2 * k));
  SetAlias(Comp(n, "DATA"), Addr(359 - shift, k));
  SetAlias(Comp(n, "SCONCESSION"), Addr(361 - shift, 2 * k));
  SetAlias(Comp(n, "SCONCESSIONADJ"), Addr(361 - shift, 2 * k + 1));
  SetAlias(Comp(n, "FCONCESSION"), Addr(362 - shift, 2 * k));
  SetAlias(Comp(n, "FCONCESSIONADJ"), Addr(362 - shift, 2 * k + 1));
  SetAlias(Comp(n, "CONTRACTDT"), Addr(363 - shift, 2 * k));
  SetAlias(Comp(n, "CONTRACTDTADJ"), Addr(363 - shift, 2 * k + 1));
  SetAlias(Comp(n, "MARKETCHANGE"), Addr(364 - shift, 2 * k));
  SetAlias(Comp(n, "MARKETCHANGEADJ"), Addr(364 - shift, 2 * k + 1));
  SetAlias(Comp(n, "LOCATION"), Addr(365 - shift, 2 * k));
  SetAlias(Comp(n, "LOCATIONADJ"), Addr(365 - shift, 2 * k + 1));
  SetAlias(Comp(n, "SITE"), Addr(366 - shift, 2 * k));
  SetAlias(Comp(n, "SITEADJ"), Addr(366 - shift, 2 * k + 1));
  SetAlias(Comp(n, "VIEW"), Addr(367 - shift, 2 * k));
  SetAlias(Comp(n, "VIEWADJ"), Addr(367 - shift, 2 * k + 1));
  SetAlias(Comp(n, "DESIGNSTYLE"), Addr(368 - shift, 2 * k));
  SetAlias(Comp(n, "DESIGNSTYLEADJ"), Addr(368 - shift, 2 * k + 1));
  SetAlias(Comp(n, "CONSTRUCT"), Addr(369 - shift, 2 * k));
  SetAlias(Comp(n, "CONSTRUCTADJ"), Addr(369 - shift, 2 * k + 1));
  SetAlias(Comp(n, "AGEYRS"), Addr(370 - shift, 2 * k));
  SetAlias(Comp(n, "AGEYRSADJ"), Addr(370 - shift, 2 * k + 1));
  SetAlias(Comp(n, "CONDITION"), Addr(371 - shift, 2 * k));
  SetAlias(Comp(n, "CONDITIONADJ"), Addr(371 - shift, 2 * k + 1));
  SetAlias(Comp(n, "APPEALDECOR"), Addr(372 - shift, 2 * k));
  SetAlias(Comp(n, "APPEALDECORADJ"), Addr(372 - shift, 2 * k + 1));
  // Room counts: rooms, bedrooms and their adjustment; the baths on a line of their own
  SetAlias(Comp(n, "ROOMTOT"), Addr(373 - shift, 3 * k));
  SetAlias(Comp(n, "BEDROOMS"), Addr(373 - shift, 3 * k + 1));
  SetAlias(Comp(n, "ABOVEGRADEADJ"), Addr(373 - shift, 3 * k + 2));
  SetAlias(Comp(n, "BATH"), Addr(374 - shift, 2 * k));
  SetAlias(Comp(n, "ABOVEGRADEADJ2"), Addr(374 - shift, 2 * k + 1));
  SetAlias(Comp(n, "LIVINGSQFT"), Addr(375 - shift, 2 * k));
  SetAlias(Comp(n, "LIVINGSQFTADJ"), Addr(375 - shift, 2 * k + 1));
  SetAlias(Comp(n, "BASEMENT"), Addr(376 - shift, 2 * k));
  SetAlias(Comp(n, "BASEMENTADJ"), Addr(376 - shift, 2 * k + 1));
  SetAlias(Comp(n, "BASEMENTFIN"), Addr(377 - shift, 2 * k));
  SetAlias(Comp(n, "BASEMENTFINADJ"), Addr(377 - shift, 2 * k + 1));
  SetAlias(Comp(n, "FUNCTIONAL"), Addr(378 - shift, 2 * k));
  SetAlias(Comp(n, "FUNCTIONALADJ"), Addr(378 - shift, 2 * k + 1));
  SetAlias(Comp(n, "HEATINGCOOL"), Addr(379 - shift, 2 * k));
  SetAlias(Comp(n, "HEATINGCOOLADJ"), Addr(379 - shift, 2 * k + 1));
  SetAlias(Comp(n, "GARAGE"), Addr(380 - shift, 2 * k));
  SetAlias(Comp(n, "GARAGEADJ"), Addr(380 - shift, 2 * k + 1));
  SetAlias(Comp(n, "PORCHPATIO"), Addr(381 - shift, 2 * k));
  SetAlias(Comp(n, "PORCHPATIOADJ"), Addr(381 - shift, 2 * k + 1));
  SetAlias(Comp(n, "FENCEPOOL"), Addr(382 - shift, 2 * k));
  SetAlias(Comp(n, "FENCEPOOLADJ"), Addr(382 - shift, 2 * k + 1));
  SetAlias(Comp(n, "SIGFEATURE"), Addr(383 - shift, 2 * k));
  SetAlias(Comp(n, "SIGFEATUREADJ"), Addr(383 - shift, 2 * k + 1));
  SetAlias(Comp(n, "SIGFEATURE2"), Addr(384 - shift, 2 * k + 1));
  SetAlias(Comp(n, "SIGFEATURE2ADJ"), Addr(384 - shift, 2 * k + 2));
  SetAlias(Comp(n, "SIGFEATURE3"), Addr(385 - shift, 2 * k + 1));
  SetAlias(Comp(n, "SIGFEATURE3ADJ"), Addr(385 - shift, 2 * k + 2));
  SetAlias(Comp(n, "FIREPLACE"), Addr(386 - shift, 2 * k));
  SetAlias(Comp(n, "FIREPLACEADJ"), Addr(386 - shift, 2 * k + 1));
  SetAlias(Comp(n, "UNLABELED"), Addr(387 - shift, 2 * k));
  SetAlias(Comp(n, "UNLABELEDADJ"), Addr(387 - shift, 2 * k + 1));
  SetAlias(Comp(n, "UNLABELEDTWO"), Addr(388 - shift, 2 * k + 1));
  SetAlias(Comp(n, "UNLABELEDTWOADJ"), Addr(388 - shift, 2 * k + 2));
  SetAlias(Comp(n, "FORECASTING"), Addr(389 - shift, 2 * k + 1));
  // Net adjustment: two boxes and the total
  CheckAlias(Comp(n, "NETADJUSTPOSNEG"), Addr(390 - shift, 3 * k - 2), "POSITIVE",
             {Addr(390 - shift, 3 * k - 1), "NEGATIVE"});
  SetAlias(Comp(n, "NETADJUSTTOT"), Addr(390 - shift, 3 * k));
  // Gross and net adjustment in one field, beside the forecasting line's value
  Combine(Addr(389 - shift, 2 * k), " ", 0,
          {Comp(n, "ADJUSTSALESGROSS"), Comp(n, "ADJUSTSALESNET")});
  SetAlias(Comp(n, "ADJUSTSALESPRICE"), Addr(391 - shift, 2 * k));
}

}  // namespace ombrel
