// An invoice has no addenda, overflow forms, photos or signatures to attach.
#include "translators/supplemental/invoice.h"

namespace ombrel {

void INVOICE::AppendAddenda() {}

}  // namespace ombrel
