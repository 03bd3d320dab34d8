// The building information translator's table, checked through the calls it
// makes on a recording engine: the stated calls, the two address lines and
// the box groups whose arguments the notation turns round.
#include "translators/supplemental/fm465s.h"

#include <gtest/gtest.h>

#include <map>
#include <string>

#include "supplemental_trace.h"

namespace ombrel {
namespace {

using namespace supplemental_testing;

// Each address is joined on one line with its street as the fifth argument;
// the unit number sits between the appraiser's name and address.
TEST(FM465STest, AddressLines) {
  FM465S translator;
  Calls calls = MainCalls(translator);
  const Calls run = {
      "SetAlias(\"LENDERCLIENT\", \"15|1\")",
      "ParseAddress(\"15|2\", \"LENDERCLIENTCITY\", \"LENDERCLIENTSTATEPROV\", "
      "\"LENDERCLIENTZIP\", \"LENDERCLIENTSTREET\", \"\")",
      "SetAlias(\"APPRAISER\", \"16|1\")",
      "SetAlias(\"UNITNUM\", \"14|3\")",
      "ParseAddress(\"16|2\", \"APPRAISERCITY\", \"APPRAISERSTATEPROV\", \"APPRAISERZIP\", "
      "\"APPRAISERSTREET\", \"\")",
  };
  EXPECT_EQ(Between(calls, run.front(), run.back()), run);
}

TEST(FM465STest, BuildingBoxGroups) {
  FM465S translator;
  Calls calls = MainCalls(translator);
  const Calls run = {
      "CheckAlias(\"GENERALBUILDINGTYPE\", \"22|1\", \"TOWNHOUSE\", [\"22|2\", \"GARDEN\", "
      "\"22|3\", \"MIDRISE\", \"22|4\", \"HIGHRISE\"])",
      "SetAlias(\"GENERALNUMSTORIES\", \"23|1\")",
      "SetAlias(\"GENERALNUMUNITS\", \"24|1\")",
      "CheckAlias(\"GENERALCONSTRUCTTYPE\", \"25|1\", \"WOODFRAME\", [\"25|2\", \"CONCRETE\", "
      "\"25|3\", \"STEELFRAME\", \"26|1\", \"REINFORCEDMASONRY\", \"26|2\", "
      "\"UNREINFORCEDMASONRY\", \"27|1\", \"UNKNOWN\"])",
      "CheckAlias(\"GENERALCONSTRUCTSOFTSTORY\", \"28|1\", \"YES\", [\"28|2\", \"NO\"])",
      "SetAlias(\"GENERALYRBUILT\", \"29|1\")",
      "CheckAlias(\"PARKINGTYPE\", \"30|1\", \"NONE\", [\"30|2\", \"TUCKUNDER\", \"30|3\", "
      "\"ABOVEGRADE\", \"30|4\", \"LOT\"])",
      "SetAlias(\"APPRAISERCONAME\", \"76|1\")",
  };
  EXPECT_EQ(Between(calls, run.front(), run.back()), run);
}

}  // namespace
}  // namespace ombrel
