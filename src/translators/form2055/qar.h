// Translator of order form 2055 with the alternate form "FHLMC" onto the form "QAR".
#pragma once

#include "engine/translator.h"

namespace ombrel {

class QAR final : public Translator {
 public:
  QAR() : Translator({"QAR", "2055", "QAR", "QAR-3X5.RPT"}) {}
  void EntrainMain() override;
  void AppendAddenda() override;
};

}  // namespace ombrel
