#include "translators/form1004/fm1073.h"

namespace ombrel {

void FM1073::AppendAddenda() {}

}  // namespace ombrel
