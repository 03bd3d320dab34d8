// The form "compl", the only form a completion certificate writes: every row
// runs whatever the order holds.
#include "translators/supplemental/fm442.h"

#include "engine/common_forms.h"

namespace ombrel {

void FM442::EntrainMain() {
  // The earlier appraisal and the property
  SetAlias("FILENUM", "7|1");
  SetAlias("ORIGAPPRAISALDT", "11|1");
  ParseAddress("13|1", "CITY", "STATEPROV", "ZIP", "PROPADDR", "");
  SetAlias("LEGALDESC", "15|1");
  SetAlias("COMMENTS", "17|1");
  SetAlias("ORIGAPPRAISER", "19|1");

  // What the appraisal was made subject to
  CheckAlias("APPRAISALMADE", "21|1", "SUBJECTTOCOMPLETION", {"21|2", "REPAIRSALTERATIONS"});
  SetAlias("APPRAISALMADEOTHER", "21|3");
  SetAlias("APPRAISALMADEOTHER2", "23|1");

  // The itemized changes; whether they affect the value is only checked, never written
  MapValue("ITEMIZEDCHANGESAFFECT", "DONOT");
  SetAlias("ITEMIZEDCHANGES", "31|1");

  // The appraiser's signing
  SplitY2KDate(Server_(), "APPRAISERDTSIGNED", "61|1", "61|2");
  SetAlias("APPRAISER", "61|3");
}

}  // namespace ombrel
