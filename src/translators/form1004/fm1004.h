// Translator of order form 1004 onto the residential form "UA2" and its comparables overflow forms.
#pragma once

#include "engine/translator.h"

namespace ombrel {

class FM1004 final : public Translator {
 public:
  FM1004() : Translator({"FM1004", "1004", "UA2", "UAR-3X5.RPT"}) {}
  void EntrainMain() override;
  void AppendAddenda() override;
};

}  // namespace ombrel
