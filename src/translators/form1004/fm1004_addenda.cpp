// What "UA2" has no room for: the headed comments, the overflow forms of
// comparables 4 to 9, and the photos, sketches and maps.
#include "engine/common_forms.h"
#include "engine/table_text.h"
#include "translators/form1004/fm1004.h"

namespace ombrel {

void FM1004::AppendAddenda() {
  // Headed comments, offered while "UA2" is current: the six comment fields of
  // the form, top to bottom, so each entry can find its heading.
  AddExtended("4|1");
  AddExtended("53|1");
  AddExtended("61|1");
  AddExtended("67|1");
  AddExtended("150|1");
  AddExtended("162|1");

  // Comparables 4 to 6 on "cmps46", only when one of them has a street; a
  // comparable without a street is left out altogether.
  if (AnyTagPresent(Server_(), {"COMP(4)ADDRSTREET", "COMP(5)ADDRSTREET", "COMP(6)ADDRSTREET"})) {
    if (SetForm("cmps46")) {
      for (int n = 4; n <= 6; ++n) {
        const int k = n - 3;
        if (SetAlias(Comp(n, "ADDRSTREET"), Addr(10, k + 1))) OverflowComparableRows(n, k);
      }
      SetAlias("COMMENTSALESCOMPARETWO", "48|1");
    }
  }

  // Comparables 7 to 9 on "cmps79", whether or not "cmps46" was added.
  if (AnyTagPresent(Server_(), {"COMP(7)ADDRSTREET", "COMP(8)ADDRSTREET", "COMP(9)ADDRSTREET"})) {
    if (SetForm("cmps79")) {
      for (int n = 7; n <= 9; ++n) {
        const int k = n - 6;
        if (SetAlias(Comp(n, "ADDRSTREET"), Addr(10, k + 1))) OverflowComparableRows(n, k);
      }
      SetAlias("COMMENTSALESCOMPARETHREE", "48|1");
    }
  }

  // Photos, sketches and maps, on whichever form was made current last.
  AddSubjectPhotos(Server_());
  AddCompPhotos(Server_(), 9);
  AddGeneralPhotos(Server_(), 18);
  AddListingPhotos(Server_(), 3);
  AddRentalPhotos(Server_(), 3);
  AddSketchesAndMaps(Server_());
}

}  // namespace ombrel
