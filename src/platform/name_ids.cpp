#include "platform/name_ids.h"

#include "platform/word_hash.h"

namespace ombrel {

namespace {

// The high bits of the hash, which the multiplication mixes best.
std::size_t NameHash(std::string_view name) { return static_cast<std::size_t>(WordHash(name) >> 16); }

// a == b, read in words as WordHash reads them: no call to compare a few bytes.
bool SameName(std::string_view a, std::string_view b) {
  const std::size_t size = a.size();
  if (size != b.size()) return false;
  if (size >= 8) {
    for (std::size_t at = 0; at + 8 < size; at += 8) {
      if (LoadWord64(a.data() + at) != LoadWord64(b.data() + at)) return false;
    }
    return LoadWord64(a.data() + size - 8) == LoadWord64(b.data() + size - 8);
  }
  if (size >= 4) {
    return LoadWord32(a.data()) == LoadWord32(b.data()) &&
           LoadWord32(a.data() + size - 4) == LoadWord32(b.data() + size - 4);
  }
  for (std::size_t at = 0; at < size; ++at) {
    if (a[at] != b[at]) return false;
  }
  return true;
}

}  // namespace

std::size_t NameIds::SlotOf(std::string_view name) const {
  const std::size_t mask = slots_.size() - 1;
  std::size_t slot = NameHash(name) & mask;
  while (slots_[slot].used && !SameName(slots_[slot].name, name)) slot = (slot + 1) & mask;
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
