// Translator of order form 2055_WOI onto the form "DAWI".
// Its tables are FM2055's but for the points overridden here: no title, a
// fourth choice of how the appraisal is made, and the case and file numbers
// written three times on the form.
#pragma once

#include "translators/form2055/form2055_family.h"

namespace ombrel {

class DAWI final : public Form2055Family {
 public:
  DAWI()
      : Form2055Family({"DAWI", "2055_WOI", "DAWI", "DAWI-3X5.RPT"},
                       {.comparables46 = "DAWIC46",
                        .comparables79 = "DAWIC79",
                        .overflowComment = "40|1",
                        .generalPhotos = 6}) {}

 protected:
  void Title() override;
  void AfterReportProfile() override;
  void AppraisalMade() override;
  void AfterMarketValue() override;
  void AfterCondoProject() override;
};

}  // namespace ombrel
