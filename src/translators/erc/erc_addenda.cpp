// The addenda of an ERC report: one headed comment, the report profile's
// owner, property and lender rows again, sale comparables 4 to 6 on
// "er3cmp46", then photos, sketches and maps.
#include "engine/common_forms.h"
#include "translators/erc/erc.h"

namespace ombrel {

void ERC::AppendAddenda() {
  // Offered while "ER3" is current; its heading is looked up under that id
  AddExtended("4|1");

  // Report profile, written again over what ProcessOffscrn wrote: the owner
  // where the borrower stands.
  ReportProfileBlock("OWNER");

  // Sale comparables 4 to 6; only a street decides whether a comparable exists
  if (AnyTagPresent(Server_(), {"COMP(4)ADDRSTREET", "COMP(5)ADDRSTREET", "COMP(6)ADDRSTREET"})) {
    if (SetForm("er3cmp46")) {
      OverflowSaleColumn(4, 1);
      OverflowSaleColumn(5, 2);
      OverflowSaleColumn(6, 3);
      SetAlias("SALESCOMPDESCOTHERTWO", "51|1");
      SetAlias("MARKETDATATWO", "72|1");
    }
  }

  // Photos, sketches and maps, on whichever form was selected last;
  // AddSketchesAndMaps comes last since it leaves one of its addenda current.
  AddSubjectPhotos(Server_());
  AddCompPhotos(Server_(), 6);
  AddGeneralPhotos(Server_(), 18);
  AddSketchesAndMaps(Server_());
}

}  // namespace ombrel
