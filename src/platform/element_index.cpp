#include "platform/element_index.h"

#include <algorithm>

namespace ombrel {

void ElementIndex::Clear() {
  spans_.clear();
  byName_.clear();
}

void ElementIndex::Build(const pugi::xml_document& document) {
  Clear();
  uint32_t position = 0;
  // Document order without recursion: a document may be deep.
  std::vector<pugi::xml_node> open;
  pugi::xml_node node = document.first_child();
  while (node) {
    if (node.type() == pugi::node_element) {
      spans_[node.internal_object()] = Span{position, position};
      byName_[node.name()].emplace_back(position, node);
      ++position;
    }
    if (node.first_child()) {
      open.push_back(node);
      node = node.first_child();
      continue;
    }
    while (!node.next_sibling() && !open.empty()) {
      node = open.back();
      open.pop_back();
      if (node.type() == pugi::node_element) spans_[node.internal_object()].last = position - 1;
    }
    node = node.next_sibling();
  }
}

pugi::xml_node ElementIndex::FirstBelow(pugi::xml_node top, std::string_view name,
                                        const std::function<bool(pugi::xml_node)>& accept) const {
  const auto list = byName_.find(name);
  if (list == byName_.end()) return pugi::xml_node();
  uint32_t first = 0;
  uint32_t last = UINT32_MAX;
  if (top.type() == pugi::node_element) {
    const auto span = spans_.find(top.internal_object());
    if (span == spans_.end()) return pugi::xml_node();
    first = span->second.first + 1;
    last = span->second.last;
  }
  const auto& elements = list->second;
  auto it = std::lower_bound(elements.begin(), elements.end(), first,
                             [](const auto& element, uint32_t at) { return element.first < at; });
  for (; it != elements.end() && it->first <= last; ++it) {
    if (accept(it->second)) return it->second;
  }
  return pugi::xml_node();
}

}  // namespace ombrel
