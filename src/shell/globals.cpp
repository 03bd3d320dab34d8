#include "shell/globals.h"

namespace ombrel {

Globals& Global() {
  static Globals globals;
  return globals;
}

}  // namespace ombrel
