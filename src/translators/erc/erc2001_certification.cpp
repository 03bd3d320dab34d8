// The reconciliation and the certification of "ERS": the appraiser in field
// 1 and the supervisory appraiser in field 2, each with the licence number
// unless the order holds the certificate number only.
#include "translators/erc/erc2001.h"

namespace ombrel {

void ERC2001::Reconciliation() {
  SetAlias("ESTMARKETVALUEDT", "411|1");
  SetAlias("ESTMARKETVALUE", "411|2");
  SetAlias("CURRENTOWNER", "414|1");
  SetAlias("APPRAISER", "414|2");
}

void ERC2001::Certification() {
  // Property address, its city, state and zip joined into the one field 493|1
  SetAlias("PROPADDR", "489|1");
  ParseCityLine("493|1", "CITY", "STATEPROV", "ZIP");

  // Appraiser
  SetAlias("APPRAISER", "494|1");
  SetAlias("APPRAISERDTSIGNED", "495|1");
  LicenceSelect(1, "498|1", "496|1", kNoDelimiter, kLicenceAlone, kNumberCellFirst);
  SetAlias("APPRAISERLICCERTEXPDT", "499|1");

  // Supervisory appraiser
  SetAlias("SUPAPPRAISER", "494|2");
  SetAlias("SUPAPPRAISERDTSIGNED", "495|2");
  LicenceSelect(2, "498|2", "496|2", kNoDelimiter, kLicenceAlone, kNumberCellFirst);
  SetAlias("SUPAPPRAISERLICCERTEXPDT", "499|2");
  CheckAlias("INSPECTSUBJECTPROP", "500|1", "DID", {"500|2", "DIDNOT"});
}

}  // namespace ombrel
