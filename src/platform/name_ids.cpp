#include "platform/name_ids.h"

#include <cstring>

namespace ombrel {

namespace {

// Element names are short: eight bytes at a time, mixed by multiplication,
// costs a fraction of the library's general-purpose string hash, and every
// lookup of a translation hashes a name.
std::size_t NameHash(std::string_view name) {
  constexpr uint64_t kMultiplier = 0x9E3779B97F4A7C15ull;
  uint64_t hash = name.size() * kMultiplier;
  std::size_t at = 0;
  for (; at + 8 <= name.size(); at += 8) {
    uint64_t word;
    std::memcpy(&word, name.data() + at, 8);
    hash = (hash ^ word) * kMultiplier;
    hash ^= hash >> 29;
  }
  if (at < name.size()) {
    // The last bytes one by one: a call to copy them costs more.
    uint64_t word = 0;
    for (unsigned shift = 0; at < name.size(); ++at, shift += 8) {
      word |= uint64_t{static_cast<unsigned char>(name[at])} << shift;
    }
    hash = (hash ^ word) * kMultiplier;
  }
  hash ^= hash >> 32;
  return static_cast<std::size_t>(hash * kMultiplier >> 16);
}

}  // namespace

std::size_t NameIds::SlotOf(std::string_view name) const {
  const std::size_t mask = slots_.size() - 1;
  std::size_t slot = NameHash(name) & mask;
  while (slots_[slot].used && slots_[slot].name != name) slot = (slot + 1) & mask;
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
