// The review checklist "2006": signer blocks of the two review appraisers,
// report profile, the review's header, 44 checklist items with the net and
// gross adjustment percentages, and the review summary.
#include "translators/review_land_mh/fm2006.h"

#include "engine/table_text.h"

namespace ombrel {

void FM2006::ChecklistRow(const char* ifxTag, int line, int field) {
  CheckAlias(ifxTag, Addr(line, field), "ACCEPTABLE",
             {Addr(line, field + 1), "UNACCEPTABLE", Addr(line, field + 2), "NA"});
}

void FM2006::EntrainMain() {
  // The review appraisers' signer blocks and the report profile; each signer
  // block makes "2006" current again
  ProcessAppraiserInfo(1, 3, FormName());
  ProcessAppraiserInfo(2, 4, FormName());
  ProcessOffscrn();

  // Header: case, lender, borrower and property, value, appraiser and reviewer
  SetAlias("CASE_NUM", "2|1");
  SetAlias("LENDERCLIENT", "5|1");
  ParseAddress("6|1", "LENDERCLIENTCITY", "LENDERCLIENTSTATEPROV", "LENDERCLIENTZIP",
               "LENDERCLIENTSTREET", "");
  SetAlias("BORROWER", "8|1");
  ParseAddress("9|1", "CITY", "STATEPROV", "ZIP", "PROPADDR", "");
  SetAlias("CASE_NO", "11|1");
  SetAlias("APPRAISEDVALUE", "12|1");
  SetAlias("APPRAISEDVALUEDT", "12|2");
  SetAlias("APPRAISER", "13|1");
  SetAlias("APPRAISERPHONE", "13|2");
  ParseAddress("14|1", "APPRAISERCITY", "APPRAISERSTATEPROV", "APPRAISERZIP", "APPRAISERSTREET",
               "");
  SetAlias("REVIEWER", "15|1");
  SetAlias("REVAPPRAISERPHONE", "15|2");
  ParseAddress("16|1", "REVAPPRAISERCITY", "REVAPPRAISERSTATEPROV", "REVAPPRAISERZIP",
               "REVAPPRAISERSTREET", "");

  // Subject, neighbourhood, site and improvements
  ChecklistRow("REVIEWSUBJECTINFO", 19, 1);
  ChecklistRow("REVANCENSUS", 20, 1);
  ChecklistRow("REVIEWNBRHOODDESC", 21, 1);
  ChecklistRow("REVIEWSITEDESC", 22, 1);
  ChecklistRow("REVIEWCONDITIONIMPROVE", 19, 4);
  ChecklistRow("REVANUNIT", 20, 4);
  ChecklistRow("REVANDESCCOMMENTS", 21, 4);
  ParseExtended("REVANDESCDESCRIPTION", "23|1", true);

  // Cost approach
  ChecklistRow("REVANPHYSICALDEPRECIATION", 27, 1);
  ChecklistRow("REVANFUNCTIONALDEPRECIATION", 28, 1);
  ChecklistRow("REVANEXTERNALDEPRECIATION", 29, 1);
  ChecklistRow("REVANLANDIMPROVEMENTRATIO", 31, 1);
  ChecklistRow("REVANADJUSTCALCULATION", 28, 4);
  ChecklistRow("REVANCOSTCOMMENTS", 29, 4);
  ParseExtended("REVANCOSTEXPLAIN", "32|1", true);

  // Sales comparison
  ChecklistRow("REVANDOCUMENTATIONNUM", 37, 1);
  ChecklistRow("REVANADJLOCATION", 38, 1);
  ChecklistRow("REVANADJSITEVIEW", 39, 1);
  ChecklistRow("REVANADJQUALITYAPPEAL", 41, 1);
  ChecklistRow("REVANADJCONDITION", 42, 1);
  ChecklistRow("REVANADJROOMCOUNTSQUFEET", 44, 1);
  ChecklistRow("REVANADJAMENITIES", 45, 1);
  ChecklistRow("REVANMATHCALCULATIONS", 36, 1);
  ChecklistRow("REVANMARKETCOMMENTS", 37, 4);
  ChecklistRow("REVANNETADJRATIO", 38, 4);
  // Net adjustment percentages, each after the check of its number
  MapValue("REVANNETADJPERCENT(1)NUM", "1");
  SetAlias("REVANNETADJPERCENT(1)VALUE", "39|4");
  MapValue("REVANNETADJPERCENT(2)NUM", "2");
  SetAlias("REVANNETADJPERCENT(2)VALUE", "39|5");
  MapValue("REVANNETADJPERCENT(3)NUM", "3");
  SetAlias("REVANNETADJPERCENT(3)VALUE", "39|6");
  MapValue("REVANNETADJPERCENT(4)NUM", "4");
  SetAlias("REVANNETADJPERCENT(4)VALUE", "39|7");
  MapValue("REVANNETADJPERCENT(5)NUM", "5");
  SetAlias("REVANNETADJPERCENT(5)VALUE", "39|8");
  MapValue("REVANNETADJPERCENT(6)NUM", "6");
  SetAlias("REVANNETADJPERCENT(6)VALUE", "39|9");
  ChecklistRow("REVANGROSSADJRATIO", 40, 1);
  // Gross adjustment percentages
  MapValue("REVANGROSSADJPERCENT(1)NUM", "1");
  SetAlias("REVANGROSSADJPERCENT(1)VALUE", "41|4");
  MapValue("REVANGROSSADJPERCENT(2)NUM", "2");
  SetAlias("REVANGROSSADJPERCENT(2)VALUE", "41|5");
  MapValue("REVANGROSSADJPERCENT(3)NUM", "3");
  SetAlias("REVANGROSSADJPERCENT(3)VALUE", "41|6");
  MapValue("REVANGROSSADJPERCENT(4)NUM", "4");
  SetAlias("REVANGROSSADJPERCENT(4)VALUE", "41|7");
  MapValue("REVANGROSSADJPERCENT(5)NUM", "5");
  SetAlias("REVANGROSSADJPERCENT(5)VALUE", "41|8");
  MapValue("REVANGROSSADJPERCENT(6)NUM", "6");
  SetAlias("REVANGROSSADJPERCENT(6)VALUE", "41|9");
  ChecklistRow("REVANCOMPDATASECTION", 42, 4);
  ChecklistRow("REVANINCOMEAPPROACH", 43, 1);
  ChecklistRow("REVANCONDOPROJADDENDA", 44, 4);
  ParseExtended("REVANMARKETEXPLAIN", "46|1", true);

  // Exhibits, limiting conditions, certification and project addenda
  ChecklistRow("REVANPLATMAP", 50, 1);
  ChecklistRow("REVANBLDGSKETCH", 51, 1);
  ChecklistRow("REVANCOMP", 52, 1);
  ChecklistRow("REVANCOMPPHOTO", 53, 1);
  ChecklistRow("REVANLIMITINGCOND", 55, 1);
  ChecklistRow("REVANPURCHASEAGREE", 56, 1);
  ChecklistRow("REVANORIGINALSIGNATURE", 57, 1);
  ChecklistRow("REVANCERTCOMPLIANCE", 59, 1);
  ChecklistRow("REVANADDCONVERSIONPERMIT", 61, 1);
  ChecklistRow("REVANUNITSNOTCOMPLETED", 50, 4);
  ChecklistRow("REVANREQUIREMENTSNOTMET", 51, 4);
  ChecklistRow("REVANSALESFROMPROJNEEDED", 52, 4);
  ChecklistRow("REVANSALESOUTPROJNEEDED", 54, 1);
  ChecklistRow("REVANADDENDUMA", 55, 4);
  ChecklistRow("REVANADDENDUMB", 56, 4);
  ChecklistRow("REVANRENTALSURVEY", 58, 1);
  ChecklistRow("REVANOPERATINGINCSTMT", 59, 4);
  ParseExtended("REVANCOMMENTSADDENDAREQ", "62|1", true);

  // Review summary
  CheckAlias("REVSUMREPORT", "66|1", "GOOD", {"66|2", "FAIR", "66|3", "POOR"});
  CheckAlias("REVSUMRECOMMENDATION", "68|1", "ACCEPTABLE",
             {"68|2", "REVISEDACCEPTABLE", "69|1", "ANOTHERAPPRAISAL", "69|2", "OTHER"});
  SetAlias("REVSUMRECOMMENDATIONNUMITEMS", "68|3");
  ParseExtended("REVSUMSUMMARYCOMMENTS", "71|1", true);
  CheckAlias("REVSUMFIELDREVIEW", "76|1", "YES", {"76|2", "NO"});
  SetAlias("SALESPRICE", "77|1");
  SetAlias("APPRAISEDVALUE", "77|2");
  SetAlias("REVAPPRAISERTITLE", "78|2");
  SetAlias("ESTMARKETVALUE", "77|3");
  SetAlias("ESTMARKETVALUEDT", "78|3");
  // The two review appraisers
  SetAlias("REVAPPRAISER", "79|1");
  SetAlias("REVAPPRAISERTITLE2", "80|2");
  SetAlias("REVAPPRAISERDTSIGNED2", "80|3");
  SetAlias("REVAPPRAISER2", "81|1");
  CheckAlias("REVSUMATTACHED", "81|2", "ON", {});
}

}  // namespace ombrel
