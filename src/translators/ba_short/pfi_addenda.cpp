// The addenda of a "PFI" report: two headed comments, then the subject
// photos, sketches and maps, all while "PFI" is current.
#include "translators/ba_short/pfi.h"

#include "engine/common_forms.h"

namespace ombrel {

void PFI::AppendAddenda() {
  // 1|1 has no heading of its own: only an entry without a name lands there
  AddExtended("1|1");
  AddExtended("66|1");

  AddSubjectPhotos(Server_());
  AddSketchesAndMaps(Server_());
}

}  // namespace ombrel
