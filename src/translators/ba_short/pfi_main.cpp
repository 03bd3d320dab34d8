// The main form "PFI": the report profile, then the inspection from the case
// numbers down to the appraiser and the appraisal district.
#include "translators/ba_short/pfi.h"

namespace ombrel {

void PFI::EntrainMain() {
  // Signer block and report profile; the signer block makes "PFI" current again
  ProcessAppraiserInfo(1, 1, FormName());
  ProcessOffscrn();

  // Case numbers, borrower, property and the foreclosure contact
  SetAlias("CASE_NO", "2|1");
  SetAlias("CASENUM", "9|1");
  SetAlias("BORROWER", "11|1");
  SetAlias("PROPADDR", "13|1");
  SetAlias("CITY", "15|1");
  SetAlias("STATEPROV", "15|2");
  SetAlias("ZIP", "15|3");
  SetAlias("FORECLOSESPECIAL", "17|1");
  SetAlias("FORECLOSESPBANETPHONE", "17|2");
  SetAlias("FORECLOSESPBANETFAX", "17|3");
  SetAlias("FORECLOSESPOUTSIDEPHONE", "18|1");
  SetAlias("FORECLOSESPOUTSIDEFAX", "18|2");
  SetAlias("UNITNUM", "19|1");

  // Occupancy and condition
  CheckAlias("SUBJECTOCCUPIED", "23|1", "YES", {"23|2", "NO", "23|3", "UNCLEAR"});
  CheckAlias("EXTSUBJECTCONDITION", "27|1", "GOOD", {"27|2", "FAIR", "27|3", "POOR"});
  CheckAlias("GENERALCONDITION", "31|1", "BETTER", {"31|2", "SAME", "31|3", "WORSE"});

  // Adverse, safety and value-affecting conditions, each comment written
  // whether or not its question was answered
  CheckAlias("COMMENTADVERSECONDYESNO", "35|1", "YES", {"35|2", "NO"});
  ParseExtended("COMMENTADVERSECONDITIONS", "36|1", true);
  CheckAlias("COMMENTSAFETYCONDYESNO", "39|1", "YES", {"39|2", "NO"});
  ParseExtended("COMMENTSAFETYCONDITIONS", "40|1", true);
  CheckAlias("COMMENTVALIMPACTCONDYESNO", "43|1", "YES", {"43|2", "NO"});
  ParseExtended("COMMENTVALIMPACTCONDITIONS", "44|1", true);

  // Appraiser and appraisal district
  SetAlias("APPRAISERDTSIGNED", "55|2");
  SetAlias("APPRAISER", "57|1");
  SetAlias("APPRAISALDISTRICTNAME", "59|1");
  SetAlias("APPRAISALDISTRICTNUM", "59|2");
}

}  // namespace ombrel
