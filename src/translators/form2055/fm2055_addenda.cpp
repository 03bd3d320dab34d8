#include "translators/form2055/fm2055.h"

namespace ombrel {

void FM2055::AppendAddenda() {}

}  // namespace ombrel
