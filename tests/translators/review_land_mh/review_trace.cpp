#include "review_trace.h"

#include <memory>

#include "support/recording_engine.h"

namespace ombrel::review_testing {

namespace {

using testing::EngineAnswers;
using testing::RecordingEngine;
using testing::TraceTables;
using testing::TraceTranslator;

// The first text in double quotes of a traced call (its first argument).
std::string FirstText(const std::string& call) {
  const std::size_t open = call.find('"');
  return call.substr(open + 1, call.find('"', open + 1) - open - 1);
}

}  // namespace

std::vector<std::string> FormsSet(const Calls& calls) {
  std::vector<std::string> forms;
  for (const std::string& call : calls) {
    if (Member(call) == "SetForm") forms.push_back(FirstText(call));
  }
  return forms;
}

std::vector<std::string> TagsRead(const Calls& calls) {
  std::vector<std::string> tags;
  for (const std::string& call : calls) {
    if (Member(call) == "ReadDirect") tags.push_back(FirstText(call));
  }
  return tags;
}

Calls PhotoCalls(int comparables, int general, bool sketches) {
  Calls calls = {"SetPhoto(\"SUBJECTFRONTVIEW\", \"SUB_1_3X5\")",
                 "SetPhoto(\"SUBJECTREARVIEW\", \"SUB_2_3X5\")",
                 "SetPhoto(\"SUBJECTSTREETVIEW\", \"SUB_3_3X5\")"};
  for (int i = 1; i <= comparables; ++i) {
    const std::string n = std::to_string(i);
    calls.push_back("SetPhoto(\"COMP(" + n + ")PHOTO\", \"CMP_" + n + "_3X5\")");
  }
  for (int i = 1; i <= general; ++i) {
    const std::string n = std::to_string(i);
    calls.push_back("SetPhoto(\"ADDPHOTO(" + n + ")\", \"GN_" + n + "_3X5\")");
  }
  if (sketches) {
    for (const char* row : {"\"FLOORPLAN\", \"SKETCH_SUBJECT\"", "\"PLATMAP\", \"SKETCH_SITE\"",
                            "\"LOCATIONMAP\", \"MAP_LOCATION\"",
                            "\"GENERALMAP\", \"MAP_GENERAL_1\"", "\"FLOODMAP\", \"MAP_FLOOD\""}) {
      calls.push_back(std::string("SetPhoto(") + row + ")");
    }
  }
  return calls;
}

std::string MapValueCall(const std::string& tag, const std::string& expected) {
  return "MapValue(" + Q(tag) + ", " + Q(expected) + ")";
}

}  // namespace ombrel::review_testing
