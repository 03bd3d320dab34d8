// A rent schedule has no addenda, overflow forms, photos or signatures to
// attach.
#include "translators/supplemental/fm1007.h"

namespace ombrel {

void FM1007::AppendAddenda() {}

}  // namespace ombrel
