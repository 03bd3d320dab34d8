#include "platform/field_list.h"

namespace ombrel {

std::size_t FieldList::SlotOf(uint64_t key) const {
  const std::size_t mask = slots_.size() - 1;
  // Fibonacci hashing: the line and field numbers are small and close
  // together, the multiplication spreads them over the high bits.
  std::size_t slot = static_cast<std::size_t>((key * 0x9E3779B97F4A7C15ull) >> 32) & mask;
  while (slots_[slot] != 0 && entries_[slots_[slot] - 1].first != key) slot = (slot + 1) & mask;
  return slot;
}

void FieldList::Grow() {
  if (slots_.empty()) {
    // A main form writes about a thousand fields: room for them from the
    // start spares moving every field written so far, and rehashing it, at
    // each doubling on the way there.
    slots_.assign(2048, 0);
    entries_.reserve(1024);
    return;
  }
  slots_.assign(slots_.size() * 2, 0);
  for (std::size_t i = 0; i < entries_.size(); ++i) slots_[SlotOf(entries_[i].first)] = static_cast<uint32_t>(i + 1);
}

void FieldList::Set(uint64_t key, std::string text) {
  if ((entries_.size() + 1) * 2 > slots_.size()) Grow();
  uint32_t& slot = slots_[SlotOf(key)];
  if (slot != 0) {
    entries_[slot - 1].second = std::move(text);
    return;
  }
  entries_.emplace_back(key, std::move(text));
  slot = static_cast<uint32_t>(entries_.size());
}

}  // namespace ombrel
