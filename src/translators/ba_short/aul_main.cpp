// The main form "AUL": the signer blocks and report profile, then the update
// from the header down to the appraiser's certificate and licence rows.
#include "translators/ba_short/aul.h"

namespace ombrel {

void AUL::EntrainMain() {
  // Title, signer blocks and report profile; each signer block makes "AUL" current again
  SetAlias("TITLE", "17|1");
  ProcessAppraiserInfo(1, 1, FormName());
  ProcessAppraiserInfo(2, 2, FormName());
  ProcessOffscrn();

  // Header and appraiser
  SetAlias("CASE_NO", "3|1");
  SetAlias("FILENUM", "4|1");
  SetAlias("APPRAISER", "6|1");
  SetAlias("APPRAISERSTREET", "7|1");
  ParseAddress("8|1", "APPRAISERCITY", "APPRAISERSTATEPROV", "APPRAISERZIP", "", "");

  // Lender or client; its zip code has a cell of its own
  SetAlias("LENDERCLIENT", "10|1");
  SetAlias("LENDERCLIENTSTREET", "11|1");
  ParseAddress("12|1", "LENDERCLIENTCITY", "LENDERCLIENTSTATEPROV", "", "", "");
  SetAlias("LENDERCLIENTZIP", "13|1");

  // Report date, classification, borrower and subject
  SetAlias("REPORTDT", "6|2");
  SetAlias("CLASSIFICATION", "8|2");
  SetAlias("BORROWER", "10|2");
  SetAlias("PROPADDR", "11|2");
  ParseAddress("12|2", "CITY", "STATEPROV", "", "", "");
  SetAlias("ZIP", "13|2");
  SetAlias("ORIGAPPRAISALDT", "19|1");

  // Market conditions and validation of the earlier appraisal; the earlier
  // appraisal's date follows both boxes, whichever is ticked
  CheckAlias("FACTORMARKETCONDITIONS", "32|1", "NO", {"35|1", "YES"});
  ParseExtended("FACTORMARKETCONDITIONSDESC", "36|1", true);
  CheckAlias("APPRAISALUPDATEVALIDATE", "42|1", "YES", {"44|1", "NO"});
  SetAlias("ORIGAPPRAISALDT", "42|2");
  SetAlias("ORIGAPPRAISALDT", "44|2");

  // Market value and signature
  SetAlias("ESTMARKETVALUE", "49|1");
  SetAlias("ESTMARKETVALUEDT", "49|2");
  SetAlias("APPRAISER", "80|1");
  SetAlias("APPRAISERDTSIGNED", "81|1");

  // Certificate and licence rows: each row's expiry date and state only when
  // its number was written; the licence row is keyed on APPRAISERLICNUM and
  // its state replaces the certificate's in 84|1
  if (SetAlias("APPRAISERSTATECERTNUM", "82|1")) {
    SetAlias("APPRAISERLICCERTEXPDT", "82|2");
    SetAlias("APPRAISERCERTSTATEPROV", "84|1");
  }
  if (SetAlias("APPRAISERLICNUM", "83|1")) {
    SetAlias("APPRAISERLICCERTEXPDT", "83|2");
    SetAlias("APPRAISERLICSTATEPROV", "84|1");
  }
}

}  // namespace ombrel
