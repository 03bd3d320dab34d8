#include "platform/field_list.h"

namespace ombrel {

void FieldList::Set(uint64_t key, const std::string& text) {
  const auto [it, added] = index_.try_emplace(key, entries_.size());
  if (added) {
    entries_.emplace_back(key, text);
  } else {
    entries_[it->second].second = text;
  }
}

}  // namespace ombrel
