// Translator of order form 2065 onto the form "2065".
#pragma once

#include "engine/translator.h"

namespace ombrel {

class FM2065 final : public Translator {
 public:
  FM2065() : Translator({"FM2065", "2065", "2065", "2065-3X5.RPT"}) {}
  void EntrainMain() override;
  void AppendAddenda() override;
};

}  // namespace ombrel
