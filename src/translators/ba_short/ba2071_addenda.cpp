// The addenda of an "EPI" report: two headed comments, offered while "EPI"
// is current. The form takes no photos, sketches or maps.
#include "translators/ba_short/ba2071.h"

namespace ombrel {

void BA2071::AppendAddenda() {
  AddExtended("11|1");
  AddExtended("77|1");
}

}  // namespace ombrel
