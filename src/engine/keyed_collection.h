// A collection of texts keyed by text, keys matched without regard to letter
// case. Adding a key that is already there raises error 457 and keeps the
// first item; a missing key is no error for Item and Remove.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <unordered_map>

namespace ombrel {

class KeyedCollection {
 public:
  void Add(const std::string& item, const std::string& key);
  std::optional<std::string> Item(const std::string& key) const;
  bool Contains(const std::string& key) const { return Item(key).has_value(); }
  // Removes the item under key; true when there was one.
  bool Remove(const std::string& key);
  std::size_t Count() const { return items_.size(); }

 private:
  std::unordered_map<std::string, std::string> items_;  // upper-cased key -> item
};

}  // namespace ombrel
