// Translator of a supplemental order document for form "465S", building
// information for a unit in a project, onto its form "EQI": the property,
// lender and appraiser, the building's type and construction, and parking.
#pragma once

#include "engine/translator.h"

namespace ombrel {

class FM465S final : public Translator {
 public:
  FM465S() : Translator({"FM465S", "465S", "EQI", ""}) {}
  void EntrainMain() override;
  void AppendAddenda() override;
};

}  // namespace ombrel
