// Translator of order form "2075", an exterior inspection, onto the main form
// "2075": subject, neighbourhood, site and utilities, data sources, the
// improvements and their conditions, and two signature blocks.
#pragma once

#include "engine/translator.h"

namespace ombrel {

class FM2075 final : public Translator {
 public:
  FM2075() : Translator({"FM2075", "2075", "2075", "2075-3X5.RPT"}) {}
  void EntrainMain() override;
  void AppendAddenda() override;
};

}  // namespace ombrel
