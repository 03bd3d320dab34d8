#include "supplemental_trace.h"

#include <memory>

namespace ombrel::supplemental_testing {

Calls MainCalls(FormTranslator& translator) {
  return testing::TraceTranslator(translator, testing::TraceTables::kMain,
                                  std::make_unique<testing::RecordingEngine>());
}

Calls MainCalls(FormTranslator& translator, const std::map<std::string, std::string>& values) {
  testing::EngineAnswers answers;
  answers.values = values;
  answers.aliasNeedsValue = true;
  return testing::TraceTranslator(translator, testing::TraceTables::kMain,
                                  std::make_unique<testing::RecordingEngine>(answers));
}

Calls AddendaCalls(FormTranslator& translator) {
  return testing::TraceTranslator(translator, testing::TraceTables::kAddenda,
                                  std::make_unique<testing::RecordingEngine>());
}

Calls Between(const Calls& calls, const std::string& first, const std::string& last) {
  const std::ptrdiff_t begin = testing::IndexOf(calls, first);
  if (begin < 0) return {};
  const std::ptrdiff_t end = testing::IndexOf(calls, last, begin);
  if (end < 0) return {};
  return Calls(calls.begin() + begin, calls.begin() + end + 1);
}

}  // namespace ombrel::supplemental_testing
