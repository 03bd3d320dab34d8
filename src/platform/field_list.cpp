#include "platform/field_list.h"

#include <algorithm>
#include <cstring>

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

std::string_view FieldList::Keep(std::string_view text) {
  if (text.empty()) return {};
  if (text.size() > roomSize_) {
    const std::size_t size = std::max(nextBlock_, text.size());
    nextBlock_ = std::min<std::size_t>(nextBlock_ * 2, 64 * 1024);
    blocks_.push_back(std::make_unique_for_overwrite<char[]>(size));
    room_ = blocks_.back().get();
    roomSize_ = size;
  }
  std::memcpy(room_, text.data(), text.size());
  const std::string_view kept(room_, text.size());
  room_ += text.size();
  roomSize_ -= text.size();
  return kept;
}

void FieldList::Set(uint64_t key, std::string_view text) {
  if ((entries_.size() + 1) * 2 > slots_.size()) Grow();
  uint32_t& slot = slots_[SlotOf(key)];
  if (slot != 0) {
    // The text it replaces stays in its block, unused: few fields are
    // written twice.
    entries_[slot - 1].second = Keep(text);
    return;
  }
  entries_.emplace_back(key, Keep(text));
  slot = static_cast<uint32_t>(entries_.size());
}

}  // namespace ombrel
