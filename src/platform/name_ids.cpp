#include "platform/name_ids.h"

#include <cstring>

namespace ombrel {

namespace {

uint64_t Load64(const char* at) {
  uint64_t word;
  std::memcpy(&word, at, 8);
  return word;
}

uint64_t Load32(const char* at) {
  uint32_t word;
  std::memcpy(&word, at, 4);
  return word;
}

// Element names are short, and every lookup of a translation hashes one:
// they are read a word at a time, a name of eight bytes or more ending with
// the word of its last eight bytes (overlapping the one before), a shorter
// one as two overlapping halves or three of its bytes. No byte is read
// alone in a loop, and none outside the name. The length is mixed in, so
// names that overlap differently do not collide for it.
std::size_t NameHash(std::string_view name) {
  constexpr uint64_t kMultiplier = 0x9E3779B97F4A7C15ull;
  const char* const bytes = name.data();
  const std::size_t size = name.size();
  uint64_t hash = size * kMultiplier;
  if (size >= 8) {
    for (std::size_t at = 0; at + 8 < size; at += 8) {
      hash = (hash ^ Load64(bytes + at)) * kMultiplier;
      hash ^= hash >> 29;
    }
    hash = (hash ^ Load64(bytes + size - 8)) * kMultiplier;
  } else if (size >= 4) {
    hash = (hash ^ (Load32(bytes) | Load32(bytes + size - 4) << 32)) * kMultiplier;
  } else if (size > 0) {
    const uint64_t first = static_cast<unsigned char>(bytes[0]);
    const uint64_t middle = static_cast<unsigned char>(bytes[size / 2]);
    const uint64_t last = static_cast<unsigned char>(bytes[size - 1]);
    hash = (hash ^ (first | middle << 8 | last << 16)) * kMultiplier;
  }
  hash ^= hash >> 32;
  return static_cast<std::size_t>(hash * kMultiplier >> 16);
}

// a == b, read as NameHash reads them, without a call to compare a few bytes.
bool SameName(std::string_view a, std::string_view b) {
  const std::size_t size = a.size();
  if (size != b.size()) return false;
  if (size >= 8) {
    for (std::size_t at = 0; at + 8 < size; at += 8) {
      if (Load64(a.data() + at) != Load64(b.data() + at)) return false;
    }
    return Load64(a.data() + size - 8) == Load64(b.data() + size - 8);
  }
  if (size >= 4) {
    return Load32(a.data()) == Load32(b.data()) && Load32(a.data() + size - 4) == Load32(b.data() + size - 4);
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
