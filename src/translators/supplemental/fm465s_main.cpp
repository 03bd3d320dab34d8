// The form "EQI", the only form a building information document writes:
// every row runs whatever the order holds.
#include "translators/supplemental/fm465s.h"

namespace ombrel {

void FM465S::EntrainMain() {
  // Case, property and project
  SetAlias("CASE_NO", "7|1");
  SetAlias("FILENUM", "8|1");
  SetAlias("PROPADDR", "12|1");
  SetAlias("CITY", "13|1");
  SetAlias("STATEPROV", "13|2");
  SetAlias("ZIP", "13|3");
  SetAlias("NBRHOODPROJNM", "14|1");
  SetAlias("COUNTY", "14|2");

  // Lender or client and appraiser, each address on one line
  SetAlias("LENDERCLIENT", "15|1");
  ParseAddress("15|2", "LENDERCLIENTCITY", "LENDERCLIENTSTATEPROV", "LENDERCLIENTZIP",
               "LENDERCLIENTSTREET", "");
  SetAlias("APPRAISER", "16|1");
  SetAlias("UNITNUM", "14|3");
  ParseAddress("16|2", "APPRAISERCITY", "APPRAISERSTATEPROV", "APPRAISERZIP", "APPRAISERSTREET",
               "");

  // Case numbers and the loan
  SetAlias("CASE_NO", "17|1");
  SetAlias("FMCASE_NO", "18|1");
  SetAlias("LOANAMT", "19|1");
  SetAlias("SALESPRICE", "19|2");

  // The building
  CheckAlias("GENERALBUILDINGTYPE", "22|1", "TOWNHOUSE",
             {"22|2", "GARDEN", "22|3", "MIDRISE", "22|4", "HIGHRISE"});
  SetAlias("GENERALNUMSTORIES", "23|1");
  SetAlias("GENERALNUMUNITS", "24|1");
  CheckAlias("GENERALCONSTRUCTTYPE", "25|1", "WOODFRAME",
             {"25|2", "CONCRETE", "25|3", "STEELFRAME", "26|1", "REINFORCEDMASONRY", "26|2",
              "UNREINFORCEDMASONRY", "27|1", "UNKNOWN"});
  CheckAlias("GENERALCONSTRUCTSOFTSTORY", "28|1", "YES", {"28|2", "NO"});
  SetAlias("GENERALYRBUILT", "29|1");
  CheckAlias("PARKINGTYPE", "30|1", "NONE",
             {"30|2", "TUCKUNDER", "30|3", "ABOVEGRADE", "30|4", "LOT"});

  // The appraiser's company, signing, certificate and licence
  SetAlias("APPRAISERCONAME", "76|1");
  SetAlias("APPRAISERDTSIGNED", "77|1");
  SetAlias("APPRAISERSTATECERTNUM", "78|1");
  SetAlias("APPRAISERCERTSTATEPROV", "78|2");
  SetAlias("APPRAISERSTATELICNUM", "79|1");
  SetAlias("APPRAISERLICSTATEPROV", "79|2");
  SetAlias("APPRAISERLICCERTEXPDT", "80|1");
}

}  // namespace ombrel
