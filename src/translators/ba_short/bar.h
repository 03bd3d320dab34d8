// Translator of order form "BAAPREVIEW", an appraisal review, onto the main
// form "BAR": the reviewed appraisal, five review questions, the review
// appraiser's inspection and signature, and eight headed comments.
#pragma once

#include "engine/translator.h"

namespace ombrel {

class BAR final : public Translator {
 public:
  BAR() : Translator({"BAR", "BAAPREVIEW", "BAR", "BARSKEL.RPT"}) {}
  void EntrainMain() override;
  void AppendAddenda() override;
};

}  // namespace ombrel
