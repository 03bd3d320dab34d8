// The fields (or titles) of one form: address -> text, each address once, in
// the order first written; writing an address again replaces its text in place.
// An address is the pair of numbers n|m, kept as one key (n in the high half)
// so that a write neither builds nor hashes a string.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <unordered_map>
#include <utility>
#include <vector>

namespace ombrel {

class FieldList {
 public:
  static uint64_t Key(uint32_t line, uint32_t field) { return (uint64_t{line} << 32) | field; }
  static uint32_t Line(uint64_t key) { return static_cast<uint32_t>(key >> 32); }
  static uint32_t Field(uint64_t key) { return static_cast<uint32_t>(key); }

  // Keeps a copy of text.
  void Set(uint64_t key, std::string_view text);
  const std::vector<std::pair<uint64_t, std::string>>& entries() const { return entries_; }

 private:
  std::vector<std::pair<uint64_t, std::string>> entries_;
  std::unordered_map<uint64_t, std::size_t> positions_;  // key -> its place in entries_
};

}  // namespace ombrel
