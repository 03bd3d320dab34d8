#include "erc_trace.h"

#include <cstddef>
#include <utility>

#include "platform/errors/error.h"

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

}  // namespace ombrel::erc_testing
