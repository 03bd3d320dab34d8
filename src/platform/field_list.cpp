#include "platform/field_list.h"

namespace ombrel {

void FieldList::Set(const std::string& address, const std::string& text) {
  const auto [it, added] = index_.try_emplace(address, entries_.size());
  if (added) {
    entries_.emplace_back(address, text);
  } else {
    entries_[it->second].second = text;
  }
}

}  // namespace ombrel
