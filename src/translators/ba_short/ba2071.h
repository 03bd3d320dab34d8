// Translator of order form "2071", an exterior inspection, onto the main form
// "EPI": subject and lender, a checklist of questions with market-condition
// and property-feature boxes, and one appraiser's signature block.
#pragma once

#include "engine/translator.h"

namespace ombrel {

class BA2071 final : public Translator {
 public:
  BA2071() : Translator({"BA2071", "2071", "EPI", "EPI-3X5.RPT"}) {}
  void EntrainMain() override;
  void AppendAddenda() override;
};

}  // namespace ombrel
