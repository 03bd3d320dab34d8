// The addenda of a manufactured-home report: the headed comments of "MOB",
// the rest of the report profile with both signers' dates and licences,
// comparables 4 to 6 on "MOBCMP46", then photos, sketches and maps.
#include "translators/review_land_mh/mhar.h"

#include "engine/common_forms.h"

namespace ombrel {

void MHAR::AppendAddenda() {
  // Headed comments, offered while "MOB" is current: their headings are looked up under its id
  AddExtended("2|2");
  AddExtended("3|1");
  AddExtended("168|1");

  // Report profile: borrower, property and the lender's address; under its
  // guard, the signer blocks' date, licence, state and expiry once more, from
  // the order's own cells
  if (ReportProfileBlock()) {
    SetAlias("APPRAISERDTSIGNED", "36|1");
    SetAlias("APPRAISERSTATELICNUM", "33|1");
    SetAlias("APPRAISERLICSTATEPROV", "33|2");
    SetAlias("APPRAISERLICCERTEXPDT", "33|3");
    SetAlias("SUPAPPRAISERDTSIGNED", "45|1");
    SetAlias("SUPAPPRAISERSTATELICNUM", "42|1");
    SetAlias("SUPAPPRAISERLICSTATEPROV", "42|2");
    SetAlias("SUPAPPRAISERLICCERTEXPDT", "42|3");
  }

  // Comparables 4 to 6; only a street decides whether a comparable exists
  if (AnyTagPresent(Server_(), {"COMP(4)ADDRSTREET", "COMP(5)ADDRSTREET", "COMP(6)ADDRSTREET"})) {
    if (SetForm("MOBCMP46")) {
      ComparablesFormColumn(4);
      ComparablesFormColumn(5);
      ComparablesFormColumn(6);
      SetAlias("COMMENTSALESCOMPARETWO", "38|1");
    }
  }

  // Photos, sketches and maps, on whichever form was selected last
  AddSubjectPhotos(Server_());
  AddCompPhotos(Server_(), 9);
  AddGeneralPhotos(Server_(), 18);
  AddSketchesAndMaps(Server_());
}

}  // namespace ombrel
