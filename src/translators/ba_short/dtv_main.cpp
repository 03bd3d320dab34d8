// The main form "DT2": the signer block and report profile, header and kind
// of analysis, the sales grid, and the history, value and appraiser.
#include "translators/ba_short/dtv.h"

namespace ombrel {

void DTV::EntrainMain() {
  // Title, signer block and report profile; the signer block makes "DT2" current again
  SetAlias("TITLE", "5|1");
  ProcessAppraiserInfo(1, 1, FormName());
  ProcessOffscrn();

  // Header; the property address is joined into one field
  SetAlias("CASE_NO", "2|1");
  SetAlias("FILENUM", "3|1");
  ParseAddress("7|1", "CITY", "STATEPROV", "ZIP", "PROPADDR", "");
  SetAlias("BORROWER", "8|1");
  SetAlias("CENSUSTRACT", "8|2");
  ParseExtended("LEGALDESC", "9|1", true);
  CheckAlias("PROJTYPE", "10|1", "SFR", {"10|2", "PUD", "10|3", "CONDO"});
  SetAlias("MAPREF", "10|4");
  SetAlias("SERVICEPARTNER", "11|1");
  SetAlias("UNITNUM", "11|2");

  // Kind of analysis; the AVM parameters are written whichever kind is named
  CheckAlias("DATAANALYSISTYPE", "24|1", "AVM", {"32|1", "MANUAL"});
  ParseExtended("AVMPARAMETERS", "28|1", true);

  // Sales grid: the subject's column
  SetAlias("SUBJECTADDRSTREET", "38|1");
  ParseAddress("39|1", "SUBJECTADDRCITY", "SUBJECTADDRSTATEPROV", "SUBJECTADDRZIP", "", "");
  SetAlias("SUBJECTDATA", "40|1");
  SetAlias("SUBJECTSALESPRICE", "41|1");
  SetAlias("SUBJECTLIVINGSQFT", "43|1");
  Combine("44|1", "/", 0, {"SUBJECTBEDROOMS", "SUBJECTBATH"});
  SetAlias("SUBJECTAGEYRS", "45|1");
  SetAlias("SUBJECTPARKING", "46|1");
  // Lines 47 and 48 give a label of their own before the subject's value
  SetAlias("SALESCOMPUNLABELED", "47|1");
  SetAlias("SUBJECTUNLABELEDDESC", "47|2");
  SetAlias("SALESCOMPUNLABELEDTWO", "48|1");
  SetAlias("SUBJECTUNLABELEDTWODESC", "48|2");

  // Comparables 1 to 3, each column whole whether or not the comparable exists
  ComparableColumn(1);
  ComparableColumn(2);
  ComparableColumn(3);
  ParseExtended("COMMENTSALESCOMPARE", "49|1", true);

  // Transfer or listing history
  CheckAlias("SUBJECTTRANSFERREDLISTED", "55|1", "NO", {"56|1", "YES"});
  CheckAlias("SUBJECTSOLDLISTED", "56|2", "SOLD", {"56|3", "LISTED"});
  SetAlias("SUBJECTSOLDLISTEDPRICE", "56|4");
  SetAlias("SUBJECTSOLDLISTEDDATE", "56|5");
  ParseExtended("COMMENTS", "57|1", true);

  // Value, report date and appraiser
  SetAlias("ESTMARKETVALUEDT", "63|1");
  SetAlias("ESTMARKETVALUE", "65|1");
  SetAlias("REPORTDT", "204|2");
  SetAlias("APPRAISER", "205|1");
  SetAlias("APPRAISERADDR", "206|1");
  // Licence or certificate, whichever the order holds; both (or neither), licence first
  LicenceSelect(1, "207|2", "207|1", "/", kLicenceFirst, kNumberCellFirst);
  SetAlias("APPRAISERLICCERTEXPDT", "207|3");
}

}  // namespace ombrel
