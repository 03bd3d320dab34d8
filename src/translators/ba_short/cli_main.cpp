// The main form "CLI": the inspector's signer block and the report profile,
// the loan and builder header, draws 1 to 5 of the schedule, the completion
// totals and the whole inspector comment.
#include "translators/ba_short/cli.h"

#include "engine/table_text.h"

namespace ombrel {

void CLI::EntrainMain() {
  // The inspector signs block 1; the signer block makes "CLI" current again
  ProcessAppraiserInfo(1, 6, FormName());
  ProcessOffscrn();

  // Loan and builder header (the case number stands twice on the form)
  SetAlias("CASE_NO", "2|1");
  SetAlias("FILENUM", "3|1");
  SetAlias("RECEIVEDAGREEDTOBY", "6|1");
  SetAlias("BUILDER", "8|1");
  SetAlias("BUILDERDT", "8|2");
  SetAlias("BORROWERDT", "8|4");
  SetAlias("CASE_NO", "11|1");
  SetAlias("LOANTOVALUE", "11|2");
  SetAlias("BORROWER", "8|3");
  SetAlias("PROPADDR", "15|1");
  SetAlias("CITY", "16|1");
  SetAlias("STATEPROV", "16|2");
  SetAlias("ZIP", "16|3");
  SetAlias("LOANAMT", "11|3");
  SetAlias("EQUITY", "12|1");
  SetAlias("LOTDRAW", "13|2");
  SetAlias("POOL", "14|1");
  SetAlias("CONSTRUCTCOST", "15|2");
  SetAlias("SOFTCOSTS", "17|1");

  // Draw schedule, draws 1 to 5: on a cost line the contract cost in field 2
  // and draw k in field k + 2; on a pool line draw k in field k + 1
  for (const CliDrawLine& row : kCliCostLines) {
    SetAlias(ContractCost(row), Addr(row.line, 2));
    for (int k = 1; k <= 5; ++k) SetAlias(Draw(row, k), Addr(row.line, k + 2));
  }
  for (const CliDrawLine& row : kCliPoolLines) {
    for (int k = 1; k <= 5; ++k) SetAlias(Draw(row, k), Addr(row.line, k + 1));
  }

  // Completion totals, then the whole comment: the addenda may split it later
  SetAlias("CONSTRCOMPLETEADD", "59|1");
  SetAlias("CONSTRCOMPLETETOT", "60|1");
  ParseExtended("INSPECTORCOMMENT", "64|1", true);
  SetAlias("INSPECTORDTSIGNED", "66|2");
}

}  // namespace ombrel
