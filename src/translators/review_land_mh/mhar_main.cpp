// The manufactured-home form "MOB": signer blocks, report profile, subject and
// home, neighbourhood, site, the park, the improvements, the sales comparison
// grid with comparables 1 to 3 and the reconciliation.
#include "translators/review_land_mh/mhar.h"

#include "engine/common_forms.h"

namespace ombrel {

void MHAR::EntrainMain() {
  // Title, signer blocks and report profile; each signer block makes "MOB" current again
  SetAlias("TITLE", "2|1");
  ProcessAppraiserInfo(1, 1, FormName());
  ProcessAppraiserInfo(2, 2, FormName());
  ProcessOffscrn();

  // Subject and home
  SetAlias("BORROWER", "4|1");
  SetAlias("CENSUSTRACT", "4|2");
  SetAlias("MAPREF", "4|3");
  SetAlias("UNITNUM", "5|1");
  SetAlias("PROPADDR", "5|2");
  SetAlias("NBRHOODPROJNM", "5|3");
  SetAlias("CITY", "6|1");
  SetAlias("COUNTY", "6|2");
  SetAlias("STATEPROV", "6|3");
  SetAlias("ZIP", "6|4");
  SetAlias("MOBILEHOMEMAKE", "7|1");
  SetAlias("MOBILEHOMEMODEL", "7|2");
  SetAlias("GENERALYRBUILT", "7|3");
  SetAlias("MOBILEHOMESERIALNUM", "7|4");
  CheckAlias("PROPRIGHTS", "7|5", "FEESIMPLE", {"7|6", "LEASEHOLD"});
  SetAlias("MOBILEHOMELENGTH", "8|1");
  SetAlias("MOBILEHOMEWIDTH", "8|2");
  SetAlias("MOBILEHOMETIPOUT", "8|3");
  SetAlias("MOBILEHOMEWANIGAN", "8|4");
  SetAlias("AMENITIESPORCHDESC", "8|5");
  SetAlias("AMENITIESDECKDESC", "8|6");
  SetAlias("LENDERCLIENT", "9|1");
  SetAlias("CURRENTOCCUPANT", "10|1");
  SetAlias("APPRAISER", "10|2");
  SetAlias("APPRAISERINSTRUCTIONS", "10|3");
  SetAlias("SALESPRICE", "11|1");
  SetAlias("SALEDT", "11|2");
  SetAlias("LOANTERM", "11|3");
  SetAlias("RETAXES", "11|4");

  // Neighbourhood
  CheckAlias("LOCATION", "12|1", "URBAN", {"12|2", "SUBURBAN", "12|3", "RURAL"});
  CheckAlias("BUILTUP", "13|2", "OVER 75%", {"13|3", "25-75%", "13|4", "UNDER 25%"});
  CheckAlias("GROWTHRATE", "14|1", "FULLYDEV", {"14|2", "RAPID", "14|3", "STABLE", "14|4", "SLOW"});
  CheckAlias("PROPVALUES", "15|1", "INCREASING", {"15|2", "STABLE", "15|3", "DECLINING"});
  CheckAlias("DEMANDSUPPLY", "16|1", "SHORTAGE", {"16|2", "INBALANCE", "16|3", "OVERSUPPLY"});
  CheckAlias("MARKETINGTIME", "17|1", "UNDER 3 MOS.", {"17|2", "3-6 MOS.", "17|3", "OVER 6 MOS."});
  // Present land use
  SetAlias("LANDUSEONEFAM", "18|1");
  SetAlias("LANDUSETWOFOURFAM", "18|2");
  SetAlias("LANDUSEAPARTMENTS", "18|3");
  SetAlias("LANDUSECONDOMINIUM", "18|4");
  SetAlias("LANDUSECOMMERCIAL", "19|2");
  SetAlias("LANDUSEINDUSTRIAL", "19|3");
  SetAlias("LANDUSEVACANT", "19|4");
  SetAlias("LANDUSEMOBILEHOME", "19|5");
  CheckAlias("LANDUSECHANGE", "20|1", "NOTLIKELY", {"20|2", "LIKELY", "20|3", "INPROCESS"});
  SetAlias("LANDUSECHANGEFROM", "21|1");
  SetAlias("LANDUSECHANGETO", "21|2");
  // Occupancy, and price and age of manufactured and single-family homes
  CheckAlias("OCCUPANCYOWNER", "22|1", "ON", {});
  CheckAlias("OCCUPANCYTENANT", "22|2", "ON", {});
  SetAlias("OCCUPANCYVACANTPERCENT", "22|3");
  SetAlias("MOBILEHOMEPRICELOW", "23|1");
  SetAlias("MOBILEHOMEPRICEHIGH", "23|2");
  SetAlias("MOBILEHOMEPRICEPREDOMINANT", "23|3");
  SetAlias("MOBILEHOMEAGELOW", "24|1");
  SetAlias("MOBILEHOMEAGEHIGH", "24|2");
  SetAlias("MOBILEHOMEAGEPREDOMINANT", "24|3");
  SetAlias("SINGLEFAMPRICELOW", "25|1");
  SetAlias("SINGLEFAMPRICEHIGH", "25|2");
  SetAlias("PRICEPREDOMINANT", "25|3");
  SetAlias("SINGLEFAMAGELOW", "26|1");
  SetAlias("SINGLEFAMAGEHIGH", "26|2");
  SetAlias("AGEPREDOMINANT", "26|3");
  // Neighbourhood ratings
  CheckAlias("RATINGSHOPPINGADEQUACY", "13|5", "GOOD",
             {"13|6", "AVERAGE", "13|7", "FAIR", "13|8", "POOR"});
  CheckAlias("RATINGEMPLOPPOR", "14|5", "GOOD",
             {"14|6", "AVERAGE", "14|7", "FAIR", "14|8", "POOR"});
  CheckAlias("RATINGRECREATIONAL", "15|4", "GOOD",
             {"15|5", "AVERAGE", "15|6", "FAIR", "15|7", "POOR"});
  CheckAlias("RATINGUTILITIES", "16|4", "GOOD",
             {"16|5", "AVERAGE", "16|6", "FAIR", "16|7", "POOR"});
  CheckAlias("RATINGPROPCOMPATIBILITY", "17|4", "GOOD",
             {"17|5", "AVERAGE", "17|6", "FAIR", "17|7", "POOR"});
  CheckAlias("RATINGDETCONDITIONS", "18|5", "GOOD",
             {"18|6", "AVERAGE", "18|7", "FAIR", "18|8", "POOR"});
  CheckAlias("RATINGPOLICEFIRE", "19|6", "GOOD",
             {"19|7", "AVERAGE", "19|8", "FAIR", "19|9", "POOR"});
  CheckAlias("RATINGGENERALAPPEAR", "20|4", "GOOD",
             {"20|5", "AVERAGE", "20|6", "FAIR", "20|7", "POOR"});
  CheckAlias("RATINGMARKETAPPEAL", "21|3", "GOOD",
             {"21|4", "AVERAGE", "21|5", "FAIR", "21|6", "POOR"});
  // Ratings with a distance before their boxes
  SetAlias("RATINGTRANSPORTATIONDIS", "23|4");
  CheckAlias("RATINGTRANSPORTATION", "23|5", "GOOD",
             {"23|6", "AVERAGE", "23|7", "FAIR", "23|8", "POOR"});
  SetAlias("RATINGEMPLCONVDIS", "24|4");
  CheckAlias("RATINGEMPLCONV", "24|5", "GOOD", {"24|6", "AVERAGE", "24|7", "FAIR", "24|8", "POOR"});
  SetAlias("RATINGSHOPPINGDIS", "25|4");
  CheckAlias("RATINGSHOPPING", "25|5", "GOOD", {"25|6", "AVERAGE", "25|7", "FAIR", "25|8", "POOR"});
  SetAlias("RATINGSCHOOLDIS", "26|4");
  CheckAlias("RATINGSCHOOL", "26|5", "GOOD", {"26|6", "AVERAGE", "26|7", "FAIR", "26|8", "POOR"});
  SetAlias("RATINGFREEWAYACCESSDIS", "27|1");
  CheckAlias("RATINGFREEWAYACCESS", "27|2", "GOOD",
             {"27|3", "AVERAGE", "27|4", "FAIR", "27|5", "POOR"});
  ParseExtended("ADDMOBILEHOMEPARKS", "28|1", true);
  ParseExtended("FACTORSMARKETABILITY", "31|1", true);

  // Site
  SetAlias("DIMENSIONS", "36|1");
  SetAlias("SITEAREA", "36|2");
  CheckAlias("CORNERLOT", "36|3", "YES", {});
  SetAlias("SPECIFICZONING", "37|1");
  CheckAlias("ZONINGCONFORMANCE", "37|2", "YES", {"37|3", "NO"});
  CheckAlias("HIGHESTBESTUSE", "38|1", "PRESENTUSE", {"38|2", "OTHER"});
  ParseExtended("HIGHESTBESTUSEDESC", "38|3", true);
  // Utilities: public box, then the other supply
  CheckAlias("ELECTRICPUBLIC", "40|1", "ON", {});
  SetAlias("ELECTRICOTHER", "40|2");
  CheckAlias("GASPUBLIC", "41|1", "ON", {});
  SetAlias("GASOTHER", "41|2");
  CheckAlias("WATERPUBLIC", "42|1", "ON", {});
  SetAlias("WATEROTHER", "42|2");
  CheckAlias("SANITARYSEWERPUBLIC", "43|1", "ON", {});
  SetAlias("SANITARYSEWEROTHER", "43|2");
  CheckAlias("UNDERGROUNDELECTEL", "44|1", "ON", {});
  // Off-site improvements
  CheckAlias("STREETPUBPRIV", "40|3", "PUBLIC", {"40|4", "PRIVATE"});
  SetAlias("STREETTYPE", "41|3");
  CheckAlias("STREETMAINTENPUBPRIV", "42|3", "PUBLIC", {"42|4", "PRIVATE"});
  CheckAlias("STORMSEWER", "43|3", "ON", {});
  CheckAlias("CURBGUTTER", "43|4", "ON", {});
  CheckAlias("SIDEWALK", "44|2", "ON", {});
  CheckAlias("STREETLIGHT", "44|3", "ON", {});
  // The lot itself
  SetAlias("TOPOGRAPHY", "39|1");
  SetAlias("SIZE", "40|5");
  SetAlias("SHAPE", "41|4");
  SetAlias("VIEW", "42|5");
  SetAlias("DRAINAGE", "43|5");
  CheckAlias("FEMAFLOODHAZARD", "44|4", "NO", {"44|5", "YES"});
  ParseExtended("COMMENTSAPPARENT", "45|1", true);

  // Manufactured-home park
  SetAlias("MOBILEHOMEPARKNAME", "50|1");
  SetAlias("NUMMOBILEHOMES", "51|1");
  SetAlias("MOBILEHOMEDENSITYPERACRE", "51|2");
  SetAlias("MOBILEHOMEZONING", "52|1");
  SetAlias("MOBILEHOMENUMUNITSFORSALE", "53|1");
  SetAlias("MOBILEHOMENUMUNITSRENTED", "53|2");
  SetAlias("MOBILEHOMEMOSPACERENT", "54|1");
  CheckAlias("MOBILEHOMEINCLUDWATER", "54|2", "ON", {});
  CheckAlias("MOBILEHOMEINCLUDSEWER", "54|3", "ON", {});
  CheckAlias("MOBILEHOMEINCLUDTRASH", "54|4", "ON", {});
  SetAlias("MOBILEHOMEACCESS", "55|1");
  SetAlias("MOBILEHOMEDRAINAGEFLOOD", "56|1");
  ParseExtended("ELEMENTSRECREATIONAL", "57|1", true);
  // Park ratings
  CheckAlias("LOCATIONRATING", "50|2", "GOOD", {"50|3", "AVERAGE", "50|4", "FAIR", "50|5", "POOR"});
  CheckAlias("APPEARANCERATING", "51|3", "GOOD",
             {"51|4", "AVERAGE", "51|5", "FAIR", "51|6", "POOR"});
  CheckAlias("AMENITIESRATING", "52|2", "GOOD",
             {"52|3", "AVERAGE", "52|4", "FAIR", "52|5", "POOR"});
  CheckAlias("DENSITYRATING", "53|3", "GOOD", {"53|4", "AVERAGE", "53|5", "FAIR", "53|6", "POOR"});
  CheckAlias("UNITMIXRATING", "54|5", "GOOD", {"54|6", "AVERAGE", "54|7", "FAIR", "54|8", "POOR"});
  CheckAlias("CONSTRUCTIONQUALITYRATING", "55|2", "GOOD",
             {"55|3", "AVERAGE", "55|4", "FAIR", "55|5", "POOR"});
  CheckAlias("EXTERIORCONDITIONRATING", "56|2", "GOOD",
             {"56|3", "AVERAGE", "56|4", "FAIR", "56|5", "POOR"});
  CheckAlias("INTERIORCONDITIONRATING", "57|2", "GOOD",
             {"57|3", "AVERAGE", "57|4", "FAIR", "57|5", "POOR"});
  CheckAlias("MARKETAPPEALRATING", "58|2", "GOOD",
             {"58|3", "AVERAGE", "58|4", "FAIR", "58|5", "POOR"});
  CheckAlias("GENERALEXISTING", "60|1", "EXISTING", {"60|2", "PROPOSED"});

  // Improvements: the room lists of the home and of its additions
  SetAlias("MOBILEHOMEFOYER", "63|1");
  SetAlias("MOBILEHOMELIVING", "63|2");
  SetAlias("MOBILEHOMEDINING", "63|3");
  SetAlias("MOBILEHOMEKITCHEN", "63|4");
  SetAlias("MOBILEHOMEBEDROOMS", "63|5");
  SetAlias("MOBILEHOMEBATHS", "63|6");
  SetAlias("MOBILEHOMEFAMILYROOM", "63|7");
  SetAlias("MOBILEHOMERECROOM", "63|8");
  SetAlias("MOBILEHOMELAUNDRY", "63|9");
  SetAlias("MOBILEHOMEOTHER", "63|10");
  SetAlias("ADDITIONSFOYER", "64|1");
  SetAlias("ADDITIONSLIVING", "64|2");
  SetAlias("ADDITIONSDINING", "64|3");
  SetAlias("ADDITIONSKITCHEN", "64|4");
  SetAlias("ADDITIONSBEDROOMS", "64|5");
  SetAlias("ADDITIONSBATHS", "64|6");
  SetAlias("ADDITIONSFAMILYROOM", "64|7");
  SetAlias("ADDITIONSRECROOM", "64|8");
  SetAlias("ADDITIONSLAUNDRY", "64|9");
  SetAlias("ADDITIONSOTHER", "64|10");
  InteriorDescription();
  // Interior finish
  CheckAlias("INTERIORFLOORSHRDWD", "67|1", "ON", {});
  CheckAlias("INTERIORFLOORSCARPET", "67|2", "ON", {});
  SetAlias("INTERIORFLOORSCARPETOVER", "67|3");
  CheckAlias("INTERIORFLOORSOTHER", "67|4", "ON", {});
  SetAlias("INTERIORFLOORSDESC", "67|5");
  CheckAlias("INTERIORWALLSPANELING", "68|1", "ON", {});
  CheckAlias("INTERIORWALLSPRESSBOARD", "68|2", "ON", {});
  CheckAlias("INTERIORWALLSOTHER", "68|3", "ON", {});
  SetAlias("INTERIORWALLSDESC", "68|4");
  CheckAlias("INTERIORTRIMFINISH", "69|1", "GOOD",
             {"69|2", "AVERAGE", "69|3", "FAIR", "69|4", "POOR"});
  CheckAlias("BATHFLOORVINYL", "70|1", "ON", {});
  CheckAlias("BATHFLOOROTHER", "70|2", "ON", {});
  SetAlias("BATHFLOORDESC", "70|3");
  CheckAlias("BATHWAINSCOTMARLITE", "70|4", "ON", {});
  CheckAlias("BATHWAINSCOTOTHER", "70|5", "ON", {});
  SetAlias("BATHWAINSCOTDESC", "70|6");
  // Windows and kitchen equipment
  SetAlias("EXTERIORWINDOWDESCRIPTION", "71|1");
  CheckAlias("EXTERIORWINDOWSTORMSASH", "71|2", "ON", {});
  CheckAlias("EXTERIORWINDOWSCREENS", "71|3", "ON", {});
  CheckAlias("EXTERIORWINDOWCOMBO", "71|4", "ON", {});
  CheckAlias("KITCHENEQUIPREFRIG", "72|1", "ON", {});
  CheckAlias("KITCHENEQUIPRANGEOVEN", "72|2", "ON", {});
  CheckAlias("KITCHENEQUIPFANHOOD", "72|3", "ON", {});
  CheckAlias("KITCHENEQUIPWASHER", "72|4", "ON", {});
  CheckAlias("KITCHENEQUIPDRYER", "72|5", "ON", {});
  CheckAlias("KITCHENEQUIPINTERCOM", "73|1", "ON", {});
  CheckAlias("KITCHENEQUIPDISPOSAL", "73|2", "ON", {});
  CheckAlias("KITCHENEQUIPDISHWASHER", "73|3", "ON", {});
  CheckAlias("KITCHENEQUIPMICROWAVE", "73|4", "ON", {});
  CheckAlias("KITCHENEQUIPCOMPACTOR", "73|5", "ON", {});
  // Heating and cooling
  SetAlias("HEATINGTYPE", "74|1");
  SetAlias("HEATINGFUEL", "74|2");
  SetAlias("HEATINGCONDITION", "74|3");
  CheckAlias("COOLINGCENTRAL", "75|1", "ON", {});
  CheckAlias("COOLINGOTHERVALUE", "75|2", "ON", {});
  SetAlias("COOLINGOTHER", "75|3");
  CheckAlias("COOLINGADEQUACY", "75|4", "ADEQUATE", {"75|5", "INADEQUATE"});
  // Improvement ratings: the order's second value here is "AVG", not "AVERAGE"
  CheckAlias("RATINGCONDITIONIMPROVE", "63|11", "GOOD",
             {"63|12", "AVG", "63|13", "FAIR", "63|14", "POOR"});
  CheckAlias("RATINGROOMSIZELAYOUT", "64|11", "GOOD",
             {"64|12", "AVG", "64|13", "FAIR", "64|14", "POOR"});
  CheckAlias("RATINGCLOSETSTORAGE", "65|2", "GOOD",
             {"65|3", "AVG", "65|4", "FAIR", "65|5", "POOR"});
  CheckAlias("RATINGKITCHENEQUIPMENT", "66|2", "GOOD",
             {"66|3", "AVG", "66|4", "FAIR", "66|5", "POOR"});
  CheckAlias("RATINGPLUMBING", "67|6", "GOOD", {"67|7", "AVG", "67|8", "FAIR", "67|9", "POOR"});
  CheckAlias("RATINGELECTRIC", "68|5", "GOOD", {"68|6", "AVG", "68|7", "FAIR", "68|8", "POOR"});
  CheckAlias("RATINGSKIRTING", "69|5", "GOOD", {"69|6", "AVG", "69|7", "FAIR", "69|8", "POOR"});
  CheckAlias("RATINGINSULATION", "70|7", "GOOD", {"70|8", "AVG", "70|9", "FAIR", "70|10", "POOR"});
  CheckAlias("RATINGPROJECTVIEWLOCATION", "71|5", "GOOD",
             {"71|6", "AVG", "71|7", "FAIR", "71|8", "POOR"});
  CheckAlias("RATINGLIVABILITY", "72|6", "GOOD", {"72|7", "AVG", "72|8", "FAIR", "72|9", "POOR"});
  CheckAlias("RATINGAPPEAL", "73|6", "GOOD", {"73|7", "AVG", "73|8", "FAIR", "73|9", "POOR"});
  SetAlias("GENERALEFFECTIVEAGEYRS", "74|4");
  SetAlias("GENERALEFFECTIVEAGEYRSTO", "74|5");
  SetAlias("GENERALECONOMICLIFEYRS", "75|6");
  SetAlias("GENERALECONOMICLIFEYRSTO", "75|7");
  ParseExtended("COMMENTS", "76|1", true);

  // Sales comparison: the subject column
  SetAlias("SUBJECTADDRSTREET", "94|1");
  SetAlias("SUBJECTUNITNUM", "95|1");
  SetAlias("SUBJECTSALESPRICE", "97|1");
  SetAlias("SUBJECTPRICEGROSSLIVING", "98|1");
  SetAlias("SUBJECTTIMEADJUSTMENT", "100|1");
  SetAlias("SUBJECTLOCATION", "101|1");
  SetAlias("SUBJECTMAKE", "102|1");
  SetAlias("SUBJECTYRBUILT", "103|1");
  SetAlias("SUBJECTCONDITION", "104|1");
  SetAlias("SUBJECTROOMTOT", "106|1");
  SetAlias("SUBJECTBEDROOMS", "106|2");
  SetAlias("SUBJECTBATH", "106|3");
  SetAlias("SUBJECTLIVINGSQFT", "107|1");
  SetAlias("SUBJECTTIPOUT", "108|1");
  SetAlias("SUBJECTADDITIONS", "109|1");
  // The unlabeled lines carry their label before the subject's entry
  SetAlias("SALESCOMPUNLABELED", "110|1");
  SetAlias("SUBJECTUNLABELEDDESC", "110|2");
  SetAlias("SALESCOMPUNLABELEDTWO", "111|1");
  SetAlias("SUBJECTUNLABELEDTWODESC", "111|2");
  SetAlias("SUBJECTFURNISHINGS", "112|1");
  SetAlias("SUBJECTWOODSTOVE", "113|1");
  SetAlias("SUBJECTEXTRAS", "114|1");
  SetAlias("SALESCOMPUNLABELEDTHREE", "115|1");
  SetAlias("SUBJECTUNLABELEDTHREEDESC", "115|2");
  SetAlias("SUBJECTSITEVALUE", "116|1");
  SetAlias("SUBJECTFCONCESSION", "117|1");

  // Sales comparison: comparables 1 to 3, every row whether or not the comparable exists
  ComparableColumn(1);
  ComparableColumn(2);
  ComparableColumn(3);
  ParseExtended("COMMENTSALESCOMPARE", "121|1", true);

  // Reconciliation
  SetAlias("INDICATEDVALUESALES", "124|1");
  SetAlias("ESTMARKETRENT", "125|1");
  SetAlias("RENTMULTIPLIER", "125|2");
  SetAlias("INDICATEDVALUEINCOMETOT", "125|3");
  CheckAlias("APPRAISALMADE", "126|1", "ASIS",
             {"126|2", "REPAIRSALTERATIONS", "126|3", "SUBJECTTOCOMPLETION"});
  ParseExtended("CONDITIONAPPRAISAL", "127|1", true);
  ParseExtended("FINALRECON", "131|1", true);
  CheckAlias("CONSTRUCTWRNTY", "134|1", "YES", {"134|2", "NO"});
  SetAlias("WRNTYNAME", "134|3");
  SetAlias("WRNTYCOVERAGEEXPDT", "134|4");
  // "ATTACHED" has its box after the filing date's two fields
  CheckAlias("FORMFILEDATTACHED", "136|1", "FILED", {"136|4", "ATTACHED"});
  SplitY2KDate(Server_(), "FORMFILEDATTACHEDDT", "136|2", "136|3");
  SplitY2KDate(Server_(), "ESTMARKETVALUEDT", "137|1", "137|2");
  SetAlias("ESTMARKETVALUE", "137|3");
  SetAlias("APPRAISER", "139|1");
  SetAlias("SUPAPPRAISER", "139|2");
  CheckAlias("INSPECTSUBJECTPROP", "140|1", "DID", {"140|2", "DIDNOT"});
}

}  // namespace ombrel
