#include "support/trace_calls.h"

#include <algorithm>
#include <iterator>
#include <utility>

#include "support/recording_engine.h"

namespace ombrel::testing {

std::unique_ptr<RecordingEngine> OrderEngine(Values values, std::set<std::string> refusedForms) {
  EngineAnswers answers;
  answers.values = std::move(values);
  answers.aliasNeedsValue = true;
  answers.refusedForms = std::move(refusedForms);
  return std::make_unique<RecordingEngine>(std::move(answers));
}

Calls MainCalls(FormTranslator& translator, int32_t licensing) {
  return MainCalls(translator, std::make_unique<RecordingEngine>(licensing));
}

Calls MainCalls(FormTranslator& translator, const Values& values) {
  return MainCalls(translator, OrderEngine(values));
}

Calls AddendaCalls(FormTranslator& translator) {
  return AddendaCalls(translator, std::make_unique<RecordingEngine>());
}

Calls AddendaCalls(FormTranslator& translator, const Values& values,
                   const std::set<std::string>& refusedForms) {
  return AddendaCalls(translator, OrderEngine(values, refusedForms));
}

Calls MainCalls(FormTranslator& translator, std::unique_ptr<RecordingEngine> engine) {
  return TraceTranslator(translator, TraceTables::kMain, std::move(engine));
}

Calls AddendaCalls(FormTranslator& translator, std::unique_ptr<RecordingEngine> engine) {
  return TraceTranslator(translator, TraceTables::kAddenda, std::move(engine));
}

Calls Between(const Calls& calls, const std::string& first, const std::string& last) {
  const std::ptrdiff_t begin = IndexOf(calls, first);
  if (begin < 0) return {};
  const std::ptrdiff_t end = IndexOf(calls, last, begin);
  if (end < 0) return {};
  return Calls(calls.begin() + begin, calls.begin() + end + 1);
}

Calls UpTo(const Calls& calls, const std::string& first, const std::string& next) {
  const std::ptrdiff_t begin = IndexOf(calls, first);
  if (begin < 0) return {};
  const std::ptrdiff_t end = IndexOf(calls, next, begin + 1);
  if (end < 0) return {};
  return Calls(calls.begin() + begin, calls.begin() + end);
}

Calls Among(const Calls& calls, const Calls& kinds) {
  Calls among;
  std::copy_if(calls.begin(), calls.end(), std::back_inserter(among), [&](const std::string& c) {
    return std::find(kinds.begin(), kinds.end(), c) != kinds.end();
  });
  return among;
}

std::string Member(const std::string& call) { return call.substr(0, call.find('(')); }

std::size_t CountMember(const Calls& calls, const std::string& member) {
  return std::count_if(calls.begin(), calls.end(),
                       [&](const std::string& c) { return c.rfind(member + "(", 0) == 0; });
}

std::map<std::string, int> CountByMember(const Calls& calls) {
  std::map<std::string, int> counts;
  for (const std::string& call : calls) ++counts[Member(call)];
  return counts;
}

std::ptrdiff_t IndexOf(const Calls& calls, const std::string& call, std::ptrdiff_t from) {
  if (from < 0 || from > static_cast<std::ptrdiff_t>(calls.size())) return -1;
  auto it = std::find(calls.begin() + from, calls.end(), call);
  return it == calls.end() ? -1 : it - calls.begin();
}

bool Contains(const Calls& calls, const std::string& call) { return IndexOf(calls, call) >= 0; }

bool Mentions(const Calls& calls, const std::string& text) {
  return std::any_of(calls.begin(), calls.end(),
                     [&](const std::string& c) { return c.find(text) != std::string::npos; });
}

std::string Q(const std::string& text) { return TraceQuote(text); }

std::string SetAliasCall(const std::string& tag, const std::string& addr) {
  return "SetAlias(" + Q(tag) + ", " + Q(addr) + ")";
}

std::string Comp(int n, const std::string& item) {
  return "COMP(" + std::to_string(n) + ")" + item;
}

std::string Addr(int line, int field) {
  return std::to_string(line) + "|" + std::to_string(field);
}

}  // namespace ombrel::testing
