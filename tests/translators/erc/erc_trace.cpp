#include "erc_trace.h"

#include <cstddef>
#include <utility>

#include <gtest/gtest.h>

#include "platform/error.h"

namespace ombrel::erc_testing {

std::string ScriptedEngine::ReadDirect(const std::string& addr) {
  RecordingEngine::ReadDirect(addr);
  if (failingReads.count(addr) != 0) {
    throw Error(kScriptedErrorNumber, "FastXML.XMLDOM", "Cannot read " + addr);
  }
  return Value(addr);
}

bool ScriptedEngine::SetAlias(const std::string& ifxTag, const std::string& fieldAddr) {
  RecordingEngine::SetAlias(ifxTag, fieldAddr);
  return !Value(ifxTag).empty();
}

bool ScriptedEngine::SetForm(const std::string& formID) {
  RecordingEngine::SetForm(formID);
  return refusedForms.count(formID) == 0;
}

void ScriptedEngine::WriteDirect(const std::string& addr, const std::string& value) {
  RecordingEngine::WriteDirect(addr, value);
  if (failingWrites.count(addr) != 0) {
    throw Error(kScriptedErrorNumber, "QorFile.DOCUMENT", "Cannot write " + addr);
  }
}

std::string ScriptedEngine::Value(const std::string& tag) const {
  auto it = values.find(tag);
  return it == values.end() ? "" : it->second;
}

std::string ListComp(int n, const std::string& item) {
  return "LISTCOMP(" + std::to_string(n) + ")" + item;
}

Calls ExpectedPhotoCalls(int listingPhotos) {
  Calls expected = {"SetPhoto(\"SUBJECTFRONTVIEW\", \"SUB_1_3X5\")",
                    "SetPhoto(\"SUBJECTREARVIEW\", \"SUB_2_3X5\")",
                    "SetPhoto(\"SUBJECTSTREETVIEW\", \"SUB_3_3X5\")"};
  for (int i = 1; i <= 6; ++i) {
    expected.push_back("SetPhoto(" + Q(Comp(i, "PHOTO")) + ", " +
                       Q("CMP_" + std::to_string(i) + "_3X5") + ")");
  }
  for (int i = 1; i <= 18; ++i) {
    expected.push_back("SetPhoto(" + Q("ADDPHOTO(" + std::to_string(i) + ")") + ", " +
                       Q("GN_" + std::to_string(i) + "_3X5") + ")");
  }
  for (int i = 1; i <= listingPhotos; ++i) {
    expected.push_back("SetPhoto(" + Q("LISTPHOTO(" + std::to_string(i) + ")") + ", " +
                       Q("LCMP_" + std::to_string(i) + "_3X5") + ")");
  }
  for (const char* row : {"\"FLOORPLAN\", \"SKETCH_SUBJECT\"", "\"PLATMAP\", \"SKETCH_SITE\"",
                          "\"LOCATIONMAP\", \"MAP_LOCATION\"", "\"GENERALMAP\", \"MAP_GENERAL_1\"",
                          "\"FLOODMAP\", \"MAP_FLOOD\""}) {
    expected.push_back(std::string("SetPhoto(") + row + ")");
  }
  return expected;
}

void ExpectPhotosComeLast(const Calls& calls, const Calls& expected) {
  Calls photos;
  for (const std::string& call : calls) {
    if (Member(call) == "SetPhoto") photos.push_back(call);
  }
  EXPECT_EQ(photos, expected);
  ASSERT_GE(calls.size(), photos.size());
  EXPECT_EQ(Calls(calls.end() - static_cast<long>(photos.size()), calls.end()), photos);
}

}  // namespace ombrel::erc_testing
