// The columns of the reviewed report's sales grid on "79cmp13" and "79cmp46":
// three comparable columns each, the subject's in field 1 of "79cmp13". A
// column is written only when its street is. At(line, first, step) is a row's
// field for column p: the field of column 1 plus (p - 1) steps.
#include "translators/review_land_mh/fm2000.h"

#include "engine/table_text.h"

namespace ombrel {

void FM2000::SubjectColumn() {
  if (!SetAlias("SUBJECTADDRSTREET", "10|1")) return;
  // City, state and zip share one field: joined as the comparables' are, so
  // that none of the three replaces another.
  ParseCityLine("11|1", "SUBJECTADDRCITY", "SUBJECTADDRSTATEPROV", "SUBJECTADDRZIP");
  SetAlias("SUBJECTSALESPRICE", "13|1");
  SetAlias("SUBJECTPRICEGROSSLIVING", "14|1");
  SetAlias("SUBJECTDATA", "15|1");
  SetAlias("SUBJECTVERIFICATION", "16|1");
  SetAlias("SUBJECTLOCATION", "21|1");
  SetAlias("SUBJECTLEASEFEE", "22|1");
  SetAlias("SUBJECTSITE", "23|1");
  SetAlias("SUBJECTVIEW", "24|1");
  SetAlias("SUBJECTDESIGNSTYLE", "25|1");
  SetAlias("SUBJECTCONSTRUCT", "26|1");
  SetAlias("SUBJECTAGEYRS", "27|1");
  SetAlias("SUBJECTCONDITION", "28|1");
  SetAlias("SUBJECTROOMTOT", "30|1");
  SetAlias("SUBJECTBEDROOMS", "30|2");
  SetAlias("SUBJECTBATH", "30|3");
  SetAlias("SUBJECTLIVINGSQFT", "31|1");
  SetAlias("SUBJECTBASEMENT", "32|1");
  SetAlias("SUBJECTBASEMENTFIN", "33|1");
  SetAlias("SUBJECTFUNCTIONAL", "34|1");
  SetAlias("SUBJECTHEATINGCOOL", "35|1");
  SetAlias("SUBJECTENERGYEFF", "36|1");
  SetAlias("SUBJECTGARAGE", "37|1");
  SetAlias("SUBJECTPORCHPATIO", "38|1");
  SetAlias("SUBJECTFIREPLACE", "39|1");
  SetAlias("SUBJECTFENCEPOOL", "40|1");
  // The unlabeled line carries its label before the subject's entry
  SetAlias("SALESCOMPUNLABELED", "41|1");
  SetAlias("SUBJECTUNLABELEDDESC", "41|2");
  SetAlias("SUBJECTPRIORSALEDT", "45|1");
  SetAlias("SUBJECTPRIORSALEPRICE", "46|1");
  SetAlias("SUBJECTPRIORSALEDATA", "47|1");
}

void FM2000::ComparableColumn(int k, int p) {
  auto At = [p](int line, int first, int step) { return Addr(line, first + (p - 1) * step); };
  if (!SetAlias(Comp(k, "ADDRSTREET"), At(10, 2, 1))) return;
  // A differing number in the order is kept under the comparable's own number,
  // not its column, for its photo frame
  MapValue(Comp(k, "NUM"), std::to_string(k));
  ParseAddress(At(11, 2, 1), Comp(k, "ADDRCITY"), Comp(k, "ADDRSTATEPROV"), Comp(k, "ADDRZIP"), "",
               "");
  SetAlias(Comp(k, "PROXIMITY"), At(12, 1, 1));
  SetAlias(Comp(k, "SALESPRICE"), At(13, 2, 1));
  SetAlias(Comp(k, "PRICEGROSSLIVING"), At(14, 2, 1));
  SetAlias(Comp(k, "DATA"), At(15, 2, 1));
  SetAlias(Comp(k, "VERIFICATION"), At(16, 2, 1));

  // Concessions and date of sale have no subject field
  SetAlias(Comp(k, "SCONCESSION"), At(18, 1, 2));
  SetAlias(Comp(k, "SCONCESSIONADJ"), At(18, 2, 2));
  SetAlias(Comp(k, "FCONCESSION"), At(19, 1, 2));
  SetAlias(Comp(k, "FCONCESSIONADJ"), At(19, 2, 2));
  SetAlias(Comp(k, "SALEDT"), At(20, 1, 2));
  SetAlias(Comp(k, "SALEDTADJ"), At(20, 2, 2));

  // Value and adjustment lines ("CONTSRUCTADJ" is the order's spelling)
  SetAlias(Comp(k, "LOCATION"), At(21, 2, 2));
  SetAlias(Comp(k, "LOCATIONADJ"), At(21, 3, 2));
  SetAlias(Comp(k, "LEASEFEE"), At(22, 2, 2));
  SetAlias(Comp(k, "LEASEFEEADJ"), At(22, 3, 2));
  SetAlias(Comp(k, "SITE"), At(23, 2, 2));
  SetAlias(Comp(k, "SITEADJ"), At(23, 3, 2));
  SetAlias(Comp(k, "VIEW"), At(24, 2, 2));
  SetAlias(Comp(k, "VIEWADJ"), At(24, 3, 2));
  SetAlias(Comp(k, "DESIGNSTYLE"), At(25, 2, 2));
  SetAlias(Comp(k, "DESIGNSTYLEADJ"), At(25, 3, 2));
  SetAlias(Comp(k, "CONSTRUCT"), At(26, 2, 2));
  SetAlias(Comp(k, "CONTSRUCTADJ"), At(26, 3, 2));
  SetAlias(Comp(k, "AGEYRS"), At(27, 2, 2));
  SetAlias(Comp(k, "AGEYRSADJ"), At(27, 3, 2));
  SetAlias(Comp(k, "CONDITION"), At(28, 2, 2));
  SetAlias(Comp(k, "CONDITIONADJ"), At(28, 3, 2));

  // Room count: the subject has three fields, each comparable four
  SetAlias(Comp(k, "ROOMTOT"), At(30, 4, 4));
  SetAlias(Comp(k, "BEDROOMS"), At(30, 5, 4));
  SetAlias(Comp(k, "BATH"), At(30, 6, 4));
  SetAlias(Comp(k, "ABOVEGRADEADJ"), At(30, 7, 4));

  SetAlias(Comp(k, "LIVINGSQFT"), At(31, 2, 2));
  SetAlias(Comp(k, "LIVINGSQFTADJ"), At(31, 3, 2));
  SetAlias(Comp(k, "BASEMENT"), At(32, 2, 2));
  SetAlias(Comp(k, "BASEMENTADJ"), At(32, 3, 2));
  SetAlias(Comp(k, "BASEMENTFIN"), At(33, 2, 2));
  SetAlias(Comp(k, "BASEMENTFINADJ"), At(33, 3, 2));
  SetAlias(Comp(k, "FUNCTIONAL"), At(34, 2, 2));
  SetAlias(Comp(k, "FUNCTIONALADJ"), At(34, 3, 2));
  SetAlias(Comp(k, "HEATINGCOOL"), At(35, 2, 2));
  SetAlias(Comp(k, "HEATINGCOOLADJ"), At(35, 3, 2));
  SetAlias(Comp(k, "ENERGYEFF"), At(36, 2, 2));
  SetAlias(Comp(k, "ENERGYEFFADJ"), At(36, 3, 2));
  SetAlias(Comp(k, "GARAGE"), At(37, 2, 2));
  SetAlias(Comp(k, "GARAGEADJ"), At(37, 3, 2));
  SetAlias(Comp(k, "PORCHPATIO"), At(38, 2, 2));
  SetAlias(Comp(k, "PORCHPATIOADJ"), At(38, 3, 2));
  SetAlias(Comp(k, "FIREPLACE"), At(39, 2, 2));
  SetAlias(Comp(k, "FIREPLACEADJ"), At(39, 3, 2));
  SetAlias(Comp(k, "FENCEPOOL"), At(40, 2, 2));
  SetAlias(Comp(k, "FENCEPOOLADJ"), At(40, 3, 2));
  // The unlabeled line holds its label and the subject's entry first
  SetAlias(Comp(k, "UNLABELED"), At(41, 3, 2));
  SetAlias(Comp(k, "UNLABELEDADJ"), At(41, 4, 2));

  // Net and adjusted sales price
  CheckAlias(Comp(k, "NETADJUSTPOSNEG"), At(42, 1, 3), "POSITIVE", {At(42, 2, 3), "NEGATIVE"});
  SetAlias(Comp(k, "NETADJUSTTOT"), At(42, 3, 3));
  SetAlias(Comp(k, "ADJUSTSALESGROSS"), At(43, 1, 1));
  SetAlias(Comp(k, "ADJUSTSALESNET"), At(44, 1, 2));
  SetAlias(Comp(k, "ADJUSTSALESPRICE"), At(44, 2, 2));

  // Prior sale
  SetAlias(Comp(k, "PRIORSALEDT"), At(45, 2, 1));
  SetAlias(Comp(k, "PRIORSALEPRICE"), At(46, 2, 1));
  SetAlias(Comp(k, "PRIORSALEDATA"), At(47, 2, 1));
}

}  // namespace ombrel
