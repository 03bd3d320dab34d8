#include "family_trace.h"

#include <memory>

namespace ombrel::form2055_testing {

using testing::EngineAnswers;
using testing::RecordingEngine;
using testing::TraceTables;
using testing::TraceTranslator;

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

}  // namespace ombrel::form2055_testing
