// The main form "UA2", in the order of the form: every call is made for every
// order, and a tag without a value simply writes nothing (or an empty address
// or joined field).
#include "translators/form1004/fm1004.h"

namespace ombrel {

void FM1004::EntrainMain() {
  // Title and the two signer blocks of the report profile; each block makes
  // "UA2" current again.
  SetAlias("TITLE", "2|1");
  ProcessAppraiserInfo(1, 1, FormName());
  ProcessAppraiserInfo(2, 2, FormName());
  ProcessOffscrn();

  // Subject
  SetAlias("PROPADDR", "4|1");
  SetAlias("CITY", "4|2");
  SetAlias("STATEPROV", "4|3");
  SetAlias("ZIP", "4|4");
  ParseExtended("LEGALDESC", "5|1", true);
  SetAlias("COUNTY", "5|2");
  SetAlias("ASSESPARCELNUM", "6|1");
  SetAlias("TAXYEAR", "6|2");
  SetAlias("RETAXES", "6|3");
  SetAlias("SPECIALASSESS", "6|4");
  SetAlias("BORROWER", "7|1");
  SetAlias("CURRENTOWNER", "7|2");
  CheckAlias("CURRENTOCCUPANT", "7|3", "OWNER", {"7|4", "TENANT", "7|5", "VACANT"});
  CheckAlias("PROPRIGHTS", "8|1", "FEESIMPLE", {"8|2", "LEASEHOLD"});
  CheckAlias("PROJTYPE", "8|3", "PUD", {"8|4", "CONDO"});
  SetAlias("HOMEOWNERASSNFEE", "8|5");
  SetAlias("NBRHOODPROJNM", "9|1");
  SetAlias("MAPREF", "9|2");
  SetAlias("CENSUSTRACT", "9|3");

  // Sale, lender and appraiser
  SetAlias("SALESPRICE", "10|1");
  SetAlias("SALEDT", "10|2");
  SetAlias("LOANCHARGEDESC", "10|3");
  SetAlias("LENDERCLIENT", "11|1");
  ParseAddress("11|2", "LENDERCLIENTCITY", "LENDERCLIENTSTATEPROV", "LENDERCLIENTZIP",
               "LENDERCLIENTSTREET", "");
  SetAlias("APPRAISER", "12|1");
  ParseAddress("12|2", "APPRAISERCITY", "APPRAISERSTATEPROV", "APPRAISERZIP", "APPRAISERSTREET",
               "APPRAISERADDR");

  // Neighborhood
  CheckAlias("LOCATION", "13|1", "URBAN", {"13|2", "SUBURBAN", "13|3", "RURAL"});
  CheckAlias("BUILTUP", "14|2", "OVER 75%", {"14|3", "25-75%", "14|4", "UNDER 25%"});
  CheckAlias("GROWTHRATE", "15|1", "RAPID", {"15|2", "STABLE", "15|3", "SLOW"});
  CheckAlias("PROPVALUES", "16|1", "INCREASING", {"16|2", "STABLE", "16|3", "DECLINING"});
  CheckAlias("DEMANDSUPPLY", "17|1", "SHORTAGE", {"17|2", "INBALANCE", "17|3", "OVERSUPPLY"});
  CheckAlias("MARKETINGTIME", "18|1", "UNDER 3 MOS.", {"18|2", "3-6 MOS.", "18|3", "OVER 6 MOS."});
  CheckAlias("OCCUPANCYOWNER", "15|4", "ON", {});
  SetAlias("OCCUPANCYOWNERPERCENT", "15|5");
  CheckAlias("OCCUPANCYTENANT", "16|4", "ON", {});
  SetAlias("OCCUPANCYTENANTPERCENT", "16|5");
  CheckAlias("OCCUPANCYVACANTA", "17|4", "ON", {});
  CheckAlias("OCCUPANCYVACANTB", "18|4", "ON", {});
  SetAlias("SINGLEFAMPRICELOW", "15|6");
  SetAlias("SINGLEFAMPRICEHIGH", "16|6");
  SetAlias("PRICEPREDOMINANT", "18|5");
  SetAlias("SINGLEFAMAGELOW", "15|7");
  SetAlias("SINGLEFAMAGEHIGH", "16|7");
  SetAlias("AGEPREDOMINANT", "18|6");
  SetAlias("LANDUSEONEFAM", "14|5");
  SetAlias("LANDUSETWOFOURFAM", "15|8");
  SetAlias("LANDUSEMULTIFAM", "16|8");
  SetAlias("LANDUSECOMMERCIAL", "17|5");
  SetAlias("LANDUSEUNLABELED", "18|7");
  SetAlias("LANDUSEUNLABELEDPERCENT", "18|8");
  CheckAlias("LANDUSECHANGE", "14|6", "NOTLIKELY", {"14|7", "LIKELY", "15|9", "INPROCESS"});
  SetAlias("LANDUSECHANGETO", "16|9");
  ParseExtended("NBRHOODBOUNDARIES", "20|1", true);
  ParseExtended("FACTORSMARKETABILITY", "23|1", true);
  ParseExtended("MARKETCONDITIONS", "30|1", true);

  // Planned unit development
  CheckAlias("PUDDEVELOPBUILD", "35|1", "YES", {"35|2", "NO"});
  SetAlias("TOTNUMUNITS", "36|1");
  SetAlias("TOTNUMUNITSFORSALE", "36|2");
  ParseExtended("ELEMENTSRECREATIONAL", "37|1", true);

  // Site
  SetAlias("DIMENSIONS", "38|1");
  SetAlias("SITEAREA", "39|1");
  CheckAlias("CORNERLOT", "39|2", "YES", {"39|3", "NO"});
  SetAlias("SPECIFICZONING", "40|1");
  CheckAlias("ZONINGCOMPLIANCE", "41|1", "LEGAL",
             {"41|2", "LEGALNONCONFORMING", "41|3", "ILLEGAL", "41|4", "NOZONING"});
  CheckAlias("HIGHESTBESTUSE", "42|1", "PRESENTUSE", {"42|2", "OTHER"});
  SetAlias("HIGHESTBESTUSEDESC", "42|3");

  // Utilities and off-site improvements
  CheckAlias("ELECTRICPUBLIC", "44|1", "ON", {});
  SetAlias("ELECTRICOTHER", "44|2");
  CheckAlias("GASPUBLIC", "45|1", "ON", {});
  SetAlias("GASOTHER", "45|2");
  CheckAlias("WATERPUBLIC", "46|1", "ON", {});
  SetAlias("WATEROTHER", "46|2");
  CheckAlias("SANITARYSEWERPUBLIC", "47|1", "ON", {});
  SetAlias("SANITARYSEWEROTHER", "47|2");
  CheckAlias("STORMSEWERPUBLIC", "48|1", "ON", {});
  SetAlias("STORMSEWEROTHER", "48|2");
  SetAlias("STREETTYPE", "44|3");
  CheckAlias("STREETPUBPRIV", "44|4", "PUBLIC", {"44|5", "PRIVATE"});
  SetAlias("CURBGUTTERTYPE", "45|3");
  CheckAlias("CURBGUTTERPUBPRIV", "45|4", "PUBLIC", {"45|5", "PRIVATE"});
  SetAlias("SIDEWALKTYPE", "46|3");
  CheckAlias("SIDEWALKPUBPRIV", "46|4", "PUBLIC", {"46|5", "PRIVATE"});
  SetAlias("STREETLIGHTTYPE", "47|3");
  CheckAlias("STREETLIGHTPUBPRIV", "47|4", "PUBLIC", {"47|5", "PRIVATE"});
  SetAlias("ALLEYTYPE", "48|3");
  CheckAlias("ALLEYPUBPRIV", "48|4", "PUBLIC", {"48|5", "PRIVATE"});

  // Site characteristics and flood zone
  SetAlias("TOPOGRAPHY", "38|2");
  SetAlias("SIZE", "39|4");
  SetAlias("SHAPE", "40|2");
  SetAlias("DRAINAGE", "41|5");
  SetAlias("VIEW", "42|4");
  SetAlias("LANDSCAPING", "43|1");
  SetAlias("DRIVEWAYSURFACE", "44|6");
  SetAlias("APPARENTEASEMENTS", "45|6");
  CheckAlias("FEMAFLOODHAZARD", "46|6", "YES", {"46|7", "NO"});
  SetAlias("FEMAZONE", "47|6");
  SetAlias("MAPDT", "47|7");
  SetAlias("FEMAMAPNUM", "48|6");
  ParseExtended("COMMENTSAPPARENT", "49|1", true);

  // Improvements: general description
  SetAlias("GENERALNUMUNITS", "53|1");
  SetAlias("GENERALNUMSTORIES", "54|1");
  SetAlias("GENERALTYPE", "55|1");
  SetAlias("GENERALDESIGNSTYLE", "56|1");
  SetAlias("GENERALEXISTING", "57|1");
  SetAlias("GENERALAGEYRS", "58|1");
  SetAlias("GENERALEFFECTIVEAGEYRS", "59|1");

  // Exterior description
  SetAlias("EXTERIORFOUNDATION", "53|2");
  SetAlias("EXTERIORWALLS", "54|2");
  SetAlias("EXTERIORROOFSURFACE", "55|2");
  SetAlias("EXTERIORGUTTERDWNSPTS", "56|2");
  SetAlias("EXTERIORWINDOWTYPE", "57|2");
  SetAlias("EXTERIORSTORMSCREENS", "58|2");
  SetAlias("EXTERIORMANUFACTUREDHOUSE", "59|2");

  // Foundation
  SetAlias("FOUNDATIONSLAB", "53|3");
  SetAlias("FOUNDATIONCRAWLSPACE", "54|3");
  SetAlias("FOUNDATIONBASEMENT", "55|3");
  SetAlias("FOUNDATIONSUMPPUMP", "56|3");
  SetAlias("FOUNDATIONDAMPNESS", "57|3");
  SetAlias("FOUNDATIONSETTLEMENT", "58|3");
  SetAlias("FOUNDATIONINFESTATION", "59|3");

  // Basement
  SetAlias("BASEMENTAREASQFT", "53|4");
  SetAlias("BASEMENTFINISHED", "54|4");
  SetAlias("BASEMENTCEILING", "55|4");
  SetAlias("BASEMENTWALLS", "56|4");
  SetAlias("BASEMENTFLOOR", "57|4");
  SetAlias("BASEMENTOUTSIDEENTRY", "58|4");
  Combine("59|4", "  ", 1, {"BASEMENTUNLABELED", "BASEMENTUNLABELEDDESC"});

  // Insulation; the unlabeled row has a type but no box.
  SetAlias("INSULATIONROOFTYPE", "53|5");
  CheckAlias("INSULATIONROOF", "53|6", "ON", {});
  SetAlias("INSULATIONCEILINGTYPE", "54|5");
  CheckAlias("INSULATIONCEILING", "54|6", "ON", {});
  SetAlias("INSULATIONWALLSTYPE", "55|5");
  CheckAlias("INSULATIONWALLS", "55|6", "ON", {});
  SetAlias("INSULATIONFLOORTYPE", "56|5");
  CheckAlias("INSULATIONFLOOR", "56|6", "ON", {});
  SetAlias("INSULATIONNONETYPE", "57|5");
  CheckAlias("INSULATIONNONE", "57|6", "ON", {});
  SetAlias("INSULATIONUNKNOWNTYPE", "58|5");
  CheckAlias("INSULATIONUNKNOWN", "58|6", "ON", {});
  SetAlias("INSULATIONUNLABELEDTYPE", "59|5");

  // Room list: basement
  SetAlias("BASEMENTFOYER", "61|1");
  SetAlias("BASEMENTLIVING", "61|2");
  SetAlias("BASEMENTDINING", "61|3");
  SetAlias("BASEMENTKITCHEN", "61|4");
  SetAlias("BASEMENTDEN", "61|5");
  SetAlias("BASEMENTFAMILYROOM", "61|6");
  SetAlias("BASEMENTRECROOM", "61|7");
  SetAlias("BASEMENTBEDROOMS", "61|8");
  SetAlias("BASEMENTBATHS", "61|9");
  SetAlias("BASEMENTLAUNDRY", "61|10");
  SetAlias("BASEMENTOTHER", "61|11");
  SetAlias("BASEMENTLEVELSQFT", "61|12");

  // Room list: level one
  SetAlias("LEVELONEFOYER", "62|1");
  SetAlias("LEVELONELIVING", "62|2");
  SetAlias("LEVELONEDINING", "62|3");
  SetAlias("LEVELONEKITCHEN", "62|4");
  SetAlias("LEVELONEDEN", "62|5");
  SetAlias("LEVELONEFAMILYROOM", "62|6");
  SetAlias("LEVELONERECROOM", "62|7");
  SetAlias("LEVELONEBEDROOMS", "62|8");
  SetAlias("LEVELONEBATHS", "62|9");
  SetAlias("LEVELONELAUNDRY", "62|10");
  SetAlias("LEVELONEOTHER", "62|11");
  SetAlias("LEVELONEAREASQFT", "62|12");

  // Room list: level two
  SetAlias("LEVELTWOFOYER", "63|1");
  SetAlias("LEVELTWOLIVING", "63|2");
  SetAlias("LEVELTWODINING", "63|3");
  SetAlias("LEVELTWOKITCHEN", "63|4");
  SetAlias("LEVELTWODEN", "63|5");
  SetAlias("LEVELTWOFAMILYROOM", "63|6");
  SetAlias("LEVELTWORECROOM", "63|7");
  SetAlias("LEVELTWOBEDROOMS", "63|8");
  SetAlias("LEVELTWOBATHS", "63|9");
  SetAlias("LEVELTWOLAUNDRY", "63|10");
  SetAlias("LEVELTWOOTHER", "63|11");
  SetAlias("LEVELTWOAREASQFT", "63|12");

  // Room list: the unlabeled level, which names itself in its first cell
  SetAlias("UNLABELEDLEVEL", "64|1");
  SetAlias("UNLABELEDFOYER", "64|2");
  SetAlias("UNLABELEDLIVING", "64|3");
  SetAlias("UNLABELEDDINING", "64|4");
  SetAlias("UNLABELEDKITCHEN", "64|5");
  SetAlias("UNLABELEDDEN", "64|6");
  SetAlias("UNLABELEDFAMILYROOM", "64|7");
  SetAlias("UNLABELEDRECROOM", "64|8");
  SetAlias("UNLABELEDBEDROOMS", "64|9");
  SetAlias("UNLABELEDBATHS", "64|10");
  SetAlias("UNLABELEDLAUNDRY", "64|11");
  SetAlias("UNLABELEDOTHER", "64|12");
  SetAlias("UNLABELEDAREASQFT", "64|13");

  // Room list: above grade totals
  SetAlias("ABOVEGRADEROOMS", "65|1");
  SetAlias("ABOVEGRADEBEDROOMS", "65|2");
  SetAlias("ABOVEGRADEBATHS", "65|3");
  SetAlias("ABOVEGRADEAREASQFT", "65|4");

  // Interior
  SetAlias("INTERIORFLOORS", "67|1");
  SetAlias("INTERIORWALLS", "68|1");
  SetAlias("INTERIORTRIMFINISH", "69|1");
  SetAlias("INTERIORBATHFLOOR", "70|1");
  SetAlias("INTERIORBATHWAINSCOT", "71|1");
  SetAlias("INTERIORDOORS", "72|1");
  Combine("73|1", "  ", 1, {"INTERIORUNLABELED", "INTERIORUNLABELEDDESC"});

  // Heating and cooling
  SetAlias("HEATINGTYPE", "67|2");
  SetAlias("HEATINGFUEL", "68|2");
  SetAlias("HEATINGCONDITION", "69|2");
  SetAlias("COOLINGCENTRAL", "71|2");
  SetAlias("COOLINGOTHER", "72|2");
  SetAlias("COOLINGCONDITION", "73|2");

  // Kitchen equipment. Line 70 has no heating or cooling cell, so its cells
  // from here on are numbered one lower than on the lines around it.
  CheckAlias("KITCHENEQUIPREFRIG", "67|3", "ON", {});
  CheckAlias("KITCHENEQUIPRANGEOVEN", "68|3", "ON", {});
  CheckAlias("KITCHENEQUIPDISPOSAL", "69|3", "ON", {});
  CheckAlias("KITCHENEQUIPDISHWASHER", "70|2", "ON", {});
  CheckAlias("KITCHENEQUIPFANHOOD", "71|3", "ON", {});
  CheckAlias("KITCHENEQUIPMICROWAVE", "72|3", "ON", {});
  CheckAlias("KITCHENEQUIPWASHERDRYER", "73|3", "ON", {});

  // Attic
  CheckAlias("ATTICNONE", "67|4", "ON", {});
  CheckAlias("ATTICSTAIRS", "68|4", "ON", {});
  CheckAlias("ATTICDROPSTAIR", "69|4", "ON", {});
  CheckAlias("ATTICSCUTTLE", "70|3", "ON", {});
  CheckAlias("ATTICFLOOR", "71|4", "ON", {});
  CheckAlias("ATTICHEATED", "72|4", "ON", {});
  CheckAlias("ATTICFINISHED", "73|4", "ON", {});

  // Amenities
  SetAlias("AMENITIESFIREPLACENUM", "67|5");
  CheckAlias("AMENITIESFIREPLACE", "67|6", "ON", {});
  SetAlias("AMENITIESPATIODESC", "68|5");
  CheckAlias("AMENITIESPATIO", "68|6", "ON", {});
  SetAlias("AMENITIESDECKDESC", "69|5");
  CheckAlias("AMENITIESDECK", "69|6", "ON", {});
  SetAlias("AMENITIESPORCHDESC", "70|4");
  CheckAlias("AMENITIESPORCH", "70|5", "ON", {});
  SetAlias("AMENITIESFENCEDESC", "71|5");
  CheckAlias("AMENITIESFENCE", "71|6", "ON", {});
  SetAlias("AMENITIESPOOLDESC", "72|5");
  CheckAlias("AMENITIESPOOL", "72|6", "ON", {});
  Combine("73|5", "  ", 1, {"AMENITIESUNLABELEDNAME", "AMENITIESUNLABELEDDESC"});
  CheckAlias("AMENITIESUNLABELED", "73|6", "ON", {});

  // Car storage
  CheckAlias("CARSTORAGENONE", "67|7", "ON", {});
  SetAlias("CARSTORAGEATTACHEDCARS", "69|7");
  SetAlias("CARSTORAGEDETACHEDCARS", "70|6");
  SetAlias("CARSTORAGEBUILTINCARS", "71|7");
  SetAlias("CARSTORAGECARPORTCARS", "72|7");
  SetAlias("CARSTORAGEDRIVEWAY", "73|7");

  // Comments on the improvements
  ParseExtended("COMMENTADDITIONALFEATURES", "74|1", true);
  ParseExtended("COMMENTCONDITIONIMPROVE", "76|1", true);
  ParseExtended("COMMENTADVERSECONDITIONS", "81|1", true);

  // Cost approach
  SetAlias("ESTSITEVALUE", "88|1");
  SetAlias("DWELLINGONESQFT", "90|1");
  SetAlias("DWELLINGONESQFTAMT", "90|2");
  SetAlias("DWELLINGONEAMTTOT", "90|3");
  SetAlias("DWELLINGTWO", "91|1");
  SetAlias("DWELLINGTWOSQFT", "91|2");
  SetAlias("DWELLINGTWOSQFTAMT", "91|3");
  SetAlias("DWELLINGTWOAMTTOT", "91|4");
  SetAlias("DWELLINGTHREE", "92|1");
  SetAlias("DWELLINGTHREEAMTTOT", "92|2");
  SetAlias("GARAGESQFT", "93|1");
  SetAlias("GARAGESQFTAMT", "93|2");
  SetAlias("GARAGEAMTTOT", "93|3");
  SetAlias("TOTESTCOSTNEW", "94|1");
  SetAlias("PHYSICALDEPRECIATION", "96|1");
  SetAlias("FUNCTIONALDEPRECIATION", "96|2");
  SetAlias("EXTERNALDEPRECIATION", "96|3");
  SetAlias("TOTDEPRECIATION", "96|4");
  SetAlias("DEPRECIATEDVALUEIMPROVE", "97|1");
  SetAlias("ASISVALUE", "98|1");
  SetAlias("INDICATEDVALUECOST", "99|2");
  ParseExtended("COMMENTSONCOST", "90|4", true);

  // Sales comparison grid: the subject's column
  SetAlias("SUBJECTADDRSTREET", "101|1");
  ParseAddress("102|1", "SUBJECTADDRCITY", "SUBJECTADDRSTATEPROV", "SUBJECTADDRZIP", "", "");
  SetAlias("SUBJECTSALESPRICE", "104|1");
  SetAlias("SUBJECTPRICEGROSSLIVING", "105|1");
  SetAlias("SUBJECTDATA", "106|1");
  SetAlias("SUBJECTVERIFICATION", "107|1");
  SetAlias("SUBJECTLOCATION", "112|1");
  SetAlias("SUBJECTLEASEFEE", "113|1");
  SetAlias("SUBJECTSITE", "114|1");
  SetAlias("SUBJECTVIEW", "115|1");
  SetAlias("SUBJECTDESIGNSTYLE", "116|1");
  SetAlias("SUBJECTCONSTRUCT", "117|1");
  SetAlias("SUBJECTAGEYRS", "118|1");
  SetAlias("SUBJECTCONDITION", "119|1");
  SetAlias("SUBJECTROOMTOT", "121|1");
  SetAlias("SUBJECTBEDROOMS", "121|2");
  SetAlias("SUBJECTBATH", "121|3");
  SetAlias("SUBJECTLIVINGSQFT", "122|1");
  SetAlias("SUBJECTBASEMENT", "123|1");
  SetAlias("SUBJECTBASEMENTFIN", "124|1");
  SetAlias("SUBJECTFUNCTIONAL", "125|1");
  SetAlias("SUBJECTHEATINGCOOL", "126|1");
  SetAlias("SUBJECTENERGYEFF", "127|1");
  SetAlias("SUBJECTGARAGE", "128|1");
  SetAlias("SUBJECTPORCHPATIO", "129|1");
  SetAlias("SUBJECTFIREPLACE", "130|1");
  SetAlias("SUBJECTFENCEPOOL", "131|1");
  SetAlias("SALESCOMPUNLABELED", "132|1");
  SetAlias("SUBJECTUNLABELEDDESC", "132|2");
  SetAlias("SUBJECTPRIORSALEDT", "143|1");
  SetAlias("SUBJECTPRIORSALEPRICE", "144|1");
  SetAlias("SUBJECTPRIORSALEDATA", "145|1");

  // Sales comparison grid: comparables 1 to 3, each column whole before the next
  ComparableColumn(1);
  ComparableColumn(2);
  ComparableColumn(3);

  // Sales comparison comments, income approach and reconciliation
  ParseExtended("COMMENTSALESCOMPARE", "136|1", true);
  ParseExtended("ANALYSISCURRENTAGREE", "147|1", true);
  SetAlias("INDICATEDVALUESALES", "149|1");
  SetAlias("ESTMARKETRENT", "150|1");
  SetAlias("RENTMULTIPLIER", "150|2");
  SetAlias("INDICATEDVALUEINCOMETOT", "150|3");
  CheckAlias("APPRAISALMADE", "151|1", "ASIS",
             {"151|2", "REPAIRSALTERATIONS", "151|3", "SUBJECTTOCOMPLETION"});
  ParseExtended("CONDITIONAPPRAISAL", "152|1", true);
  ParseExtended("FINALRECON", "154|1", true);
  SetAlias("FORMREVISED", "158|1");
  SetAlias("ESTMARKETVALUEDT", "159|1");
  SetAlias("ESTMARKETVALUE", "160|1");

  // Appraiser and supervisory appraiser; "APPRAISER" is written here a second
  // time, under the signature, besides 12|1.
  SetAlias("APPRAISER", "163|1");
  SetAlias("APPRAISERDTSIGNED", "164|1");
  SetAlias("APPRAISERSTATECERTNUM", "165|1");
  SetAlias("APPRAISERCERTSTATEPROV", "165|2");
  SetAlias("APPRAISERSTATELICNUM", "166|1");
  SetAlias("APPRAISERLICSTATEPROV", "166|2");
  SetAlias("SUPAPPRAISER", "163|2");
  SetAlias("SUPAPPRAISERDTSIGNED", "164|2");
  SetAlias("SUPAPPRAISERSTATECERTNUM", "165|3");
  SetAlias("SUPAPPRAISERCERTSTATEPROV", "165|4");
  SetAlias("SUPAPPRAISERSTATELICNUM", "166|3");
  SetAlias("SUPAPPRAISERLICSTATEPROV", "166|4");
  CheckAlias("INSPECTSUBJECTPROP", "162|3", "DID", {"162|4", "DIDNOT"});
}

}  // namespace ombrel
