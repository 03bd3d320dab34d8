// The addenda of a 2006 review: the reviewed report's sales grid on
// "2006sc13", the case numbers on the report profile, then the photos.
#include "translators/review_land_mh/fm2006.h"

#include "engine/common_forms.h"

namespace ombrel {

void FM2006::AppendAddenda() {
  // The subject and comparables 1 to 3; only a street decides whether a comparable exists
  if (AnyTagPresent(Server_(), {"COMP(1)ADDRSTREET", "COMP(2)ADDRSTREET", "COMP(3)ADDRSTREET"})) {
    if (SetForm("2006sc13")) {
      SubjectColumn();
      ComparableColumn(1);
      ComparableColumn(2);
      ComparableColumn(3);
      SetAlias("ANALYSISCURRENTAGREE", "50|1");
      SetAlias("COMMENTSALESCOMPARE", "60|1");
    }
  }

  // Report profile: both case numbers
  if (SetForm("offscrn")) {
    SetAlias("CASE_NUM", "2|1");
    SetAlias("CASE_NO", "18|1");
  }

  // Photos; this review attaches no sketch or map
  AddSubjectPhotos(Server_());
  AddCompPhotos(Server_(), 3);
  AddGeneralPhotos(Server_(), 18);
}

}  // namespace ombrel
