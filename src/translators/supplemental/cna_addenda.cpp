// A condominium project form has no addenda, overflow forms, photos or
// signatures to attach.
#include "translators/supplemental/cna.h"

namespace ombrel {

void CNA::AppendAddenda() {}

}  // namespace ombrel
