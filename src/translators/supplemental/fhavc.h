// Translator of a supplemental order document for form "FHAVC", a checklist of
// valuation conditions, onto its form "VC01": 85 yes-or-no condition items,
// a few plain values and up to 32 described conditions.
#pragma once

#include <string>

#include "engine/translator.h"

namespace ombrel {

class FHAVC final : public Translator {
 public:
  FHAVC() : Translator({"FHAVC", "FHAVC", "VC01", ""}) {}
  void EntrainMain() override;
  void AppendAddenda() override;

 private:
  // One condition item: its type tag (tag + "TYPE") checked against expected,
  // then "YES" ticks line|yesField; an item without a "NO" box has no noField.
  void ConditionItem(const std::string& tag, const std::string& expected, int line, int yesField);
  void ConditionItem(const std::string& tag, const std::string& expected, int line, int yesField,
                     int noField);
  // Described condition n (1 to 32) on line 264 + 2n.
  void ConditionDescription(int n);
};

}  // namespace ombrel
