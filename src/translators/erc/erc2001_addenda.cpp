// The addenda of an ERC2001 report: three headed comments, sale comparables
// 4 to 6 on "erscmp46", then photos, sketches and maps. Nothing goes onto the
// report profile here.
#include "engine/common_forms.h"
#include "translators/erc/erc2001.h"

namespace ombrel {

void ERC2001::AppendAddenda() {
  // Headed comments, while "ERS" is current: each call offers the order's
  // next entry to the field whose heading it must bear, so their order matters
  AddExtended("4|1");
  AddExtended("7|1");
  AddExtended("503|1");

  // Sale comparables 4 to 6; only a street decides whether a comparable exists
  if (AnyTagPresent(Server_(), {"COMP(4)ADDRSTREET", "COMP(5)ADDRSTREET", "COMP(6)ADDRSTREET"})) {
    if (SetForm("erscmp46")) {
      OverflowSaleColumn(4, 1);
      OverflowSaleColumn(5, 2);
      OverflowSaleColumn(6, 3);
      // The selection comments as plain fields, whichever columns were made
      SetAlias("COMP(4)COMPSALESELECTION", "55|1");
      SetAlias("COMP(5)COMPSALESELECTION", "61|1");
      SetAlias("COMP(6)COMPSALESELECTION", "67|1");
      SetAlias("SALESCOMPARISON2", "73|1");
    }
  }

  // Photos, sketches and maps, on whichever form was selected last;
  // AddSketchesAndMaps comes last since it leaves one of its addenda current.
  AddSubjectPhotos(Server_());
  AddCompPhotos(Server_(), 6);
  AddGeneralPhotos(Server_(), 18);
  AddListingPhotos(Server_(), 3);
  AddSketchesAndMaps(Server_());
}

}  // namespace ombrel
