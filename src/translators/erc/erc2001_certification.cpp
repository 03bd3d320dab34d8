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
  if (Licensing(1) != 0) {
    SetAlias("APPRAISERSTATELICNUM", "496|1");
    SetAlias("APPRAISERLICSTATEPROV", "498|1");
  } else {  // the certificate number only
    SetAlias("APPRAISERSTATECERTNUM", "496|1");
    SetAlias("APPRAISERCERTSTATEPROV", "498|1");
  }
  SetAlias("APPRAISERLICCERTEXPDT", "499|1");

  // Supervisory appraiser
  SetAlias("SUPAPPRAISER", "494|2");
  SetAlias("SUPAPPRAISERDTSIGNED", "495|2");
  if (Licensing(2) != 0) {
    SetAlias("SUPAPPRAISERSTATELICNUM", "496|2");
    SetAlias("SUPAPPRAISERLICSTATEPROV", "498|2");
  } else {
    SetAlias("SUPAPPRAISERSTATECERTNUM", "496|2");
    SetAlias("SUPAPPRAISERCERTSTATEPROV", "498|2");
  }
  SetAlias("SUPAPPRAISERLICCERTEXPDT", "499|2");
  CheckAlias("INSPECTSUBJECTPROP", "500|1", "DID", {"500|2", "DIDNOT"});
}

}  // namespace ombrel
