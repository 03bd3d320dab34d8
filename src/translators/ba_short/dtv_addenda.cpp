// The addenda of a "DT2" report: three headed comments, offered while "DT2"
// is current. The form takes no photos, sketches or maps.
#include "translators/ba_short/dtv.h"

namespace ombrel {

void DTV::AppendAddenda() {
  AddExtended("2|1");
  AddExtended("65|1");
  AddExtended("215|1");
}

}  // namespace ombrel
