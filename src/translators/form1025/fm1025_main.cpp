// The main form "MUL": signer blocks, report profile, and every field of the
// small income-property form that the order can supply, in the order of the
// form, with the listing, rental and sales grids for comparables 1 to 3.
#include "translators/form1025/fm1025.h"

namespace ombrel {

void FM1025::EntrainMain() {
  // Title, signer blocks and report profile; each signer block makes "MUL" current again.
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
  SetAlias("NBRHOODPROJNM", "7|1");
  SetAlias("MAPREF", "7|2");
  SetAlias("CENSUSTRACT", "7|3");
  SetAlias("BORROWER", "8|1");
  SetAlias("CURRENTOWNER", "8|2");
  CheckAlias("CURRENTOCCUPANT", "8|3", "OWNER", {"8|4", "TENANT", "8|5", "VACANT"});
  CheckAlias("PROPRIGHTS", "9|1", "FEESIMPLE", {"9|2", "LEASEHOLD"});
  CheckAlias("PROJTYPE", "9|3", "PUD", {"9|4", "CONDO"});
  SetAlias("HOMEOWNERASSNFEE", "9|5");

  // Sale, lender and appraiser; a whole appraiser address stands in for its parts
  SetAlias("SALESPRICE", "10|1");
  SetAlias("SALEDT", "10|2");
  SetAlias("LOANCHARGEDESC", "10|3");
  SetAlias("LENDERCLIENT", "11|1");
  ParseAddress("11|2", "LENDERCLIENTCITY", "LENDERCLIENTSTATEPROV", "LENDERCLIENTZIP",
               "LENDERCLIENTSTREET", "");
  SetAlias("APPRAISER", "12|1");
  ParseAddress("12|2", "APPRAISERCITY", "APPRAISERSTATEPROV", "APPRAISERZIP", "APPRAISERSTREET",
               "APPRAISERADDR");

  // Neighborhood: market conditions (line 14 starts at field 2)
  CheckAlias("LOCATION", "13|1", "URBAN", {"13|2", "SUBURBAN", "13|3", "RURAL"});
  CheckAlias("BUILTUP", "14|2", "OVER 75%", {"14|3", "25-75%", "14|4", "UNDER 25%"});
  CheckAlias("GROWTHRATE", "15|1", "RAPID", {"15|2", "STABLE", "15|3", "SLOW"});
  CheckAlias("PROPVALUES", "16|1", "INCREASING", {"16|2", "STABLE", "16|3", "DECLINING"});
  CheckAlias("DEMANDSUPPLY", "17|1", "SHORTAGE", {"17|2", "INBALANCE", "17|3", "OVERSUPPLY"});
  CheckAlias("MARKETINGTIME", "18|1", "UNDER 3 MOS.", {"18|2", "3-6 MOS.", "18|3", "OVER 6 MOS."});
  // Occupancy, price and age of one-family dwellings
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
  // Occupancy, price and age of two-to-four-family dwellings
  CheckAlias("TWOFOUROCCUPANCYOWNER", "15|8", "ON", {});
  SetAlias("TWOFOUROCCUPANCYOWNERPER", "15|9");
  CheckAlias("TWOFOUROCCUPANCYTENANT", "16|8", "ON", {});
  SetAlias("TWOFOUROCCUPANCYTENANTPER", "16|9");
  CheckAlias("TWOFOUROCCUPANCYVACANTA", "17|5", "ON", {});
  CheckAlias("TWOFOUROCCUPANCYVACANTB", "18|7", "ON", {});
  SetAlias("TWOFOURFAMPRICELOW", "15|10");
  SetAlias("TWOFOURFAMPRICEHIGH", "16|10");
  SetAlias("TWOFOURFAMPRICEPREDOM", "18|8");
  SetAlias("TWOFOURFAMAGELOW", "15|11");
  SetAlias("TWOFOURFAMAGEHIGH", "16|11");
  SetAlias("TWOFOURFAMAGEPREDOM", "18|9");
  // The typical two-to-four-family building
  SetAlias("BLDGTYPE", "19|1");
  SetAlias("BLDGNUMSTORIES", "19|2");
  SetAlias("BLDGNUMUNITS", "19|3");
  SetAlias("BLDGAGEYRS", "19|4");
  SetAlias("BLDGTYPICALRENTLOW", "20|1");
  SetAlias("BLDGTYPICALRENTHIGH", "20|2");
  CheckAlias("BLDGTYPICALRENT", "20|3", "INCREASING", {"20|4", "STABLE", "20|5", "DECLINING"});
  SetAlias("BLDGESTAPTVACANCY", "21|1");
  CheckAlias("BLDGAPTVACANCY", "21|2", "INCREASING", {"21|3", "STABLE", "21|4", "DECLINING"});
  CheckAlias("BLDGRENTCONTROLS", "22|1", "YES", {"22|2", "NO", "22|3", "LIKELY"});
  ParseExtended("BLDGRENTCONTROLSDESC", "22|4", true);
  // Present land use and its change (in process on the line below)
  SetAlias("LANDUSEONEFAM", "20|6");
  SetAlias("LANDUSETWOFOURFAM", "21|5");
  SetAlias("LANDUSEMULTIFAM", "22|5");
  SetAlias("LANDUSECOMMERCIAL", "23|2");
  SetAlias("LANDUSEUNLABELED", "24|2");
  SetAlias("LANDUSEUNLABELEDPERCENT", "24|3");
  CheckAlias("LANDUSECHANGE", "20|7", "NOTLIKELY", {"20|8", "LIKELY", "21|6", "INPROCESS"});
  ParseExtended("LANDUSECHANGETO", "22|6", true);
  ParseExtended("NBRHOODBOUNDARIES", "26|1", true);
  ParseExtended("FACTORSMARKETABILITY", "31|1", true);

  // Listing comparables: the subject column, then comparables 1 to 3
  SetAlias("LISTSUBJECTADDRSTREET", "42|1");
  ParseAddress("43|1", "LISTSUBJECTADDRCITY", "LISTSUBJECTADDRSTATEPROV", "LISTSUBJECTADDRZIP",
               "", "");
  SetAlias("LISTSUBJECTLISTINGPRICE", "45|1");
  SetAlias("LISTSUBJECTAPPROXGBA", "46|1");
  SetAlias("LISTSUBJECTDATA", "47|1");
  SetAlias("LISTSUBJECTNUMUNITS", "48|1");
  SetAlias("LISTSUBJECTROOMTOT", "48|2");
  SetAlias("LISTSUBJECTBEDROOMS", "48|3");
  SetAlias("LISTSUBJECTBATH", "48|4");
  SetAlias("LISTSUBJECTYRBUILT", "49|1");
  SetAlias("LISTSUBJECTMARKETDAYS", "50|1");
  ListingColumn(1);
  ListingColumn(2);
  ListingColumn(3);
  ParseExtended("COMPARISON", "51|1", true);
  ParseExtended("TWOFOURMARKETCONDITIONS", "56|1", true);

  // Site; the corner lot ticks "NO" before "YES"
  SetAlias("DIMENSIONS", "64|1");
  SetAlias("SITEAREA", "65|1");
  CheckAlias("CORNERLOT", "65|2", "NO", {"65|3", "YES"});
  SetAlias("SPECIFICZONING", "66|1");
  CheckAlias("ZONINGCOMPLIANCE", "67|1", "LEGAL",
             {"67|2", "LEGALNONCONFORMING", "67|3", "ILLEGAL", "67|4", "NOZONING"});
  CheckAlias("HIGHESTBESTUSE", "68|1", "PRESENTUSE", {"68|2", "OTHER"});
  ParseExtended("HIGHESTBESTUSEDESC", "68|3", true);
  // Utilities
  CheckAlias("ELECTRICPUBLIC", "71|1", "ON", {});
  SetAlias("ELECTRICOTHER", "71|2");
  CheckAlias("GASPUBLIC", "72|1", "ON", {});
  SetAlias("GASOTHER", "72|2");
  CheckAlias("WATERPUBLIC", "73|1", "ON", {});
  SetAlias("WATEROTHER", "73|2");
  CheckAlias("SANITARYSEWERPUBLIC", "74|1", "ON", {});
  SetAlias("SANITARYSEWEROTHER", "74|2");
  CheckAlias("STORMSEWERPUBLIC", "75|1", "ON", {});
  SetAlias("STORMSEWEROTHER", "75|2");
  // Off-site improvements
  SetAlias("STREETTYPE", "71|3");
  CheckAlias("STREETPUBPRIV", "71|4", "PUBLIC", {"71|5", "PRIVATE"});
  SetAlias("CURBGUTTERTYPE", "72|3");
  CheckAlias("CURBGUTTERPUBPRIV", "72|4", "PUBLIC", {"72|5", "PRIVATE"});
  SetAlias("SIDEWALKTYPE", "73|3");
  CheckAlias("SIDEWALKPUBPRIV", "73|4", "PUBLIC", {"73|5", "PRIVATE"});
  SetAlias("STREETLIGHTTYPE", "74|3");
  CheckAlias("STREETLIGHTPUBPRIV", "74|4", "PUBLIC", {"74|5", "PRIVATE"});
  SetAlias("ALLEYTYPE", "75|3");
  CheckAlias("ALLEYPUBPRIV", "75|4", "PUBLIC", {"75|5", "PRIVATE"});
  // Site description, flood hazard and comment
  SetAlias("TOPOGRAPHY", "64|2");
  SetAlias("SIZE", "65|4");
  SetAlias("SHAPE", "66|2");
  SetAlias("DRAINAGE", "67|5");
  SetAlias("VIEW", "68|4");
  SetAlias("LANDSCAPING", "69|2");
  SetAlias("DRIVEWAYSURFACE", "70|1");
  SetAlias("APPARENTEASEMENTS", "71|6");
  CheckAlias("FEMAFLOODHAZARD", "73|6", "YES", {"73|7", "NO"});
  SetAlias("FEMAZONE", "74|6");
  SetAlias("MAPDT", "74|7");
  SetAlias("FEMAMAPNUM", "75|6");
  ParseExtended("COMMENTSAPPARENT", "76|1", true);

  // Improvements: general description
  SetAlias("GENERALNUMUNITS", "89|1");
  SetAlias("GENERALNUMBLDGS", "89|2");
  SetAlias("GENERALNUMSTORIES", "90|1");
  SetAlias("GENERALTYPE", "91|1");
  SetAlias("GENERALDESIGNSTYLE", "92|1");
  SetAlias("GENERALEXISTING", "93|1");
  SetAlias("GENERALUNDERCONSTRUCT", "94|1");
  SetAlias("GENERALYRBUILT", "95|1");
  SetAlias("GENERALEFFECTIVEAGEYRS", "96|1");
  // Exterior description
  SetAlias("EXTERIORFOUNDATION", "89|3");
  SetAlias("EXTERIORWALLS", "90|2");
  SetAlias("EXTERIORROOFSURFACE", "91|2");
  SetAlias("EXTERIORGUTTERDWNSPTS", "92|2");
  SetAlias("EXTERIORWINDOWTYPE", "93|2");
  SetAlias("EXTERIORSTORMSCREENS", "94|2");
  CheckAlias("EXTERIORMANUFACTUREDHOUSE", "95|2", "YES", {"95|3", "NO"});
  // Foundation and basement
  SetAlias("FOUNDATIONSLAB", "89|4");
  SetAlias("FOUNDATIONCRAWLSPACE", "90|3");
  SetAlias("FOUNDATIONSUMPPUMP", "91|3");
  SetAlias("FOUNDATIONDAMPNESS", "92|3");
  SetAlias("FOUNDATIONSETTLEMENT", "93|3");
  SetAlias("FOUNDATIONINFESTATION", "94|3");
  SetAlias("BASEMENTPERCENTFLOOR", "95|4");
  ParseExtended("BASEMENTFINISHED", "96|2", true);
  // Insulation
  CheckAlias("INSULATIONROOF", "89|5", "ON", {});
  SetAlias("INSULATIONROOFTYPE", "89|6");
  CheckAlias("INSULATIONCEILING", "90|4", "ON", {});
  SetAlias("INSULATIONCEILINGTYPE", "90|5");
  CheckAlias("INSULATIONWALLS", "91|4", "ON", {});
  SetAlias("INSULATIONWALLSTYPE", "91|5");
  CheckAlias("INSULATIONFLOOR", "92|4", "ON", {});
  SetAlias("INSULATIONFLOORTYPE", "92|5");
  CheckAlias("INSULATIONNONE", "93|4", "ON", {});
  SetAlias("INSULATIONNONETYPE", "93|5");
  SetAlias("INSULATIONADEQUACY", "94|4");
  ParseExtended("INSULATIONENERGYEFF", "95|5", true);
  // Room lists of units one to four, one line each
  SetAlias("UNITSONE", "99|1");
  SetAlias("UNITSONELEVELS", "99|2");
  SetAlias("UNITSONEFOYER", "99|3");
  SetAlias("UNITSONELIVING", "99|4");
  SetAlias("UNITSONEDINING", "99|5");
  SetAlias("UNITSONEKITCHEN", "99|6");
  SetAlias("UNITSONEDEN", "99|7");
  SetAlias("UNITSONEFAMILYROOM", "99|8");
  SetAlias("UNITSONEBEDROOMS", "99|9");
  SetAlias("UNITSONEBATHS", "99|10");
  SetAlias("UNITSONELAUNDRY", "99|11");
  SetAlias("UNITSONEOTHER", "99|12");
  SetAlias("UNITSONEAREASQFT", "99|13");
  SetAlias("UNITSONETOTSQFT", "99|14");
  SetAlias("UNITSTWO", "100|1");
  SetAlias("UNITSTWOLEVELS", "100|2");
  SetAlias("UNITSTWOFOYER", "100|3");
  SetAlias("UNITSTWOLIVING", "100|4");
  SetAlias("UNITSTWODINING", "100|5");
  SetAlias("UNITSTWOKITCHEN", "100|6");
  SetAlias("UNITSTWODEN", "100|7");
  SetAlias("UNITSTWOFAMILYROOM", "100|8");
  SetAlias("UNITSTWOBEDROOMS", "100|9");
  SetAlias("UNITSTWOBATHS", "100|10");
  SetAlias("UNITSTWOLAUNDRY", "100|11");
  SetAlias("UNITSTWOOTHER", "100|12");
  SetAlias("UNITSTWOAREASQFT", "100|13");
  SetAlias("UNITSTWOTOTSQFT", "100|14");
  SetAlias("UNITSTHREE", "101|1");
  SetAlias("UNITSTHREELEVELS", "101|2");
  SetAlias("UNITSTHREEFOYER", "101|3");
  SetAlias("UNITSTHREELIVING", "101|4");
  SetAlias("UNITSTHREEDINING", "101|5");
  SetAlias("UNITSTHREEKITCHEN", "101|6");
  SetAlias("UNITSTHREEDEN", "101|7");
  SetAlias("UNITSTHREEFAMILYROOM", "101|8");
  SetAlias("UNITSTHREEBEDROOMS", "101|9");
  SetAlias("UNITSTHREEBATHS", "101|10");
  SetAlias("UNITSTHREELAUNDRY", "101|11");
  SetAlias("UNITSTHREEOTHER", "101|12");
  SetAlias("UNITSTHREEAREASQFT", "101|13");
  SetAlias("UNITSTHREETOTSQFT", "101|14");
  SetAlias("UNITSFOUR", "102|1");
  SetAlias("UNITSFOURLEVELS", "102|2");
  SetAlias("UNITSFOURFOYER", "102|3");
  SetAlias("UNITSFOURLIVING", "102|4");
  SetAlias("UNITSFOURDINING", "102|5");
  SetAlias("UNITSFOURKITCHEN", "102|6");
  SetAlias("UNITSFOURDEN", "102|7");
  SetAlias("UNITSFOURFAMILYROOM", "102|8");
  SetAlias("UNITSFOURBEDROOMS", "102|9");
  SetAlias("UNITSFOURBATHS", "102|10");
  SetAlias("UNITSFOURLAUNDRY", "102|11");
  SetAlias("UNITSFOUROTHER", "102|12");
  SetAlias("UNITSFOURAREASQFT", "102|13");
  SetAlias("UNITSFOURTOTSQFT", "102|14");
  // Totals above grade
  SetAlias("ABOVEGRADEROOMS", "103|1");
  SetAlias("ABOVEGRADEBEDROOMS", "103|2");
  SetAlias("ABOVEGRADEBATHS", "103|3");
  SetAlias("IMPROVEGBASQFT", "103|4");
  // Interior finish and fireplace
  SetAlias("INTERIORFLOORS", "107|1");
  SetAlias("INTERIORWALLS", "108|1");
  SetAlias("INTERIORTRIMFINISH", "109|1");
  SetAlias("INTERIORBATHFLOOR", "110|1");
  SetAlias("INTERIORBATHWAINSCOT", "111|1");
  Combine("112|1", "  ", 0,
          {"INTERIORDOORS", "INTERIORUNLABELED", "INTERIORUNLABELEDDESC", "INTERIORUNLABELEDTWO",
           "INTERIORUNLABELEDTWODESC"});
  SetAlias("AMENITIESFIREPLACE", "115|1");
  SetAlias("AMENITIESFIREPLACENUM", "115|2");
  // Heating and cooling
  SetAlias("HEATINGTYPE", "107|2");
  SetAlias("HEATINGFUEL", "108|2");
  SetAlias("HEATINGCONDITION", "109|2");
  SetAlias("COOLINGCENTRAL", "112|2");
  SetAlias("COOLINGOTHER", "113|2");
  SetAlias("COOLINGCONDITION", "114|2");
  // Kitchen equipment
  SetAlias("KITCHENEQUIPREFRIG", "107|3");
  SetAlias("KITCHENEQUIPRANGEOVEN", "108|3");
  SetAlias("KITCHENEQUIPDISPOSAL", "109|3");
  SetAlias("KITCHENEQUIPDISHWASHER", "110|3");
  SetAlias("KITCHENEQUIPFANHOOD", "111|2");
  SetAlias("KITCHENEQUIPCOMPACTOR", "112|3");
  SetAlias("KITCHENEQUIPWASHERDRYER", "113|3");
  SetAlias("KITCHENEQUIPMICROWAVE", "114|3");
  SetAlias("KITCHENEQUIPINTERCOM", "115|4");
  // Attic; the order names the unfinished attic without its prefix
  CheckAlias("ATTICNONE", "107|4", "ON", {});
  CheckAlias("ATTICSTAIRS", "108|4", "ON", {});
  CheckAlias("ATTICDROPSTAIR", "109|4", "ON", {});
  CheckAlias("ATTICSCUTTLE", "110|4", "ON", {});
  CheckAlias("ATTICFLOOR", "111|3", "ON", {});
  CheckAlias("ATTICHEATED", "112|4", "ON", {});
  CheckAlias("ATTICFINISHED", "113|4", "ON", {});
  CheckAlias("UNFINISHED", "114|4", "ON", {});
  // Car storage
  SetAlias("CARSTORAGENUMCARS", "106|1");
  CheckAlias("CARSTORAGEGARAGE", "107|5", "ON", {});
  CheckAlias("CARSTORAGECARPORT", "108|5", "ON", {});
  CheckAlias("CARSTORAGEATTACHED", "109|5", "ON", {});
  CheckAlias("CARSTORAGEDETACHED", "110|5", "ON", {});
  CheckAlias("CARSTORAGEADEQUATE", "111|4", "ON", {});
  CheckAlias("CARSTORAGEINADEQUATE", "112|5", "ON", {});
  CheckAlias("CARSTORAGEOFFSTREET", "113|5", "ON", {});
  CheckAlias("CARSTORAGENONE", "114|5", "ON", {});
  // Comments on the improvements
  ParseExtended("COMMENTCONDITIONIMPROVE", "116|1", true);
  ParseExtended("COMMENTDEPRECIATION", "127|1", true);
  ParseExtended("COMMENTADVERSECONDITIONS", "136|1", true);

  // Cost approach: five dwellings with their area, five with a total only
  SetAlias("ESTSITEVALUE", "146|1");
  Combine("148|1", "  ", 1, {"DWELLINGONE", "DWELLINGONESQFT"});
  SetAlias("DWELLINGONESQFTAMT", "148|2");
  SetAlias("DWELLINGONEAMTTOT", "148|3");
  Combine("149|1", "  ", 1, {"DWELLINGTWO", "DWELLINGTWOSQFT"});
  SetAlias("DWELLINGTWOSQFTAMT", "149|2");
  SetAlias("DWELLINGTWOAMTTOT", "149|3");
  Combine("150|1", "  ", 1, {"DWELLINGTHREE", "DWELLINGTHREESQFT"});
  SetAlias("DWELLINGTHREESQFTAMT", "150|2");
  SetAlias("DWELLINGTHREEAMTTOT", "150|3");
  Combine("151|1", "  ", 1, {"DWELLINGFOUR", "DWELLINGFOURSQFT"});
  SetAlias("DWELLINGFOURSQFTAMT", "151|2");
  SetAlias("DWELLINGFOURAMTTOT", "151|3");
  Combine("152|1", "  ", 1, {"DWELLINGFIVE", "DWELLINGFIVESQFT"});
  SetAlias("DWELLINGFIVESQFTAMT", "152|2");
  SetAlias("DWELLINGFIVEAMTTOT", "152|3");
  SetAlias("DWELLINGSIX", "153|1");
  SetAlias("DWELLINGSIXAMTTOT", "153|2");
  SetAlias("DWELLINGSEVEN", "154|1");
  SetAlias("DWELLINGSEVENAMTTOT", "154|2");
  SetAlias("DWELLINGEIGHT", "155|1");
  SetAlias("DWELLINGEIGHTAMTTOT", "155|2");
  SetAlias("DWELLINGNINE", "156|1");
  SetAlias("DWELLINGNINEAMTTOT", "156|2");
  SetAlias("DWELLINGTEN", "157|1");
  SetAlias("DWELLINGTENAMTTOT", "157|2");
  SetAlias("COSTENERGYEFFICIENT", "158|1");
  SetAlias("COSTENERGYEFFICIENTAMT", "158|2");
  SetAlias("COSTPORCHPATIO", "159|1");
  SetAlias("COSTPORCHPATIOAMT", "159|2");
  SetAlias("TOTESTCOSTNEW", "160|1");
  SetAlias("PHYSICALDEPRECIATION", "163|1");
  SetAlias("FUNCTIONALDEPRECIATION", "163|2");
  SetAlias("EXTERNALDEPRECIATION", "163|3");
  SetAlias("TOTDEPRECIATION", "163|4");
  SetAlias("DEPRECIATEDVALUEIMPROVE", "164|1");
  SetAlias("ASISVALUE", "165|1");
  SetAlias("INDICATEDVALUECOST", "166|1");
  ParseExtended("COMMENTSONCOST", "148|4", true);

  // Rental comparables: the subject column (year built, design, appeal and
  // condition a line lower than the comparables'), then comparables 1 to 3
  SetAlias("RENTSUBJECTADDRSTREET", "177|1");
  ParseAddress("178|1", "RENTSUBJECTADDRCITY", "RENTSUBJECTADDRSTATEPROV", "RENTSUBJECTADDRZIP",
               "", "");
  SetAlias("RENTSUBJECTLEASEDT", "181|1");
  SetAlias("RENTSUBJECTSURVEYDT", "182|1");
  SetAlias("RENTSUBJECTDATA", "183|1");
  SetAlias("RENTSUBJECTDATA2", "184|1");
  SetAlias("RENTSUBJECTCONCESSIONS", "185|1");
  SetAlias("RENTSUBJECTCONCESSIONS2", "186|1");
  SetAlias("RENTSUBJECTNUMUNITS", "187|1");
  SetAlias("RENTSUBJECTNUMVACANT", "187|2");
  SetAlias("RENTSUBJECTYRBUILT", "188|1");
  SetAlias("RENTSUBJECTDESIGNSTYLE", "189|1");
  SetAlias("RENTSUBJECTAPPEAL", "190|1");
  SetAlias("RENTSUBJECTCONDITION", "191|1");
  SetAlias("RENTSUBJECTCONDITION2", "192|1");
  SetAlias("RENTSUBJECTUNIT1ROOMTOT", "195|1");
  SetAlias("RENTSUBJECTUNIT1BEDROOMS", "195|2");
  SetAlias("RENTSUBJECTUNIT1BATHS", "195|3");
  SetAlias("RENTSUBJECTUNIT1AREASQFT", "195|4");
  SetAlias("RENTSUBJECTUNIT2ROOMTOT", "196|1");
  SetAlias("RENTSUBJECTUNIT2BEDROOMS", "196|2");
  SetAlias("RENTSUBJECTUNIT2BATHS", "196|3");
  SetAlias("RENTSUBJECTUNIT2AREASQFT", "196|4");
  SetAlias("RENTSUBJECTUNIT3ROOMTOT", "197|1");
  SetAlias("RENTSUBJECTUNIT3BEDROOMS", "197|2");
  SetAlias("RENTSUBJECTUNIT3BATHS", "197|3");
  SetAlias("RENTSUBJECTUNIT3AREASQFT", "197|4");
  SetAlias("RENTSUBJECTUNIT4ROOMTOT", "198|1");
  SetAlias("RENTSUBJECTUNIT4BEDROOMS", "198|2");
  SetAlias("RENTSUBJECTUNIT4BATHS", "198|3");
  SetAlias("RENTSUBJECTUNIT4AREASQFT", "198|4");
  SetAlias("RENTSUBJECTINCLUDED1", "199|1");
  SetAlias("RENTSUBJECTINCLUDED2", "200|1");
  SetAlias("RENTSUBJECTINCLUDED3", "201|1");
  SetAlias("RENTSUBJECTINCLUDED4", "202|1");
  SetAlias("RENTSUBJECTINCLUDED5", "203|1");
  SetAlias("RENTSUBJECTINCLUDED6", "204|1");
  SetAlias("RENTSUBJECTADDITIONAL1", "205|1");
  SetAlias("RENTSUBJECTADDITIONAL2", "206|1");
  SetAlias("RENTSUBJECTADDITIONAL3", "207|1");
  SetAlias("RENTSUBJECTADDITIONAL4", "208|1");
  SetAlias("RENTSUBJECTADDITIONAL5", "209|1");
  SetAlias("RENTSUBJECTADDITIONAL6", "210|1");
  RentalColumn(1);
  RentalColumn(2);
  RentalColumn(3);
  ParseExtended("ANALYSISRENTALDATA", "212|1", true);

  // Rent schedule of units 1 to 4, totals, other income and vacancy
  SetAlias("LEASEUNIT1NUM", "232|1");
  SetAlias("LEASEBEGINDATEUNIT1", "232|2");
  SetAlias("LEASEENDDATEUNIT1", "232|3");
  SetAlias("RENTSUNITSVACANTUNIT1", "232|4");
  SetAlias("RENTSUNFURNISHEDUNIT1", "232|5");
  SetAlias("RENTSFURNISHEDUNIT1", "232|6");
  SetAlias("RENTSTOTRENTUNIT1", "232|7");
  SetAlias("ESTRENTSUNFURNISHEDUNIT1", "232|8");
  SetAlias("ESTRENTSFURNISHEDUNIT1", "232|9");
  SetAlias("ESTRENTSTOTRENTUNIT1", "232|10");
  SetAlias("LEASEUNIT2NUM", "233|1");
  SetAlias("LEASEBEGINDATEUNIT2", "233|2");
  SetAlias("LEASEENDDATEUNIT2", "233|3");
  SetAlias("RENTSUNITSVACANTUNIT2", "233|4");
  SetAlias("RENTSUNFURNISHEDUNIT2", "233|5");
  SetAlias("RENTSFURNISHEDUNIT2", "233|6");
  SetAlias("RENTSTOTRENTUNIT2", "233|7");
  SetAlias("ESTRENTSUNFURNISHEDUNIT2", "233|8");
  SetAlias("ESTRENTSFURNISHEDUNIT2", "233|9");
  SetAlias("ESTRENTSTOTRENTUNIT2", "233|10");
  SetAlias("LEASEUNIT3NUM", "234|1");
  SetAlias("LEASEBEGINDATEUNIT3", "234|2");
  SetAlias("LEASEENDDATEUNIT3", "234|3");
  SetAlias("RENTSUNITSVACANTUNIT3", "234|4");
  SetAlias("RENTSUNFURNISHEDUNIT3", "234|5");
  SetAlias("RENTSFURNISHEDUNIT3", "234|6");
  SetAlias("RENTSTOTRENTUNIT3", "234|7");
  SetAlias("ESTRENTSUNFURNISHEDUNIT3", "234|8");
  SetAlias("ESTRENTSFURNISHEDUNIT3", "234|9");
  SetAlias("ESTRENTSTOTRENTUNIT3", "234|10");
  SetAlias("LEASEUNIT4NUM", "235|1");
  SetAlias("LEASEBEGINDATEUNIT4", "235|2");
  SetAlias("LEASEENDDATEUNIT4", "235|3");
  SetAlias("RENTSUNITSVACANTUNIT4", "235|4");
  SetAlias("RENTSUNFURNISHEDUNIT4", "235|5");
  SetAlias("RENTSFURNISHEDUNIT4", "235|6");
  SetAlias("RENTSTOTRENTUNIT4", "235|7");
  SetAlias("ESTRENTSUNFURNISHEDUNIT4", "235|8");
  SetAlias("ESTRENTSFURNISHEDUNIT4", "235|9");
  SetAlias("ESTRENTSTOTRENTUNIT4", "235|10");
  SetAlias("LEASETOTUNITS", "236|1");
  SetAlias("RENTSTOTUNITS", "236|2");
  SetAlias("RENTSTOTRENTS", "236|3");
  SetAlias("ESTRENTSTOTRENTS", "236|4");
  SetAlias("OTHERINCOME", "237|1");
  SetAlias("OTHERINCOMEAMT", "237|2");
  SetAlias("VACANCYLASTYR", "238|1");
  SetAlias("VACANCYPREVIOUSYR", "238|2");
  SetAlias("VACANCYEST", "238|3");
  SetAlias("ANNUALAMT", "238|4");
  SetAlias("TOTGROSSESTRENT", "238|5");
  // Utilities included in the rent; the order spells them INCLUD without an E
  CheckAlias("UTILITIESINCLUDELECTRIC", "239|1", "ON", {});
  CheckAlias("UTILITIESINCLUDWATER", "239|2", "ON", {});
  CheckAlias("UTILITIESINCLUDSEWER", "239|3", "ON", {});
  CheckAlias("UTILITIESINCLUDGAS", "239|4", "ON", {});
  CheckAlias("UTILITIESINCLUDOIL", "239|5", "ON", {});
  CheckAlias("UTILITIESINCLUDTRASH", "239|6", "ON", {});
  CheckAlias("UTILITIESINCLUDOTHER", "239|7", "ON", {});
  SetAlias("UTILITIESINCLUDOTHERNAME", "239|8");
  ParseExtended("COMMENTSRENTSCHEDULE", "241|1", true);

  // Sales comparison: the subject column, then comparables 1 to 3
  SetAlias("SUBJECTADDRSTREET", "260|1");
  ParseAddress("261|1", "SUBJECTADDRCITY", "SUBJECTADDRSTATEPROV", "SUBJECTADDRZIP", "", "");
  SetAlias("SUBJECTSALESPRICE", "263|1");
  SetAlias("SUBJECTSALESPRICEGBA", "264|1");
  SetAlias("SUBJECTGROSSMORENT", "265|1");
  SetAlias("SUBJECTGROSSMORENTMULT", "266|1");
  SetAlias("SUBJECTSALESPRICEUNIT", "267|1");
  SetAlias("SUBJECTSALESPRICEROOM", "268|1");
  SetAlias("SUBJECTDATA", "269|1");
  SetAlias("SUBJECTVERIFICATION", "270|1");
  SetAlias("SUBJECTLOCATION", "275|1");
  SetAlias("SUBJECTLEASEFEE", "276|1");
  SetAlias("SUBJECTSITE", "277|1");
  SetAlias("SUBJECTVIEW", "278|1");
  SetAlias("SUBJECTDESIGNSTYLE", "279|1");
  SetAlias("SUBJECTCONSTRUCT", "280|1");
  SetAlias("SUBJECTAGEYRS", "281|1");
  SetAlias("SUBJECTCONDITION", "282|1");
  SetAlias("SUBJECTGBASQFT", "283|1");
  SetAlias("SUBJECTUNIT1NUMUNITS", "286|1");
  SetAlias("SUBJECTUNIT1ROOMTOT", "286|2");
  SetAlias("SUBJECTUNIT1BEDROOMS", "286|3");
  SetAlias("SUBJECTUNIT1BATHS", "286|4");
  SetAlias("SUBJECTUNIT1NUMVACANT", "286|5");
  SetAlias("SUBJECTUNIT2NUMUNITS", "287|1");
  SetAlias("SUBJECTUNIT2ROOMTOT", "287|2");
  SetAlias("SUBJECTUNIT2BEDROOMS", "287|3");
  SetAlias("SUBJECTUNIT2BATHS", "287|4");
  SetAlias("SUBJECTUNIT2NUMVACANT", "287|5");
  SetAlias("SUBJECTUNIT3NUMUNITS", "288|1");
  SetAlias("SUBJECTUNIT3ROOMTOT", "288|2");
  SetAlias("SUBJECTUNIT3BEDROOMS", "288|3");
  SetAlias("SUBJECTUNIT3BATHS", "288|4");
  SetAlias("SUBJECTUNIT3NUMVACANT", "288|5");
  SetAlias("SUBJECTUNIT4NUMUNITS", "289|1");
  SetAlias("SUBJECTUNIT4ROOMTOT", "289|2");
  SetAlias("SUBJECTUNIT4BEDROOMS", "289|3");
  SetAlias("SUBJECTUNIT4BATHS", "289|4");
  SetAlias("SUBJECTUNIT4NUMVACANT", "289|5");
  SetAlias("SUBJECTBASEMENT", "290|1");
  SetAlias("SUBJECTFUNCTIONAL", "291|1");
  SetAlias("SUBJECTHEATINGCOOL", "292|1");
  SetAlias("SUBJECTPARKING", "293|1");
  SetAlias("SUBJECTPROJAMEN", "294|1");
  SetAlias("SUBJECTPROJAMEN2", "295|1");
  // The unlabeled line's label, then the subject's entry
  SetAlias("SALESCOMPUNLABELED", "296|1");
  SetAlias("SUBJECTUNLABELEDDESC", "296|2");
  SetAlias("SUBJECTPRIORSALEDT", "306|1");
  SetAlias("SUBJECTPRIORSALEPRICE", "307|1");
  SetAlias("SUBJECTPRIORSALEDATA", "308|1");
  SalesColumn(1);
  SalesColumn(2);
  SalesColumn(3);
  ParseExtended("COMMENTSALESCOMPARE", "301|1", true);
  ParseExtended("ANALYSISCURRENTAGREE", "310|1", true);

  // Income approach
  SetAlias("ESTMARKETRENT", "312|1");
  SetAlias("RENTMULTIPLIER", "312|2");
  SetAlias("INDICATEDVALUEINCOMETOT", "312|3");
  ParseExtended("COMMENTSINCOMEAPPROACH", "313|1", true);

  // Reconciliation
  SetAlias("INDICATEDVALUESALES", "315|1");
  SetAlias("RECONCILVALUEINCOME", "316|1");
  SetAlias("RECONCILVALUECOST", "317|1");
  CheckAlias("APPRAISALMADE", "318|1", "ASIS",
             {"318|2", "REPAIRSALTERATIONS", "318|3", "SUBJECTTOCOMPLETION"});
  ParseExtended("CONDITIONAPPRAISAL", "319|1", true);
  ParseExtended("FINALRECON", "322|1", true);
  SetAlias("FORMREVISED", "326|1");
  SetAlias("ESTMARKETVALUEDT", "327|1");
  SetAlias("ESTMARKETVALUE", "328|1");

  // Signatures: the appraiser, then the supervisory appraiser, then the inspection
  SetAlias("APPRAISER", "331|1");
  SetAlias("APPRAISERDTSIGNED", "332|1");
  SetAlias("APPRAISERSTATECERTNUM", "333|1");
  SetAlias("APPRAISERCERTSTATEPROV", "333|2");
  SetAlias("APPRAISERSTATELICNUM", "334|1");
  SetAlias("APPRAISERLICSTATEPROV", "334|2");
  SetAlias("SUPAPPRAISER", "331|2");
  SetAlias("SUPAPPRAISERDTSIGNED", "332|2");
  SetAlias("SUPAPPRAISERSTATECERTNUM", "333|3");
  SetAlias("SUPAPPRAISERCERTSTATEPROV", "333|4");
  SetAlias("SUPAPPRAISERSTATELICNUM", "334|3");
  SetAlias("SUPAPPRAISERLICSTATEPROV", "334|4");
  CheckAlias("INSPECTSUBJECTPROP", "330|3", "DID", {"330|4", "DIDNOT"});
}

}  // namespace ombrel
