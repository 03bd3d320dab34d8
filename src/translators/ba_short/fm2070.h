// Translator of order form "2070", a condition and marketability report, onto
// the main form "CMR": subject, lender and appraiser, data sources, a short
// description of the improvements, a checklist, and two signature blocks.
#pragma once

#include "engine/translator.h"

namespace ombrel {

class FM2070 final : public Translator {
 public:
  FM2070() : Translator({"FM2070", "2070", "CMR", "CMR-3X5.RPT"}) {}
  void EntrainMain() override;
  void AppendAddenda() override;
};

}  // namespace ombrel
