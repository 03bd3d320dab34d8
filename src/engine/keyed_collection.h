// A collection of texts keyed by text, keys matched without regard to letter
// case; adding a key that is already there raises error 457 and keeps the
// first item.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <unordered_map>
#include <vector>

namespace ombrel {

class KeyedCollection {
 public:
  void Add(const std::string& item, const std::string& key);
  std::optional<std::string> Item(const std::string& key) const;
  bool Contains(const std::string& key) const { return Item(key).has_value(); }
  std::size_t Count() const { return items_.size(); }

 private:
  std::vector<std::string> items_;
  std::unordered_map<std::string, std::size_t> index_;  // upper-cased key -> item
};

}  // namespace ombrel
