// The main form "CIA": one pass over the order, section by section down the
// form. No call depends on another's result.
#include "translators/form1004/fm1075.h"

namespace ombrel {

void FM1075::EntrainMain() {
  // Title, then the signer blocks and the report profile
  SetAlias("TITLE", "3|1");
  ProcessAppraiserInfo(1, 1, FormName());
  ProcessAppraiserInfo(2, 2, FormName());
  ProcessOffscrn();

  // Subject
  SetAlias("PROPADDR", "5|1");
  SetAlias("CITY", "5|2");
  SetAlias("STATEPROV", "5|3");
  SetAlias("ZIP", "5|4");
  ParseExtended("LEGALDESC", "6|1", true);
  SetAlias("COUNTY", "6|2");
  SetAlias("UNITNUM", "6|3");
  SetAlias("NBRHOODPROJNM", "7|1");
  SetAlias("MAPREF", "7|2");
  SetAlias("CENSUSTRACT", "7|3");
  SetAlias("BORROWER", "8|1");
  SetAlias("CURRENTOWNER", "8|2");
  CheckAlias("CURRENTOCCUPANT", "9|1", "OWNER",
             {"9|2", "TENANT", "9|3", "TENANTREQUIRED", "9|4", "VACANT"});
  SetAlias("SUBJECTDATASRC", "10|1");
  SetAlias("SALESPRICE", "11|1");
  SetAlias("SALEDT", "11|2");
  SetAlias("LOANCHARGEDESC", "11|3");

  // Lender. The four blank writes address the lender's tag names themselves,
  // not fields of the form; they always run, before the address line.
  SetAlias("LENDERCLIENT", "12|1");
  WriteDirect("LENDERCLIENTSTREET", " ");
  WriteDirect("LENDERCLIENTCITY", " ");
  WriteDirect("LENDERCLIENTSTATEPROV", " ");
  WriteDirect("LENDERCLIENTZIP", " ");
  ParseAddress("12|2", "LENDERCLIENTCITY", "LENDERCLIENTSTATEPROV", "LENDERCLIENTZIP",
               "LENDERCLIENTSTREET", "");

  // Appraiser
  SetAlias("APPRAISER", "13|1");
  ParseAddress("13|2", "APPRAISERCITY", "APPRAISERSTATEPROV", "APPRAISERZIP", "APPRAISERSTREET",
               "APPRAISERADDR");

  // Neighborhood
  CheckAlias("LOCATION", "14|1", "URBAN", {"14|2", "SUBURBAN", "14|3", "RURAL"});
  // The built-up boxes begin at field 2 of their line.
  CheckAlias("BUILTUP", "15|2", "OVER 75%", {"15|3", "25-75%", "15|4", "UNDER 25%"});
  CheckAlias("GROWTHRATE", "16|1", "RAPID", {"16|2", "STABLE", "16|3", "SLOW"});
  CheckAlias("PROPVALUES", "17|1", "INCREASING", {"17|2", "STABLE", "17|3", "DECLINING"});
  CheckAlias("DEMANDSUPPLY", "18|1", "SHORTAGE", {"18|2", "INBALANCE", "18|3", "OVERSUPPLY"});
  CheckAlias("MARKETINGTIME", "19|1", "UNDER 3 MOS.", {"19|2", "3-6 MOS.", "19|3", "OVER 6 MOS."});

  // Neighborhood: co-operative occupancy, price and age
  CheckAlias("COOPOCCUPANCYOWNER", "16|4", "ON", {});
  CheckAlias("COOPOCCUPANCYTENANT", "17|4", "ON", {});
  CheckAlias("COOPOCCUPANCYVACANTA", "18|4", "ON", {});
  CheckAlias("COOPOCCUPANCYVACANTB", "19|4", "ON", {});
  SetAlias("COOPPRICELOW", "16|5");
  SetAlias("COOPPRICEHIGH", "17|5");
  SetAlias("COOPPRICEPREDOMINANT", "19|5");
  SetAlias("COOPAGELOW", "16|6");
  SetAlias("COOPAGEHIGH", "17|6");
  SetAlias("COOPAGEPREDOMINANT", "19|6");

  // Neighborhood: condominium occupancy, price and age. The form puts the
  // first vacancy box at 18|5, out of line with its twins in field 7.
  CheckAlias("CONDOOCCUPANCYOWNER", "16|7", "ON", {});
  CheckAlias("CONDOOCCUPANCYTENANT", "17|7", "ON", {});
  CheckAlias("CONDOOCCUPANCYVACANTA", "18|5", "ON", {});
  CheckAlias("CONDOOCCUPANCYVACANTB", "19|7", "ON", {});
  SetAlias("CONDOPRICELOW", "16|8");
  SetAlias("CONDOPRICEHIGH", "17|8");
  // "PREDOMINATE" (not "PREDOMINANT") is the order's own spelling of these two tags.
  SetAlias("CONDOPRICEPREDOMINATE", "19|8");
  SetAlias("CONDOAGELOW", "16|9");
  SetAlias("CONDOAGEHIGH", "17|9");
  SetAlias("CONDOAGEPREDOMINATE", "19|9");

  // Neighborhood: land use, boundaries, marketability and market conditions
  SetAlias("LANDUSEONEFAM", "20|2");
  SetAlias("LANDUSETWOFOURFAM", "20|3");
  SetAlias("LANDUSEAPARTMENTS", "20|4");
  SetAlias("LANDUSECONDOMINIUM", "20|5");
  SetAlias("LANDUSECOOPERATIVE", "20|6");
  SetAlias("LANDUSECOMMERCIAL", "20|7");
  SetAlias("LANDUSEINDUSTRIAL", "20|8");
  SetAlias("LANDUSEOTHER", "20|9");
  CheckAlias("LANDUSECHANGE", "21|1", "NOTLIKELY", {"21|2", "LIKELY", "21|3", "INPROCESS"});
  ParseExtended("LANDUSECHANGETO", "21|4", true);
  ParseExtended("NBRHOODBOUNDARIES", "23|1", true);
  ParseExtended("FACTORSMARKETABILITY", "27|1", true);
  ParseExtended("MARKETCONDITIONS", "33|1", true);

  // Site: zoning and highest and best use
  ParseExtended("SPECIFICZONING", "37|1", true);
  CheckAlias("ZONINGCOMPLIANCE", "38|1", "LEGAL",
             {"38|2", "LEGALNONCONFORMING", "38|3", "ILLEGAL", "38|4", "NOZONING"});
  CheckAlias("HIGHESTBESTUSE", "39|1", "PRESENTUSE", {"39|2", "OTHER"});
  SetAlias("HIGHESTBESTUSEDESC", "39|3");

  // Site: utilities
  CheckAlias("ELECTRICPUBLIC", "41|1", "ON", {});
  SetAlias("ELECTRICOTHER", "41|2");
  CheckAlias("GASPUBLIC", "42|1", "ON", {});
  SetAlias("GASOTHER", "42|2");
  CheckAlias("WATERPUBLIC", "43|1", "ON", {});
  SetAlias("WATEROTHER", "43|2");
  CheckAlias("SANITARYSEWERPUBLIC", "44|1", "ON", {});
  SetAlias("SANITARYSEWEROTHER", "44|2");
  CheckAlias("STORMSEWERPUBLIC", "45|1", "ON", {});
  SetAlias("STORMSEWEROTHER", "45|2");

  // Site: off-site improvements
  SetAlias("STREETTYPE", "41|3");
  CheckAlias("STREETPUBPRIV", "41|4", "PUBLIC", {"41|5", "PRIVATE"});
  SetAlias("CURBGUTTERTYPE", "42|3");
  CheckAlias("CURBGUTTERPUBPRIV", "42|4", "PUBLIC", {"42|5", "PRIVATE"});
  SetAlias("SIDEWALKTYPE", "43|3");
  CheckAlias("SIDEWALKPUBPRIV", "43|4", "PUBLIC", {"43|5", "PRIVATE"});
  SetAlias("STREETLIGHTTYPE", "44|3");
  CheckAlias("STREETLIGHTPUBPRIV", "44|4", "PUBLIC", {"44|5", "PRIVATE"});
  SetAlias("ALLEYTYPE", "45|3");
  CheckAlias("ALLEYPUBPRIV", "45|4", "PUBLIC", {"45|5", "PRIVATE"});

  // Site: topography, size, drainage, easements and flood hazard
  SetAlias("TOPOGRAPHY", "37|2");
  SetAlias("SIZE", "38|5");
  SetAlias("DENSITY", "39|4");
  SetAlias("VIEW", "40|1");
  SetAlias("DRAINAGE", "41|6");
  SetAlias("APPARENTEASEMENTS", "42|6");
  CheckAlias("FEMAFLOODHAZARD", "43|6", "YES", {"43|7", "NO"});
  SetAlias("FEMAZONE", "44|6");
  SetAlias("MAPDT", "44|7");
  SetAlias("FEMAMAPNUM", "45|6");
  ParseExtended("COMMENTSAPPARENT", "46|1", true);

  // Project: general description
  SetAlias("GENERALNUMUNITS", "50|1");
  SetAlias("GENERALNUMBLDGS", "51|1");
  SetAlias("GENERALNUMSTORIES", "52|1");
  SetAlias("GENERALNUMELEVATORS", "53|1");
  SetAlias("GENERALEXISTING", "49|1");
  SetAlias("GENERALAGEYRS", "50|2");
  SetAlias("GENERALCONDITION", "51|2");
  SetAlias("ORIGUSE", "52|2");
  SetAlias("CONVERSIONDT", "53|2");

  // Project: parking
  SetAlias("PARKINGNUMPARKING", "49|2");
  SetAlias("PARKINGRATIO", "50|3");
  SetAlias("PARKINGTYPE", "51|3");
  Combine("52|3", "  ", 1, {"PARKINGUNLABELED", "PARKINGUNLABELEDDESC"});
  SetAlias("PARKINGGUESTPARKING", "53|3");

  // Project: exterior
  SetAlias("EXTERIORWALLS", "50|4");
  SetAlias("EXTERIORROOFSURFACE", "51|4");
  SetAlias("EXTERIORWINDOWTYPE", "52|4");
  Combine("53|4", "  ", 1, {"EXTERIORUNLABELED", "EXTERIORUNLABELEDDESC"});

  // Project: type, condition, amenities and completion
  CheckAlias("CONDOPROJTYPE", "54|1", "PRIMARYRESIDENCE",
             {"54|2", "SECONDHOMERECREATIONAL", "54|3", "OTHER"});
  SetAlias("CONDOPROJTYPEDESC", "54|4");
  CheckAlias("COOPPROJ", "55|1", "YES", {"55|2", "NO"});
  ParseExtended("COOPPROJDESC", "55|3", true);
  ParseExtended("CONDOPROJCONDITION", "56|1", true);
  ParseExtended("PROJAMENITIES", "59|1", true);
  CheckAlias("UNITSCOMPLETED", "62|1", "YES", {"62|2", "NO"});
  ParseExtended("UNITSCOMPLETEDDESC", "62|3", true);

  // Unit: rooms
  SetAlias("ABOVEGRADEROOMS", "64|1");
  SetAlias("ABOVEGRADEBEDROOMS", "64|2");
  SetAlias("ABOVEGRADEBATHS", "64|3");
  SetAlias("ABOVEGRADEAREASQFT", "64|4");
  SetAlias("BELOWGRADEROOMS", "65|1");
  SetAlias("BELOWGRADEBEDROOMS", "65|2");
  SetAlias("BELOWGRADEBATHS", "65|3");
  SetAlias("BELOWGRADEAREASQFT", "65|4");

  // Unit: interior, heating and cooling
  SetAlias("GENERALFLOORNUM", "67|1");
  SetAlias("GENERALNUMLEVELS", "68|1");
  SetAlias("INTERIORFLOORS", "70|1");
  SetAlias("INTERIORWALLS", "71|1");
  SetAlias("INTERIORBATHFLOOR", "72|1");
  SetAlias("INTERIORBATHWAINSCOT", "73|1");
  SetAlias("HEATINGTYPE", "67|2");
  SetAlias("HEATINGFUEL", "68|2");
  SetAlias("HEATINGCONDITION", "69|1");
  SetAlias("COOLINGCENTRAL", "71|2");
  SetAlias("COOLINGOTHER", "72|2");
  SetAlias("COOLINGCONDITION", "73|2");

  // Unit: kitchen equipment
  CheckAlias("KITCHENEQUIPREFRIG", "67|3", "ON", {});
  CheckAlias("KITCHENEQUIPRANGEOVEN", "68|3", "ON", {});
  CheckAlias("KITCHENEQUIPDISPOSAL", "69|2", "ON", {});
  CheckAlias("KITCHENEQUIPDISHWASHER", "70|2", "ON", {});
  CheckAlias("KITCHENEQUIPFANHOOD", "71|3", "ON", {});
  CheckAlias("KITCHENEQUIPMICROWAVE", "72|3", "ON", {});
  CheckAlias("KITCHENEQUIPWASHERDRYER", "73|3", "ON", {});

  // Unit: amenities
  SetAlias("AMENITIESFIREPLACENUM", "67|4");
  CheckAlias("AMENITIESFIREPLACE", "67|5", "ON", {});
  SetAlias("AMENITIESPATIODESC", "68|4");
  CheckAlias("AMENITIESPATIO", "68|5", "ON", {});
  SetAlias("AMENITIESBALCONYDESC", "69|3");
  CheckAlias("AMENITIESBALCONY", "69|4", "ON", {});
  SetAlias("AMENITIESDECKDESC", "70|3");
  CheckAlias("AMENITIESDECK", "70|4", "ON", {});
  SetAlias("AMENITIESPORCHDESC", "71|4");
  CheckAlias("AMENITIESPORCH", "71|5", "ON", {});
  SetAlias("AMENITIESTERRACEDESC", "72|4");
  CheckAlias("AMENITIESTERRACE", "72|5", "ON", {});
  Combine("73|4", "  ", 1, {"AMENITIESUNLABELEDNAME", "AMENITIESUNLABELEDDESC"});
  CheckAlias("AMENITIESUNLABELED", "73|5", "ON", {});

  // Unit: car storage
  CheckAlias("CARSTORAGENONE", "67|6", "ON", {});
  CheckAlias("CARSTORAGEGARAGE", "68|6", "ON", {});
  SetAlias("CARSTORAGEGARAGENUMCARS", "69|5");
  CheckAlias("CARSTORAGEOPEN", "70|5", "ON", {});
  SetAlias("CARSTORAGEOPENNUMCARS", "71|6");
  SetAlias("CARSTORAGEPARKINGNUM", "72|6");
  SetAlias("CARSTORAGEASSIGNEDOWNED", "73|6");

  // Unit: insulation
  SetAlias("INSULATIONROOFTYPE", "67|7");
  CheckAlias("INSULATIONROOF", "67|8", "ON", {});
  SetAlias("INSULATIONCEILINGTYPE", "68|7");
  CheckAlias("INSULATIONCEILING", "68|8", "ON", {});
  SetAlias("INSULATIONWALLSTYPE", "69|6");
  CheckAlias("INSULATIONWALLS", "69|7", "ON", {});
  SetAlias("INSULATIONFLOORTYPE", "70|6");
  CheckAlias("INSULATIONFLOOR", "70|7", "ON", {});
  SetAlias("INSULATIONNONETYPE", "71|7");
  CheckAlias("INSULATIONNONE", "71|8", "ON", {});
  SetAlias("INSULATIONUNKNOWNTYPE", "72|7");
  CheckAlias("INSULATIONUNKNOWN", "72|8", "ON", {});
  Combine("73|7", "  ", 1, {"INSULATIONUNLABELEDNAME", "INSULATIONUNLABELEDTYPE"});
  CheckAlias("INSULATIONUNLABELEDVALUE", "73|8", "ON", {});

  // Unit: comments
  ParseExtended("COMMENTCONDITIONIMPROVE", "74|1", true);
  ParseExtended("COMMENTADVERSECONDITIONS", "81|1", true);

  // Unit charges
  SetAlias("NUMSHARESATTRIBUTABLE", "88|1");
  SetAlias("SHARESMOMAINTENANCE", "88|2");
  SetAlias("MOMAINTENANCE", "89|1");
  SetAlias("ANNUALMAINTENANCE", "89|2");
  SetAlias("ANNUALASSESSMENT", "90|1");
  SetAlias("PRORATAPROJBLANKETFIN", "91|1");
  SetAlias("PRORATALIEN", "92|1");
  CheckAlias("COMPAREDCHARGE", "93|1", "HIGH", {"93|2", "TYPICAL", "93|3", "LOW"});
  ParseExtended("COMMENTCOMPATIBILITY", "94|1", true);

  // Utilities included in the charges
  CheckAlias("UTILITIESINCLUDNONE", "98|1", "ON", {});
  CheckAlias("UTILITIESINCLUDHEAT", "98|2", "ON", {});
  CheckAlias("UTILITIESINCLUDAIR", "98|3", "ON", {});
  CheckAlias("UTILITIESINCLUDELECTRIC", "98|4", "ON", {});
  CheckAlias("UTILITIESINCLUDGAS", "98|5", "ON", {});
  CheckAlias("UTILITIESINCLUDWATER", "98|6", "ON", {});
  CheckAlias("UTILITIESINCLUDSEWER", "98|7", "ON", {});
  ParseExtended("COMMENTUTILITIES", "99|1", true);

  // Other fees, ground rent and management
  ParseExtended("OTHERFEES", "103|1", true);
  CheckAlias("GROUNDRENT", "106|1", "YES", {"106|2", "NO"});
  SetAlias("GROUNDRENTAMT", "106|3");
  ParseExtended("GROUNDRENTTERMS", "106|4", true);
  CheckAlias("MGMTGROUP", "109|1", "MGMTAGENT",
             {"109|3", "SPONSORDEVELOPER", "109|4", "COOPERATIVEBOARD"});
  SetAlias("MGMTAGENTIDENTIFY", "109|2");
  CheckAlias("MGMTQUALITY", "110|1", "ADEQUATE", {"110|2", "INADEQUATE"});
  ParseExtended("MARKETABILITY", "111|1", true);

  // Data sources; the three source lines are joined by a carriage return alone.
  CheckAlias("DATASRCMGMTAGENT", "114|1", "ON", {});
  CheckAlias("DATASRCCOOPBOARD", "115|1", "ON", {});
  CheckAlias("DATASRCSPONSORDEV", "115|2", "ON", {});
  CheckAlias("DATASRCOTHER", "115|3", "ON", {});
  SetAlias("DATASRCOTHERDESC", "115|4");
  Combine("117|1", "\r", 0, {"DATASRC(1)INFO", "DATASRC(2)INFO", "DATASRC(3)INFO"});

  // Project particulars: shares, sponsor, leased facilities, tax abatement,
  // stock transfer and ownership
  Combine("120|1", "  ", 0, {"SHARESNUMISSUED", "SHARESNUMOUTSTANDING"});
  CheckAlias("SPONSORBUILDDEVCONTROL", "121|1", "YES", {"121|2", "NO"});
  CheckAlias("SPONSORBUILDDEVOFFER", "123|1", "YES", {"123|2", "NO"});
  ParseExtended("SPONSORBUILDDEVOFFERDESC", "123|3", true);
  CheckAlias("PROJFACILITIESLEASED", "127|1", "YES", {"127|2", "NO"});
  ParseExtended("PROJFACILITIESLEASEDDESC", "128|1", true);
  CheckAlias("TAXABATEMENTEXEMPT", "131|1", "YES", {"131|2", "NO"});
  ParseExtended("TAXABATEMENTEXEMPTDESC", "132|1", true);
  CheckAlias("STOCKTRANSFERFEE", "135|1", "YES", {"135|2", "NO"});
  ParseExtended("STOCKTRANSFERFEEDESC", "136|1", true);
  SetAlias("DELINQUENTPAYMENT", "138|1");
  CheckAlias("STOCKOWNERSHIP", "140|1", "YES", {"140|2", "NO"});
  ParseExtended("STOCKOWNERSHIPDESC", "140|3", true);

  // Liens: first
  SetAlias("FIRSTLIENTYPE", "147|1");
  SetAlias("FIRSTMORTGAGEBAL", "148|1");
  SetAlias("FIRSTBALLOONMORTGAGE", "149|1");
  SetAlias("FIRSTREMAININGTERM", "150|1");
  SetAlias("FIRSTMOPAYMENT", "151|1");
  SetAlias("FIRSTINTERESTRATE", "152|1");
  SetAlias("FIRSTFIXEDVARRATE", "153|1");
  SetAlias("FIRSTLIENHOLDER", "154|1");

  // Liens: second
  SetAlias("SECONDLIENTYPE", "147|2");
  SetAlias("SECONDMORTGAGEBAL", "148|2");
  SetAlias("SECONDBALLOONMORTGAGE", "149|2");
  SetAlias("SECONDREMAININGTERM", "150|2");
  SetAlias("SECONDMOPAYMENT", "151|2");
  SetAlias("SECONDINTERESTRATE", "152|2");
  SetAlias("SECONDFIXEDVARRATE", "153|2");
  SetAlias("SECONDLIENHOLDER", "154|2");

  // Liens: other
  SetAlias("OTHERLIENPRIORITY", "145|1");
  SetAlias("OTHERLIENTYPE", "147|3");
  SetAlias("OTHERMORTGAGEBAL", "148|3");
  SetAlias("OTHERBALLOONMORTGAGE", "149|3");
  SetAlias("OTHERREMAININGTERM", "150|3");
  SetAlias("OTHERMOPAYMENT", "151|3");
  SetAlias("OTHERINTERESTRATE", "152|3");
  SetAlias("OTHERFIXEDVARRATE", "153|3");
  SetAlias("OTHERLIENHOLDER", "154|3");

  // Project occupancy: units, then the whole project
  SetAlias("OWNEROCCUPIEDUNITS", "158|2");
  SetAlias("OWNEROCCUPIEDPROJ", "158|3");
  SetAlias("SPONSORDEVVACANTUNITS", "159|2");
  SetAlias("SPONSORDEVVACANTPROJ", "159|3");
  SetAlias("SPONSORDEVMARKETUNITS", "160|2");
  SetAlias("SPONSORDEVMARKETPROJ", "160|3");
  SetAlias("SPONSORDEVREGULARUNITS", "161|2");
  SetAlias("SPONSORDEVREGULARPROJ", "161|3");
  SetAlias("INVESTORVACANTUNITS", "162|2");
  SetAlias("INVESTORVACANTPROJ", "162|3");
  SetAlias("INVESTORMARKETUNITS", "163|2");
  SetAlias("INVESTORMARKETPROJ", "163|3");
  SetAlias("INVESTORREGULARUNITS", "164|2");
  SetAlias("INVESTORREGULARPROJ", "164|3");
  SetAlias("PROJOCCUPANCYUNITS", "165|2");
  SetAlias("PROJOCCUPANCYPROJ", "165|3");

  // Sales comparison: the subject column. It has no cells on lines 178,
  // 184 to 186 and 212 to 214.
  Combine("175|1", ", #", 0, {"SUBJECTADDRSTREET", "SUBJECTUNITNUM"});
  ParseAddress("176|1", "SUBJECTADDRCITY", "SUBJECTADDRSTATEPROV", "SUBJECTADDRZIP", "", "");
  SetAlias("SUBJECTPROJNAME", "177|1");
  SetAlias("SUBJECTSALESPRICE", "179|1");
  SetAlias("SUBJECTPRICEGROSSLIVING", "180|1");
  SetAlias("SUBJECTDATA", "181|1");
  SetAlias("SUBJECTVERIFICATION", "182|1");
  SetAlias("SUBJECTLOCATION", "187|1");
  SetAlias("SUBJECTVIEW", "188|1");
  SetAlias("SUBJECTFLOORLOCATION", "189|1");
  SetAlias("SUBJECTHOAASSESSMENT", "190|1");
  SetAlias("SUBJECTPROJAMEN", "191|1");
  SetAlias("SUBJECTPROJAMEN2", "192|1");
  SetAlias("SUBJECTPROJSECURITY", "193|1");
  SetAlias("SUBJECTPROJSECURITY2", "194|1");
  SetAlias("SUBJECTDESIGNSTYLE", "195|1");
  SetAlias("SUBJECTAGEYRS", "196|1");
  SetAlias("SUBJECTCONDITION", "197|1");
  SetAlias("SUBJECTREMODELING", "198|1");
  SetAlias("SUBJECTREMODELING2", "199|1");
  SetAlias("SUBJECTROOMTOT", "201|1");
  SetAlias("SUBJECTBEDROOMS", "201|2");
  SetAlias("SUBJECTBATH", "201|3");
  SetAlias("SUBJECTLIVINGSQFT", "202|1");
  SetAlias("SUBJECTBASEMENT", "203|1");
  SetAlias("SUBJECTFUNCTIONAL", "204|1");
  SetAlias("SUBJECTHEATINGCOOL", "205|1");
  SetAlias("SUBJECTENERGYEFF", "206|1");
  SetAlias("SUBJECTGARAGE", "207|1");
  SetAlias("SUBJECTPORCHPATIO", "208|1");
  SetAlias("SUBJECTFIREPLACE", "209|1");
  // The names of the two unlabelled rows stand in the subject's first field.
  SetAlias("SALESCOMPUNLABELED", "210|1");
  SetAlias("SUBJECTUNLABELEDDESC", "210|2");
  SetAlias("SALESCOMPUNLABELEDTWO", "211|1");
  SetAlias("SUBJECTUNLABELEDTWODESC", "211|2");
  SetAlias("SUBJECTPRIORSALEDT", "223|1");
  SetAlias("SUBJECTPRIORSALEPRICE", "224|1");
  SetAlias("SUBJECTPRIORSALEDATA", "225|1");

  // Sales comparison: comparables 1 to 3, each unconditionally
  ComparableColumn(1);
  ComparableColumn(2);
  ComparableColumn(3);

  // Sales comparison comments and reconciliation
  ParseExtended("COMMENTSALESCOMPARE", "215|1", true);
  ParseExtended("ANALYSISCURRENTAGREE", "227|1", true);
  SetAlias("INDICATEDVALUESALES", "229|1");
  SetAlias("INDICATEDVALUEINCOMETOT", "230|1");
  SetAlias("INDICATEDVALUECOST", "231|1");
  CheckAlias("APPRAISALMADE", "232|1", "ASIS",
             {"232|2", "REPAIRSALTERATIONS", "232|3", "SUBJECTTOCOMPLETION"});
  ParseExtended("CONDITIONAPPRAISAL", "233|1", true);
  ParseExtended("FINALRECON", "235|1", true);

  // Certification and signatures
  SetAlias("FORMREVISED", "239|1");
  SetAlias("ESTMARKETVALUEDT", "241|1");
  SetAlias("ESTMARKETVALUE", "242|1");
  SetAlias("APPRAISER", "246|1");
  SetAlias("APPRAISERDTSIGNED", "247|1");
  SetAlias("APPRAISERSTATECERTNUM", "248|1");
  SetAlias("APPRAISERCERTSTATEPROV", "248|2");
  SetAlias("APPRAISERSTATELICNUM", "249|1");
  SetAlias("APPRAISERLICSTATEPROV", "249|2");
  SetAlias("SUPAPPRAISER", "246|2");
  SetAlias("SUPAPPRAISERDTSIGNED", "247|2");
  SetAlias("SUPAPPRAISERSTATECERTNUM", "248|3");
  SetAlias("SUPAPPRAISERCERTSTATEPROV", "248|4");
  SetAlias("SUPAPPRAISERSTATELICNUM", "249|3");
  SetAlias("SUPAPPRAISERLICSTATEPROV", "249|4");
  CheckAlias("INSPECTSUBJECTPROP", "245|3", "DID", {"245|4", "DIDNOT"});
}

}  // namespace ombrel
