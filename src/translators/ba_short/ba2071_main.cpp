// The main form "EPI": the signer block and report profile, header, subject
// and lender, the checklist with its boxes and comments, and the appraiser's
// signature block with the licence or certificate.
#include "translators/ba_short/ba2071.h"

namespace ombrel {

void BA2071::EntrainMain() {
  // Signer block and report profile; the signer block makes "EPI" current again
  ProcessAppraiserInfo(1, 1, FormName());
  ProcessOffscrn();

  // Header, subject and lender
  SetAlias("CASE_NO", "2|1");
  SetAlias("FILENUM", "3|1");
  SetAlias("PROPADDR", "11|1");
  SetAlias("CITY", "11|2");
  SetAlias("STATEPROV", "11|3");
  SetAlias("ZIP", "11|4");
  SetAlias("BORROWER", "12|1");
  SetAlias("CASENUM", "12|2");
  SetAlias("NBRHOODPROJNM", "13|1");
  CheckAlias("PROJTYPE", "13|2", "PUD", {"13|3", "CONDO"});
  CheckAlias("PROPRIGHTS", "14|1", "FEESIMPLE", {"14|2", "LEASEHOLD"});
  SetAlias("LENDERCLIENT", "15|1");
  ParseAddress("15|2", "LENDERCLIENTCITY", "LENDERCLIENTSTATEPROV", "LENDERCLIENTZIP",
               "LENDERCLIENTSTREET", "");

  // Checklist; a question's first box is its favourable answer, "NO" for an adverse factor
  CheckAlias("HABITABLEYRROUND", "19|1", "YES", {"19|2", "NO"});
  CheckAlias("ADEQUATEVIEW", "20|1", "YES", {"20|2", "NO"});
  CheckAlias("EXTERIORMANUFACTUREDHOUSE", "22|1", "NO", {"22|2", "YES"});
  CheckAlias("FACTORMARKETCONDITIONS", "27|1", "NO", {"27|2", "YES"});
  // Market conditions
  CheckAlias("MRKTCONDDECLINEPROPVAL", "28|1", "ON", {});
  CheckAlias("MRKTCONDOVERSUPPLY", "28|2", "ON", {});
  CheckAlias("MRKTCONDADVERSEEMP", "28|3", "ON", {});
  CheckAlias("MRKTCONDEXTMRKTINGTIME", "28|4", "ON", {});
  // Property questions
  CheckAlias("FACTORSTREETSMAINTAINED", "30|1", "YES", {"30|2", "NO"});
  CheckAlias("FACTOROBSOLESCENCE", "31|1", "NO", {"31|2", "YES"});
  CheckAlias("FACTORHAZARDOUSWASTE", "32|1", "NO", {"32|2", "YES"});
  CheckAlias("FACTORADVERSEEASEMENTS", "33|1", "NO", {"33|2", "YES"});
  CheckAlias("FACTORLACKINGRESS", "34|1", "NO", {"34|2", "YES"});
  CheckAlias("FACTORPROPCONFORMZONE", "35|1", "YES", {"35|2", "NO"});
  CheckAlias("FACTORRESUSAGE", "36|1", "YES", {"36|2", "NO"});
  CheckAlias("FACTORNEWCONSTRUCT", "37|1", "NO", {"37|2", "YES"});
  CheckAlias("FACTORREMODELING", "38|1", "NO", {"38|2", "YES"});
  CheckAlias("FACTORREPAIRS", "39|1", "NO", {"39|2", "YES"});
  CheckAlias("FACTORPESTINFESTATION", "40|1", "NO", {"40|2", "YES"});
  CheckAlias("FACTORPHYSICAL", "41|1", "NO", {"41|2", "YES"});
  CheckAlias("FACTORFUNCTIONAL", "42|1", "NO", {"42|2", "YES"});
  CheckAlias("FACTORPROPFEATURES", "43|1", "NO", {"43|2", "YES"});
  // Property features
  CheckAlias("FEATURESMATCONSTRUCT", "43|3", "ON", {});
  CheckAlias("FEATURESDESIGN", "44|1", "ON", {});
  CheckAlias("FEATURESAPPEAL", "44|2", "ON", {});
  CheckAlias("FEATURESVIEW", "44|3", "ON", {});
  CheckAlias("FEATURESAGE", "44|4", "ON", {});
  CheckAlias("FEATURESGROSSLIVING", "44|5", "ON", {});
  CheckAlias("FEATURESLOTSIZE", "44|6", "ON", {});
  CheckAlias("FEATURESSHAPETOPOGRAPHY", "44|7", "ON", {});

  // Comments and summary
  ParseExtended("COMMENTS", "45|1", true);
  CheckAlias("SUMMARYNOADVERSEFACTORS", "49|1", "ON", {});
  CheckAlias("SUMMARYADVERSEATYPICAL", "51|1", "ON", {});

  // Signature block
  SetAlias("APPRAISER", "73|1");
  SetAlias("ESTMARKETVALUEDT", "74|1");
  SetAlias("APPRAISERDTSIGNED", "74|2");
  // Licence or certificate, whichever the order holds; both (or neither), licence first
  LicenceSelect(1, "75|2", "75|1", "/", kLicenceFirst, kNumberCellFirst);
}

}  // namespace ombrel
