// Translator of order form 1075, a unit in a condominium or co-operative
// project, onto the main form "CIA" and its comparables overflow forms
// "CIACMP46" and "ciacmp79".
#pragma once

#include "engine/translator.h"

namespace ombrel {

class FM1075 final : public Translator {
 public:
  FM1075() : Translator({"FM1075", "1075", "CIA", "CIA-3X5.RPT"}) {}
  void EntrainMain() override;
  void AppendAddenda() override;

 private:
  // Comparable n (1 to 3) in the sales comparison grid of "CIA".
  void ComparableColumn(int n);
  // Comparable n (4 to 9) at place m (1 to 3) of an overflow form.
  void OverflowColumn(int n, int m);
};

}  // namespace ombrel
