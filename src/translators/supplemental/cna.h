// Translator of a supplemental order document for form "465", the condominium
// or PUD project, onto its form "cna". Unlike the other supplemental forms it
// fills signer blocks 1 and 2 and the report profile again from its document.
#pragma once

#include "engine/translator.h"

namespace ombrel {

class CNA final : public Translator {
 public:
  CNA() : Translator({"CNA", "465", "cna", ""}) {}
  void EntrainMain() override;
  void AppendAddenda() override;

 private:
  // Unit type n (1 to 8) of the project's unit grid, on line 89 + n; every
  // row runs whether or not the unit type has values.
  void UnitType(int n);
};

}  // namespace ombrel
