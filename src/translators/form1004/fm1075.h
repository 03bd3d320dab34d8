// Translator of order form 1075 onto the condominium unit exterior form "CIA" and its comparables overflow forms.
#pragma once

#include "engine/translator.h"

namespace ombrel {

class FM1075 final : public Translator {
 public:
  FM1075() : Translator({"FM1075", "1075", "CIA", "CIA-3X5.RPT"}) {}
  void EntrainMain() override;
  void AppendAddenda() override;
};

}  // namespace ombrel
