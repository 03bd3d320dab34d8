// The main-form table of the 2055 family, apart from the sales comparison grid.
#include "translators/form2055/form2055_family.h"

namespace ombrel {

void Form2055Family::EntrainMain() {
  Opening();
  Subject();
  Neighborhood();
  Site();
  PropertyDescriptionSources();
  Improvements();
  ComparableSalesAndListings();
  SalesComparison();
  Reconciliation();
  PudProject();
  CondoProject();
  Appraiser();
  SupervisoryAppraiser();
}

void Form2055Family::Title() { SetAlias("TITLE", "3|1"); }

// Title and the signer blocks of the report profile.
void Form2055Family::Opening() {
  Title();
  ProcessAppraiserInfo(1, 1, FormName());
  ProcessAppraiserInfo(2, 2, FormName());
  ProcessOffscrn();
  AfterReportProfile();
}

// Subject and sale, lines 6 to 12.
void Form2055Family::Subject() {
  SetAlias("PROPADDR", "6|1");
  SetAlias("CITY", "6|2");
  SetAlias("STATEPROV", "6|3");
  SetAlias("ZIP", "6|4");
  ParseExtended("LEGALDESC", "7|1", true);
  SetAlias("COUNTY", "7|2");
  SetAlias("ASSESPARCELNUM", "8|1");
  SetAlias("TAXYEAR", "8|2");
  SetAlias("RETAXES", "8|3");
  SetAlias("SPECIALASSESS", "8|4");
  SetAlias("BORROWER", "9|1");
  SetAlias("CURRENTOWNER", "9|2");
  CheckAlias("CURRENTOCCUPANT", "9|3", "OWNER", {"9|4", "TENANT", "9|5", "VACANT"});
  SetAlias("NBRHOODPROJNM", "10|1");
  CheckAlias("PROJTYPE", "10|2", "PUD", {"10|3", "CONDO"});
  SetAlias("HOMEOWNERASSNFEE", "10|4");
  SetAlias("SALESPRICE", "11|1");
  SetAlias("SALEDT", "11|2");
  SetAlias("LOANCHARGEDESC", "11|3");
  CheckAlias("PROPRIGHTS", "12|1", "FEESIMPLE", {"12|2", "LEASEHOLD"});
  SetAlias("MAPREF", "12|3");
  SetAlias("CENSUSTRACT", "12|4");
}

// Neighborhood, lines 14 to 19.
void Form2055Family::Neighborhood() {
  CheckAlias("LOCATION", "14|1", "URBAN", {"14|2", "SUBURBAN", "14|3", "RURAL"});
  CheckAlias("BUILTUP", "15|1", "OVER 75%", {"15|2", "25-75%", "15|3", "UNDER 25%"});
  CheckAlias("GROWTHRATE", "16|1", "RAPID", {"16|2", "STABLE", "16|3", "SLOW"});
  CheckAlias("PROPVALUES", "14|4", "INCREASING", {"14|5", "STABLE", "14|6", "DECLINING"});
  CheckAlias("DEMANDSUPPLY", "15|4", "SHORTAGE", {"15|5", "INBALANCE", "15|6", "OVERSUPPLY"});
  CheckAlias("MARKETINGTIME", "16|4", "UNDER 3 MOS.",
             {"16|5", "3-6 MOS.", "16|6", "OVER 6 MOS."});
  ParseExtended("NBRHOODBOUNDARIES", "17|1", true);
  // Price and age ranges, one column each: low on line 16, high on line 17,
  // predominant on line 19. The condominium tags spell "PREDOMINATE".
  SetAlias("SINGLEFAMPRICELOW", "16|7");
  SetAlias("SINGLEFAMPRICEHIGH", "17|2");
  SetAlias("PRICEPREDOMINANT", "19|2");
  SetAlias("SINGLEFAMAGELOW", "16|8");
  SetAlias("SINGLEFAMAGEHIGH", "17|3");
  SetAlias("AGEPREDOMINANT", "19|3");
  SetAlias("CONDOPRICELOW", "16|9");
  SetAlias("CONDOPRICEHIGH", "17|4");
  SetAlias("CONDOPRICEPREDOMINATE", "19|4");
  SetAlias("CONDOAGELOW", "16|10");
  SetAlias("CONDOAGEHIGH", "17|5");
  SetAlias("CONDOAGEPREDOMINATE", "19|5");
}

// Site, lines 20 to 27. The three descriptions that explain a ticked box go
// to the extended comments addendum at the box's own address.
void Form2055Family::Site() {
  SetAlias("DIMENSIONS", "20|1");
  SetAlias("SITEAREA", "20|2");
  SetAlias("SHAPE", "20|3");
  SetAlias("SPECIFICZONING", "21|1");
  CheckAlias("ZONINGCOMPLIANCE", "22|1", "LEGAL",
             {"22|2", "LEGALNONCONFORMING", "22|3", "ILLEGAL", "22|4", "NOZONING"});
  CheckAlias("HIGHESTBESTUSE", "23|1", "PRESENTUSE", {"23|2", "OTHER"});
  ParseExtended("HIGHESTBESTUSEDESC", "23|2", false);
  CheckAlias("ELECTRICPUBLIC", "25|1", "ON", {});
  SetAlias("ELECTRICOTHER", "25|2");
  CheckAlias("GASPUBLIC", "26|1", "ON", {});
  SetAlias("GASOTHER", "26|2");
  CheckAlias("WATERPUBLIC", "25|3", "ON", {});
  SetAlias("WATEROTHER", "25|4");
  CheckAlias("SANITARYSEWERPUBLIC", "26|3", "ON", {});
  SetAlias("SANITARYSEWEROTHER", "26|4");
  SetAlias("STREETTYPE", "25|5");
  CheckAlias("STREETPUBPRIV", "25|6", "PUBLIC", {"25|7", "PRIVATE"});
  SetAlias("ALLEYTYPE", "26|5");
  CheckAlias("ALLEYPUBPRIV", "26|6", "PUBLIC", {"26|7", "PRIVATE"});
  CheckAlias("APPARENTCONDITIONS", "27|1", "YES", {"27|2", "NO"});
  ParseExtended("APPARENTCONDITIONSDESC", "27|1", false);
}

// Sources of the property description, lines 28 and 29.
void Form2055Family::PropertyDescriptionSources() {
  CheckAlias("INTERIOREXTERIORINSPECT", "28|1", "ON", {});
  CheckAlias("EXTERIORINSPECT", "28|2", "ON", {});
  CheckAlias("PREVIOUSAPPREPORT", "28|3", "ON", {});
  CheckAlias("MLS", "29|1", "ON", {});
  CheckAlias("ASSMENTTAXRECORDS", "29|2", "ON", {});
  CheckAlias("PRIORINSPECT", "29|3", "ON", {});
  CheckAlias("PROPOWNER", "29|4", "ON", {});
  CheckAlias("PROPCHAROTHER", "29|5", "ON", {});
  ParseExtended("PROPCHAROTHERDESC", "29|6", true);
}

// Improvements, lines 30 to 35.
void Form2055Family::Improvements() {
  SetAlias("GENERALNUMSTORIES", "30|1");
  SetAlias("GENERALTYPE", "30|2");
  SetAlias("EXTERIORWALLS", "30|3");
  SetAlias("EXTERIORROOFSURFACE", "30|4");
  CheckAlias("EXTERIORMANUFACTUREDHOUSE", "30|5", "YES", {"30|6", "NO"});
  CheckAlias("PROPCONFORMNBRHOOD", "31|1", "YES", {"31|2", "NO"});
  ParseExtended("PROPCONFORMNBRHOODDESC", "31|2", false);
  CheckAlias("PHYSICALDEFICIENCIES", "33|1", "YES", {"33|2", "NO"});
  ParseExtended("PHYSICALDEFICIENCIESDESC", "33|3", true);
  CheckAlias("COMMENTADVERSECONDYESNO", "35|1", "YES", {"35|2", "NO"});
  ParseExtended("COMMENTADVERSECONDITIONS", "35|3", true);
}

// Counts and price ranges of comparable sales and listings, lines 37 and 38.
void Form2055Family::ComparableSalesAndListings() {
  SetAlias("NUMCOMPSALES", "37|1");
  SetAlias("COMPSALESPRICELOW", "37|2");
  SetAlias("COMPSALESPRICEHIGH", "37|3");
  SetAlias("NUMCOMPLISTINGS", "38|1");
  SetAlias("COMPLISTINGPRICELOW", "38|2");
  SetAlias("COMPLISTINGPRICEHIGH", "38|3");
}

void Form2055Family::AppraisalMade() {
  CheckAlias("APPRAISALMADE", "79|1", "ASIS",
             {"79|2", "SUBJECTTOCOMPLETION", "80|1", "REPAIRSALTERATIONS"});
  ParseExtended("CONDITIONAPPRAISAL", "80|2", true);
}

// Reconciliation, lines 79 to 82.
void Form2055Family::Reconciliation() {
  AppraisalMade();
  CheckAlias("APPRAISERINSPECT", "81|1", "EXTERIOR", {"81|2", "INTERIOREXTERIOR"});
  SetAlias("ESTMARKETVALUE", "82|1");
  SetAlias("ESTMARKETVALUEDT", "82|2");
  AfterMarketValue();
}

// PUD information, lines 88 to 97.
void Form2055Family::PudProject() {
  CheckAlias("PUDDEVELOPBUILD", "88|1", "YES", {"88|2", "NO"});
  SetAlias("TOTNUMPHASES", "90|1");
  SetAlias("TOTNUMUNITS", "90|2");
  SetAlias("TOTNUMUNITSSOLD", "90|3");
  SetAlias("TOTNUMUNITSRENTED", "91|1");
  SetAlias("TOTNUMUNITSFORSALE", "91|2");
  SetAlias("UNITSDATASRC", "91|3");
  CheckAlias("CONVERSIONEXISTING", "92|1", "YES", {"92|2", "NO"});
  SetAlias("PUDCONVERSIONDT", "92|3");
  CheckAlias("MULTIDWELLINGUNITS", "93|1", "YES", {"93|2", "NO"});
  SetAlias("MULTIDWELLINGDATASRC", "93|3");
  CheckAlias("COMMONELEMCOMPLETED", "94|1", "YES", {"94|2", "NO"});
  ParseExtended("STATUSOFCOMPLETION", "94|3", true);
  CheckAlias("COMMONELEMLEASED", "96|1", "YES", {"96|2", "NO"});
  ParseExtended("ELEMENTSRECREATIONAL", "97|1", true);
}

// Condominium project information, lines 99 to 110.
void Form2055Family::CondoProject() {
  CheckAlias("CONDODEVELOPBUILD", "99|1", "YES", {"99|2", "NO"});
  SetAlias("CONDOTOTNUMPHASES", "101|1");
  SetAlias("CONDOTOTNUMUNITS", "101|2");
  SetAlias("CONDOTOTNUMUNITSSOLD", "101|3");
  SetAlias("CONDOTOTNUMUNITSRENTED", "102|1");
  SetAlias("CONDOTOTNUMUNITSFORSALE", "102|2");
  SetAlias("CONDOUNITSDATASRC", "102|3");
  CheckAlias("CONDOCONVERSIONEXISTING", "103|1", "YES", {"103|2", "NO"});
  SetAlias("CONDOCONVERSIONDT", "103|3");
  CheckAlias("CONDOPROJTYPE", "104|1", "PRIMARYRESIDENCE", {"104|2", "SECONDHOMERECREATIONAL"});
  CheckAlias("CONDOTYPE", "104|3", "ROWTOWNHOUSE",
             {"104|4", "GARDEN", "104|5", "MIDRISE", "104|6", "HIGHRISE", "104|7", "OTHER"});
  SetAlias("CONDOTYPEDESC", "104|8");
  ParseExtended("CONDOPROJCONDITION", "105|1", true);
  CheckAlias("CONDOCOMMONELEMCOMPLETED", "107|1", "YES", {"107|2", "NO"});
  ParseExtended("CONDOSTATUSOFCOMPLETION", "107|3", true);
  CheckAlias("CONDOCOMMONELEMLEASED", "109|1", "YES", {"109|2", "NO"});
  ParseExtended("CONDOELEMRECREATIONAL", "110|1", true);
  AfterCondoProject();
}

// The appraiser's column (field 1 of lines 230 to 238), the appraised
// property and the lender. Line 237 holds the state of whichever of the
// licence and the certificate the order holds; with both or neither, the
// certificate's state and, when they differ, an ellipsis and the licence's.
void Form2055Family::Appraiser() {
  SetAlias("APPRAISER", "230|1");
  SetAlias("APPRAISERCONAME", "231|1");
  SetAlias("APPRAISERSTREET", "232|1");
  ParseAddress("233|1", "APPRAISERCITY", "APPRAISERSTATEPROV", "APPRAISERZIP", "", "");
  SetAlias("APPRAISERDTSIGNED", "234|1");
  SetAlias("APPRAISERSTATECERTNUM", "235|1");
  SetAlias("APPRAISERSTATELICNUM", "236|1");
  LicenceSelect(1, "237|1", kNoNumberCell, "…", kCertificateFirst);
  SetAlias("APPRAISERLICCERTEXPDT", "238|1");
  SetAlias("APPRAISEDPROPADDR", "241|1");
  SetAlias("APPRAISEDVALUE", "243|1");
  SetAlias("EFFECTIVEDT", "244|1");
  SetAlias("LENDERCLIENT", "247|1");
  SetAlias("LENDERCLIENTCONAME", "248|1");
  ParseAddress("249|1", "LENDERCLIENTCITY", "LENDERCLIENTSTATEPROV", "LENDERCLIENTZIP",
               "LENDERCLIENTSTREET", "");
}

// The supervisory appraiser's column (field 2 of lines 230 to 238) and the
// inspection boxes. The order names its signing date "SUPSUPAPPRAISERDTSIGNED".
void Form2055Family::SupervisoryAppraiser() {
  SetAlias("SUPAPPRAISER", "230|2");
  SetAlias("SUPAPPRAISERCONAME", "231|2");
  SetAlias("SUPAPPRAISERSTREET", "232|2");
  ParseAddress("233|2", "SUPAPPRAISERCITY", "SUPAPPRAISERSTATEPROV", "SUPAPPRAISERZIP", "", "");
  SetAlias("SUPSUPAPPRAISERDTSIGNED", "234|2");
  SetAlias("SUPAPPRAISERSTATECERTNUM", "235|2");
  SetAlias("SUPAPPRAISERSTATELICNUM", "236|2");
  LicenceSelect(2, "237|2", kNoNumberCell, "…", kCertificateFirst);
  SetAlias("SUPAPPRAISERLICCERTEXPDT", "238|2");
  CheckAlias("INSPECTSUBJECTPROP", "242|2", "DIDNOT", {"243|2", "DID", "244|2", "DID2"});
  CheckAlias("INSPECTCOMPSALES", "246|1", "DIDNOT", {"247|2", "DID"});
}

}  // namespace ombrel
