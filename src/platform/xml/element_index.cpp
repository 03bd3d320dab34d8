#include "platform/xml/element_index.h"

#include <algorithm>
#include <functional>

namespace ombrel {

void ElementIndex::Clear() {
  nameIds_.clear();
  elements_.clear();
  nameStart_.clear();
  byName_.clear();
  byParent_.clear();
  numbered_.clear();
  numberedChildren_.clear();
  byAddress_.clear();
}

std::string_view ElementIndex::IndexKey(std::string_view n) {
  if (n.empty()) return n;
  for (char c : n) {
    if (c < '0' || c > '9') return n;
  }
  while (n.size() > 1 && n.front() == '0') n.remove_prefix(1);
  return n;
}

bool ElementIndex::Build(const pugi::xml_document& document, std::size_t maxDepth) {
  Clear();
  struct Open {
    pugi::xml_node node;
    uint32_t position;     // the node's own; kNone when it is no element
    uint32_t outerParent;  // the parent position to return to
  };
  // Document order without recursion: a document may be deep.
  std::vector<Open> open;
  uint32_t parent = kDocument;  // the element whose children are walked
  pugi::xml_node node = document.first_child();
  while (node) {
    uint32_t own = kNone;
    if (node.type() == pugi::node_element) {
      own = static_cast<uint32_t>(elements_.size());
      const auto id = nameIds_.try_emplace(node.name(), static_cast<uint32_t>(nameIds_.size())).first->second;
      elements_.push_back(Element{node, id, parent, own});
    }
    // The depth is checked on this walk rather than on one of its own: a
    // document is loaded for every translation. An element's own text counts
    // as a level below it, as it would as a node.
    const std::size_t depth = open.size() + 1;
    if (depth >= maxDepth && (depth > maxDepth || (own != kNone && *node.value() != '\0'))) {
      Clear();
      return false;
    }
    // Each node is asked for its child and its sibling once: every question
    // is a call into the parser's library.
    if (const pugi::xml_node child = node.first_child()) {
      open.push_back(Open{node, own, parent});
      parent = own;
      node = child;
      continue;
    }
    pugi::xml_node next = node.next_sibling();
    while (!next && !open.empty()) {
      const Open closed = open.back();
      open.pop_back();
      parent = closed.outerParent;
      if (closed.position != kNone) {
        elements_[closed.position].last = static_cast<uint32_t>(elements_.size() - 1);
      }
      next = closed.node.next_sibling();
    }
    node = next;
  }

  // Counting sorts: by name in document order; and by parent, then by name
  // keeping that order, which leaves each name's group ordered by parent,
  // then position.
  const auto count = static_cast<uint32_t>(elements_.size());
  std::vector<uint32_t> nameCount(nameIds_.size() + 1, 0);
  for (const Element& element : elements_) ++nameCount[element.name + 1];
  for (std::size_t i = 1; i < nameCount.size(); ++i) nameCount[i] += nameCount[i - 1];
  nameStart_ = nameCount;
  byName_.resize(count);
  {
    std::vector<uint32_t> next(nameStart_.begin(), nameStart_.end() - 1);
    for (uint32_t i = 0; i < count; ++i) byName_[next[elements_[i].name]++] = i;
  }
  std::vector<uint32_t> byParentOnly(count);
  {
    // Parent positions run from 0 to count - 1, the document's children last.
    std::vector<uint32_t> start(static_cast<std::size_t>(count) + 2, 0);
    const auto slot = [count](uint32_t parent) { return parent == kDocument ? count : parent; };
    for (const Element& element : elements_) ++start[slot(element.parent) + 1];
    for (std::size_t i = 1; i < start.size(); ++i) start[i] += start[i - 1];
    for (uint32_t i = 0; i < count; ++i) byParentOnly[start[slot(elements_[i].parent)]++] = i;
  }
  byParent_.resize(count);
  {
    std::vector<uint32_t> next(nameStart_.begin(), nameStart_.end() - 1);
    for (uint32_t position : byParentOnly) byParent_[next[elements_[position].name]++] = position;
  }

  // The elements that have an attribute N, by name, key, then position; and
  // by key group, parent, then position. Keys are text, so these two are
  // sorted by comparison.
  for (uint32_t i = 0; i < count; ++i) {
    // The first attribute N is the one a step compares, as pugixml finds it.
    const pugi::xml_attribute n = elements_[i].node.attribute("N");
    if (n) {
      const std::string_view key = IndexKey(n.value());
      numbered_.push_back(Numbered{elements_[i].name, key, i});
    }
  }
  std::sort(numbered_.begin(), numbered_.end());
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
  return true;
}

uint32_t ElementIndex::PositionOf(pugi::xml_node node) const {
  // Every lookup of a translation starts at the root: one comparison finds
  // it, before the node is asked its type.
  if (!elements_.empty() && elements_[0].node == node) return 0;
  if (node.type() == pugi::node_document) {
    return !elements_.empty() && elements_[0].node.root() == node ? kDocument : kNone;
  }
  if (node.type() != pugi::node_element || elements_.empty()) return kNone;
  if (byAddress_.empty()) {
    byAddress_.reserve(elements_.size());
    for (uint32_t i = 0; i < elements_.size(); ++i) byAddress_.emplace_back(elements_[i].node.internal_object(), i);
    std::sort(byAddress_.begin(), byAddress_.end(), [](const auto& a, const auto& b) {
      return std::less<const void*>()(a.first, b.first);
    });
  }
  const void* address = node.internal_object();
  const auto it = std::lower_bound(byAddress_.begin(), byAddress_.end(), address,
                                   [](const auto& entry, const void* at) {
                                     return std::less<const void*>()(entry.first, at);
                                   });
  if (it == byAddress_.end() || it->first != address) return kNone;
  return it->second;
}

pugi::xml_node ElementIndex::NodeAt(uint32_t position) const {
  return position < elements_.size() ? elements_[position].node : pugi::xml_node();
}

std::pair<std::size_t, std::size_t> ElementIndex::NameRange(uint32_t name) const {
  return {nameStart_[name], nameStart_[name + 1]};
}

std::optional<uint32_t> ElementIndex::NameId(std::string_view name) const {
  const auto found = nameIds_.find(name);
  if (found == nameIds_.end()) return std::nullopt;
  return found->second;
}

std::vector<ElementIndex::Numbered>::const_iterator ElementIndex::FirstNumbered(const Numbered& at) const {
  return std::lower_bound(numbered_.begin(), numbered_.end(), at, [this](const Numbered& a, const Numbered& b) {
    ++comparisons_;
    return a < b;
  });
}

uint32_t ElementIndex::FirstBelow(uint32_t top, std::string_view name, std::optional<std::string_view> n) const {
  if (top == kNone || (top != kDocument && top >= elements_.size())) return kNone;
  const std::optional<uint32_t> id = NameId(name);
  if (!id) return kNone;
  const uint32_t first = top == kDocument ? 0 : top + 1;
  const uint32_t last = top == kDocument ? kDocument : elements_[top].last;
  uint32_t found = kNone;
  if (n) {
    const Numbered at{*id, IndexKey(*n), first};
    const auto it = FirstNumbered(at);
    if (it != numbered_.end() && it->name == at.name && it->key == at.key) found = it->position;
  } else {
    const auto [lo, hi] = NameRange(*id);
    const auto end = byName_.begin() + static_cast<std::ptrdiff_t>(hi);
    const auto it = std::lower_bound(byName_.begin() + static_cast<std::ptrdiff_t>(lo), end, first,
                                     [this](uint32_t position, uint32_t at) {
                                       ++comparisons_;
                                       return position < at;
                                     });
    if (it != end) found = *it;
  }
  return found != kNone && found <= last ? found : kNone;
}

uint32_t ElementIndex::FirstChild(uint32_t parent, std::string_view name, std::optional<std::string_view> n) const {
  if (parent == kNone || (parent != kDocument && parent >= elements_.size())) return kNone;
  const std::optional<uint32_t> id = NameId(name);
  if (!id) return kNone;
  if (n) {
    const Numbered at{*id, IndexKey(*n), 0};
    const auto it = FirstNumbered(at);
    if (it == numbered_.end() || it->name != at.name || it->key != at.key) return kNone;
    const auto group = static_cast<uint32_t>(it - numbered_.begin());
    const auto child = std::lower_bound(numberedChildren_.begin(), numberedChildren_.end(),
                                        NumberedChild{group, parent, 0},
                                        [this](const NumberedChild& a, const NumberedChild& b) {
                                          ++comparisons_;
                                          return a < b;
                                        });
    if (child == numberedChildren_.end() || child->group != group || child->parent != parent) return kNone;
    return child->position;
  }
  // A name's group is ordered by parent; the document's children come last.
  const auto [lo, hi] = NameRange(*id);
  const auto end = byParent_.begin() + static_cast<std::ptrdiff_t>(hi);
  const auto it = std::lower_bound(byParent_.begin() + static_cast<std::ptrdiff_t>(lo), end, parent,
                                   [this](uint32_t position, uint32_t at) {
                                     ++comparisons_;
                                     return elements_[position].parent < at;
                                   });
  return it != end && elements_[*it].parent == parent ? *it : kNone;
}

pugi::xml_node ElementIndex::FirstBelow(pugi::xml_node top, std::string_view name,
                                        std::optional<std::string_view> n) const {
  return NodeAt(FirstBelow(PositionOf(top), name, n));
}

pugi::xml_node ElementIndex::FirstChild(pugi::xml_node parent, std::string_view name,
                                        std::optional<std::string_view> n) const {
  return NodeAt(FirstChild(PositionOf(parent), name, n));
}

}  // namespace ombrel
