// Translator of a supplemental order document for form "442", the certificate
// of completion, onto its form "compl": the earlier appraisal it refers to,
// the property, the conditions and changes, and the appraiser's signing.
#pragma once

#include "engine/translator.h"

namespace ombrel {

class FM442 final : public Translator {
 public:
  FM442() : Translator({"FM442", "442", "compl", ""}) {}
  void EntrainMain() override;
  void AppendAddenda() override;
};

}  // namespace ombrel
