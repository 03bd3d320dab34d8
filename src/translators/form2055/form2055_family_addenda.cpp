// The addenda table of the 2055 family: headed comments, the report profile
// once more, the overflow forms of comparables 4 to 9, photos, sketches, maps.
#include "engine/common_forms.h"
#include "translators/form2055/form2055_family.h"

namespace ombrel {

void Form2055Family::AppendAddenda() {
  // Headed comments, while the main form is current: each call offers the
  // order's next entry to the field whose heading it must bear, so their
  // order matters.
  AddExtended("3|2");
  AddExtended("96|1");
  AddExtended("109|1");
  AddExtended("252|1");

  // Report profile, written again over what ProcessOffscrn wrote
  ReportProfileBlock();

  // Comparables 4 to 6.
  if (AnyTagPresent(Server_(), {"COMP(4)ADDRSTREET", "COMP(5)ADDRSTREET", "COMP(6)ADDRSTREET"})) {
    if (SetForm(std::string(addenda_.comparables46))) {
      OverflowComparable(4, 1);
      OverflowComparable(5, 2);
      OverflowComparable(6, 3);
      SetAlias("COMMENTSALESCOMPARETWO", std::string(addenda_.overflowComment));
    }
  }

  // Comparables 7 to 9.
  if (AnyTagPresent(Server_(), {"COMP(7)ADDRSTREET", "COMP(8)ADDRSTREET", "COMP(9)ADDRSTREET"})) {
    if (SetForm(std::string(addenda_.comparables79))) {
      OverflowComparable(7, 1);
      OverflowComparable(8, 2);
      OverflowComparable(9, 3);
      SetAlias("COMMENTSALESCOMPARETHREE", std::string(addenda_.overflowComment));
    }
  }

  // Photos, sketches and maps, on whatever form is current now;
  // AddSketchesAndMaps comes last since it leaves one of its addenda current.
  AddSubjectPhotos(Server_());
  AddCompPhotos(Server_(), 9);
  AddGeneralPhotos(Server_(), addenda_.generalPhotos);
  AddSketchesAndMaps(Server_());
}

}  // namespace ombrel
