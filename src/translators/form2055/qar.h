// Translator of order form 2055 with the alternate form "FHLMC" onto the form "QAR".
// Its tables are FM2055's, tag for tag; only the overflow form ids differ.
#pragma once

#include "translators/form2055/form2055_family.h"

namespace ombrel {

class QAR final : public Form2055Family {
 public:
  QAR()
      : Form2055Family({"QAR", "2055", "QAR", "QAR-3X5.RPT"},
                       {.comparables46 = "QARCMP46",
                        .comparables79 = "qarcmp79",
                        .overflowComment = "40|1",
                        .generalPhotos = 6}) {}
};

}  // namespace ombrel
