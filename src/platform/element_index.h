// An index of a loaded document's elements by name, in document order, so a
// "~NAME" step finds the first element of that name below a node with a
// binary search instead of a walk through the document.
#pragma once

#include <cstdint>
#include <functional>
#include <string_view>
#include <unordered_map>
#include <utility>
#include <vector>

#include <pugixml.hpp>

namespace ombrel {

class ElementIndex {
 public:
  // Indexes every element of document. The index points into the document
  // and is good until the document changes.
  void Build(const pugi::xml_document& document);
  void Clear();

  // The first element named name strictly below top, in document order, for
  // which accept is true; null when there is none.
  pugi::xml_node FirstBelow(pugi::xml_node top, std::string_view name,
                            const std::function<bool(pugi::xml_node)>& accept) const;

 private:
  struct Span {
    uint32_t first = 0;  // the element's own position in document order
    uint32_t last = 0;   // the position of its last descendant
  };
  std::unordered_map<const void*, Span> spans_;
  std::unordered_map<std::string_view, std::vector<std::pair<uint32_t, pugi::xml_node>>> byName_;
};

}  // namespace ombrel
