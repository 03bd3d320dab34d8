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
  switch (Licensing(1)) {
    case -1:  // the licence number only
      SetAlias("APPRAISERSTATELICNUM", "502|1");
      SetAlias("APPRAISERLICSTATEPROV", "504|1");
      break;
    case 0:  // the certificate number only
      SetAlias("APPRAISERSTATECERTNUM", "502|1");
      SetAlias("APPRAISERCERTSTATEPROV", "504|1");
      break;
    default:  // both or neither: "licence/certificate" where they differ
      Compare("APPRAISERSTATELICNUM", "APPRAISERSTATECERTNUM", "502|1", "/");
      Compare("APPRAISERLICSTATEPROV", "APPRAISERCERTSTATEPROV", "504|1", "/");
      break;
  }
  SetAlias("APPRAISERLICCERTEXPDT", "506|1");

  // Supervisory appraiser: no tax id line, so the licence block stands two lines higher
  SetAlias("SUPAPPRAISER", "496|2");
  SetAlias("SUPAPPRAISERDTSIGNED", "498|2");
  switch (Licensing(2)) {
    case -1:
      SetAlias("SUPAPPRAISERSTATELICNUM", "500|2");
      SetAlias("SUPAPPRAISERLICSTATEPROV", "502|2");
      break;
    case 0:
      SetAlias("SUPAPPRAISERSTATECERTNUM", "500|2");
      SetAlias("SUPAPPRAISERCERTSTATEPROV", "502|2");
      break;
    default:
      Compare("SUPAPPRAISERSTATELICNUM", "SUPAPPRAISERSTATECERTNUM", "500|2", "/");
      Compare("SUPAPPRAISERLICSTATEPROV", "SUPAPPRAISERCERTSTATEPROV", "502|2", "/");
      break;
  }
  SetAlias("SUPAPPRAISERLICCERTEXPDT", "504|2");
  CheckAlias("INSPECTSUBJECTPROP", "506|2", "DID", {"506|3", "DIDNOT"});
}

}  // namespace ombrel
