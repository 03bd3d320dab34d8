#include "platform/name_ids.h"

#include "platform/word_hash.h"

namespace ombrel {

namespace {

// The high bits of the hash, which the multiplication mixes best.
std::size_t NameHash(std::string_view name) { return static_cast<std::size_t>(WordHash(name) >> 16); }

}  // namespace

std::size_t NameIds::SlotOf(std::string_view name) const {
  const std::size_t mask = slots_.size() - 1;
  std::size_t slot = NameHash(name) & mask;
  while (slots_[slot].used && !SameWords(slots_[slot].name, name)) slot = (slot + 1) & mask;
  return slot;
}

void NameIds::Grow() {
  std::vector<Slot> old = std::move(slots_);
  // A full order has a few hundred distinct names: starting with room for
  // them spares rehashing them through each smaller size.
  slots_.assign(old.empty() ? 1024 : old.size() * 2, Slot{});
  for (const Slot& slot : old) {
    if (slot.used) slots_[SlotOf(slot.name)] = slot;
  }
}

uint32_t NameIds::Intern(std::string_view name) {
  if ((count_ + 1) * 2 > slots_.size()) Grow();
  Slot& slot = slots_[SlotOf(name)];
  if (!slot.used) slot = Slot{name, count_++, true};
  return slot.id;
}

std::optional<uint32_t> NameIds::Find(std::string_view name) const {
  if (slots_.empty()) return std::nullopt;
  const Slot& slot = slots_[SlotOf(name)];
  if (!slot.used) return std::nullopt;
  return slot.id;
}

void NameIds::Clear() {
  slots_.clear();
  count_ = 0;
}

}  // namespace ombrel
