// The columns of the reviewed report's sales grid on "2006sc13": the
// subject's in field 1 and three comparable columns. A column is written only
// when its street is. At(line, first, step) is a row's field for comparable
// k: the field of comparable 1 plus (k - 1) steps.
#include "translators/review_land_mh/fm2006.h"

#include "engine/table_text.h"

namespace ombrel {

void FM2006::SubjectColumn() {
  if (!SetAlias("SUBJECTADDRSTREET", "11|1")) return;
  ParseAddress("12|1", "SUBJECTADDRCITY", "SUBJECTADDRSTATEPROV", "SUBJECTADDRZIP", "", "");
  SetAlias("SUBJECTSALESPRICE", "14|1");
  SetAlias("SUBJECTPRICEGROSSLIVING", "15|1");
  SetAlias("SUBJECTDATA", "16|1");
  SetAlias("SUBJECTVERIFICATION", "17|1");
  SetAlias("SUBJECTLOCATION", "22|1");
  SetAlias("SUBJECTLEASEFEE", "23|1");
  SetAlias("SUBJECTSITE", "24|1");
  SetAlias("SUBJECTVIEW", "25|1");
  SetAlias("SUBJECTDESIGNSTYLE", "26|1");
  SetAlias("SUBJECTCONSTRUCT", "27|1");
  SetAlias("SUBJECTAGEYRS", "28|1");
  SetAlias("SUBJECTCONDITION", "29|1");
  SetAlias("SUBJECTROOMTOT", "31|1");
  SetAlias("SUBJECTBEDROOMS", "31|2");
  SetAlias("SUBJECTBATH", "31|3");
  SetAlias("SUBJECTLIVINGSQFT", "32|1");
  SetAlias("SUBJECTBASEMENT", "33|1");
  SetAlias("SUBJECTBASEMENTFIN", "34|1");
  SetAlias("SUBJECTFUNCTIONAL", "35|1");
  SetAlias("SUBJECTHEATINGCOOL", "36|1");
  SetAlias("SUBJECTENERGYEFF", "37|1");
  SetAlias("SUBJECTGARAGE", "38|1");
  SetAlias("SUBJECTPORCHPATIO", "39|1");
  SetAlias("SUBJECTFIREPLACE", "40|1");
  SetAlias("SUBJECTFENCEPOOL", "41|1");
  // The unlabeled line carries its label before the subject's entry
  SetAlias("SALESCOMPUNLABELED", "42|1");
  SetAlias("SUBJECTUNLABELEDDESC", "42|2");
  SetAlias("SUBJECTPRIORSALEDT", "46|1");
  SetAlias("SUBJECTPRIORSALEPRICE", "47|1");
  SetAlias("SUBJECTPRIORSALEDATA", "48|1");
}

void FM2006::ComparableColumn(int k) {
  auto At = [k](int line, int first, int step) { return Addr(line, first + (k - 1) * step); };
  if (!SetAlias(Comp(k, "ADDRSTREET"), At(11, 2, 1))) return;
  // A differing number in the order is kept for this comparable's photo frame
  MapValue(Comp(k, "NUM"), std::to_string(k));
  ParseAddress(At(12, 2, 1), Comp(k, "ADDRCITY"), Comp(k, "ADDRSTATEPROV"), Comp(k, "ADDRZIP"), "",
               "");
  SetAlias(Comp(k, "PROXIMITY"), At(13, 1, 1));
  SetAlias(Comp(k, "SALESPRICE"), At(14, 2, 1));
  SetAlias(Comp(k, "PRICEGROSSLIVING"), At(15, 2, 1));
  SetAlias(Comp(k, "DATA"), At(16, 2, 1));
  SetAlias(Comp(k, "VERIFICATION"), At(17, 2, 1));

  // Concessions and date of sale have no subject field
  SetAlias(Comp(k, "SCONCESSION"), At(19, 1, 2));
  SetAlias(Comp(k, "SCONCESSIONADJ"), At(19, 2, 2));
  SetAlias(Comp(k, "FCONCESSION"), At(20, 1, 2));
  SetAlias(Comp(k, "FCONCESSIONADJ"), At(20, 2, 2));
  SetAlias(Comp(k, "SALEDT"), At(21, 1, 2));
  SetAlias(Comp(k, "SALEDTADJ"), At(21, 2, 2));

  // Value and adjustment lines ("CONTSRUCTADJ" is the order's spelling)
  SetAlias(Comp(k, "LOCATION"), At(22, 2, 2));
  SetAlias(Comp(k, "LOCATIONADJ"), At(22, 3, 2));
  SetAlias(Comp(k, "LEASEFEE"), At(23, 2, 2));
  SetAlias(Comp(k, "LEASEFEEADJ"), At(23, 3, 2));
  SetAlias(Comp(k, "SITE"), At(24, 2, 2));
  SetAlias(Comp(k, "SITEADJ"), At(24, 3, 2));
  SetAlias(Comp(k, "VIEW"), At(25, 2, 2));
  SetAlias(Comp(k, "VIEWADJ"), At(25, 3, 2));
  SetAlias(Comp(k, "DESIGNSTYLE"), At(26, 2, 2));
  SetAlias(Comp(k, "DESIGNSTYLEADJ"), At(26, 3, 2));
  SetAlias(Comp(k, "CONSTRUCT"), At(27, 2, 2));
  SetAlias(Comp(k, "CONTSRUCTADJ"), At(27, 3, 2));
  SetAlias(Comp(k, "AGEYRS"), At(28, 2, 2));
  SetAlias(Comp(k, "AGEYRSADJ"), At(28, 3, 2));
  SetAlias(Comp(k, "CONDITION"), At(29, 2, 2));
  SetAlias(Comp(k, "CONDITIONADJ"), At(29, 3, 2));

  // Room count: the subject has three fields, each comparable four
  SetAlias(Comp(k, "ROOMTOT"), At(31, 4, 4));
  SetAlias(Comp(k, "BEDROOMS"), At(31, 5, 4));
  SetAlias(Comp(k, "BATH"), At(31, 6, 4));
  SetAlias(Comp(k, "ABOVEGRADEADJ"), At(31, 7, 4));

  SetAlias(Comp(k, "LIVINGSQFT"), At(32, 2, 2));
  SetAlias(Comp(k, "LIVINGSQFTADJ"), At(32, 3, 2));
  SetAlias(Comp(k, "BASEMENT"), At(33, 2, 2));
  SetAlias(Comp(k, "BASEMENTADJ"), At(33, 3, 2));
  SetAlias(Comp(k, "BASEMENTFIN"), At(34, 2, 2));
  SetAlias(Comp(k, "BASEMENTFINADJ"), At(34, 3, 2));
  SetAlias(Comp(k, "FUNCTIONAL"), At(35, 2, 2));
  SetAlias(Comp(k, "FUNCTIONALADJ"), At(35, 3, 2));
  SetAlias(Comp(k, "HEATINGCOOL"), At(36, 2, 2));
  SetAlias(Comp(k, "HEATINGCOOLADJ"), At(36, 3, 2));
  SetAlias(Comp(k, "ENERGYEFF"), At(37, 2, 2));
  SetAlias(Comp(k, "ENERGYEFFADJ"), At(37, 3, 2));
  SetAlias(Comp(k, "GARAGE"), At(38, 2, 2));
  SetAlias(Comp(k, "GARAGEADJ"), At(38, 3, 2));
  SetAlias(Comp(k, "PORCHPATIO"), At(39, 2, 2));
  SetAlias(Comp(k, "PORCHPATIOADJ"), At(39, 3, 2));
  SetAlias(Comp(k, "FIREPLACE"), At(40, 2, 2));
  SetAlias(Comp(k, "FIREPLACEADJ"), At(40, 3, 2));
  SetAlias(Comp(k, "FENCEPOOL"), At(41, 2, 2));
  SetAlias(Comp(k, "FENCEPOOLADJ"), At(41, 3, 2));
  // The unlabeled line holds its label and the subject's entry first
  SetAlias(Comp(k, "UNLABELED"), At(42, 3, 2));
  SetAlias(Comp(k, "UNLABELEDADJ"), At(42, 4, 2));

  // Net and adjusted sales price
  CheckAlias(Comp(k, "NETADJUSTPOSNEG"), At(43, 1, 3), "POSITIVE", {At(43, 2, 3), "NEGATIVE"});
  SetAlias(Comp(k, "NETADJUSTTOT"), At(43, 3, 3));
  SetAlias(Comp(k, "ADJUSTSALESGROSS"), At(44, 1, 1));
  SetAlias(Comp(k, "ADJUSTSALESNET"), At(45, 1, 2));
  SetAlias(Comp(k, "ADJUSTSALESPRICE"), At(45, 2, 2));

  // Prior sale
  SetAlias(Comp(k, "PRIORSALEDT"), At(46, 2, 1));
  SetAlias(Comp(k, "PRIORSALEPRICE"), At(47, 2, 1));
  SetAlias(Comp(k, "PRIORSALEDATA"), At(48, 2, 1));
}

}  // namespace ombrel
