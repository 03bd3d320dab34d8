// The main form "BAR": the review appraiser's signer block and the report
// profile, the review itself, and last the inspection boxes of the report
// profile, which leave "offscrn" current.
#include "translators/ba_short/bar.h"

namespace ombrel {

void BAR::EntrainMain() {
  // Title, the review appraiser's signer block and report profile
  SetAlias("TITLE", "5|1");
  ProcessAppraiserInfo(1, 3, FormName());
  ProcessOffscrn();

  // The appraisal under review
  SetAlias("CASE_NO", "2|1");
  SetAlias("FILENUM", "3|1");
  SetAlias("APPRAISER", "7|1");
  SetAlias("SUPAPPRAISER", "7|2");
  ParseAddress("8|1", "CITY", "STATEPROV", "ZIP", "PROPADDR", "");
  CheckAlias("PROPRIGHTS", "9|1", "FEESIMPLE", {"9|2", "LEASEHOLD", "9|3", "OTHER"});
  SetAlias("PROPRIGHTSDESC", "9|4");
  SetAlias("ESTMARKETVALUEDT", "10|1");
  SetAlias("ESTMARKETVALUE", "10|2");

  // Review questions; only adjustments and guidelines can be not applicable
  CheckAlias("ACCEPTABLEDATA", "19|1", "YES", {"19|2", "NO"});
  CheckAlias("REASONABLEADJ", "21|1", "YES", {"21|2", "NO", "21|3", "NA"});
  CheckAlias("APPRAISALMETHODTECH", "23|1", "YES", {"23|2", "NO"});
  CheckAlias("REASONABLEANALYSIS", "25|1", "YES", {"25|2", "NO"});
  CheckAlias("ADOMGUIDELINES", "27|1", "YES", {"27|2", "NO", "27|3", "NA"});

  // Review appraiser: inspection, signature, certificate or licence
  CheckAlias("REVAPPRAISERINTINSPECT", "50|1", "ON", {});
  CheckAlias("REVAPPRAISEREXTINSPECT", "50|2", "ON", {});
  CheckAlias("REVAPPRAISERNOINSPECT", "50|3", "ON", {});
  SetAlias("REVAPPRAISERDTSIGNED", "55|2");
  SetAlias("REVAPPRAISERNAME", "56|1");
  SetAlias("REVAPPRAISERTITLE", "56|2");
  // Each number brings its own state into 57|3; the licence's comes last
  if (SetAlias("REVAPPRAISERSTATECERTNUM", "57|1")) {
    SetAlias("REVAPPRAISERCERTSTATEPROV", "57|3");
  }
  if (SetAlias("REVAPPRAISERSTATELICNUM", "57|2")) {
    SetAlias("REVAPPRAISERLICSTATEPROV", "57|3");
  }
  SetAlias("REVAPPRAISERLICCERTEXPDT", "58|1");
  SetAlias("REVAPPRAISEREFFREVDT", "58|2");

  // The same inspection boxes on the report profile
  if (SetForm("offscrn")) {
    CheckAlias("REVAPPRAISERINTINSPECT", "32|2", "ON", {});
    CheckAlias("REVAPPRAISEREXTINSPECT", "32|3", "ON", {});
    CheckAlias("REVAPPRAISERNOINSPECT", "31|3", "ON", {});
  }
}

}  // namespace ombrel
