// An index of a loaded document's elements by name, so a path step finds its
// element without walking the document: a "~NAME" step the first element of
// that name below a node, a "NAME" step the first child of that name, and
// either with an index ("NAME(n)") the first such element whose attribute N
// is n, each with binary searches and never a scan of the elements between.
// An order document keeps hundreds of values as children of its root, and a
// translation asks for each of them once, so the index is flat arrays of
// numbers: quick to build and to throw away.
#pragma once

#include <compare>
#include <cstdint>
#include <optional>
#include <string_view>
#include <utility>
#include <vector>

#include <pugixml.hpp>

#include "platform/name_ids.h"

namespace ombrel {

class ElementIndex {
 public:
  // Indexes every element of document. The index points into the document
  // and is good until the document changes.
  void Build(const pugi::xml_document& document);
  void Clear();

  // The first element named name strictly below top, in document order, and
  // when n is given the first whose attribute N is n (a number matches its
  // digits written with or without leading zeros); null when there is none.
  pugi::xml_node FirstBelow(pugi::xml_node top, std::string_view name,
                            std::optional<std::string_view> n) const;

  // The first child element of parent named name, in document order, with n
  // as for FirstBelow; null when there is none.
  pugi::xml_node FirstChild(pugi::xml_node parent, std::string_view name,
                            std::optional<std::string_view> n) const;

  // The value of an attribute N as the index compares it: digits without
  // their leading zeros, any other text as it is.
  static std::string_view IndexKey(std::string_view n);

 private:
  static constexpr uint32_t kNoParent = UINT32_MAX;
  struct Element {
    pugi::xml_node node;
    uint32_t name = 0;            // its number in names_
    uint32_t parent = kNoParent;  // the parent element's position
    uint32_t last = 0;            // the position of its last descendant (its own when none)
  };

  // The position of an element of the indexed document; nothing otherwise.
  std::optional<uint32_t> PositionOf(pugi::xml_node node) const;
  // The parent position of parent's children; nothing when parent has none.
  std::optional<uint32_t> ParentPosition(pugi::xml_node parent) const;
  // The elements of that name whose N has that key, as a range of numbered_.
  std::pair<std::size_t, std::size_t> NumberedRange(uint32_t name, std::string_view key) const;

  NameIds names_;
  std::vector<Element> elements_;                            // by position: document order
  std::vector<std::pair<const void*, uint32_t>> byAddress_;  // position by the node's address
  // The keys sit beside the positions, so a binary search reads one array.
  struct ByName {
    uint32_t name;
    uint32_t position;
    auto operator<=>(const ByName&) const = default;
  };
  struct ByParent {
    uint32_t name;
    uint32_t parent;
    uint32_t position;
    auto operator<=>(const ByParent&) const = default;
  };
  // The elements that have an attribute N: by name, key, then position. The
  // key is a view into the document's own text.
  struct Numbered {
    uint32_t name;
    std::string_view key;
    uint32_t position;
  };
  // The same elements by the start of their (name, key) range in numbered_,
  // parent, then position.
  struct NumberedChild {
    uint32_t group;
    uint32_t parent;
    uint32_t position;
    auto operator<=>(const NumberedChild&) const = default;
  };
  std::vector<ByName> byName_;      // ordered by name, then position
  std::vector<ByParent> byParent_;  // ordered by name, parent, then position
  std::vector<Numbered> numbered_;
  std::vector<NumberedChild> numberedChildren_;
};

}  // namespace ombrel
