// The values of one order document, by order tag, in the order first set,
// and the document's text: each tag placed where the alias file (or, for a
// tag it does not name, the tag read as a path) says the XML reader looks.
#pragma once

#include <optional>
#include <string>
#include <unordered_map>
#include <utility>
#include <vector>

namespace ombrel::bench {

class OrderValues {
 public:
  // Sets the tag's value unless it has one already.
  void SetIfAbsent(const std::string& tag, const std::string& value);
  // Sets the tag's value, replacing any.
  void Set(const std::string& tag, const std::string& value);
  bool Has(const std::string& tag) const { return index_.count(tag) != 0; }
  const std::vector<std::pair<std::string, std::string>>& values() const { return values_; }

 private:
  std::vector<std::pair<std::string, std::string>> values_;
  std::unordered_map<std::string, std::size_t> index_;
};

// A value that reads like an order's for the tag's kind (a date, an amount,
// a phone number...), never empty.
std::string PlausibleValue(const std::string& tag);

// The element steps ("COMP(2)", "SALESPRICE") where the XML reader looks for
// tag under the alias file aliasText; nothing for a place this writer cannot
// make (an attribute).
std::optional<std::vector<std::string>> PlacedSteps(const std::string& tag, const std::string& aliasText);

// True when a line of the alias file aliasText fits tag, exactly or by '#'.
bool FitsAlias(const std::string& tag, const std::string& aliasText);

// The order document with root ORDER: FORMNUM first, then every value.
// aliasText is the alias file the engine will load.
std::string OrderText(const std::string& formNumber, const OrderValues& values,
                      const std::string& aliasText);

}  // namespace ombrel::bench
