// The addenda of a "CLI" report: two headed comments, the continuation form
// "CLIXDRAW" when the order has draws beyond the fifth, then the subject
// photos, sketches and maps.
#include "translators/ba_short/cli.h"

#include "engine/common_forms.h"
#include "engine/table_text.h"

namespace ombrel {

void CLI::AppendAddenda() {
  // Headed comments, offered while "CLI" is current: 2|1 has an empty heading
  AddExtended("2|1");
  AddExtended("68|1");

  // Draws 6 to 10 in the same lines and fields that draws 1 to 5 use on
  // "CLI": field k - 3 of a cost line, k - 4 of a pool line; no contract costs
  if (HasExtraDraws(Server_())) {
    if (SetForm("CLIXDRAW")) {
      SetAlias("CASE_NO", "2|1");
      SetAlias("FILENUM", "3|1");
      for (const CliDrawLine& row : kCliCostLines) {
        for (int k = 6; k <= 10; ++k) SetAlias(Draw(row, k), Addr(row.line, k - 3));
      }
      for (const CliDrawLine& row : kCliPoolLines) {
        for (int k = 6; k <= 10; ++k) SetAlias(Draw(row, k), Addr(row.line, k - 4));
      }
      HandleClixdrawComment(Server_());
    }
  }

  // Photos, sketches and maps, on "CLIXDRAW" when it was added
  AddSubjectPhotos(Server_());
  AddSketchesAndMaps(Server_());
}

}  // namespace ombrel
