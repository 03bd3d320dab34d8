// The addenda of a 2000 review: the headed comments of "FRR", the reviewed
// report's sales grid on "79cmp13" and "79cmp46", then photos, sketches and
// maps.
#include "translators/review_land_mh/fm2000.h"

#include "engine/common_forms.h"

namespace ombrel {

void FM2000::AppendAddenda() {
  // Headed comments, offered while "FRR" is current: their headings are looked up under its id
  AddExtended("1|2");
  AddExtended("24|1");
  AddExtended("165|1");

  // Comparables 1 to 3 beside the subject; only a street decides whether a comparable exists
  if (AnyTagPresent(Server_(), {"COMP(1)ADDRSTREET", "COMP(2)ADDRSTREET", "COMP(3)ADDRSTREET"})) {
    if (SetForm("79cmp13")) {
      SubjectColumn();
      ComparableColumn(1, 1);
      ComparableColumn(2, 2);
      ComparableColumn(3, 3);
      SetAlias("COMMENTSALESCOMPARE", "48|1");
    }
  }

  // Comparables 4 to 6
  if (AnyTagPresent(Server_(), {"COMP(4)ADDRSTREET", "COMP(5)ADDRSTREET", "COMP(6)ADDRSTREET"})) {
    if (SetForm("79cmp46")) {
      ComparableColumn(4, 1);
      ComparableColumn(5, 2);
      ComparableColumn(6, 3);
      SetAlias("COMMENTSALESCOMPARETWO", "48|1");
    }
  }

  // Photos, sketches and maps, on whichever form was selected last
  AddSubjectPhotos(Server_());
  AddCompPhotos(Server_(), 6);
  AddGeneralPhotos(Server_(), 18);
  AddSketchesAndMaps(Server_());
}

}  // namespace ombrel
