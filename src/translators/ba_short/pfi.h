// Translator of order form "BA3370_44", a property inspection, onto the main
// form "PFI": occupancy and condition boxes, three questions with their
// comments, and the appraiser; photos, sketches and maps follow.
#pragma once

#include "engine/translator.h"

namespace ombrel {

class PFI final : public Translator {
 public:
  PFI() : Translator({"PFI", "BA3370_44", "PFI", "PFISKEL.RPT"}) {}
  void EntrainMain() override;
  void AppendAddenda() override;
};

}  // namespace ombrel
