// pugixml is lenient about what stands beside the root element; a well-formed
// document has exactly one root element and no text outside it. Parse with
// kStrictRootOptions, which keeps such text in the tree, then ask HasSingleRoot.
#pragma once

#include <cstring>

#include <pugixml.hpp>

namespace ombrel {

inline constexpr unsigned kStrictRootOptions = pugi::parse_fragment;

inline bool HasSingleRoot(const pugi::xml_document& document) {
  int elements = 0;
  for (const pugi::xml_node node : document.children()) {
    if (node.type() == pugi::node_element) ++elements;
    if (node.type() == pugi::node_cdata) return false;
    if (node.type() == pugi::node_pcdata &&
        std::strspn(node.value(), " \t\r\n") != std::strlen(node.value())) {
      return false;
    }
  }
  return elements == 1;
}

}  // namespace ombrel
