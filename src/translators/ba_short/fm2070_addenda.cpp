// The addenda of a "CMR" report: four headed comments, offered while "CMR" is
// current, then the subject photos, six additional photos, sketches and maps.
#include "translators/ba_short/fm2070.h"

#include "engine/common_forms.h"

namespace ombrel {

void FM2070::AppendAddenda() {
  AddExtended("2|1");
  AddExtended("26|1");
  AddExtended("36|2");
  AddExtended("167|1");

  AddSubjectPhotos(Server_());
  AddGeneralPhotos(Server_(), 6);
  AddSketchesAndMaps(Server_());
}

}  // namespace ombrel
