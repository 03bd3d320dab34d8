// The main form "VIE": the signer block and report profile, subject, project
// and lender, the analysis and sales summary, the history and the value, and
// the appraiser with the licence or certificate.
#include "translators/ba_short/vie.h"

namespace ombrel {

void VIE::EntrainMain() {
  // Title, signer block and report profile; the signer block makes "VIE" current again
  SetAlias("TITLE", "5|1");
  ProcessAppraiserInfo(1, 1, FormName());
  ProcessOffscrn();

  // Subject, project and lender
  SetAlias("CASE_NO", "2|1");
  SetAlias("FILENUM", "3|1");
  SetAlias("PROPADDR", "20|1");
  SetAlias("CITY", "20|2");
  SetAlias("STATEPROV", "20|3");
  SetAlias("ZIP", "20|4");
  ParseExtended("LEGALDESC", "21|1", true);
  SetAlias("COUNTY", "21|2");
  SetAlias("ASSESPARCELNUM", "22|1");
  SetAlias("BORROWER", "22|2");
  // The association fee in 23|4 stands between the project-type boxes
  CheckAlias("PROJTYPE", "23|1", "SFR",
             {"23|2", "PUD", "23|3", "CONDO", "23|5", "24FAMILY", "23|6", "OTHER"});
  SetAlias("HOMEOWNERASSNFEE", "23|4");
  SetAlias("MAPREF", "24|1");
  SetAlias("CENSUSTRACT", "24|2");
  SetAlias("LENDERCLIENT", "25|1");
  ParseAddress("25|2", "LENDERCLIENTCITY", "LENDERCLIENTSTATEPROV", "LENDERCLIENTZIP",
               "LENDERCLIENTSTREET", "");
  ParseExtended("PROPAMENITIES", "26|1", true);
  ParseExtended("SPECIFICZONING", "27|1", true);

  // Analysis and sales summary
  CheckAlias("DATAANALYSISTYPE", "29|1", "AVM", {"30|1", "MANUAL"});
  SetAlias("NUMCOMPSALES", "33|1");
  SetAlias("COMPSALESAREASQFTLOW", "34|1");
  SetAlias("COMPSALESAREASQFTHIGH", "34|2");
  SetAlias("COMPSALESRADIUS", "34|3");
  SetAlias("COMPSALESTIMEPERIOD", "34|4");
  SetAlias("COMPSALESPRICELOW", "35|1");
  SetAlias("COMPSALESPRICEHIGH", "35|2");
  ParseExtended("COMMENTSALESCOMPARE", "37|1", true);
  ParseExtended("ANALYSISCURRENTAGREE", "46|1", true);

  // Transfer or listing history and value in excess
  CheckAlias("SUBJECTTRANSFERREDLISTED", "50|1", "NO", {"51|1", "YES"});
  CheckAlias("SUBJECTSOLDLISTED", "51|2", "SOLD", {"51|3", "LISTED"});
  SetAlias("SUBJECTSOLDLISTEDPRICE", "51|4");
  SetAlias("SUBJECTSOLDLISTEDDATE", "51|5");
  SetAlias("VALUEINEXCESS", "58|1");
  SetAlias("VALUEINEXCESSDT", "61|1");

  // Appraiser
  SetAlias("APPRAISERDTSIGNED", "191|2");
  SetAlias("APPRAISER", "192|1");
  SetAlias("APPRAISERTITLE", "192|2");
  Combine("193|1", ",", 1, {"APPRAISALDISTRICTNAME", "APPRAISALDISTRICTNUM"});
  // Licence or certificate, whichever the order holds; both (or neither), licence first
  LicenceSelect(1, "194|2", "194|1", "/", kLicenceFirst, kNumberCellFirst);
  SetAlias("APPRAISERLICCERTEXPDT", "194|3");
}

}  // namespace ombrel
