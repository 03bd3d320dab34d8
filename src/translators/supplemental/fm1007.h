// Translator of a supplemental order document for form "1007", the comparable
// rent schedule, onto its form "rent2": the subject, up to three rental
// comparables with their adjustments, the market rent and the two signers.
#pragma once

#include "engine/translator.h"

namespace ombrel {

class FM1007 final : public Translator {
 public:
  FM1007() : Translator({"FM1007", "1007", "rent2", ""}) {}
  void EntrainMain() override;
  void AppendAddenda() override;

 private:
  // Rent comparable n (1 to 3) in its own cells of the rent grid; only a
  // street written decides whether the rest of its column is filled.
  void RentComparableColumn(int n);
};

}  // namespace ombrel
