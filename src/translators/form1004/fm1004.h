// Translator of order form 1004 onto the residential form "UA2" and its
// comparables overflow forms "cmps46" and "cmps79". Its two procedures are
// fixed tables of engine calls; a comparable's column is one template each.
#pragma once

#include "engine/translator.h"

namespace ombrel {

class FM1004 final : public Translator {
 public:
  FM1004() : Translator({"FM1004", "1004", "UA2", "UAR-3X5.RPT"}) {}
  void EntrainMain() override;
  void AppendAddenda() override;

 private:
  // Comparable n (1 to 3) in the sales comparison grid of "UA2".
  void ComparableColumn(int n);
  // The rows of comparable n (4 to 9) at place k (1 to 3) of an overflow form,
  // written once its street was.
  void OverflowComparableRows(int n, int k);
};

}  // namespace ombrel
