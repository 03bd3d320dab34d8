// The appraisal review translator's tables, checked through the calls they
// make on a recording engine where the trace fixtures cannot look: the
// guarded certificate and licence rows, the report profile's boxes when
// "offscrn" is refused, and the addenda.
#include "translators/ba_short/bar.h"

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

// The state follows a number only when the order holds it; the expiry and
// review dates follow in every case, and the report profile's boxes only
// when "offscrn" could be given its version.
TEST(BARTest, GuardedRowsAndTheReportProfile) {
  const std::string cert = "SetAlias(\"REVAPPRAISERSTATECERTNUM\", \"57|1\")";
  const std::string certState = "SetAlias(\"REVAPPRAISERCERTSTATEPROV\", \"57|3\")";
  const std::string lic = "SetAlias(\"REVAPPRAISERSTATELICNUM\", \"57|2\")";
  const std::string licState = "SetAlias(\"REVAPPRAISERLICSTATEPROV\", \"57|3\")";
  const Calls dates = {"SetAlias(\"REVAPPRAISERLICCERTEXPDT\", \"58|1\")",
                       "SetAlias(\"REVAPPRAISEREFFREVDT\", \"58|2\")",
                       "SetForm(\"offscrn\")"};
  const Calls profile = {"CheckAlias(\"REVAPPRAISERINTINSPECT\", \"32|2\", \"ON\", [])",
                         "CheckAlias(\"REVAPPRAISEREXTINSPECT\", \"32|3\", \"ON\", [])",
                         "CheckAlias(\"REVAPPRAISERNOINSPECT\", \"31|3\", \"ON\", [])"};
  Calls kinds = {cert, certState, lic, licState};
  kinds.insert(kinds.end(), dates.begin(), dates.end());
  kinds.insert(kinds.end(), profile.begin(), profile.end());
  struct Case {
    const char* name;
    std::map<std::string, std::string> values;
    bool profileRefused;
    Calls rows;  // the certificate and licence rows
  };
  const std::vector<Case> cases = {
      {"both numbers",
       {{"REVAPPRAISERSTATECERTNUM", "C1"}, {"REVAPPRAISERSTATELICNUM", "L1"}},
       false,
       {cert, certState, lic, licState}},
      {"certificate only", {{"REVAPPRAISERSTATECERTNUM", "C1"}}, false, {cert, certState, lic}},
      {"licence only", {{"REVAPPRAISERSTATELICNUM", "L1"}}, false, {cert, lic, licState}},
      {"neither number, profile without version", {}, true, {cert, lic}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    std::set<std::string> refused;
    if (c.profileRefused) refused = {"offscrn"};
    BAR translator;
    Calls calls = ba_testing::MainCalls(translator, ba_testing::OrderEngine(c.values, refused));
    Calls expected = c.rows;
    expected.insert(expected.end(), dates.begin(), dates.end());
    if (!c.profileRefused) expected.insert(expected.end(), profile.begin(), profile.end());
    EXPECT_EQ(ba_testing::Among(calls, kinds), expected);
  }
}

// EntrainMain left the report profile current: "BAR" comes back before the
// first comment, so that every heading is looked up under "BAR".
TEST(BARTest, AddendaReturnToTheMainFormForTheEightComments) {
  const Calls expected = {
      "SetForm(\"BAR\")",      "AddExtended(\"5|1\")",  "AddExtended(\"9|4\")",
      "AddExtended(\"19|2\")", "AddExtended(\"21|2\")", "AddExtended(\"23|2\")",
      "AddExtended(\"25|2\")", "AddExtended(\"27|2\")", "AddExtended(\"65|1\")"};
  BAR translator;
  EXPECT_EQ(ba_testing::AddendaCalls(translator), expected);
}

}  // namespace
}  // namespace ombrel
