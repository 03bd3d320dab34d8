// The addenda of a "VIE" report: four headed comments, offered while "VIE"
// is current. 58|1 has an empty heading: only an entry without a name lands
// there.
#include "translators/ba_short/vie.h"

namespace ombrel {

void VIE::AppendAddenda() {
  AddExtended("5|1");
  AddExtended("23|6");
  AddExtended("58|1");
  AddExtended("197|1");
}

}  // namespace ombrel
