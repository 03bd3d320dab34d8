// Translator of order form "BAVIE" onto the main form "VIE", a short
// valuation report that summarises the comparable sales (their number and
// ranges) instead of listing them; it has no comparables grid.
#pragma once

#include "engine/translator.h"

namespace ombrel {

class VIE final : public Translator {
 public:
  VIE() : Translator({"VIE", "BAVIE", "VIE", "VIESKEL.RPT"}) {}
  void EntrainMain() override;
  void AppendAddenda() override;
};

}  // namespace ombrel
