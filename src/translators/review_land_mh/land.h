// Translator of order form "LAND" onto the land appraisal form "LAR", with
// comparables 4 to 6 on the comparables form "larcmps". Its two procedures are
// fixed tables of engine calls; a comparable's column is one template.
#pragma once

#include "engine/translator.h"

namespace ombrel {

class LAND final : public Translator {
 public:
  LAND() : Translator({"LAND", "LAND", "LAR", "VL-3X5.RPT"}) {}
  void EntrainMain() override;
  void AppendAddenda() override;

 private:
  // Comparable k (1 to 3) in the sales comparison grid of "LAR".
  void ComparableColumn(int k);
  // Comparable k (4 to 6) on "larcmps": its street opens and guards the column.
  void ComparablesFormColumn(int k);
  // The rows of comparable k's column after its street, in column p (1 to 3),
  // at the lines of "LAR" less linesUp (0 on "LAR", 40 on "larcmps").
  void ComparableRows(int k, int p, int linesUp);
};

}  // namespace ombrel
