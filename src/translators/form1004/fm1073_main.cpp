// The main form "CN2": signer blocks, report profile, and every field of the
// condominium unit form that the order can supply, in the order of the form.
#include "translators/form1004/fm1073.h"

namespace ombrel {

void FM1073::EntrainMain() {
  // Title, signer blocks and report profile; each signer block makes "CN2" current again.
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
  SetAlias("UNITNUM", "5|3");
  SetAlias("ASSESPARCELNUM", "6|1");
  SetAlias("TAXYEAR", "6|2");
  SetAlias("RETAXES", "6|3");
  SetAlias("SPECIALASSESS", "6|4");
  Combine("7|1", ", #", 0, {"NBRHOODPROJNM", "PHASENUM"});
  SetAlias("MAPREF", "7|2");
  SetAlias("CENSUSTRACT", "7|3");
  SetAlias("BORROWER", "8|1");
  SetAlias("CURRENTOWNER", "8|2");
  CheckAlias("CURRENTOCCUPANT", "8|3", "OWNER", {"8|4", "TENANT", "8|5", "VACANT"});
  CheckAlias("PROPRIGHTS", "9|1", "FEESIMPLE", {"9|2", "LEASEHOLD"});
  SetAlias("HOMEOWNERASSNFEE", "9|3");
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
  // Occupancy of single-family homes
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
  // Occupancy, price and age of condominium units ("PREDOMINATE" is the order's spelling)
  CheckAlias("CONDOOCCUPANCYOWNER", "15|8", "ON", {});
  SetAlias("CONDOOCCUPANCYOWNERPER", "15|9");
  CheckAlias("CONDOOCCUPANCYTENANT", "16|8", "ON", {});
  SetAlias("CONDOOCCUPANCYTENANTPER", "16|9");
  CheckAlias("CONDOOCCUPANCYVACANTA", "17|5", "ON", {});
  CheckAlias("CONDOOCCUPANCYVACANTB", "18|7", "ON", {});
  SetAlias("CONDOPRICELOW", "15|10");
  SetAlias("CONDOPRICEHIGH", "16|10");
  SetAlias("CONDOPRICEPREDOMINATE", "18|8");
  SetAlias("CONDOAGELOW", "15|11");
  SetAlias("CONDOAGEHIGH", "16|11");
  SetAlias("CONDOAGEPREDOMINATE", "18|9");
  // Present land use
  SetAlias("LANDUSEONEFAM", "19|2");
  SetAlias("LANDUSETWOFOURFAM", "19|3");
  SetAlias("LANDUSEAPARTMENTS", "19|4");
  SetAlias("LANDUSECONDOMINIUM", "19|5");
  SetAlias("LANDUSECOMMERCIAL", "19|6");
  SetAlias("LANDUSEINDUSTRIAL", "19|7");
  SetAlias("LANDUSEVACANT", "19|8");
  SetAlias("LANDUSEOTHER", "19|9");
  CheckAlias("LANDUSECHANGE", "20|1", "NOTLIKELY", {"20|2", "LIKELY", "20|3", "INPROCESS"});
  ParseExtended("LANDUSECHANGETO", "20|4", true);
  ParseExtended("NBRHOODBOUNDARIES", "22|1", true);
  ParseExtended("FACTORSMARKETABILITY", "25|1", true);
  ParseExtended("MARKETCONDITIONS", "31|1", true);

  // Site
  ParseExtended("SPECIFICZONING", "35|1", true);
  CheckAlias("ZONINGCOMPLIANCE", "36|1", "LEGAL",
             {"36|2", "LEGALNONCONFORMING", "36|3", "ILLEGAL", "36|4", "NOZONING"});
  CheckAlias("HIGHESTBESTUSE", "37|1", "PRESENTUSE", {"37|2", "OTHER"});
  SetAlias("HIGHESTBESTUSEDESC", "37|3");
  // Utilities
  CheckAlias("ELECTRICPUBLIC", "39|1", "ON", {});
  SetAlias("ELECTRICOTHER", "39|2");
  CheckAlias("GASPUBLIC", "40|1", "ON", {});
  SetAlias("GASOTHER", "40|2");
  CheckAlias("WATERPUBLIC", "41|1", "ON", {});
  SetAlias("WATEROTHER", "41|2");
  CheckAlias("SANITARYSEWERPUBLIC", "42|1", "ON", {});
  SetAlias("SANITARYSEWEROTHER", "42|2");
  CheckAlias("STORMSEWERPUBLIC", "43|1", "ON", {});
  SetAlias("STORMSEWEROTHER", "43|2");
  // Off-site improvements
  SetAlias("STREETTYPE", "39|3");
  CheckAlias("STREETPUBPRIV", "39|4", "PUBLIC", {"39|5", "PRIVATE"});
  SetAlias("CURBGUTTERTYPE", "40|3");
  CheckAlias("CURBGUTTERPUBPRIV", "40|4", "PUBLIC", {"40|5", "PRIVATE"});
  SetAlias("SIDEWALKTYPE", "41|3");
  CheckAlias("SIDEWALKPUBPRIV", "41|4", "PUBLIC", {"41|5", "PRIVATE"});
  SetAlias("STREETLIGHTTYPE", "42|3");
  CheckAlias("STREETLIGHTPUBPRIV", "42|4", "PUBLIC", {"42|5", "PRIVATE"});
  SetAlias("ALLEYTYPE", "43|3");
  CheckAlias("ALLEYPUBPRIV", "43|4", "PUBLIC", {"43|5", "PRIVATE"});
  // Topography to flood hazard
  SetAlias("TOPOGRAPHY", "35|2");
  SetAlias("SIZE", "36|5");
  SetAlias("DENSITY", "37|4");
  SetAlias("VIEW", "38|1");
  SetAlias("DRAINAGE", "39|6");
  SetAlias("APPARENTEASEMENTS", "40|6");
  CheckAlias("FEMAFLOODHAZARD", "41|6", "YES", {"41|7", "NO"});
  SetAlias("FEMAZONE", "42|6");
  SetAlias("MAPDT", "42|7");
  SetAlias("FEMAMAPNUM", "43|6");
  ParseExtended("COMMENTSAPPARENT", "44|1", true);

  // Project description
  SetAlias("GENERALNUMSTORIES", "47|1");
  SetAlias("GENERALNUMELEVATORS", "48|1");
  SetAlias("GENERALEXISTING", "49|1");
  SetAlias("ORIGUSE", "50|1");
  SetAlias("CONVERSIONDT", "51|1");
  SetAlias("GENERALAGEYRS", "52|1");
  SetAlias("GENERALEFFECTIVEAGEYRS", "53|1");
  SetAlias("EXTERIORWALLS", "47|2");
  SetAlias("EXTERIORROOFSURFACE", "48|2");
  SetAlias("PARKINGNUMPARKING", "49|2");
  SetAlias("PARKINGRATIO", "50|2");
  SetAlias("PARKINGTYPE", "51|2");
  SetAlias("PARKINGGUESTPARKING", "52|2");
  Combine("53|2", "  ", 1, {"PARKINGUNLABELED", "PARKINGUNLABELEDDESC"});
  // Completed phases
  SetAlias("PROJCOMPLETEPHASES", "48|3");
  SetAlias("PROJCOMPLETEUNITS", "49|3");
  SetAlias("PROJCOMPLETEUNITSFORSALE", "50|3");
  SetAlias("PROJCOMPLETEUNITSSOLD", "51|3");
  SetAlias("PROJCOMPLETEUNITSRENTED", "52|3");
  SetAlias("PROJCOMPLETEDATASRC", "53|3");
  // Incomplete phases
  SetAlias("PROJINCOMPPHASES", "48|4");
  SetAlias("PROJINCOMPUNITS", "49|4");
  SetAlias("PROJINCOMPUNITSFORSALE", "50|4");
  SetAlias("PROJINCOMPUNITSSOLD", "51|4");
  SetAlias("PROJINCOMPUNITSRENTED", "52|4");
  SetAlias("PROJINCOMPDATASRC", "53|4");
  // Whole project
  SetAlias("CONDOTOTNUMUNITS", "48|5");
  SetAlias("CONDOTOTNUMUNITSCOMPLETE", "49|5");
  SetAlias("CONDOTOTNUMUNITSFORSALE", "50|5");
  SetAlias("CONDOTOTNUMUNITSSOLD", "51|5");
  SetAlias("CONDOTOTNUMUNITSRENTED", "52|5");
  SetAlias("CONDOUNITSDATASRC", "53|5");
  CheckAlias("CONDOPROJTYPE", "54|1", "PRIMARYRESIDENCE", {"54|2", "SECONDHOMERECREATIONAL"});
  CheckAlias("CONDOTYPE", "54|3", "ROWTOWNHOUSE",
             {"54|4", "GARDEN", "54|5", "MIDRISE", "54|6", "HIGHRISE", "54|7", "OTHER"});
  SetAlias("CONDOTYPEDESC", "54|8");
  ParseExtended("CONDOPROJCONDITION", "55|1", true);
  CheckAlias("METEREDSEPARATELY", "57|1", "YES", {"57|2", "NO"});
  ParseExtended("DESCRIBECOMPATIBILITY", "58|1", true);
  ParseExtended("CONDOELEMRECREATIONAL", "59|1", true);
  CheckAlias("CONDOCOMMONELEMCOMPLETED", "61|1", "YES", {"61|2", "NO"});
  CheckAlias("CONDODEVELOPBUILD", "61|3", "YES", {"61|4", "NO"});
  CheckAlias("CONDOCOMMONELEMLEASED", "62|1", "YES", {"62|2", "NO"});

  // Unit room list: basement
  SetAlias("BASEMENTFOYER", "64|1");
  SetAlias("BASEMENTLIVING", "64|2");
  SetAlias("BASEMENTDINING", "64|3");
  SetAlias("BASEMENTKITCHEN", "64|4");
  SetAlias("BASEMENTDEN", "64|5");
  SetAlias("BASEMENTFAMILYROOM", "64|6");
  SetAlias("BASEMENTRECROOM", "64|7");
  SetAlias("BASEMENTBEDROOMS", "64|8");
  SetAlias("BASEMENTBATHS", "64|9");
  SetAlias("BASEMENTLAUNDRY", "64|10");
  SetAlias("BASEMENTOTHER", "64|11");
  SetAlias("BASEMENTLEVELSQFT", "64|12");
  // Level 1
  SetAlias("LEVELONEFOYER", "65|1");
  SetAlias("LEVELONELIVING", "65|2");
  SetAlias("LEVELONEDINING", "65|3");
  SetAlias("LEVELONEKITCHEN", "65|4");
  SetAlias("LEVELONEDEN", "65|5");
  SetAlias("LEVELONEFAMILYROOM", "65|6");
  SetAlias("LEVELONERECROOM", "65|7");
  SetAlias("LEVELONEBEDROOMS", "65|8");
  SetAlias("LEVELONEBATHS", "65|9");
  SetAlias("LEVELONELAUNDRY", "65|10");
  SetAlias("LEVELONEOTHER", "65|11");
  SetAlias("LEVELONEAREASQFT", "65|12");
  // Level 2
  SetAlias("LEVELTWOFOYER", "66|1");
  SetAlias("LEVELTWOLIVING", "66|2");
  SetAlias("LEVELTWODINING", "66|3");
  SetAlias("LEVELTWOKITCHEN", "66|4");
  SetAlias("LEVELTWODEN", "66|5");
  SetAlias("LEVELTWOFAMILYROOM", "66|6");
  SetAlias("LEVELTWORECROOM", "66|7");
  SetAlias("LEVELTWOBEDROOMS", "66|8");
  SetAlias("LEVELTWOBATHS", "66|9");
  SetAlias("LEVELTWOLAUNDRY", "66|10");
  SetAlias("LEVELTWOOTHER", "66|11");
  SetAlias("LEVELTWOAREASQFT", "66|12");
  // The unlabeled level: its name comes first, so every room sits one field further right
  SetAlias("UNLABELEDLEVEL", "67|1");
  SetAlias("UNLABELEDFOYER", "67|2");
  SetAlias("UNLABELEDLIVING", "67|3");
  SetAlias("UNLABELEDDINING", "67|4");
  SetAlias("UNLABELEDKITCHEN", "67|5");
  SetAlias("UNLABELEDDEN", "67|6");
  SetAlias("UNLABELEDFAMILYROOM", "67|7");
  SetAlias("UNLABELEDRECROOM", "67|8");
  SetAlias("UNLABELEDBEDROOMS", "67|9");
  SetAlias("UNLABELEDBATHS", "67|10");
  SetAlias("UNLABELEDLAUNDRY", "67|11");
  SetAlias("UNLABELEDOTHER", "67|12");
  SetAlias("UNLABELEDAREASQFT", "67|13");
  // Finished area above grade
  SetAlias("ABOVEGRADEROOMS", "68|1");
  SetAlias("ABOVEGRADEBEDROOMS", "68|2");
  SetAlias("ABOVEGRADEBATHS", "68|3");
  SetAlias("ABOVEGRADEAREASQFT", "68|4");

  // Unit interior
  SetAlias("GENERALFLOORNUM", "70|1");
  SetAlias("GENERALNUMLEVELS", "71|1");
  SetAlias("INTERIORFLOORS", "73|1");
  SetAlias("INTERIORWALLS", "74|1");
  SetAlias("INTERIORBATHFLOOR", "75|1");
  SetAlias("INTERIORBATHWAINSCOT", "76|1");
  // Heating and cooling
  SetAlias("HEATINGTYPE", "70|2");
  SetAlias("HEATINGFUEL", "71|2");
  SetAlias("HEATINGCONDITION", "72|1");
  SetAlias("COOLINGCENTRAL", "74|2");
  SetAlias("COOLINGOTHER", "75|2");
  SetAlias("COOLINGCONDITION", "76|2");
  // Kitchen equipment
  CheckAlias("KITCHENEQUIPREFRIG", "70|3", "ON", {});
  CheckAlias("KITCHENEQUIPRANGEOVEN", "71|3", "ON", {});
  CheckAlias("KITCHENEQUIPDISPOSAL", "72|2", "ON", {});
  CheckAlias("KITCHENEQUIPDISHWASHER", "73|2", "ON", {});
  CheckAlias("KITCHENEQUIPFANHOOD", "74|3", "ON", {});
  CheckAlias("KITCHENEQUIPMICROWAVE", "75|3", "ON", {});
  CheckAlias("KITCHENEQUIPWASHERDRYER", "76|3", "ON", {});
  // Amenities
  SetAlias("AMENITIESFIREPLACENUM", "70|4");
  CheckAlias("AMENITIESFIREPLACE", "70|5", "ON", {});
  SetAlias("AMENITIESPATIODESC", "71|4");
  CheckAlias("AMENITIESPATIO", "71|5", "ON", {});
  SetAlias("AMENITIESBALCONYDESC", "72|3");
  CheckAlias("AMENITIESBALCONY", "72|4", "ON", {});
  SetAlias("AMENITIESDECKDESC", "73|3");
  CheckAlias("AMENITIESDECK", "73|4", "ON", {});
  SetAlias("AMENITIESPORCHDESC", "74|4");
  CheckAlias("AMENITIESPORCH", "74|5", "ON", {});
  SetAlias("AMENITIESFENCEDESC", "75|4");
  CheckAlias("AMENITIESFENCE", "75|5", "ON", {});
  Combine("76|4", "  ", 1, {"AMENITIESUNLABELEDNAME", "AMENITIESUNLABELEDDESC"});
  CheckAlias("AMENITIESUNLABELED", "76|5", "ON", {});
  // Car storage
  CheckAlias("CARSTORAGENONE", "70|6", "ON", {});
  CheckAlias("CARSTORAGEGARAGE", "71|6", "ON", {});
  SetAlias("CARSTORAGEGARAGENUMCARS", "72|5");
  CheckAlias("CARSTORAGEOPEN", "73|5", "ON", {});
  SetAlias("CARSTORAGEOPENNUMCARS", "74|6");
  SetAlias("CARSTORAGEPARKINGNUM", "75|6");
  SetAlias("CARSTORAGEASSIGNEDOWNED", "76|6");
  // Insulation
  SetAlias("INSULATIONROOFTYPE", "70|7");
  CheckAlias("INSULATIONROOF", "70|8", "ON", {});
  SetAlias("INSULATIONCEILINGTYPE", "71|7");
  CheckAlias("INSULATIONCEILING", "71|8", "ON", {});
  SetAlias("INSULATIONWALLSTYPE", "72|6");
  CheckAlias("INSULATIONWALLS", "72|7", "ON", {});
  SetAlias("INSULATIONFLOORTYPE", "73|6");
  CheckAlias("INSULATIONFLOOR", "73|7", "ON", {});
  SetAlias("INSULATIONNONETYPE", "74|7");
  CheckAlias("INSULATIONNONE", "74|8", "ON", {});
  SetAlias("INSULATIONUNKNOWNTYPE", "75|7");
  CheckAlias("INSULATIONUNKNOWN", "75|8", "ON", {});
  Combine("76|7", "  ", 1, {"INSULATIONUNLABELEDNAME", "INSULATIONUNLABELEDTYPE"});
  CheckAlias("INSULATIONUNLABELEDVALUE", "76|8", "ON", {});

  // Comments on the improvements
  ParseExtended("COMMENTCONDITIONIMPROVE", "77|1", true);
  ParseExtended("COMMENTADVERSECONDITIONS", "81|1", true);

  // Unit charges
  SetAlias("UNITCHARGEMONTH", "88|1");
  SetAlias("UNITCHARGEYEAR", "88|2");
  SetAlias("ANNUALASSESSMENT", "88|3");
  CheckAlias("GROUNDRENT", "89|1", "YES", {"89|2", "NO"});
  SetAlias("GROUNDRENTAMT", "89|3");
  CheckAlias("UTILITIESINCLUDNONE", "90|1", "ON", {});
  CheckAlias("UTILITIESINCLUDHEAT", "90|2", "ON", {});
  CheckAlias("UTILITIESINCLUDAIR", "90|3", "ON", {});
  CheckAlias("UTILITIESINCLUDELECTRIC", "90|4", "ON", {});
  CheckAlias("UTILITIESINCLUDGAS", "90|5", "ON", {});
  CheckAlias("UTILITIESINCLUDWATER", "90|6", "ON", {});
  CheckAlias("UTILITIESINCLUDSEWER", "90|7", "ON", {});
  ParseExtended("FACILITIESUSECHARGE", "91|1", true);
  CheckAlias("COMPAREDCHARGE", "92|1", "HIGH", {"92|2", "TYPICAL", "92|3", "LOW"});
  // Project budget and management
  CheckAlias("PROJBUDGET", "93|1", "ADEQUATE", {"93|2", "INADEQUATE", "93|3", "UNKNOWN"});
  CheckAlias("MGMTGROUP", "94|1", "HOA", {"94|2", "SPONSORDEVELOPER", "94|3", "MGMTAGENT"});
  SetAlias("MGMTAGENTIDENTIFY", "94|4");
  CheckAlias("MGMTQUALITY", "95|1", "ADEQUATE", {"95|2", "INADEQUATE"});
  ParseExtended("MARKETABILITY", "96|1", true);

  // Sales comparison grid: the subject's column
  Combine("100|1", ", #", 0, {"SUBJECTADDRSTREET", "SUBJECTUNITNUM"});
  SetAlias("SUBJECTPROJNAME", "101|1");
  SetAlias("SUBJECTSALESPRICE", "103|1");
  SetAlias("SUBJECTPRICEGROSSLIVING", "104|1");
  SetAlias("SUBJECTDATA", "105|1");
  SetAlias("SUBJECTVERIFICATION", "106|1");
  SetAlias("SUBJECTLOCATION", "111|1");
  SetAlias("SUBJECTLEASEFEE", "112|1");
  SetAlias("SUBJECTHOAASSESSMENT", "113|1");
  SetAlias("SUBJECTELEMENTSREC", "114|1");
  SetAlias("SUBJECTELEMENTSREC2", "115|1");
  SetAlias("SUBJECTPROJSIZETYPE", "116|1");
  SetAlias("SUBJECTFLOORLOCATION", "117|1");
  SetAlias("SUBJECTVIEW", "118|1");
  SetAlias("SUBJECTDESIGNSTYLE", "119|1");
  SetAlias("SUBJECTCONSTRUCT", "120|1");
  SetAlias("SUBJECTAGEYRS", "121|1");
  SetAlias("SUBJECTCONDITION", "122|1");
  SetAlias("SUBJECTROOMTOT", "124|1");
  SetAlias("SUBJECTBEDROOMS", "124|2");
  SetAlias("SUBJECTBATH", "124|3");
  SetAlias("SUBJECTLIVINGSQFT", "125|1");
  SetAlias("SUBJECTBASEMENT", "126|1");
  SetAlias("SUBJECTBASEMENTFIN", "127|1");
  SetAlias("SUBJECTFUNCTIONAL", "128|1");
  SetAlias("SUBJECTHEATINGCOOL", "129|1");
  SetAlias("SUBJECTENERGYEFF", "130|1");
  SetAlias("SUBJECTGARAGE", "131|1");
  SetAlias("SUBJECTPORCHPATIO", "132|1");
  SetAlias("SUBJECTFIREPLACE", "133|1");
  // The unlabeled line: its label, then the subject's entry
  SetAlias("SALESCOMPUNLABELED", "134|1");
  SetAlias("SUBJECTUNLABELEDDESC", "134|2");
  SetAlias("SUBJECTPRIORSALEDT", "143|1");
  SetAlias("SUBJECTPRIORSALEPRICE", "144|1");
  SetAlias("SUBJECTPRIORSALEDATA", "145|1");

  // Sales comparison grid: comparables 1 to 3
  ComparableColumn(1);
  ComparableColumn(2);
  ComparableColumn(3);

  // Sales comparison comments
  ParseExtended("COMMENTSALESCOMPARE", "138|1", true);
  ParseExtended("ANALYSISCURRENTAGREE", "147|1", true);

  // Indicated values
  SetAlias("INDICATEDVALUESALES", "149|1");
  SetAlias("ESTMARKETRENT", "150|1");
  SetAlias("RENTMULTIPLIER", "150|2");
  SetAlias("INDICATEDVALUEINCOMETOT", "150|3");
  SetAlias("INDICATEDVALUECOST", "151|1");

  // Reconciliation
  CheckAlias("APPRAISALMADE", "152|1", "ASIS",
             {"152|2", "REPAIRSALTERATIONS", "152|3", "SUBJECTTOCOMPLETION"});
  ParseExtended("CONDITIONAPPRAISAL", "153|1", true);
  ParseExtended("FINALRECON", "155|1", true);
  SetAlias("FORMREVISED", "158|1");
  SetAlias("ESTMARKETVALUEDT", "159|1");
  SetAlias("ESTMARKETVALUE", "160|1");

  // Appraiser
  SetAlias("APPRAISER", "163|1");
  SetAlias("APPRAISERDTSIGNED", "164|1");
  SetAlias("APPRAISERSTATECERTNUM", "165|1");
  SetAlias("APPRAISERCERTSTATEPROV", "165|2");
  SetAlias("APPRAISERSTATELICNUM", "166|1");
  SetAlias("APPRAISERLICSTATEPROV", "166|2");
  // Supervisory appraiser
  SetAlias("SUPAPPRAISER", "163|2");
  SetAlias("SUPAPPRAISERDTSIGNED", "164|2");
  SetAlias("SUPAPPRAISERSTATECERTNUM", "165|3");
  SetAlias("SUPAPPRAISERCERTSTATEPROV", "165|4");
  SetAlias("SUPAPPRAISERSTATELICNUM", "166|3");
  SetAlias("SUPAPPRAISERLICSTATEPROV", "166|4");
  CheckAlias("INSPECTSUBJECTPROP", "162|3", "DID", {"162|4", "DIDNOT"});
}

}  // namespace ombrel
