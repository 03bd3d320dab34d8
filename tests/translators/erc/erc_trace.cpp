#include "erc_trace.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <regex>
#include <utility>

#include "engine/common_forms.h"
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

Calls Run(FormTranslator& translator, Table table,
          std::unique_ptr<testing::RecordingEngine> engine) {
  testing::RecordingEngine* recorder = engine.get();
  std::unique_ptr<XmlEngine> previous = std::move(CurrentEngine());
  CurrentEngine() = std::move(engine);
  translator.SetServer(recorder);
  if (table == Table::kMain) {
    translator.EntrainMain();
  } else {
    translator.AppendAddenda();
  }
  Calls calls = recorder->calls();
  CurrentEngine() = std::move(previous);
  return calls;
}

Calls MainCalls(FormTranslator& translator, int32_t licensing) {
  return Run(translator, Table::kMain, std::make_unique<testing::RecordingEngine>(licensing));
}

Calls AddendaCalls(FormTranslator& translator) {
  return Run(translator, Table::kAddenda, std::make_unique<testing::RecordingEngine>());
}

Calls AddendaCalls(FormTranslator& translator, const std::map<std::string, std::string>& values,
                   const std::set<std::string>& refusedForms) {
  auto engine = std::make_unique<ScriptedEngine>();
  engine->values = values;
  engine->refusedForms = refusedForms;
  return Run(translator, Table::kAddenda, std::move(engine));
}

std::string Member(const std::string& call) { return call.substr(0, call.find('(')); }

std::map<std::string, int> CountByMember(const Calls& calls) {
  std::map<std::string, int> counts;
  for (const std::string& call : calls) ++counts[Member(call)];
  return counts;
}

int IndexOf(const Calls& calls, const std::string& call, int from) {
  if (from < 0 || from > static_cast<int>(calls.size())) return -1;
  auto it = std::find(calls.begin() + from, calls.end(), call);
  return it == calls.end() ? -1 : static_cast<int>(it - calls.begin());
}

bool Contains(const Calls& calls, const std::string& call) { return IndexOf(calls, call) >= 0; }

Calls Between(const Calls& calls, const std::string& first, const std::string& last) {
  const int begin = IndexOf(calls, first);
  if (begin < 0) return {};
  const int end = IndexOf(calls, last, begin);
  if (end < 0) return {};
  return Calls(calls.begin() + begin, calls.begin() + end + 1);
}

std::vector<std::string> WrittenAddresses(const std::string& call) {
  static const std::regex kQuoted("\"((?:[^\"\\\\]|\\\\.)*)\"");
  std::vector<std::string> texts;
  for (auto it = std::sregex_iterator(call.begin(), call.end(), kQuoted);
       it != std::sregex_iterator(); ++it) {
    texts.push_back((*it)[1]);
  }
  const std::string member = Member(call);
  if (member == "SetAlias" || member == "ParseExtended") return {texts.at(1)};
  if (member == "Combine" || member == "ParseAddress" || member == "WriteDirect") {
    return {texts.at(0)};
  }
  if (member == "Compare") return {texts.at(2)};
  if (member == "CheckAlias") {
    std::vector<std::string> out = {texts.at(1)};
    for (std::size_t i = 3; i < texts.size(); i += 2) out.push_back(texts[i]);
    return out;
  }
  return {};
}

void ExpectWellFormedAddressesWrittenOnce(const Calls& calls,
                                          const std::set<std::string>& allowedTwice) {
  static const std::regex kAddress("[1-9][0-9]*\\|[1-9][0-9]*");
  std::map<std::string, std::string> writer;
  for (const std::string& call : calls) {
    for (const std::string& addr : WrittenAddresses(call)) {
      EXPECT_TRUE(std::regex_match(addr, kAddress)) << "not an address: " << addr << " in " << call;
      auto [it, fresh] = writer.emplace(addr, call);
      if (allowedTwice.count(addr) != 0) continue;
      EXPECT_TRUE(fresh) << addr << " written by " << it->second << " and " << call;
    }
  }
}

std::string Q(const std::string& text) { return testing::TraceQuote(text); }

std::string Addr(int line, int field) {
  return std::to_string(line) + "|" + std::to_string(field);
}

std::string Comp(int n, const std::string& item) {
  return "COMP(" + std::to_string(n) + ")" + item;
}

std::string ListComp(int n, const std::string& item) {
  return "LISTCOMP(" + std::to_string(n) + ")" + item;
}

}  // namespace ombrel::erc_testing
