// The fields (or titles) of one form: address -> text, each address once, in
// the order first written; writing an address again replaces its text in place.
#pragma once

#include <string>
#include <unordered_map>
#include <utility>
#include <vector>

namespace ombrel {

class FieldList {
 public:
  void Set(const std::string& address, const std::string& text);
  const std::vector<std::pair<std::string, std::string>>& entries() const { return entries_; }

 private:
  std::vector<std::pair<std::string, std::string>> entries_;
  std::unordered_map<std::string, std::size_t> index_;
};

}  // namespace ombrel
