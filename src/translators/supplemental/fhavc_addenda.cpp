// A valuation-conditions checklist has no addenda, overflow forms, photos or
// signatures to attach.
#include "translators/supplemental/fhavc.h"

namespace ombrel {

void FHAVC::AppendAddenda() {}

}  // namespace ombrel
