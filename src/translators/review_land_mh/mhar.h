// Translator of order form "MHAR" onto the manufactured-home form "MOB", with
// comparables 4 to 6 on the comparables form "MOBCMP46". Its two procedures
// are fixed tables of engine calls; a comparable's column is one template on
// each form, and the interior description is split over two lines.
#pragma once

#include "engine/translator.h"

namespace ombrel {

class MHAR final : public Translator {
 public:
  MHAR() : Translator({"MHAR", "MHAR", "MOB", "MOB-3X5.RPT"}) {}
  void EntrainMain() override;
  void AppendAddenda() override;

 private:
  // Comparable k (1 to 3) in the sales comparison grid of "MOB".
  void ComparableColumn(int k);
  // Comparable k (4 to 6) on "MOBCMP46": its street opens and guards the column.
  void ComparablesFormColumn(int k);
  // The order's interior description on the first fields of lines 65 and 66.
  void InteriorDescription();
};

}  // namespace ombrel
