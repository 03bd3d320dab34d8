// Each SetAlias of a translator's tables with the form it writes to, as a
// RecordingEngine sees them: the main form until a SetForm names another.
// The photo procedures, from the first SetPhoto on, are left out.
#pragma once

#include <string>
#include <vector>

#include "engine/form_translator.h"

namespace ombrel::testing {

struct AliasWrite {
  std::string form, tag, addr;
};

std::vector<AliasWrite> AliasWrites(FormTranslator& translator);

}  // namespace ombrel::testing
