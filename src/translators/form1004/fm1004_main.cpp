#include "translators/form1004/fm1004.h"

namespace ombrel {

void FM1004::EntrainMain() {}

}  // namespace ombrel
