// The land appraisal form "LAR": signer blocks, report profile, subject and
// loan, neighbourhood, site, the sales comparison grid with comparables 1 to 3,
// reconciliation and the two signers' licence cells.
#include "translators/review_land_mh/land.h"

#include "engine/common_forms.h"

namespace ombrel {

void LAND::EntrainMain() {
  // Title, signer blocks and report profile; each signer block makes "LAR" current again
  SetAlias("TITLE", "3|1");
  ProcessAppraiserInfo(1, 1, FormName());
  ProcessAppraiserInfo(2, 2, FormName());
  ProcessOffscrn();

  // Subject and loan
  SetAlias("BORROWER", "5|1");
  SetAlias("CENSUSTRACT", "5|2");
  SetAlias("MAPREF", "5|3");
  SetAlias("PROPADDR", "6|1");
  SetAlias("CITY", "7|1");
  SetAlias("COUNTY", "7|2");
  SetAlias("STATEPROV", "7|3");
  SetAlias("ZIP", "7|4");
  ParseExtended("LEGALDESC", "8|1", true);
  SetAlias("SALESPRICE", "9|1");
  SetAlias("SALEDT", "9|2");
  SetAlias("LOANTERM", "9|3");
  CheckAlias("PROPRIGHTS", "9|4", "FEE", {"9|5", "LEASEHOLD", "9|6", "DEMINIMIS"});
  SetAlias("RETAXES", "10|1");
  SetAlias("LOANCHARGEDESC", "10|2");
  SetAlias("SCONCESSION", "10|3");
  SetAlias("LENDERCLIENT", "11|1");
  ParseAddress("11|2", "LENDERCLIENTCITY", "LENDERCLIENTSTATEPROV", "LENDERCLIENTZIP",
               "LENDERCLIENTSTREET", "");
  SetAlias("CURRENTOCCUPANT", "12|1");
  SetAlias("APPRAISER", "12|2");
  SetAlias("APPRAISERINSTRUCTIONS", "12|3");

  // Neighbourhood
  CheckAlias("LOCATION", "14|1", "URBAN", {"14|2", "SUBURBAN", "14|3", "RURAL"});
  CheckAlias("BUILTUP", "15|1", "OVER 75%", {"15|2", "25-75%", "15|3", "UNDER 25%"});
  CheckAlias("GROWTHRATE", "16|1", "FULLYDEV", {"16|2", "RAPID", "16|3", "STABLE", "16|4", "SLOW"});
  CheckAlias("PROPVALUES", "17|1", "INCREASING", {"17|2", "STABLE", "17|3", "DECLINING"});
  CheckAlias("DEMANDSUPPLY", "18|1", "SHORTAGE", {"18|2", "INBALANCE", "18|3", "OVERSUPPLY"});
  CheckAlias("MARKETINGTIME", "19|1", "UNDER 3 MOS.", {"19|2", "3-6 MOS.", "19|3", "OVER 6 MOS."});
  // Present land use
  SetAlias("LANDUSEONEFAM", "20|1");
  SetAlias("LANDUSETWOFOURFAM", "20|2");
  SetAlias("LANDUSEAPARTMENTS", "20|3");
  SetAlias("LANDUSECONDOMINIUM", "20|4");
  SetAlias("LANDUSECOMMERCIAL", "20|5");
  SetAlias("LANDUSEINDUSTRIAL", "21|2");
  SetAlias("LANDUSEVACANT", "21|3");
  SetAlias("LANDUSEUNLABELEDPERCENT", "21|4");
  SetAlias("LANDUSEUNLABELED", "21|5");
  CheckAlias("LANDUSECHANGE", "22|1", "NOTLIKELY", {"22|2", "LIKELY", "22|3", "INPROCESS"});
  SetAlias("LANDUSECHANGEFROM", "23|1");
  SetAlias("LANDUSECHANGETO", "23|2");
  // Occupancy, price and age of single-family homes
  CheckAlias("OCCUPANCYOWNER", "24|1", "ON", {});
  CheckAlias("OCCUPANCYTENANT", "24|2", "ON", {});
  SetAlias("OCCUPANCYVACANTPERCENT", "24|3");
  SetAlias("SINGLEFAMPRICELOW", "25|1");
  SetAlias("SINGLEFAMPRICEHIGH", "25|2");
  SetAlias("PRICEPREDOMINANT", "25|3");
  SetAlias("SINGLEFAMAGELOW", "26|1");
  SetAlias("SINGLEFAMAGEHIGH", "26|2");
  SetAlias("AGEPREDOMINANT", "26|3");
  // The twelve ratings; each line's four boxes start where the line's other entries end
  CheckAlias("RATINGEMPSTABILITY", "15|4", "GOOD",
             {"15|5", "AVERAGE", "15|6", "FAIR", "15|7", "POOR"});
  CheckAlias("RATINGEMPLCONV", "16|5", "GOOD", {"16|6", "AVERAGE", "16|7", "FAIR", "16|8", "POOR"});
  CheckAlias("RATINGSHOPPING", "17|4", "GOOD", {"17|5", "AVERAGE", "17|6", "FAIR", "17|7", "POOR"});
  CheckAlias("RATINGSCHOOL", "18|4", "GOOD", {"18|5", "AVERAGE", "18|6", "FAIR", "18|7", "POOR"});
  CheckAlias("RATINGTRANSPORTATION", "19|4", "GOOD",
             {"19|5", "AVERAGE", "19|6", "FAIR", "19|7", "POOR"});
  CheckAlias("RATINGRECREATIONAL", "20|6", "GOOD",
             {"20|7", "AVERAGE", "20|8", "FAIR", "20|9", "POOR"});
  CheckAlias("RATINGUTILITIES", "21|6", "GOOD",
             {"21|7", "AVERAGE", "21|8", "FAIR", "21|9", "POOR"});
  CheckAlias("RATINGPROPCOMPATIBILITY", "22|4", "GOOD",
             {"22|5", "AVERAGE", "22|6", "FAIR", "22|7", "POOR"});
  CheckAlias("RATINGDETCONDITIONS", "23|3", "GOOD",
             {"23|4", "AVERAGE", "23|5", "FAIR", "23|6", "POOR"});
  CheckAlias("RATINGPOLICEFIRE", "24|4", "GOOD",
             {"24|5", "AVERAGE", "24|6", "FAIR", "24|7", "POOR"});
  CheckAlias("RATINGGENERALAPPEAR", "25|4", "GOOD",
             {"25|5", "AVERAGE", "25|6", "FAIR", "25|7", "POOR"});
  CheckAlias("RATINGMARKETAPPEAL", "26|4", "GOOD",
             {"26|5", "AVERAGE", "26|6", "FAIR", "26|7", "POOR"});
  ParseExtended("FACTORSMARKETABILITY", "28|1", true);

  // Site
  SetAlias("DIMENSIONS", "32|1");
  Combine("32|2", " ", 0, {"SITEAREA", "SITEAREAUNIT"});
  CheckAlias("CORNERLOT", "32|3", "YES", {});
  SetAlias("SPECIFICZONING", "33|1");
  CheckAlias("ZONINGCONFORMANCE", "33|2", "YES", {"33|3", "NO"});
  CheckAlias("HIGHESTBESTUSE", "34|1", "PRESENTUSE", {"34|2", "OTHER"});
  SetAlias("HIGHESTBESTUSEDESC", "34|3");
  // Utilities: public box, then the other supply
  CheckAlias("ELECTRICPUBLIC", "36|1", "ON", {});
  SetAlias("ELECTRICOTHER", "36|2");
  CheckAlias("GASPUBLIC", "37|1", "ON", {});
  SetAlias("GASOTHER", "37|2");
  CheckAlias("WATERPUBLIC", "38|1", "ON", {});
  SetAlias("WATEROTHER", "38|2");
  CheckAlias("SANITARYSEWERPUBLIC", "39|1", "ON", {});
  SetAlias("SANITARYSEWEROTHER", "39|2");
  CheckAlias("UNDERGROUNDELECTEL", "40|1", "ON", {});
  // Off-site improvements
  CheckAlias("STREETPUBPRIV", "36|3", "PUBLIC", {"36|4", "PRIVATE"});
  SetAlias("STREETTYPE", "37|3");
  CheckAlias("STREETMAINTENPUBPRIV", "38|3", "PUBLIC", {"38|4", "PRIVATE"});
  CheckAlias("STORMSEWER", "39|3", "ON", {});
  CheckAlias("CURBGUTTER", "39|4", "ON", {});
  CheckAlias("SIDEWALK", "40|2", "ON", {});
  CheckAlias("STREETLIGHT", "40|3", "ON", {});
  // The lot itself
  SetAlias("TOPOGRAPHY", "35|1");
  SetAlias("SIZE", "36|5");
  SetAlias("SHAPE", "37|4");
  SetAlias("VIEW", "38|5");
  SetAlias("DRAINAGE", "39|5");
  CheckAlias("FEMAFLOODHAZARD", "40|4", "NO", {"40|5", "YES"});
  ParseExtended("COMMENTSAPPARENT", "41|1", true);

  // Sales comparison: the subject column
  SetAlias("SUBJECTADDRSTREET", "50|1");
  ParseAddress("51|1", "SUBJECTADDRCITY", "SUBJECTADDRSTATEPROV", "SUBJECTADDRZIP", "", "");
  SetAlias("SUBJECTSALESPRICE", "53|1");
  SetAlias("SUBJECTPRICEGROSSLIVING", "54|1");
  SetAlias("SUBJECTDATA", "55|1");
  SetAlias("SUBJECTSALEDT", "57|1");
  SetAlias("SUBJECTLOCATION", "58|1");
  SetAlias("SUBJECTSITE", "59|1");
  SetAlias("SUBJECTUNLABELEDDESC", "60|1");
  // The three lower unlabeled lines carry their label before the subject's entry
  SetAlias("SALESCOMPUNLABELEDTWO", "61|1");
  SetAlias("SUBJECTUNLABELEDTWODESC", "61|2");
  SetAlias("SALESCOMPUNLABELEDTHREE", "62|1");
  SetAlias("SUBJECTUNLABELEDTHREEDESC", "62|2");
  SetAlias("SALESCOMPUNLABELEDFOUR", "63|1");
  SetAlias("SUBJECTUNLABELEDFOURDESC", "63|2");
  SetAlias("SUBJECTSCONCESSION", "64|1");
  SetAlias("SUBJECTFCONCESSION", "65|1");

  // Sales comparison: comparables 1 to 3, every row whether or not the comparable exists
  ComparableColumn(1);
  ComparableColumn(2);
  ComparableColumn(3);

  // Reconciliation
  ParseExtended("COMMENTSALESCOMPARE", "69|1", true);
  ParseExtended("CONDITIONAPPRAISAL", "72|1", true);
  ParseExtended("FINALRECON", "76|1", true);
  SplitY2KDate(Server_(), "ESTMARKETVALUEDT", "79|1", "79|2");
  SetAlias("ESTMARKETVALUE", "79|3");

  // Appraiser, with the licence, the certificate or both
  SetAlias("APPRAISER", "82|1");
  SetAlias("APPRAISERDTSIGNED", "82|2");
  LicenceSelect(1, "83|1", "83|4", "/", kLicenceFirst, kStateCellFirst);
  CheckAlias("INSPECTSUBJECTPROP", "80|1", "DID", {"80|2", "DIDNOT"});

  // Supervisory appraiser
  SetAlias("SUPAPPRAISER", "82|3");
  SetAlias("SUPAPPRAISERDTSIGNED", "82|4");
  LicenceSelect(2, "83|5", "83|8", "/", kLicenceFirst, kStateCellFirst);
}

}  // namespace ombrel
