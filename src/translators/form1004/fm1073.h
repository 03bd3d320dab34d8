// Translator of order form 1073 onto the condominium unit form "CN2" and its
// comparables overflow forms "cn2cmp46" and "cn2cmp79". Its two procedures are
// fixed tables of engine calls; a comparable's column is one template each.
#pragma once

#include "engine/translator.h"

namespace ombrel {

class FM1073 final : public Translator {
 public:
  FM1073() : Translator({"FM1073", "1073", "CN2", "CND-3X5.RPT"}) {}
  void EntrainMain() override;
  void AppendAddenda() override;

 private:
  // Comparable n (1 to 3) in the sales comparison grid of "CN2".
  void ComparableColumn(int n);
  // Comparable n (4 to 9) in column p (1 to 3) of an overflow form.
  void OverflowComparableColumn(int n, int p);
};

}  // namespace ombrel
