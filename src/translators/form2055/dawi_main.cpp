#include "translators/form2055/dawi.h"

namespace ombrel {

void DAWI::EntrainMain() {}

}  // namespace ombrel
