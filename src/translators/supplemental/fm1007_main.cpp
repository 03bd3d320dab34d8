// The form "rent2": header and subject, the three rent comparables, the
// reconciliation and market rent, and the appraiser and supervisor.
#include "translators/supplemental/fm1007.h"

#include "engine/common_forms.h"

namespace ombrel {

void FM1007::EntrainMain() {
  // Header and subject address
  SetAlias("CASE_NO", "2|1");
  SetAlias("FILENUM", "3|1");
  SetAlias("RENTSUBJECTADDRSTREET", "8|1");
  ParseAddress("9|1", "RENTSUBJECTADDRCITY", "RENTSUBJECTADDRSTATEPROV", "RENTSUBJECTADDRZIP", "",
               "");

  // Subject column of the rent grid
  SetAlias("RENTSUBJECTLEASEBEGINDT", "12|1");
  SetAlias("RENTSUBJECTLEASEENDDT", "13|1");
  SetAlias("RENTSUBJECTGROSSMORENT", "15|1");
  SetAlias("RENTSUBJECTLESSUTILITIES", "16|1");
  SetAlias("RENTSUBJECTLESSFURNITURE", "17|1");
  SetAlias("RENTSUBJECTADJMORENT", "19|1");
  SetAlias("RENTSUBJECTDATA", "20|1");
  SetAlias("RENTSUBJECTDATA2", "21|1");
  SetAlias("RENTSUBJECTLOCATION", "25|1");
  SetAlias("RENTSUBJECTVIEW", "26|1");
  SetAlias("RENTSUBJECTDESIGNSTYLE", "27|1");
  SetAlias("RENTSUBJECTAPPEAL", "28|1");
  SetAlias("RENTSUBJECTAGE", "29|1");
  SetAlias("RENTSUBJECTCONDITION", "30|1");
  SetAlias("RENTSUBJECTROOMTOT", "32|1");
  SetAlias("RENTSUBJECTBEDROOMS", "32|2");
  SetAlias("RENTSUBJECTBATH", "32|3");
  SetAlias("RENTSUBJECTLIVINGSQFT", "33|1");
  SetAlias("RENT2SUBJECTADDITIONAL1", "34|1");
  SetAlias("RENT2SUBJECTADDITIONAL2", "35|1");
  SetAlias("RENT2SUBJECTADDITIONAL3", "36|1");
  SetAlias("RENT2SUBJECTADDITIONAL4", "37|1");

  // Rent comparables, each in its own cells: a missing one leaves a gap
  RentComparableColumn(1);
  RentComparableColumn(2);
  RentComparableColumn(3);

  // Comments, reconciliation and the market rent with its date
  SetAlias("COMMENTSRENTSCHEDULE", "42|1");
  SetAlias("FINALRECONMARKETRENT", "59|1");
  SplitY2KDate(Server_(), "ESTMOMARKETRENTDT", "75|1", "75|2");
  SetAlias("ESTMOMARKETRENT", "75|3");

  // Appraiser
  SetAlias("APPRAISER", "78|1");
  SetAlias("APPRAISERDTSIGNED", "79|1");
  SetAlias("APPRAISERSTATECERTNUM", "80|1");
  SetAlias("APPRAISERCERTSTATEPROV", "80|2");
  SetAlias("APPRAISERSTATELICNUM", "81|1");
  SetAlias("APPRAISERLICSTATEPROV", "81|2");
  CheckAlias("INSPECTSUBJECTPROP", "77|3", "DID", {"77|4", "DIDNOT"});

  // Supervisory appraiser
  SetAlias("SUPAPPRAISER", "78|2");
  SetAlias("SUPAPPRAISERDTSIGNED", "79|2");
  SetAlias("SUPAPPRAISERSTATECERTNUM", "80|3");
  SetAlias("SUPAPPRAISERCERTSTATEPROV", "80|4");
  SetAlias("SUPAPPRAISERSTATELICNUM", "81|3");
  SetAlias("SUPAPPRAISERLICSTATEPROV", "81|4");
}

}  // namespace ombrel
