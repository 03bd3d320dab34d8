// The addenda of a 1073 report: the headed comments of "CN2", the comparables
// overflow forms for comparables 4 to 9, then photos, sketches and maps.
#include "translators/form1004/fm1073.h"

#include "engine/common_forms.h"

namespace ombrel {

void FM1073::AppendAddenda() {
  // Headed comments, offered while "CN2" is current: their headings are looked up under its id
  AddExtended("2|2");
  AddExtended("168|1");

  // Comparables 4 to 6; only a street decides whether a comparable exists
  if (AnyTagPresent(Server_(), {"COMP(4)ADDRSTREET", "COMP(5)ADDRSTREET", "COMP(6)ADDRSTREET"})) {
    if (SetForm("cn2cmp46")) {
      OverflowComparableColumn(4, 1);
      OverflowComparableColumn(5, 2);
      OverflowComparableColumn(6, 3);
      SetAlias("COMMENTSALESCOMPARETWO", "52|1");
    }
  }

  // Comparables 7 to 9
  if (AnyTagPresent(Server_(), {"COMP(7)ADDRSTREET", "COMP(8)ADDRSTREET", "COMP(9)ADDRSTREET"})) {
    if (SetForm("cn2cmp79")) {
      OverflowComparableColumn(7, 1);
      OverflowComparableColumn(8, 2);
      OverflowComparableColumn(9, 3);
      SetAlias("COMMENTSALESCOMPARETHREE", "52|1");
    }
  }

  // Photos, sketches and maps, on whichever form was selected last
  AddSubjectPhotos(Server_());
  AddCompPhotos(Server_(), 9);
  AddGeneralPhotos(Server_(), 18);
  AddListingPhotos(Server_(), 3);
  AddRentalPhotos(Server_(), 3);
  AddSketchesAndMaps(Server_());
}

}  // namespace ombrel
