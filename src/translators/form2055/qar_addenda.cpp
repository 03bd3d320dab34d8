#include "translators/form2055/qar.h"

namespace ombrel {

void QAR::AppendAddenda() {}

}  // namespace ombrel
