// Translator of order form 2055 (no alternate form) onto the exterior-inspection form "DUQ".
// Its tables are the 2055 family's as they stand.
#pragma once

#include "translators/form2055/form2055_family.h"

namespace ombrel {

class FM2055 final : public Form2055Family {
 public:
  FM2055()
      : Form2055Family({"FM2055", "2055", "DUQ", "2055-3X5.RPT"},
                       {.comparables46 = "DUQCMP46",
                        .comparables79 = "duqcmp79",
                        .overflowComment = "40|1",
                        .generalPhotos = 6}) {}
};

}  // namespace ombrel
