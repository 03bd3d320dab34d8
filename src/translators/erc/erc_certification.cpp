// Page 6 of "ER3": the certification of the appraiser (field 1) and of the
// supervisory appraiser (field 2), each with a licence block chosen by which
// of the two numbers, state licence or state certificate, the order holds.
#include "translators/erc/erc.h"

namespace ombrel {

void ERC::Certification() {
  SetAlias("CASE_NO", "431|2");
  SetAlias("FILENUM", "432|1");
  ParseAddress("491|1", "APPRAISEDCITY", "APPRAISEDSTATEPROV", "APPRAISEDZIP",
               "APPRAISEDPROPADDR", "");

  // Appraiser
  SetAlias("APPRAISER", "496|1");
  SetAlias("APPRAISERDTSIGNED", "498|1");
  SetAlias("APPRAISERTAXID", "500|1");
  LicenceSelect(1, "504|1", "502|1", "/", kLicenceFirst, kNumberCellFirst);
  SetAlias("APPRAISERLICCERTEXPDT", "506|1");

  // Supervisory appraiser: no tax id line, so the licence block stands two lines higher
  SetAlias("SUPAPPRAISER", "496|2");
  SetAlias("SUPAPPRAISERDTSIGNED", "498|2");
  LicenceSelect(2, "502|2", "500|2", "/", kLicenceFirst, kNumberCellFirst);
  SetAlias("SUPAPPRAISERLICCERTEXPDT", "504|2");
  CheckAlias("INSPECTSUBJECTPROP", "506|2", "DID", {"506|3", "DIDNOT"});
}

}  // namespace ombrel
