// The appraisal update translator's tables, checked through the calls they
// make on a recording engine: counts, section boundaries, the address joins,
// the guarded certificate and licence rows, and the headed comments.
#include "translators/ba_short/aul.h"

#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "ba_trace.h"

namespace ombrel {
namespace {

using ba_testing::Calls;

// Three address lines, each with its own parts passed and the rest empty;
// the zip codes of lender and subject go to cells of their own.
TEST(AULTest, AddressLinesAndBoxes) {
  const std::vector<std::string> runs[] = {
      {"SetAlias(\"APPRAISERSTREET\", \"7|1\")",
       "ParseAddress(\"8|1\", \"APPRAISERCITY\", \"APPRAISERSTATEPROV\", \"APPRAISERZIP\", \"\", "
       "\"\")",
       "SetAlias(\"LENDERCLIENT\", \"10|1\")"},
      {"SetAlias(\"LENDERCLIENTSTREET\", \"11|1\")",
       "ParseAddress(\"12|1\", \"LENDERCLIENTCITY\", \"LENDERCLIENTSTATEPROV\", \"\", \"\", \"\")",
       "SetAlias(\"LENDERCLIENTZIP\", \"13|1\")"},
      {"SetAlias(\"PROPADDR\", \"11|2\")",
       "ParseAddress(\"12|2\", \"CITY\", \"STATEPROV\", \"\", \"\", \"\")",
       "SetAlias(\"ZIP\", \"13|2\")", "SetAlias(\"ORIGAPPRAISALDT\", \"19|1\")",
       "CheckAlias(\"FACTORMARKETCONDITIONS\", \"32|1\", \"NO\", [\"35|1\", \"YES\"])",
       "ParseExtended(\"FACTORMARKETCONDITIONSDESC\", \"36|1\", True)",
       "CheckAlias(\"APPRAISALUPDATEVALIDATE\", \"42|1\", \"YES\", [\"44|1\", \"NO\"])",
       "SetAlias(\"ORIGAPPRAISALDT\", \"42|2\")", "SetAlias(\"ORIGAPPRAISALDT\", \"44|2\")",
       "SetAlias(\"ESTMARKETVALUE\", \"49|1\")"},
  };
  AUL translator;
  Calls calls = ba_testing::MainCalls(translator);
  for (const Calls& run : runs) {
    SCOPED_TRACE(run.front());
    EXPECT_EQ(ba_testing::Between(calls, run.front(), run.back()), run);
  }
}

// The expiry date and the state follow a number only when the order holds it;
// the licence row is keyed on APPRAISERLICNUM, not on the state licence number.
TEST(AULTest, CertificateAndLicenceRowsFollowTheirNumbers) {
  const Calls certRow = {"SetAlias(\"APPRAISERSTATECERTNUM\", \"82|1\")",
                         "SetAlias(\"APPRAISERLICCERTEXPDT\", \"82|2\")",
                         "SetAlias(\"APPRAISERCERTSTATEPROV\", \"84|1\")"};
  const Calls licRow = {"SetAlias(\"APPRAISERLICNUM\", \"83|1\")",
                        "SetAlias(\"APPRAISERLICCERTEXPDT\", \"83|2\")",
                        "SetAlias(\"APPRAISERLICSTATEPROV\", \"84|1\")"};
  struct Case {
    const char* name;
    std::map<std::string, std::string> values;
    Calls tail;  // the calls after the signing date
  };
  const std::vector<Case> cases = {
      {"both numbers",
       {{"APPRAISERSTATECERTNUM", "C1"}, {"APPRAISERLICNUM", "L1"}},
       {certRow[0], certRow[1], certRow[2], licRow[0], licRow[1], licRow[2]}},
      {"certificate only", {{"APPRAISERSTATECERTNUM", "C1"}}, {certRow[0], certRow[1], certRow[2],
                                                               licRow[0]}},
      {"licence only", {{"APPRAISERLICNUM", "L1"}}, {certRow[0], licRow[0], licRow[1], licRow[2]}},
      {"the state licence number only",
       {{"APPRAISERSTATELICNUM", "L1"}, {"APPRAISERLICCERTEXPDT", "2025"}},
       {certRow[0], licRow[0]}},
      {"neither number", {}, {certRow[0], licRow[0]}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    AUL translator;
    Calls calls = ba_testing::MainCalls(translator, ba_testing::OrderEngine(c.values));
    std::ptrdiff_t signedAt =
        ba_testing::IndexOf(calls, "SetAlias(\"APPRAISERDTSIGNED\", \"81|1\")");
    ASSERT_GE(signedAt, 0);
    EXPECT_EQ(Calls(calls.begin() + signedAt + 1, calls.end()), c.tail);
  }
}

TEST(AULTest, AddendaPlaceTheTwoHeadedComments) {
  AUL translator;
  EXPECT_EQ(ba_testing::AddendaCalls(translator),
            (Calls{"AddExtended(\"6|2\")", "AddExtended(\"86|1\")"}));
}

}  // namespace
}  // namespace ombrel
