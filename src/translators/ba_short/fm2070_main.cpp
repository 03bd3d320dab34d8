// The main form "CMR": the signer blocks and report profile, then the form
// from the subject down to the two signature blocks. Every description text is
// written onto the form itself.
#include "translators/ba_short/fm2070.h"

namespace ombrel {

void FM2070::EntrainMain() {
  // Title, signer blocks and report profile; each signer block makes "CMR" current again
  SetAlias("TITLE", "4|1");
  ProcessAppraiserInfo(1, 1, FormName());
  ProcessAppraiserInfo(2, 2, FormName());
  ProcessOffscrn();

  // Subject
  SetAlias("PROPADDR", "9|1");
  SetAlias("CITY", "9|2");
  SetAlias("STATEPROV", "9|3");
  SetAlias("ZIP", "9|4");
  ParseExtended("LEGALDESC", "10|1", true);
  SetAlias("COUNTY", "10|2");
  SetAlias("ASSESPARCELNUM", "11|1");
  SetAlias("TAXYEAR", "11|2");
  SetAlias("RETAXES", "11|3");
  SetAlias("SPECIALASSESS", "11|4");
  SetAlias("BORROWER", "12|1");
  SetAlias("CURRENTOWNER", "12|2");
  CheckAlias("CURRENTOCCUPANT", "12|3", "OWNER", {"12|4", "TENANT", "12|5", "VACANT"});
  SetAlias("NBRHOODPROJNM", "13|1");
  CheckAlias("PROJTYPE", "13|2", "PUD", {"13|3", "CONDO"});
  SetAlias("HOMEOWNERASSNFEE", "13|4");
  CheckAlias("PROPRIGHTS", "14|1", "FEESIMPLE", {"14|2", "LEASEHOLD"});
  SetAlias("MAPREF", "14|3");
  SetAlias("CENSUSTRACT", "14|4");
  ParseExtended("NBRHOODBOUNDARIES", "15|1", true);

  // Lender and appraiser; the appraiser's whole address, when the order has
  // one, stands in for the composed one
  SetAlias("LENDERCLIENT", "16|1");
  ParseAddress("16|2", "LENDERCLIENTCITY", "LENDERCLIENTSTATEPROV", "LENDERCLIENTZIP",
               "LENDERCLIENTSTREET", "");
  SetAlias("APPRAISER", "17|1");
  ParseAddress("17|2", "APPRAISERCITY", "APPRAISERSTATEPROV", "APPRAISERZIP", "APPRAISERSTREET",
               "APPRAISERADDR");

  // Sources of the property data
  CheckAlias("INTERIOREXTERIORINSPECT", "20|1", "ON", {});
  CheckAlias("EXTERIORINSPECT", "20|2", "ON", {});
  CheckAlias("PRIORINSPECT", "20|3", "ON", {});
  CheckAlias("PREVIOUSAPPREPORT", "21|1", "ON", {});
  CheckAlias("MLS", "21|2", "ON", {});
  CheckAlias("ASSMENTTAXRECORDS", "21|3", "ON", {});
  CheckAlias("PROPOWNER", "21|4", "ON", {});
  CheckAlias("PROPCHAROTHER", "21|5", "ON", {});
  ParseExtended("PROPCHAROTHERDESC", "21|6", true);

  // Property description
  SetAlias("GENERALNUMSTORIES", "22|1");
  SetAlias("CONDOSUBJECTLEVEL", "22|2");
  SetAlias("ABOVEGRADEROOMS", "23|1");
  SetAlias("ABOVEGRADEBEDROOMS", "23|2");
  SetAlias("ABOVEGRADEBATHS", "23|3");
  SetAlias("BASEMENTFINISHED", "23|4");
  SetAlias("ABOVEGRADEAREASQFT", "24|1");
  SetAlias("SITEAREA", "26|1");
  SetAlias("GENERALTYPE", "27|1");
  SetAlias("GENERALDESIGNSTYLE", "28|1");
  SetAlias("GENERALAPPEAL", "29|1");
  SetAlias("GENERALAGEYRS", "30|1");
  SetAlias("GENERALCONDITION", "31|1");
  SetAlias("VIEW", "32|1");

  // Car storage and condominium parking
  CheckAlias("CARSTORAGENONE", "24|2", "ON", {});
  CheckAlias("CARSTORAGEDRIVEWAYYESNO", "24|3", "ON", {});
  CheckAlias("CARSTORAGECARPORT", "25|1", "ON", {});
  SetAlias("CARSTORAGECARPORTNUMCARS", "25|2");
  CheckAlias("CARSTORAGEGARAGEATTACHED", "25|3", "ON", {});
  SetAlias("CARSTORAGEATTACHEDCARS", "25|4");
  CheckAlias("CARSTORAGEGARAGEDETACHED", "25|5", "ON", {});
  SetAlias("CARSTORAGEDETACHEDCARS", "25|6");
  CheckAlias("CONDOPARKINGTYPE", "27|2", "NONE", {"27|3", "SURFACELOT", "27|4", "GARAGE"});
  CheckAlias("CONDOPARKINGASSIGNEDOWNED", "27|5", "ASSIGNED", {"27|6", "OWNED"});
  SetAlias("CONDOPARKINGNUMCARS", "26|2");

  // Location, utilities and off-site improvements
  CheckAlias("LOCATION", "28|2", "URBAN", {"28|3", "SUBURBAN", "28|4", "RURAL"});
  CheckAlias("ELECTRICPUBLIC", "30|2", "ON", {"30|3", "OFF"});
  SetAlias("ELECTRICOTHER", "30|4");
  CheckAlias("GASPUBLIC", "32|2", "ON", {"32|3", "OFF"});
  SetAlias("GASOTHER", "32|4");
  CheckAlias("WATERPUBLIC", "30|5", "ON", {});
  CheckAlias("WATEROTHER", "30|6", "PRIVATE", {});
  CheckAlias("SANITARYSEWERPUBLIC", "32|5", "ON", {});
  CheckAlias("SANITARYSEWEROTHER", "32|6", "PRIVATE", {});
  CheckAlias("STREETMAINTENPUBPRIV", "30|7", "PUBLIC", {"30|8", "PRIVATE"});
  CheckAlias("ALLEYPUBPRIV", "32|7", "PUBLIC", {"32|8", "PRIVATE"});

  // Zoning
  SetAlias("SPECIFICZONING", "33|1");
  ParseExtended("ZONINGDESC", "33|2", true);

  // Checklist; a question's first box is its favourable answer, "NO" for an adverse factor
  CheckAlias("HABITABLEYRROUND", "35|1", "YES", {"35|2", "NO"});
  CheckAlias("RESIDENTIALPROP", "36|1", "YES", {"36|2", "NO"});
  CheckAlias("ADEQUATEVIEW", "37|1", "YES", {"37|2", "NO"});
  CheckAlias("FACTORSUFFICIENTINFO", "41|1", "YES", {"41|2", "NO"});
  CheckAlias("FACTORMARKETCONDITIONS", "43|1", "NO", {"43|2", "YES"});
  // Market conditions
  CheckAlias("MRKTCONDDECLINEPROPVAL", "44|1", "ON", {});
  CheckAlias("MRKTCONDOVERSUPPLY", "44|2", "ON", {});
  CheckAlias("MRKTCONDADVERSEEMP", "44|3", "ON", {});
  CheckAlias("MRKTCONDEXTMRKTINGTIME", "44|4", "ON", {});
  // Property questions
  CheckAlias("FACTORSTREETSMAINTAINED", "45|1", "YES", {"45|2", "NO"});
  CheckAlias("FACTOROBSOLESCENCE", "46|1", "NO", {"46|2", "YES"});
  CheckAlias("FACTORHAZARDOUSWASTE", "47|1", "NO", {"47|2", "YES"});
  CheckAlias("FACTORADVERSEEASEMENTS", "48|1", "NO", {"48|2", "YES"});
  CheckAlias("FACTORINGRESS", "49|1", "YES", {"49|2", "NO"});
  CheckAlias("FACTORPROPCONFORMZONE", "50|1", "YES", {"50|2", "NO"});
  CheckAlias("HIGHESTBESTUSE", "51|1", "PRESENTUSE", {"51|2", "OTHER"});
  CheckAlias("EXTERIORMANUFACTUREDHOUSE", "52|1", "NO", {"52|2", "YES"});
  CheckAlias("FACTORNEWCONSTRUCT", "53|1", "NO", {"53|2", "YES"});
  CheckAlias("FACTORREMODELING", "54|1", "NO", {"54|2", "YES"});
  CheckAlias("FACTORREPAIRS", "55|1", "NO", {"55|2", "YES"});
  CheckAlias("FACTORPESTINFESTATION", "56|1", "NO", {"56|2", "YES"});
  CheckAlias("FACTORPHYSICAL", "57|1", "NO", {"57|2", "YES"});
  CheckAlias("FACTORFUNCTIONAL", "58|1", "NO", {"58|2", "YES"});
  CheckAlias("FACTORPROPFEATURES", "59|1", "NO", {"59|2", "YES"});
  // Property features
  CheckAlias("FEATURESMATCONSTRUCT", "59|3", "ON", {});
  CheckAlias("FEATURESDESIGN", "60|1", "ON", {});
  CheckAlias("FEATURESAPPEAL", "60|2", "ON", {});
  CheckAlias("FEATURESVIEW", "60|3", "ON", {});
  CheckAlias("FEATURESAGE", "60|4", "ON", {});
  CheckAlias("FEATURESGROSSLIVING", "60|5", "ON", {});
  CheckAlias("FEATURESLOTSIZE", "60|6", "ON", {});
  CheckAlias("FEATURESSHAPETOPOGRAPHY", "60|7", "ON", {});
  CheckAlias("FEATURESUTILITIES", "60|8", "ON", {});

  // Comments and summary
  ParseExtended("COMMENTS", "62|1", true);
  CheckAlias("SUMMARYNOADVERSEFACTORS", "68|1", "ON", {});
  CheckAlias("SUMMARYAPPRAISALPERFORM", "70|1", "ON", {});
  CheckAlias("SUMMARYADVERSEATYPICAL", "71|1", "ON", {});

  // Appraiser's signature block: licence or certificate, certificate first
  SetAlias("APPRAISER", "75|1");
  SetAlias("ESTMARKETVALUEDT", "76|1");
  SetAlias("APPRAISERDTSIGNED", "76|2");
  LicenceSelect(1, "77|2", "77|1", "…", kCertificateFirst, kNumberCellFirst);
  CheckAlias("APPRAISERINSPECT", "78|1", "INTERIOREXTERIOR", {"78|2", "EXTERIOR"});

  // Supervisory appraiser's signature block
  SetAlias("SUPAPPRAISER", "75|2");
  SetAlias("SUPAPPRAISERDTPROPINSP", "76|3");
  SetAlias("SUPAPPRAISERDTSIGNED", "76|4");
  LicenceSelect(2, "77|4", "77|3", "…", kCertificateFirst, kNumberCellFirst);
  CheckAlias("INSPECTSUBJECTPROP", "78|3", "DID2", {"78|4", "DID", "79|1", "DIDNOT"});
}

}  // namespace ombrel
