// Translator of a supplemental order document for form "216", the operating
// income statement, onto its form "ois": rent schedule, utilities, income and
// expense projection, replacement reserves, summary and comments.
#pragma once

#include "engine/translator.h"

namespace ombrel {

class FM216 final : public Translator {
 public:
  FM216() : Translator({"FM216", "216", "ois", ""}) {}
  void EntrainMain() override;
  void AppendAddenda() override;
};

}  // namespace ombrel
