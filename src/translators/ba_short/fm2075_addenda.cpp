// The addenda of a "2075" report: two headed comments, offered while "2075"
// is current, then the subject photos, six additional photos, sketches and
// maps.
#include "translators/ba_short/fm2075.h"

#include "engine/common_forms.h"

namespace ombrel {

void FM2075::AppendAddenda() {
  AddExtended("3|2");
  AddExtended("84|1");

  AddSubjectPhotos(Server_());
  AddGeneralPhotos(Server_(), 6);
  AddSketchesAndMaps(Server_());
}

}  // namespace ombrel
