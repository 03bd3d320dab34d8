// An operating income statement has no addenda, overflow forms, photos or
// signatures to attach.
#include "translators/supplemental/fm216.h"

namespace ombrel {

void FM216::AppendAddenda() {}

}  // namespace ombrel
