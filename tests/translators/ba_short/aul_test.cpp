// The appraisal update translator's tables, checked through the calls they
// make on a recording engine where the trace fixtures cannot look: the
// guarded certificate and licence rows on orders holding one number or the
// other, and the headed comments.
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

// The expiry date and the state follow a number only when the order holds it;
// the licence row is keyed on APPRAISERLICNUM, not on the state licence number.
TEST(AULTest, CertificateAndLicenceRowsFollowTheirNumbers) {
  const Calls certRow = {"SetAlias(\"APPRAISERSTATECERTNUM\", \"82|1\")",
                         "SetAlias(\"APPRAISERLICCERTEXPDT\", \"82|2\")",
                         "SetAlias(\"APPRAISERCERTSTATEPROV\", \"84|1\")"};
  const Calls licRow = {"SetAlias(\"APPRAISERLICNUM\", \"83|1\")",
                        "SetAlias(\"APPRAISERLICCERTEXPDT\", \"83|2\")",
                        "SetAlias(\"APPRAISERLICSTATEPROV\", \"84|1\")"};
  Calls rows = certRow;
  rows.insert(rows.end(), licRow.begin(), licRow.end());
  struct Case {
    const char* name;
    std::map<std::string, std::string> values;
    Calls rows;  // the certificate and licence rows made
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
    EXPECT_EQ(ba_testing::Among(calls, rows), c.rows);
  }
}

TEST(AULTest, AddendaPlaceTheTwoHeadedComments) {
  AUL translator;
  EXPECT_EQ(ba_testing::AddendaCalls(translator),
            (Calls{"AddExtended(\"6|2\")", "AddExtended(\"86|1\")"}));
}

}  // namespace
}  // namespace ombrel
