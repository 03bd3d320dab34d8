// Translator of order form "BADESKTOP", a desktop valuation, onto the main
// form "DT2": header and kind of analysis, a sales grid with the subject and
// comparables 1 to 3, the history, the value and the appraiser.
#pragma once

#include "engine/translator.h"

namespace ombrel {

class DTV final : public Translator {
 public:
  DTV() : Translator({"DTV", "BADESKTOP", "DT2", "DT2SKEL.RPT"}) {}
  void EntrainMain() override;
  void AppendAddenda() override;

 private:
  // Comparable k (1 to 3) in the sales grid.
  void ComparableColumn(int k);
};

}  // namespace ombrel
