// The sales comparison grid of the 2055 form: the subject's column and
// comparables 1 to 3 on the main form (lines 41 to 69), and the same columns
// 30 lines up on the overflow forms of comparables 4 to 9.
#include "translators/form2055/form2055_family.h"

#include "engine/table_text.h"

namespace ombrel {

void Form2055Family::SalesComparison() {
  // Subject: the first fields of lines 41 to 69; three fields on line 58, and
  // the captions of the two unlabelled rows in field 1 of lines 63 and 64.
  SetAlias("SUBJECTADDRSTREET", "41|1");
  ParseAddress("42|1", "SUBJECTADDRCITY", "SUBJECTADDRSTATEPROV", "SUBJECTADDRZIP", "", "");
  SetAlias("SUBJECTSALESPRICE", "44|1");
  SetAlias("SUBJECTPRICEGROSSLIVING", "45|1");
  SetAlias("SUBJECTLOCATION", "51|1");
  SetAlias("SUBJECTSITE", "52|1");
  SetAlias("SUBJECTVIEW", "53|1");
  SetAlias("SUBJECTDESIGNSTYLE", "54|1");
  SetAlias("SUBJECTAGEYRS", "55|1");
  SetAlias("SUBJECTCONDITION", "56|1");
  SetAlias("SUBJECTROOMTOT", "58|1");
  SetAlias("SUBJECTBEDROOMS", "58|2");
  SetAlias("SUBJECTBATH", "58|3");
  SetAlias("SUBJECTLIVINGSQFT", "59|1");
  SetAlias("SUBJECTBASEMENT", "60|1");
  SetAlias("SUBJECTBASEMENTFIN", "61|1");
  SetAlias("SUBJECTGARAGE", "62|1");
  SetAlias("SALESCOMPUNLABELED", "63|1");
  SetAlias("SUBJECTUNLABELEDDESC", "63|2");
  SetAlias("SALESCOMPUNLABELEDTWO", "64|1");
  SetAlias("SUBJECTUNLABELEDTWODESC", "64|2");
  SetAlias("SUBJECTPRIORSALEDT", "68|1");
  SetAlias("SUBJECTPRIORSALEPRICE", "69|1");

  // Comparables 1 to 3, written whether or not the order holds them.
  MainComparable(1);
  MainComparable(2);
  MainComparable(3);

  ParseExtended("ANALYSISCURRENTAGREE", "70|1", true);
  ParseExtended("COMMENTSALESCOMPARE", "72|1", true);
}

void Form2055Family::MainComparable(int n) {
  MapValue(Comp(n, "NUM"), std::to_string(n));
  SetAlias(Comp(n, "ADDRSTREET"), Addr(41, n + 1));
  ComparableRows(n, n, 0);
}

void Form2055Family::OverflowComparable(int n, int k) {
  if (!SetAlias(Comp(n, "ADDRSTREET"), Addr(41 - 30, k + 1))) return;
  MapValue(Comp(n, "NUM"), std::to_string(n));
  ComparableRows(n, k, 30);
}

// Where the subject has no field (lines 43, 46, 48 to 50 and 65 to 67) the
// first comparable starts at field 1.
void Form2055Family::ComparableRows(int n, int k, int shift) {
  ParseAddress(Addr(42 - shift, k + 1), Comp(n, "ADDRCITY"), Comp(n, "ADDRSTATEPROV"),
               Comp(n, "ADDRZIP"), "", "");
  SetAlias(Comp(n, "PROXIMITY"), Addr(43 - shift, k));
  SetAlias(Comp(n, "SALESPRICE"), Addr(44 - shift, k + 1));
  SetAlias(Comp(n, "PRICEGROSSLIVING"), Addr(45 - shift, k + 1));
  Combine(Addr(46 - shift, k), " / ", 0, {Comp(n, "DATA"), Comp(n, "VERIFICATION")});
  SetAlias(Comp(n, "SCONCESSION"), Addr(48 - shift, 2 * k - 1));
  SetAlias(Comp(n, "SCONCESSIONADJ"), Addr(48 - shift, 2 * k));
  SetAlias(Comp(n, "FCONCESSION"), Addr(49 - shift, 2 * k - 1));
  SetAlias(Comp(n, "FCONCESSIONADJ"), Addr(49 - shift, 2 * k));
  SetAlias(Comp(n, "SALEDT"), Addr(50 - shift, 2 * k - 1));
  SetAlias(Comp(n, "SALEDTADJ"), Addr(50 - shift, 2 * k));
  SetAlias(Comp(n, "LOCATION"), Addr(51 - shift, 2 * k));
  SetAlias(Comp(n, "LOCATIONADJ"), Addr(51 - shift, 2 * k + 1));
  SetAlias(Comp(n, "SITE"), Addr(52 - shift, 2 * k));
  SetAlias(Comp(n, "SITEADJ"), Addr(52 - shift, 2 * k + 1));
  SetAlias(Comp(n, "VIEW"), Addr(53 - shift, 2 * k));
  SetAlias(Comp(n, "VIEWADJ"), Addr(53 - shift, 2 * k + 1));
  SetAlias(Comp(n, "DESIGNSTYLE"), Addr(54 - shift, 2 * k));
  SetAlias(Comp(n, "DESIGNSTYLEADJ"), Addr(54 - shift, 2 * k + 1));
  SetAlias(Comp(n, "AGEYRS"), Addr(55 - shift, 2 * k));
  SetAlias(Comp(n, "AGEYRSADJ"), Addr(55 - shift, 2 * k + 1));
  SetAlias(Comp(n, "CONDITION"), Addr(56 - shift, 2 * k));
  SetAlias(Comp(n, "CONDITIONADJ"), Addr(56 - shift, 2 * k + 1));
  SetAlias(Comp(n, "ROOMTOT"), Addr(58 - shift, 4 * k));
  SetAlias(Comp(n, "BEDROOMS"), Addr(58 - shift, 4 * k + 1));
  SetAlias(Comp(n, "BATH"), Addr(58 - shift, 4 * k + 2));
  SetAlias(Comp(n, "ABOVEGRADEADJ"), Addr(58 - shift, 4 * k + 3));
  SetAlias(Comp(n, "LIVINGSQFT"), Addr(59 - shift, 2 * k));
  SetAlias(Comp(n, "LIVINGSQFTADJ"), Addr(59 - shift, 2 * k + 1));
  SetAlias(Comp(n, "BASEMENT"), Addr(60 - shift, 2 * k));
  SetAlias(Comp(n, "BASEMENTADJ"), Addr(60 - shift, 2 * k + 1));
  SetAlias(Comp(n, "BASEMENTFIN"), Addr(61 - shift, 2 * k));
  SetAlias(Comp(n, "BASEMENTFINADJ"), Addr(61 - shift, 2 * k + 1));
  SetAlias(Comp(n, "GARAGE"), Addr(62 - shift, 2 * k));
  SetAlias(Comp(n, "GARAGEADJ"), Addr(62 - shift, 2 * k + 1));
  SetAlias(Comp(n, "UNLABELED"), Addr(63 - shift, 2 * k + 1));
  SetAlias(Comp(n, "UNLABELEDADJ"), Addr(63 - shift, 2 * k + 2));
  SetAlias(Comp(n, "UNLABELEDTWO"), Addr(64 - shift, 2 * k + 1));
  SetAlias(Comp(n, "UNLABELEDTWOADJ"), Addr(64 - shift, 2 * k + 2));
  CheckAlias(Comp(n, "NETADJUSTPOSNEG"), Addr(65 - shift, 3 * k - 2), "POSITIVE",
             {Addr(65 - shift, 3 * k - 1), "NEGATIVE"});
  SetAlias(Comp(n, "NETADJUSTTOT"), Addr(65 - shift, 3 * k));
  SetAlias(Comp(n, "ADJUSTSALESGROSS"), Addr(66 - shift, k));
  SetAlias(Comp(n, "ADJUSTSALESNET"), Addr(67 - shift, 2 * k - 1));
  SetAlias(Comp(n, "ADJUSTSALESPRICE"), Addr(67 - shift, 2 * k));
  SetAlias(Comp(n, "PRIORSALEDT"), Addr(68 - shift, k + 1));
  SetAlias(Comp(n, "PRIORSALEPRICE"), Addr(69 - shift, k + 1));
}

}  // namespace ombrel
