// The addenda of a land report: the headed comments of "LAR", the rest of the
// report profile, comparables 4 to 6 on "larcmps", then photos, sketches and
// maps.
#include "translators/review_land_mh/land.h"

#include "engine/common_forms.h"

namespace ombrel {

void LAND::AppendAddenda() {
  // Headed comments, offered while "LAR" is current: their headings are looked
  // up under its id, and the scope of the appraisal has its heading at 3|2
  // (3|1 is the form's title, where no comment could ever be placed).
  AddExtended("3|2");
  AddExtended("79|1");

  // Report profile: borrower, property and the lender's address
  ReportProfileBlock();

  // Comparables 4 to 6; only a street decides whether a comparable exists
  if (AnyTagPresent(Server_(), {"COMP(4)ADDRSTREET", "COMP(5)ADDRSTREET", "COMP(6)ADDRSTREET"})) {
    if (SetForm("larcmps")) {
      ComparablesFormColumn(4);
      ComparablesFormColumn(5);
      ComparablesFormColumn(6);
      SetAlias("COMMENTSALESCOMPARETWO", "29|1");
    }
  }

  // Photos, sketches and maps, on whichever form was selected last
  AddSubjectPhotos(Server_());
  AddCompPhotos(Server_(), 9);
  AddGeneralPhotos(Server_(), 18);
  AddSketchesAndMaps(Server_());
}

}  // namespace ombrel
