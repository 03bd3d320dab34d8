// Translator of order form 2000, the review of an appraisal report, onto the
// review form "FRR". The reviewed report's sales grid goes onto two
// comparables forms: "79cmp13" with a subject column and comparables 1 to 3,
// "79cmp46" with comparables 4 to 6, one column template for both.
#pragma once

#include "engine/translator.h"

namespace ombrel {

class FM2000 final : public Translator {
 public:
  FM2000() : Translator({"FM2000", "2000", "FRR", "FRR-3X5.RPT"}) {}
  void EntrainMain() override;
  void AppendAddenda() override;

 private:
  // The subject's column of "79cmp13", written only when its street is.
  void SubjectColumn();
  // Comparable k in column p (1 to 3) of "79cmp13" or "79cmp46", written only
  // when its street is.
  void ComparableColumn(int k, int p);
};

}  // namespace ombrel
