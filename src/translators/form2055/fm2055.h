// Translator of order form 2055 (no alternate form) onto the exterior-inspection form "DUQ".
#pragma once

#include "engine/translator.h"

namespace ombrel {

class FM2055 final : public Translator {
 public:
  FM2055() : Translator({"FM2055", "2055", "DUQ", "2055-3X5.RPT"}) {}
  void EntrainMain() override;
  void AppendAddenda() override;
};

}  // namespace ombrel
