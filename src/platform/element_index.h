// An index of a loaded document's elements by name, so a path step finds its
// element without walking the document: a "~NAME" step the first element of
// that name below a node, a "NAME" step the first child of that name, and
// either with an index ("NAME(n)") the first such element whose attribute N
// is n, each with binary searches and never a scan of the elements between.
//
// Elements are known by their position in document order. The index is flat
// arrays of positions, put in order by counting (no comparison sort), so it
// costs a few bytes per element and is built in time linear in the document:
// an order may hold a great many elements besides the few hundred a
// translation asks for.
#pragma once

#include <compare>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include <pugixml.hpp>

#include "platform/name_ids.h"

namespace ombrel {

class ElementIndex {
 public:
  // A position that stands for the document itself (the root's parent), and
  // one for no element.
  static constexpr uint32_t kDocument = UINT32_MAX - 1;
  static constexpr uint32_t kNone = UINT32_MAX;

  // Indexes every element of document. The index points into the document
  // and is good until the document changes. A document nested deeper than
  // maxDepth levels (an element's own text counting as a level below it) is
  // not indexed: the index is left empty and false returned.
  bool Build(const pugi::xml_document& document, std::size_t maxDepth = SIZE_MAX);
  void Clear();

  // The position of node: kDocument for the indexed document, kNone for a
  // node that is no element of it. The root is found at once; any other
  // element through a table of addresses made at the first such request.
  uint32_t PositionOf(pugi::xml_node node) const;
  // The element at a position of this index; null for kDocument and kNone.
  pugi::xml_node NodeAt(uint32_t position) const;

  // The first element named name strictly below top, in document order, and
  // when n is given the first whose attribute N is n (a number matches its
  // digits written with or without leading zeros); kNone when there is none.
  uint32_t FirstBelow(uint32_t top, std::string_view name, std::optional<std::string_view> n) const;
  // The first child element of parent named name, in document order, with n
  // as for FirstBelow; kNone when there is none.
  uint32_t FirstChild(uint32_t parent, std::string_view name, std::optional<std::string_view> n) const;

  // The same for nodes: null when there is none.
  pugi::xml_node FirstBelow(pugi::xml_node top, std::string_view name,
                            std::optional<std::string_view> n) const;
  pugi::xml_node FirstChild(pugi::xml_node parent, std::string_view name,
                            std::optional<std::string_view> n) const;

  // The value of an attribute N as the index compares it: digits without
  // their leading zeros, any other text as it is.
  static std::string_view IndexKey(std::string_view n);

 private:
  struct Element {
    pugi::xml_node node;
    uint32_t name = 0;         // its number in names_
    uint32_t parent = kDocument;  // the parent element's position
    uint32_t last = 0;         // the position of its last descendant (its own when none)
  };
  // FirstBelow and FirstChild for the name numbered id (nothing: a name
  // the document does not have), of a valid top or parent.
  uint32_t FirstBelowOf(uint32_t top, std::optional<uint32_t> id, std::optional<std::string_view> n) const;
  uint32_t FirstChildOf(uint32_t parent, std::optional<uint32_t> id, std::optional<std::string_view> n) const;
  // The positions of the elements named name, in byName_ and byParent_.
  std::pair<std::size_t, std::size_t> NameRange(uint32_t name) const;
  // The elements of that name whose N has that key, as a range of numbered_.
  std::pair<std::size_t, std::size_t> NumberedRange(uint32_t name, std::string_view key) const;

  NameIds names_;
  std::vector<Element> elements_;  // by position: document order
  // Positions grouped by name (nameStart_[name] is where a name's group
  // begins): in byName_ each group in document order, in byParent_ by
  // parent, then in document order.
  std::vector<uint32_t> nameStart_;
  std::vector<uint32_t> byName_;
  std::vector<uint32_t> byParent_;
  // The elements that have an attribute N: by name, key, then position. The
  // key is a view into the document's own text.
  struct Numbered {
    uint32_t name;
    uint32_t position;
    // The key's first eight bytes as one number that orders as they do, so
    // that most comparisons of keys (short numbers) are one of integers.
    uint64_t prefix;
    std::string_view key;
  };
  static uint64_t KeyPrefix(std::string_view key);
  // Orders by name, then key as their bytes compare.
  static bool KeyBefore(const Numbered& a, const Numbered& b);
  // The same elements by the start of their (name, key) range in numbered_,
  // parent, then position.
  struct NumberedChild {
    uint32_t group;
    uint32_t parent;
    uint32_t position;
    auto operator<=>(const NumberedChild&) const = default;
  };
  std::vector<Numbered> numbered_;
  std::vector<NumberedChild> numberedChildren_;
  // The last numbered step and what it found. A translation asks for the
  // items of one comparable in a row ("COMP(2)SITE", "COMP(2)VIEW", ...):
  // each then finds its "COMP(2)" here, without the name's hash and the
  // binary searches of the keys.
  struct LastNumbered {
    bool valid = false;
    bool below = false;  // a FirstBelow, not a FirstChild
    uint32_t from = kNone;
    uint32_t found = kNone;
    std::string name;
    std::string n;  // as asked, before IndexKey
  };
  // found when the last numbered step was this one; nothing otherwise.
  std::optional<uint32_t> Remembered(bool below, uint32_t from, std::string_view name,
                                     std::string_view n) const;
  // Keeps the step as the last one; returns found.
  uint32_t Remember(bool below, uint32_t from, std::string_view name, std::string_view n,
                    uint32_t found) const;
  mutable LastNumbered lastNumbered_;
  // Positions by the node's address, made when first needed.
  mutable std::vector<std::pair<const void*, uint32_t>> byAddress_;
};

}  // namespace ombrel
