#include "platform/element_index.h"

#include <algorithm>

namespace ombrel {

void ElementIndex::Clear() {
  names_.Clear();
  elements_.clear();
  byAddress_.clear();
  byName_.clear();
  byParent_.clear();
  numbered_.clear();
  numberedChildren_.clear();
}

std::string_view ElementIndex::IndexKey(std::string_view n) {
  if (n.empty()) return n;
  for (char c : n) {
    if (c < '0' || c > '9') return n;
  }
  while (n.size() > 1 && n.front() == '0') n.remove_prefix(1);
  return n;
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

  for (uint32_t i = 0; i < count; ++i) {
    // The first attribute N is the one a step compares, as pugixml finds it.
    const pugi::xml_attribute n = elements_[i].node.attribute("N");
    if (n) numbered_.push_back(Numbered{elements_[i].name, IndexKey(n.value()), i});
  }
  std::sort(numbered_.begin(), numbered_.end(), [](const Numbered& a, const Numbered& b) {
    if (a.name != b.name) return a.name < b.name;
    if (a.key != b.key) return a.key < b.key;
    return a.position < b.position;
  });
  numberedChildren_.reserve(numbered_.size());
  uint32_t group = 0;
  for (uint32_t i = 0; i < numbered_.size(); ++i) {
    if (i > 0 && (numbered_[i].name != numbered_[i - 1].name || numbered_[i].key != numbered_[i - 1].key)) {
      group = i;
    }
    numberedChildren_.push_back(NumberedChild{group, elements_[numbered_[i].position].parent,
                                              numbered_[i].position});
  }
  std::sort(numberedChildren_.begin(), numberedChildren_.end());
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

std::optional<uint32_t> ElementIndex::ParentPosition(pugi::xml_node parent) const {
  if (parent.type() == pugi::node_element) return PositionOf(parent);
  // The document's children have no parent element; no other node has children.
  if (parent.type() == pugi::node_document) return kNoParent;
  return std::nullopt;
}

std::pair<std::size_t, std::size_t> ElementIndex::NumberedRange(uint32_t name,
                                                                std::string_view key) const {
  const auto before = [](const Numbered& entry, const std::pair<uint32_t, std::string_view>& at) {
    return entry.name != at.first ? entry.name < at.first : entry.key < at.second;
  };
  const auto after = [](const std::pair<uint32_t, std::string_view>& at, const Numbered& entry) {
    return at.first != entry.name ? at.first < entry.name : at.second < entry.key;
  };
  const std::pair<uint32_t, std::string_view> at{name, key};
  const auto lo = std::lower_bound(numbered_.begin(), numbered_.end(), at, before);
  const auto hi = std::upper_bound(lo, numbered_.end(), at, after);
  return {static_cast<std::size_t>(lo - numbered_.begin()), static_cast<std::size_t>(hi - numbered_.begin())};
}

pugi::xml_node ElementIndex::FirstBelow(pugi::xml_node top, std::string_view name,
                                        std::optional<std::string_view> n) const {
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
  uint32_t found = kNoParent;
  if (n) {
    const auto [lo, hi] = NumberedRange(*id, IndexKey(*n));
    const auto it = std::lower_bound(numbered_.begin() + static_cast<std::ptrdiff_t>(lo),
                                     numbered_.begin() + static_cast<std::ptrdiff_t>(hi), first,
                                     [](const Numbered& entry, uint32_t at) { return entry.position < at; });
    if (it != numbered_.begin() + static_cast<std::ptrdiff_t>(hi)) found = it->position;
  } else {
    const auto it = std::lower_bound(byName_.begin(), byName_.end(), ByName{*id, first});
    if (it != byName_.end() && it->name == *id) found = it->position;
  }
  if (found == kNoParent || found > last) return pugi::xml_node();
  return elements_[found].node;
}

pugi::xml_node ElementIndex::FirstChild(pugi::xml_node parent, std::string_view name,
                                        std::optional<std::string_view> n) const {
  const std::optional<uint32_t> parentPosition = ParentPosition(parent);
  if (!parentPosition) return pugi::xml_node();
  const std::optional<uint32_t> id = names_.Find(name);
  if (!id) return pugi::xml_node();
  if (n) {
    const auto [lo, hi] = NumberedRange(*id, IndexKey(*n));
    if (lo == hi) return pugi::xml_node();
    const auto group = static_cast<uint32_t>(lo);
    const auto it = std::lower_bound(numberedChildren_.begin(), numberedChildren_.end(),
                                     NumberedChild{group, *parentPosition, 0});
    if (it == numberedChildren_.end() || it->group != group || it->parent != *parentPosition) {
      return pugi::xml_node();
    }
    return elements_[it->position].node;
  }
  const auto it = std::lower_bound(byParent_.begin(), byParent_.end(), ByParent{*id, *parentPosition, 0});
  if (it == byParent_.end() || it->name != *id || it->parent != *parentPosition) return pugi::xml_node();
  return elements_[it->position].node;
}

}  // namespace ombrel
