#include "support/alias_writes.h"

#include "support/recording_engine.h"

namespace ombrel::testing {

std::vector<AliasWrite> AliasWrites(FormTranslator& translator) {
  std::vector<AliasWrite> writes;
  std::string form = translator.FormName();
  for (const std::string& call : TraceTranslator(translator)) {
    if (call.rfind("SetPhoto(", 0) == 0) break;
    if (call.rfind("SetForm(\"", 0) == 0) form = call.substr(9, call.size() - 11);
    if (call.rfind("SetAlias(\"", 0) != 0) continue;
    const std::size_t split = call.find("\", \"");
    writes.push_back(
        {form, call.substr(10, split - 10), call.substr(split + 4, call.size() - split - 6)});
  }
  return writes;
}

}  // namespace ombrel::testing
