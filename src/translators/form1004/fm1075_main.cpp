#include "translators/form1004/fm1075.h"

namespace ombrel {

void FM1075::EntrainMain() {}

}  // namespace ombrel
