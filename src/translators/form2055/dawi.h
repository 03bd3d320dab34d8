// Translator of order form 2055_WOI onto the form "DAWI".
#pragma once

#include "engine/translator.h"

namespace ombrel {

class DAWI final : public Translator {
 public:
  DAWI() : Translator({"DAWI", "2055_WOI", "DAWI", "DAWI-3X5.RPT"}) {}
  void EntrainMain() override;
  void AppendAddenda() override;
};

}  // namespace ombrel
