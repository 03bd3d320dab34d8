// The addenda of a 1075 report: the headed comments, the overflow forms for
// comparables 4 to 9, then photos, sketches and maps.
#include "engine/common_forms.h"
#include "translators/form1004/fm1075.h"

namespace ombrel {

void FM1075::AppendAddenda() {
  // Comment marks first, while "CIA" is current: their headings are looked
  // up on the current form.
  AddExtended("3|2");
  AddExtended("251|1");

  // Comparables 4 to 6. Only a street decides whether the group exists; inside
  // it every comparable is written, with or without a street of its own.
  if (AnyTagPresent(Server_(), {"COMP(4)ADDRSTREET", "COMP(5)ADDRSTREET", "COMP(6)ADDRSTREET"})) {
    if (SetForm("CIACMP46")) {
      OverflowColumn(4, 1);
      OverflowColumn(5, 2);
      OverflowColumn(6, 3);
      SetAlias("COMMENTSALESCOMPARETWO", "54|1");
    }
  }

  // Comparables 7 to 9, on "ciacmp79": this overflow form's id is lower case.
  if (AnyTagPresent(Server_(), {"COMP(7)ADDRSTREET", "COMP(8)ADDRSTREET", "COMP(9)ADDRSTREET"})) {
    if (SetForm("ciacmp79")) {
      OverflowColumn(7, 1);
      OverflowColumn(8, 2);
      OverflowColumn(9, 3);
      SetAlias("COMMENTSALESCOMPARETHREE", "54|1");
    }
  }

  // Photos, sketches and maps, on whichever form is current by now
  AddSubjectPhotos(Server_());
  AddCompPhotos(Server_(), 9);
  AddGeneralPhotos(Server_(), 18);
  AddSketchesAndMaps(Server_());
}

}  // namespace ombrel
