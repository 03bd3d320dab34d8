// Where the form "DAWI" differs from "DUQ".
#include "translators/form2055/dawi.h"

namespace ombrel {

// "DAWI" has no title field: its table opens with the signer blocks.
void DAWI::Title() {}

// The case and file numbers at the head of the form, and again on lines 86,
// 87 and 170, 171 below.
void DAWI::AfterReportProfile() {
  SetAlias("CASE_NO", "3|2");
  SetAlias("FILENUM", "4|1");
}

void DAWI::AfterMarketValue() {
  SetAlias("CASE_NO", "86|2");
  SetAlias("FILENUM", "87|1");
}

void DAWI::AfterCondoProject() {
  SetAlias("CASE_NO", "170|2");
  SetAlias("FILENUM", "171|1");
}

// A fourth box, "NOINSPECTION", moves the repairs box and the condition text
// one field on.
void DAWI::AppraisalMade() {
  CheckAlias("APPRAISALMADE", "79|1", "ASIS",
             {"79|2", "SUBJECTTOCOMPLETION", "80|1", "NOINSPECTION", "80|2", "REPAIRSALTERATIONS"});
  ParseExtended("CONDITIONAPPRAISAL", "80|3", true);
}

}  // namespace ombrel
