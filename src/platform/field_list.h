// The fields (or titles) of one form: address -> text, each address once, in
// the order first written; writing an address again replaces its text in place.
// An address is the pair of numbers n|m, kept as one key (n in the high half)
// so that a write neither builds nor hashes a string.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string_view>
#include <utility>
#include <vector>

namespace ombrel {

class FieldList {
 public:
  static uint64_t Key(uint32_t line, uint32_t field) { return (uint64_t{line} << 32) | field; }
  static uint32_t Line(uint64_t key) { return static_cast<uint32_t>(key >> 32); }
  static uint32_t Field(uint64_t key) { return static_cast<uint32_t>(key); }

  void Set(uint64_t key, std::string_view text);
  // The texts are the list's own copies, good while the list lives.
  const std::vector<std::pair<uint64_t, std::string_view>>& entries() const { return entries_; }

 private:
  // The slot of key in slots_: the one holding it, or the empty one where it
  // belongs.
  std::size_t SlotOf(uint64_t key) const;
  void Grow();
  // A copy of text in blocks_.
  std::string_view Keep(std::string_view text);

  std::vector<std::pair<uint64_t, std::string_view>> entries_;
  // Open addressing, a power of two in size and at most half used: each slot
  // holds an entry's position plus one, 0 when empty. A form writes a
  // thousand fields; a node per field would cost more than the writes.
  std::vector<uint32_t> slots_;
  // The texts, one after another in blocks that are never moved: a form's
  // thousand texts take a few allocations, not one each, and are freed
  // together with it.
  std::vector<std::unique_ptr<char[]>> blocks_;
  char* room_ = nullptr;  // the free end of the last block
  std::size_t roomSize_ = 0;
  std::size_t nextBlock_ = 1024;  // doubling up to 64 KiB
};

}  // namespace ombrel
