// An index of a loaded document's elements by name, so a path step finds its
// element without walking the document: a "~NAME" step the first element of
// that name below a node, a "NAME" step the first child of that name, and
// either with an index ("NAME(n)") the first such element whose attribute N
// is n, each with binary searches and never a scan of the elements between.
//
// Elements are known by their position in document order. The index is flat
// arrays of positions, so it costs a few bytes per element. The groups by
// name and by parent, which every element joins, are put in order by
// counting, in time linear in the document: an order may hold a great many
// elements besides the few hundred a translation asks for. Only the elements
// that have an attribute N are sorted by comparison, since their keys are
// text; so is the table of addresses PositionOf makes when first asked.
#pragma once

#include <compare>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>
#include <unordered_map>
#include <utility>
#include <vector>

#include <pugixml.hpp>

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

  // How many entries of the index the lookups so far have compared, all
  // told: a few dozen per lookup, however many elements share its name.
  std::size_t comparisons() const { return comparisons_; }

 private:
  struct Element {
    pugi::xml_node node;
    uint32_t name = 0;            // its number in nameIds_
    uint32_t parent = kDocument;  // the parent element's position
    uint32_t last = 0;            // the position of its last descendant (its own when none)
  };
  // The elements that have an attribute N: ordered by name, key, then
  // position. The key is a view into the document's own text.
  struct Numbered {
    uint32_t name;
    std::string_view key;
    uint32_t position;
    auto operator<=>(const Numbered&) const = default;
  };
  // The same elements by the start of their (name, key) range in numbered_,
  // parent, then position.
  struct NumberedChild {
    uint32_t group;
    uint32_t parent;
    uint32_t position;
    auto operator<=>(const NumberedChild&) const = default;
  };

  // The number of name; nothing for a name the document does not have.
  std::optional<uint32_t> NameId(std::string_view name) const;
  // The positions of the elements named name, in byName_ and byParent_.
  std::pair<std::size_t, std::size_t> NameRange(uint32_t name) const;
  // The first entry of numbered_ that does not come before at.
  std::vector<Numbered>::const_iterator FirstNumbered(const Numbered& at) const;

  // The number of each distinct element name, from 0 up; the names are
  // views into the document.
  std::unordered_map<std::string_view, uint32_t> nameIds_;
  std::vector<Element> elements_;  // by position: document order
  // Positions grouped by name (nameStart_[name] is where a name's group
  // begins): in byName_ each group in document order, in byParent_ by
  // parent, then in document order.
  std::vector<uint32_t> nameStart_;
  std::vector<uint32_t> byName_;
  std::vector<uint32_t> byParent_;
  std::vector<Numbered> numbered_;
  std::vector<NumberedChild> numberedChildren_;
  // Positions by the node's address, made when first needed.
  mutable std::vector<std::pair<const void*, uint32_t>> byAddress_;
  mutable std::size_t comparisons_ = 0;
};

}  // namespace ombrel
