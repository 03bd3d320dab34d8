// The addenda of a "BAR" report: eight headed comments, offered with "BAR"
// current again after the main table ended on the report profile.
#include "translators/ba_short/bar.h"

namespace ombrel {

void BAR::AppendAddenda() {
  // The headings are looked up under the current form's id
  SetForm("BAR");

  AddExtended("5|1");
  AddExtended("9|4");
  AddExtended("19|2");
  AddExtended("21|2");
  AddExtended("23|2");
  AddExtended("25|2");
  AddExtended("27|2");
  AddExtended("65|1");
}

}  // namespace ombrel
