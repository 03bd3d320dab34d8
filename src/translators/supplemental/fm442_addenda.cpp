// A completion certificate has no addenda, overflow forms, photos or
// signatures to attach.
#include "translators/supplemental/fm442.h"

namespace ombrel {

void FM442::AppendAddenda() {}

}  // namespace ombrel
