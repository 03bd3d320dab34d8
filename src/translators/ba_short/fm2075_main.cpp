// The main form "2075": the signer blocks and report profile, then the form
// from the subject down to the two signature blocks. Every description text is
// written onto the form itself.
#include "translators/ba_short/fm2075.h"

namespace ombrel {

void FM2075::EntrainMain() {
  // Title, signer blocks and report profile; each signer block makes "2075" current again
  SetAlias("TITLE", "3|1");
  ProcessAppraiserInfo(1, 1, FormName());
  ProcessAppraiserInfo(2, 2, FormName());
  ProcessOffscrn();

  // Subject
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
  CheckAlias("PROPRIGHTS", "11|1", "FEESIMPLE", {"11|2", "LEASEHOLD"});
  SetAlias("MAPREF", "11|3");
  SetAlias("CENSUSTRACT", "11|4");

  // Neighbourhood
  CheckAlias("LOCATION", "12|1", "URBAN", {"12|2", "SUBURBAN", "12|3", "RURAL"});
  CheckAlias("BUILTUP", "13|1", "OVER 75%", {"13|2", "25-75%", "13|3", "UNDER 25%"});
  CheckAlias("GROWTHRATE", "14|1", "RAPID", {"14|2", "STABLE", "14|3", "SLOW"});
  CheckAlias("PROPVALUES", "12|4", "INCREASING", {"12|5", "STABLE", "12|6", "DECLINING"});
  CheckAlias("DEMANDSUPPLY", "13|4", "SHORTAGE", {"13|5", "INBALANCE", "13|6", "OVERSUPPLY"});
  CheckAlias("MARKETINGTIME", "14|4", "UNDER 3 MOS.", {"14|5", "3-6 MOS.", "14|6", "OVER 6 MOS."});
  ParseExtended("NBRHOODBOUNDARIES", "15|1", true);
  // Price and age of single-family houses and condominiums ("PREDOMINATE" is the order's spelling)
  SetAlias("SINGLEFAMPRICELOW", "14|7");
  SetAlias("SINGLEFAMPRICEHIGH", "15|2");
  SetAlias("PRICEPREDOMINANT", "17|2");
  SetAlias("SINGLEFAMAGELOW", "14|8");
  SetAlias("SINGLEFAMAGEHIGH", "15|3");
  SetAlias("AGEPREDOMINANT", "17|3");
  SetAlias("CONDOPRICELOW", "14|9");
  SetAlias("CONDOPRICEHIGH", "15|4");
  SetAlias("CONDOPRICEPREDOMINATE", "17|4");
  SetAlias("CONDOAGELOW", "14|10");
  SetAlias("CONDOAGEHIGH", "15|5");
  SetAlias("CONDOAGEPREDOMINATE", "17|5");

  // Site questions, each with its description
  CheckAlias("SITECONFORMNBRHOOD", "18|1", "YES", {"18|2", "NO"});
  ParseExtended("SITECONFORMNBRHOODDESC", "18|3", true);
  CheckAlias("ZONINGCONFORMANCE", "20|1", "YES", {"20|2", "NO"});
  ParseExtended("ZONINGDESC", "20|3", true);
  CheckAlias("HIGHESTBESTUSE", "22|1", "PRESENTUSE", {"22|2", "OTHER"});
  ParseExtended("HIGHESTBESTUSEDESC", "22|3", true);

  // Utilities, street and alley
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
  CheckAlias("UTILITIESOFFSITE", "27|1", "YES", {"27|2", "NO"});
  ParseExtended("UTILITIESOFFSITEDESC", "27|3", true);
  CheckAlias("APPARENTCONDITIONS", "29|1", "YES", {"29|2", "NO"});
  ParseExtended("APPARENTCONDITIONSDESC", "29|3", true);

  // Sources of the property data
  CheckAlias("EXTERIORINSPECT", "32|1", "ON", {});
  CheckAlias("PREVIOUSAPPREPORT", "32|2", "ON", {});
  CheckAlias("ASSMENTTAXRECORDS", "32|3", "ON", {});
  CheckAlias("MLS", "33|1", "ON", {});
  CheckAlias("PRIORINSPECT", "33|2", "ON", {});
  CheckAlias("PROPOWNER", "33|3", "ON", {});
  CheckAlias("PROPCHAROTHER", "33|4", "ON", {});
  ParseExtended("PROPCHAROTHERDESC", "33|5", true);

  // Improvements and their conditions
  SetAlias("GENERALNUMSTORIES", "34|1");
  SetAlias("GENERALTYPE", "34|2");
  SetAlias("EXTERIORWALLS", "34|3");
  SetAlias("GENERALAGEYRS", "34|4");
  CheckAlias("EXTERIORMANUFACTUREDHOUSE", "34|5", "YES", {"34|6", "NO"});
  CheckAlias("PROPCONFORMNBRHOOD", "35|1", "YES", {"35|2", "NO"});
  ParseExtended("PROPCONFORMNBRHOODDESC", "35|3", true);
  CheckAlias("PHYSICALDEFICIENCIES", "39|1", "YES", {"39|2", "NO"});
  ParseExtended("PHYSICALDEFICIENCIESDESC", "39|3", true);
  CheckAlias("COMMENTADVERSECONDYESNO", "43|1", "YES", {"43|2", "NO"});
  ParseExtended("COMMENTADVERSECONDITIONS", "43|3", true);

  // Appraiser's signature block; the numbers have cells of their own, so the
  // licence select fills the state cell only
  SetAlias("APPRAISER", "72|1");
  SetAlias("APPRAISERCONAME", "73|1");
  SetAlias("APPRAISERSTREET", "74|1");
  ParseAddress("75|1", "APPRAISERCITY", "APPRAISERSTATEPROV", "APPRAISERZIP", "", "");
  SetAlias("APPRAISERDTSIGNED", "76|1");
  SetAlias("APPRAISERSTATECERTNUM", "77|1");
  SetAlias("APPRAISERSTATELICNUM", "78|1");
  LicenceSelect(1, "79|1", kNoNumberCell, "…", kCertificateFirst);
  SetAlias("APPRAISERLICCERTEXPDT", "80|1");

  // Supervisory appraiser's signature block ("SUPSUPAPPRAISERDTSIGNED" is the order's own tag)
  SetAlias("SUPAPPRAISER", "72|2");
  SetAlias("SUPAPPRAISERCONAME", "73|2");
  SetAlias("SUPAPPRAISERSTREET", "74|2");
  ParseAddress("75|2", "SUPAPPRAISERCITY", "SUPAPPRAISERSTATEPROV", "SUPAPPRAISERZIP", "", "");
  SetAlias("SUPSUPAPPRAISERDTSIGNED", "76|2");
  SetAlias("SUPAPPRAISERSTATECERTNUM", "77|2");
  SetAlias("SUPAPPRAISERSTATELICNUM", "78|2");
  LicenceSelect(2, "79|2", kNoNumberCell, "…", kCertificateFirst);
  SetAlias("SUPAPPRAISERLICCERTEXPDT", "80|2");
  CheckAlias("INSPECTSUBJECTPROP", "81|1", "DID", {"81|2", "DIDNOT"});
}

}  // namespace ombrel
