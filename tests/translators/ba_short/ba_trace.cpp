#include "ba_trace.h"

#include <gtest/gtest.h>

#include <regex>
#include <utility>

#include "engine/common_forms.h"
#include "support/written_addresses.h"

namespace ombrel::ba_testing {

std::vector<std::string> WrittenFields(const Calls& calls, const std::string& initialForm) {
  static const std::regex kAddress("[1-9][0-9]*\\|[1-9][0-9]*");
  static const std::regex kSetForm("SetForm\\(\"(.*)\"\\)");
  std::string form = initialForm;
  std::vector<std::string> fields;
  for (const std::string& call : calls) {
    std::smatch match;
    if (std::regex_match(call, match, kSetForm)) form = match[1];
    for (const std::string& addr : testing::WrittenAddresses(call)) {
      EXPECT_TRUE(std::regex_match(addr, kAddress)) << "not an address: " << addr << " in " << call;
      fields.push_back(form + "|" + addr);
    }
  }
  return fields;
}

std::set<std::string> FieldsWrittenTwice(const Calls& calls, const std::string& initialForm) {
  std::set<std::string> seen, twice;
  for (const std::string& field : WrittenFields(calls, initialForm)) {
    if (!seen.insert(field).second) twice.insert(field);
  }
  return twice;
}

Calls SubjectPhotoCalls() {
  return {"SetPhoto(\"SUBJECTFRONTVIEW\", \"SUB_1_3X5\")",
          "SetPhoto(\"SUBJECTREARVIEW\", \"SUB_2_3X5\")",
          "SetPhoto(\"SUBJECTSTREETVIEW\", \"SUB_3_3X5\")"};
}

Calls GeneralPhotoCalls(int count) {
  Calls calls;
  for (int i = 1; i <= count; ++i) {
    const std::string n = std::to_string(i);
    calls.push_back("SetPhoto(\"ADDPHOTO(" + n + ")\", \"GN_" + n + "_3X5\")");
  }
  return calls;
}

Calls SketchAndMapCalls() {
  return {"SetPhoto(\"FLOORPLAN\", \"SKETCH_SUBJECT\")", "SetPhoto(\"PLATMAP\", \"SKETCH_SITE\")",
          "SetPhoto(\"LOCATIONMAP\", \"MAP_LOCATION\")",
          "SetPhoto(\"GENERALMAP\", \"MAP_GENERAL_1\")", "SetPhoto(\"FLOODMAP\", \"MAP_FLOOD\")"};
}

}  // namespace ombrel::ba_testing
