// The form "invoice", the only form an invoice document writes.
#include "translators/supplemental/invoice.h"

#include <string>

#include "engine/table_text.h"

namespace ombrel {

void INVOICE::EntrainMain() {
  // The appraiser's company
  SetAlias("APPRAISERCONAME", "5|1");
  SetAlias("APPRAISERSTREET", "6|1");
  ParseAddress("7|1", "APPRAISERCITY", "APPRAISERSTATEPROV", "APPRAISERZIP", "", "");
  SetAlias("APPRAISERPHONE", "8|1");

  // The invoice itself
  SetAlias("INVOICEDT", "5|2");
  SetAlias("INVOICENUM", "5|3");
  SetAlias("INVOICEFEE", "23|2");

  // Lender or client; its zip code stands once more on a line of its own
  SetAlias("LENDERCLIENT", "13|1");
  SetAlias("LENDERCLIENTSTREET", "14|1");
  ParseAddress("15|1", "LENDERCLIENTCITY", "LENDERCLIENTSTATEPROV", "LENDERCLIENTZIP", "", "");
  SetAlias("LENDERCLIENTZIP", "16|1");

  // Borrower and property
  SetAlias("BORROWER", "27|1");
  SetAlias("PROPADDR", "28|1");
  ParseAddress("29|1", "CITY", "STATEPROV", "ZIP", "", "");

  // Items 1 to 9, each on its own line whether or not an earlier one is missing
  for (int i = 1; i <= 9; ++i) InvoiceItem(i);

  SetAlias("INVOICEITEMTOTAMT", "58|1");
}

void INVOICE::InvoiceItem(int i) {
  const int line = i + 31;
  // Both rows run before the check, so an item with only a name is still written.
  const bool wroteCost = SetAlias(Item("INVOICEITEM", i, "COST"), Addr(line, 2));
  const bool wroteName = SetAlias(Item("INVOICEITEM", i, "NAME"), Addr(line, 1));
  if (wroteCost || wroteName) MapValue(Item("INVOICEITEM", i, "NUM"), std::to_string(i));
}

}  // namespace ombrel
