#include "translators/form2055/qar.h"

namespace ombrel {

void QAR::EntrainMain() {}

}  // namespace ombrel
