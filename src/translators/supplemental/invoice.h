// Translator of a supplemental order document for form "INVOICE", the
// appraisal fee invoice, onto its form "invoice": appraiser, lender or
// client, borrower and property, up to nine items and their total.
#pragma once

#include "engine/translator.h"

namespace ombrel {

class INVOICE final : public Translator {
 public:
  INVOICE() : Translator({"INVOICE", "INVOICE", "invoice", ""}) {}
  void EntrainMain() override;
  void AppendAddenda() override;

 private:
  // Invoice item i (1 to 9) on line i + 31: its cost, its name, and its
  // number checked only when the item has a cost or a name.
  void InvoiceItem(int i);
};

}  // namespace ombrel
