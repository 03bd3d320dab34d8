// Translator of order form "BAAPUPDATE", an appraisal update, onto the main
// form "AUL": appraiser, lender and subject, the market-conditions and
// validation answers, the value, and the appraiser's certificate and licence.
#pragma once

#include "engine/translator.h"

namespace ombrel {

class AUL final : public Translator {
 public:
  AUL() : Translator({"AUL", "BAAPUPDATE", "AUL", "AULSKEL.RPT"}) {}
  void EntrainMain() override;
  void AppendAddenda() override;
};

}  // namespace ombrel
