#include "family_trace.h"

#include <algorithm>
#include <memory>
#include <utility>

#include "engine/common_forms.h"

namespace ombrel::form2055_testing {

namespace {

enum class Table { kMain, kAddenda };

// Runs one table on engine, which is also the shared procedures' current
// engine for the run, and returns the calls recorded.
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

}  // namespace

std::string ScriptedEngine::ReadDirect(const std::string& addr) {
  RecordingEngine::ReadDirect(addr);
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

std::string ScriptedEngine::Value(const std::string& tag) const {
  auto it = values.find(tag);
  return it == values.end() ? "" : it->second;
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

std::size_t CountMember(const Calls& calls, const std::string& member) {
  return std::count_if(calls.begin(), calls.end(),
                       [&](const std::string& c) { return c.rfind(member + "(", 0) == 0; });
}

std::ptrdiff_t IndexOf(const Calls& calls, const std::string& call) {
  auto it = std::find(calls.begin(), calls.end(), call);
  return it == calls.end() ? -1 : it - calls.begin();
}

bool Mentions(const Calls& calls, const std::string& text) {
  return std::any_of(calls.begin(), calls.end(),
                     [&](const std::string& c) { return c.find(text) != std::string::npos; });
}

Calls Renamed(Calls calls, const std::string& from, const std::string& to) {
  const std::string quotedFrom = Q(from);
  const std::string quotedTo = Q(to);
  for (std::string& call : calls) {
    for (std::size_t at = call.find(quotedFrom); at != std::string::npos;
         at = call.find(quotedFrom, at + quotedTo.size())) {
      call.replace(at, quotedFrom.size(), quotedTo);
    }
  }
  return calls;
}

std::string Q(const std::string& text) { return testing::TraceQuote(text); }

std::string SetAliasCall(const std::string& tag, const std::string& addr) {
  return "SetAlias(" + Q(tag) + ", " + Q(addr) + ")";
}

std::string Comp(int n, const std::string& item) {
  return "COMP(" + std::to_string(n) + ")" + item;
}

std::string Addr(int line, int field) {
  return std::to_string(line) + "|" + std::to_string(field);
}

}  // namespace ombrel::form2055_testing
