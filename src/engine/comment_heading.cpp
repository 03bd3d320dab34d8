#include "engine/comment_heading.h"

#include <array>

#include "platform/text/ascii_case.h"

namespace ombrel {

namespace {

// An empty heading reads like a field without a row. "CRS" and "ERC" are no
// translator's main form; their rows stay as the forms define them. The
// scope comment of an ERC order is placed while "ER3" is current, so "ER3"
// carries the "ERC" row too.
constexpr std::array<CommentHeadingRow, 71> kRows{{
    // form id  field    heading
    {"2065",    "109|1", "CONDO - RENTAL TERMS AND OPTIONS"},
    {"2065",    "252|1", "ADDITIONAL COMMENTS"},
    {"2065",    "3|2",   "SCOPE OF THE APPRAISAL"},
    {"2065",    "96|1",  "PUD - RENTAL TERMS AND OPTIONS"},
    {"DAWI",    "109|1", "CONDO - RENTAL TERMS AND OPTIONS"},
    {"DAWI",    "252|1", "ADDITIONAL COMMENTS"},
    {"DAWI",    "3|2",   "SCOPE OF THE APPRAISAL"},
    {"DAWI",    "96|1",  "PUD - RENTAL TERMS AND OPTIONS"},
    {"DUQ",     "109|1", "CONDO - RENTAL TERMS AND OPTIONS"},
    {"DUQ",     "252|1", "ADDITIONAL COMMENTS"},
    {"DUQ",     "3|2",   "SCOPE OF THE APPRAISAL"},
    {"DUQ",     "96|1",  "PUD - RENTAL TERMS AND OPTIONS"},
    {"QAR",     "109|1", "CONDO - RENTAL TERMS AND OPTIONS"},
    {"QAR",     "252|1", "ADDITIONAL COMMENTS"},
    {"QAR",     "3|2",   "SCOPE OF THE APPRAISAL"},
    {"QAR",     "96|1",  "PUD - RENTAL TERMS AND OPTIONS"},
    {"2075",    "3|2",   "SCOPE OF REPORT"},
    {"2075",    "84|1",  "ADDITIONAL COMMENTS"},
    {"AUL",     "6|2",   "PURPOSE OF THE APPRAISAL"},
    {"AUL",     "86|1",  "ADDITIONAL COMMENTS"},
    {"BAR",     "19|2",  "APPRAISAL DATA"},
    {"BAR",     "21|2",  "ADJUSTMENTS"},
    {"BAR",     "23|2",  "METHODS AND TECHNIQUES"},
    {"BAR",     "25|2",  "ANALYSES, OPINIONS AND CONCLUSIONS"},
    {"BAR",     "27|2",  "APPRAISAL GUIDELINES"},
    {"BAR",     "5|1",   "SCOPE OF APPRAISAL"},
    {"BAR",     "65|1",  "ADDITIONAL_COMMENTS"},
    {"BAR",     "9|4",   "SUBJECT PROPERTY"},
    {"CIA",     "251|1", "ADDITIONAL COMMENTS"},
    {"CIA",     "3|2",   "SCOPE OF THE APPRAISAL"},
    {"CLI",     "2|1",   ""},
    {"CLI",     "68|1",  "Additional Comments"},
    {"CMR",     "167|1", "ADDITIONAL COMMENTS"},
    {"CMR",     "26|1",  "SITE DESCRIPTION"},
    {"CMR",     "2|1",   "SCOPE OF REPORT"},
    {"CMR",     "36|2",  "QUALIFYING REQUIREMENTS"},
    {"CN2",     "168|1", "ADDITIONAL COMMENTS"},
    {"CN2",     "2|2",   "SCOPE OF THE APPRAISAL"},
    {"CRS",     "4|1",   "PURPOSE OF THE REVIEW"},
    {"CRS",     "59|1",  "ADDITIONAL COMMENTS"},
    {"DT2",     "215|1", "ADDITIONAL COMMENTS"},
    {"DT2",     "2|1",   "PURPOSE OF THE APPRAISAL"},
    {"DT2",     "65|1",  "VALUE ESTIMATE"},
    {"EPI",     "11|1",  "Scope"},
    {"EPI",     "77|1",  "Certification"},
    {"ER3",     "4|1",   "SCOPE OF THE APPRAISAL"},
    {"ERC",     "4|1",   "SCOPE OF THE APPRAISAL"},
    {"ERS",     "4|1",   "SCOPE OF THE APPRAISAL"},
    {"ERS",     "7|1",   ""},
    {"ERS",     "503|1", "ADDITIONAL COMMENTS"},
    {"FRR",     "1|2",   "SCOPE OF THE APPRAISAL"},
    {"FRR",     "24|1",  "RECENT SALES AND REFINANCE HISTORY"},
    {"FRR",     "165|1", "ADDITIONAL COMMENTS"},
    {"LAR",     "3|2",   "Scope of the Appraisal"},
    {"LAR",     "79|1",  "Additional Comments"},
    {"MOB",     "168|1", "ADDITIONAL COMMENTS"},
    {"MOB",     "2|2",   "SCOPE OF THE APPRAISAL"},
    {"MOB",     "3|1",   "LEGAL DESCRIPTION"},
    {"MUL",     "2|2",   "SCOPE OF THE APPRAISAL"},
    {"MUL",     "336|1", "ADDITIONAL COMMENTS"},
    {"PFI",     "66|1",  "ADDITIONAL COMMENTS"},
    {"UA2",     "150|1", "COMMENTS ON INCOME APPROACH"},
    {"UA2",     "162|1", "ADDITIONAL COMMENTS"},
    {"UA2",     "4|1",   "SCOPE OF THE APPRAISAL"},
    {"UA2",     "53|1",  "IMPROVEMENTS"},
    {"UA2",     "61|1",  "ROOM LIST"},
    {"UA2",     "67|1",  "DESCRIPTION"},
    {"VIE",     "197|1", "ADDITIONAL COMMENTS"},
    {"VIE",     "23|6",  "PROJECT TYPE OR PRESENT USE"},
    {"VIE",     "58|1",  ""},
    {"VIE",     "5|1",   "SCOPE OF APPRAISAL"},
}};

}  // namespace

std::span<const CommentHeadingRow> CommentHeadingTable() { return kRows; }

std::string CommentHeading(const std::string& formName, const std::string& fieldAddr) {
  const std::string key = AsciiUppered(formName);
  for (const CommentHeadingRow& row : kRows) {
    if (row.formId == key && row.fieldAddr == fieldAddr) return std::string(row.heading);
  }
  return "";
}

}  // namespace ombrel
