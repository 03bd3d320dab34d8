#include "platform/report/field_list.h"

namespace ombrel {

void FieldList::Set(uint64_t key, std::string_view text) {
  const auto [at, added] = positions_.try_emplace(key, entries_.size());
  if (added) {
    entries_.emplace_back(key, text);
  } else {
    entries_[at->second].second = text;
  }
}

}  // namespace ombrel
