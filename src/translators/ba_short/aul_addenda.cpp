// The addenda of an "AUL" report: two headed comments, offered while "AUL"
// is current.
#include "translators/ba_short/aul.h"

namespace ombrel {

void AUL::AppendAddenda() {
  AddExtended("6|2");
  AddExtended("86|1");
}

}  // namespace ombrel
