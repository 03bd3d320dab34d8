// A building information form has no addenda, overflow forms, photos or
// signatures to attach.
#include "translators/supplemental/fm465s.h"

namespace ombrel {

void FM465S::AppendAddenda() {}

}  // namespace ombrel
