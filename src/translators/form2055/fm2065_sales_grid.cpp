// The sales comparison grid of the 2065 form: the subject's column and
// comparables 1 to 3 on the main form (lines 44 to 70), and the same columns
// 33 lines up on the overflow forms of comparables 4 to 9.
#include "translators/form2055/fm2065.h"

#include "engine/table_text.h"

namespace ombrel {

void FM2065::SalesComparison() {
  // Subject: field 1 of each line; three fields on line 61, and the captions
  // of the two unlabelled rows in field 1 of lines 66 and 67.
  SetAlias("SUBJECTADDRSTREET", "44|1");
  ParseAddress("45|1", "SUBJECTADDRCITY", "SUBJECTADDRSTATEPROV", "SUBJECTADDRZIP", "", "");
  SetAlias("SUBJECTSALESPRICE", "47|1");
  SetAlias("SUBJECTPRICEGROSSLIVING", "48|1");
  SetAlias("SUBJECTLOCATION", "54|1");
  SetAlias("SUBJECTSITE", "55|1");
  SetAlias("SUBJECTVIEW", "56|1");
  SetAlias("SUBJECTDESIGNSTYLE", "57|1");
  SetAlias("SUBJECTAGEYRS", "58|1");
  SetAlias("SUBJECTCONDITION", "59|1");
  SetAlias("SUBJECTROOMTOT", "61|1");
  SetAlias("SUBJECTBEDROOMS", "61|2");
  SetAlias("SUBJECTBATH", "61|3");
  SetAlias("SUBJECTLIVINGSQFT", "62|1");
  SetAlias("SUBJECTBASEMENT", "63|1");
  SetAlias("SUBJECTBASEMENTFIN", "64|1");
  SetAlias("SUBJECTGARAGE", "65|1");
  SetAlias("SALESCOMPUNLABELED", "66|1");
  SetAlias("SUBJECTUNLABELEDDESC", "66|2");
  SetAlias("SALESCOMPUNLABELEDTWO", "67|1");
  SetAlias("SUBJECTUNLABELEDTWODESC", "67|2");
  // The prior sale rows stay on lines 68 and 69 although the grid above them
  // lies three lines lower than on the 2055 form.
  SetAlias("SUBJECTPRIORSALEDT", "68|1");
  SetAlias("SUBJECTPRIORSALEPRICE", "69|1");

  // Comparables 1 to 3, written whether or not the order holds them.
  MainComparable(1);
  MainComparable(2);
  MainComparable(3);

  ParseExtended("ANALYSISCURRENTAGREE", "71|1", true);
  ParseExtended("COMMENTSALESCOMPARE", "73|1", true);
}

void FM2065::MainComparable(int n) {
  MapValue(Comp(n, "NUM"), std::to_string(n));
  SetAlias(Comp(n, "ADDRSTREET"), Addr(44, 2 + (n - 1) * 1));
  ComparableRows(n, n, 0);
}

void FM2065::OverflowComparable(int n, int k) {
  if (!SetAlias(Comp(n, "ADDRSTREET"), Addr(44 - 33, 2 + (k - 1) * 1))) return;
  MapValue(Comp(n, "NUM"), std::to_string(n));
  ComparableRows(n, k, 33);
}

// Each row: line, the first comparable's field, and the step from one
// comparable's column to the next.
void FM2065::ComparableRows(int n, int k, int shift) {
  ParseAddress(Addr(45 - shift, 2 + (k - 1) * 1), Comp(n, "ADDRCITY"), Comp(n, "ADDRSTATEPROV"),
               Comp(n, "ADDRZIP"), "", "");
  SetAlias(Comp(n, "PROXIMITY"), Addr(46 - shift, 1 + (k - 1) * 1));
  SetAlias(Comp(n, "SALESPRICE"), Addr(47 - shift, 2 + (k - 1) * 1));
  SetAlias(Comp(n, "PRICEGROSSLIVING"), Addr(48 - shift, 2 + (k - 1) * 1));
  Combine(Addr(49 - shift, 1 + (k - 1) * 1), " / ", 0,
          {Comp(n, "DATA"), Comp(n, "VERIFICATION")});
  SetAlias(Comp(n, "SCONCESSION"), Addr(51 - shift, 1 + (k - 1) * 2));
  SetAlias(Comp(n, "SCONCESSIONADJ"), Addr(51 - shift, 2 + (k - 1) * 2));
  SetAlias(Comp(n, "FCONCESSION"), Addr(52 - shift, 1 + (k - 1) * 2));
  SetAlias(Comp(n, "FCONCESSIONADJ"), Addr(52 - shift, 2 + (k - 1) * 2));
  SetAlias(Comp(n, "SALEDT"), Addr(53 - shift, 1 + (k - 1) * 2));
  SetAlias(Comp(n, "SALEDTADJ"), Addr(53 - shift, 2 + (k - 1) * 2));
  SetAlias(Comp(n, "LOCATION"), Addr(54 - shift, 2 + (k - 1) * 2));
  SetAlias(Comp(n, "LOCATIONADJ"), Addr(54 - shift, 3 + (k - 1) * 2));
  SetAlias(Comp(n, "SITE"), Addr(55 - shift, 2 + (k - 1) * 2));
  SetAlias(Comp(n, "SITEADJ"), Addr(55 - shift, 3 + (k - 1) * 2));
  SetAlias(Comp(n, "VIEW"), Addr(56 - shift, 2 + (k - 1) * 2));
  SetAlias(Comp(n, "VIEWADJ"), Addr(56 - shift, 3 + (k - 1) * 2));
  SetAlias(Comp(n, "DESIGNSTYLE"), Addr(57 - shift, 2 + (k - 1) * 2));
  SetAlias(Comp(n, "DESIGNSTYLEADJ"), Addr(57 - shift, 3 + (k - 1) * 2));
  SetAlias(Comp(n, "AGEYRS"), Addr(58 - shift, 2 + (k - 1) * 2));
  SetAlias(Comp(n, "AGEYRSADJ"), Addr(58 - shift, 3 + (k - 1) * 2));
  SetAlias(Comp(n, "CONDITION"), Addr(59 - shift, 2 + (k - 1) * 2));
  SetAlias(Comp(n, "CONDITIONADJ"), Addr(59 - shift, 3 + (k - 1) * 2));
  SetAlias(Comp(n, "ROOMTOT"), Addr(61 - shift, 4 + (k - 1) * 4));
  SetAlias(Comp(n, "BEDROOMS"), Addr(61 - shift, 5 + (k - 1) * 4));
  SetAlias(Comp(n, "BATH"), Addr(61 - shift, 6 + (k - 1) * 4));
  SetAlias(Comp(n, "ABOVEGRADEADJ"), Addr(61 - shift, 7 + (k - 1) * 4));
  SetAlias(Comp(n, "LIVINGSQFT"), Addr(62 - shift, 2 + (k - 1) * 2));
  SetAlias(Comp(n, "LIVINGSQFTADJ"), Addr(62 - shift, 3 + (k - 1) * 2));
  SetAlias(Comp(n, "BASEMENT"), Addr(63 - shift, 2 + (k - 1) * 2));
  SetAlias(Comp(n, "BASEMENTADJ"), Addr(63 - shift, 3 + (k - 1) * 2));
  SetAlias(Comp(n, "BASEMENTFIN"), Addr(64 - shift, 2 + (k - 1) * 2));
  SetAlias(Comp(n, "BASEMENTFINADJ"), Addr(64 - shift, 3 + (k - 1) * 2));
  SetAlias(Comp(n, "GARAGE"), Addr(65 - shift, 2 + (k - 1) * 2));
  SetAlias(Comp(n, "GARAGEADJ"), Addr(65 - shift, 3 + (k - 1) * 2));
  SetAlias(Comp(n, "UNLABELED"), Addr(66 - shift, 3 + (k - 1) * 2));
  SetAlias(Comp(n, "UNLABELEDADJ"), Addr(66 - shift, 4 + (k - 1) * 2));
  SetAlias(Comp(n, "UNLABELEDTWO"), Addr(67 - shift, 3 + (k - 1) * 2));
  SetAlias(Comp(n, "UNLABELEDTWOADJ"), Addr(67 - shift, 4 + (k - 1) * 2));
  SetAlias(Comp(n, "PRIORSALEDT"), Addr(68 - shift, 2 + (k - 1) * 1));
  SetAlias(Comp(n, "PRIORSALEPRICE"), Addr(69 - shift, 2 + (k - 1) * 1));
  CheckAlias(Comp(n, "OVERALLCOMP"), Addr(70 - shift, 1 + (k - 1) * 3), "SUP",
             {Addr(70 - shift, 2 + (k - 1) * 3), "EQUAL", Addr(70 - shift, 3 + (k - 1) * 3), "INF"});
}

}  // namespace ombrel
