#include "translators/form2055/dawi.h"

namespace ombrel {

void DAWI::AppendAddenda() {}

}  // namespace ombrel
