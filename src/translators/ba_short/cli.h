// Translator of order form "BA3370_46", a construction loan inspection, onto
// the main form "CLI" (header, draws 1 to 5, inspector's comment) and, for an
// order with draws beyond the fifth, its continuation form "CLIXDRAW".
#pragma once

#include <string>

#include "engine/translator.h"
#include "translators/ba_short/cli_draw_schedule.h"

namespace ombrel {

class CLI final : public Translator {
 public:
  CLI() : Translator({"CLI", "BA3370_46", "CLI", "CLI-3X5.RPT"}) {}
  void EntrainMain() override;
  void AppendAddenda() override;

 private:
  // True when the order holds a contract total or a pool total for any of
  // draws 6 to 10; writes nothing.
  static bool HasExtraDraws(XmlEngine& xmlSvr);
  // Splits the inspector's comment at its second separator (blank, blank,
  // line feed): the part before it on "CLI", the rest on "CLIXDRAW". Reports
  // its own errors and never passes one on.
  static void HandleClixdrawComment(XmlEngine& xmlSvr);

  // The order tag of draw k of a line: "CONSTRPERMITSDRAW1".
  static std::string Draw(const CliDrawLine& row, int k) {
    return std::string("CONSTR") + row.category + "DRAW" + std::to_string(k);
  }
  // The order tag of a cost line's contract cost: "CONSTRPERMITSCCOST".
  static std::string ContractCost(const CliDrawLine& row) {
    return std::string("CONSTR") + row.category + "CCOST";
  }
};

}  // namespace ombrel
