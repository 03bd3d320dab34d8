// Translator of order form 2065 onto the form "2065".
// Its tables are QAR's but for the sales comparison grid, which lies three
// lines lower, has no net adjustment rows and ends each comparable with a tick
// of its overall comparison; its overflow forms repeat that grid 33 lines up
// and have their comment on line 39; up to eighteen additional photos.
#pragma once

#include "translators/form2055/form2055_family.h"

namespace ombrel {

class FM2065 final : public Form2055Family {
 public:
  FM2065()
      : Form2055Family({"FM2065", "2065", "2065", "2065-3X5.RPT"},
                       {.comparables46 = "2065_C46",
                        .comparables79 = "2065_C79",
                        .overflowComment = "39|1",
                        .generalPhotos = 18}) {}

 protected:
  void SalesComparison() override;
  void OverflowComparable(int n, int k) override;

 private:
  void MainComparable(int n);
  // The rows of comparable n below its street, in column k; the main form's
  // line numbers, moved up by shift on the overflow forms.
  void ComparableRows(int n, int k, int shift);
};

}  // namespace ombrel
