#include "platform/element_index.h"

#include <algorithm>

namespace ombrel {

void ElementIndex::Clear() {
  names_.Clear();
  elements_.clear();
  byAddress_.clear();
  byName_.clear();
  byParent_.clear();
}

void ElementIndex::Build(const pugi::xml_document& document) {
  Clear();
  struct Open {
    pugi::xml_node node;
    uint32_t position;     // the node's own; kNoParent when it is no element
    uint32_t outerParent;  // the parent position to return to
  };
  // Document order without recursion: a document may be deep.
  std::vector<Open> open;
  uint32_t parent = kNoParent;  // the element whose children are walked
  pugi::xml_node node = document.first_child();
  while (node) {
    uint32_t own = kNoParent;
    if (node.type() == pugi::node_element) {
      own = static_cast<uint32_t>(elements_.size());
      elements_.push_back(Element{node, names_.Intern(node.name()), parent, own});
    }
    if (node.first_child()) {
      open.push_back(Open{node, own, parent});
      parent = own;
      node = node.first_child();
      continue;
    }
    while (!node.next_sibling() && !open.empty()) {
      const Open closed = open.back();
      open.pop_back();
      node = closed.node;
      parent = closed.outerParent;
      if (closed.position != kNoParent) {
        elements_[closed.position].last = static_cast<uint32_t>(elements_.size() - 1);
      }
    }
    node = node.next_sibling();
  }

  const std::size_t count = elements_.size();
  byAddress_.reserve(count);
  for (uint32_t i = 0; i < count; ++i) byAddress_.emplace_back(elements_[i].node.internal_object(), i);
  std::sort(byAddress_.begin(), byAddress_.end(), [](const auto& a, const auto& b) {
    return std::less<const void*>()(a.first, b.first);
  });
  byName_.reserve(count);
  byParent_.reserve(count);
  for (uint32_t i = 0; i < count; ++i) {
    byName_.push_back(ByName{elements_[i].name, i});
    byParent_.push_back(ByParent{elements_[i].name, elements_[i].parent, i});
  }
  std::sort(byName_.begin(), byName_.end());
  std::sort(byParent_.begin(), byParent_.end());
}

std::optional<uint32_t> ElementIndex::PositionOf(pugi::xml_node node) const {
  if (node.type() != pugi::node_element) return std::nullopt;
  const void* address = node.internal_object();
  const auto it = std::lower_bound(byAddress_.begin(), byAddress_.end(), address,
                                   [](const auto& entry, const void* at) {
                                     return std::less<const void*>()(entry.first, at);
                                   });
  if (it == byAddress_.end() || it->first != address) return std::nullopt;
  return it->second;
}

pugi::xml_node ElementIndex::FirstBelow(pugi::xml_node top, std::string_view name,
                                        const std::function<bool(pugi::xml_node)>& accept) const {
  const std::optional<uint32_t> id = names_.Find(name);
  if (!id) return pugi::xml_node();
  uint32_t first = 0;
  uint32_t last = UINT32_MAX;
  if (top.type() == pugi::node_element) {
    const std::optional<uint32_t> position = PositionOf(top);
    if (!position) return pugi::xml_node();
    first = *position + 1;
    last = elements_[*position].last;
  }
  auto it = std::lower_bound(byName_.begin(), byName_.end(), ByName{*id, first});
  for (; it != byName_.end() && it->name == *id && it->position <= last; ++it) {
    if (accept(elements_[it->position].node)) return elements_[it->position].node;
  }
  return pugi::xml_node();
}

pugi::xml_node ElementIndex::FirstChild(pugi::xml_node parent, std::string_view name,
                                        const std::function<bool(pugi::xml_node)>& accept) const {
  uint32_t parentPosition = kNoParent;  // the document's children have no parent element
  if (parent.type() == pugi::node_element) {
    const std::optional<uint32_t> position = PositionOf(parent);
    if (!position) return pugi::xml_node();
    parentPosition = *position;
  } else if (parent.type() != pugi::node_document) {
    return pugi::xml_node();  // only elements and the document have child elements
  }
  const std::optional<uint32_t> id = names_.Find(name);
  if (!id) return pugi::xml_node();
  auto it = std::lower_bound(byParent_.begin(), byParent_.end(), ByParent{*id, parentPosition, 0});
  for (; it != byParent_.end() && it->name == *id && it->parent == parentPosition; ++it) {
    if (accept(elements_[it->position].node)) return elements_[it->position].node;
  }
  return pugi::xml_node();
}

}  // namespace ombrel
