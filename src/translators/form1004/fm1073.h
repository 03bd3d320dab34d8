// Translator of order form 1073 onto the condominium unit form "CN2" and its comparables overflow forms.
#pragma once

#include "engine/translator.h"

namespace ombrel {

class FM1073 final : public Translator {
 public:
  FM1073() : Translator({"FM1073", "1073", "CN2", "CND-3X5.RPT"}) {}
  void EntrainMain() override;
  void AppendAddenda() override;
};

}  // namespace ombrel
