#include "translators/form2055/fm2065.h"

namespace ombrel {

void FM2065::AppendAddenda() {}

}  // namespace ombrel
