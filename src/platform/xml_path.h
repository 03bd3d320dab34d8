// A path into an order document: steps separated by "\" (a leading "\" is
// allowed and changes nothing), each one of
//   NAME      the first child element of that name
//   NAME(n)   the child element of that name whose attribute N is n
//   ~NAME     the first element of that name at any depth below, in document
//             order (also ~NAME(n))
//   @NAME     an attribute (last step only)
// Its value is the text of the element or attribute reached, exactly as stored.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include <pugixml.hpp>

#include "platform/element_index.h"

namespace ombrel {

class XmlPath {
 public:
  // Nothing when the text is not a path (an empty step, "@" before the end,
  // "NAME(" without ")"...).
  static std::optional<XmlPath> Parse(std::string_view text);

  // An order tag read as a path: a step ends after each ")", so
  // "COMP(2)SALESPRICE" is COMP(2)\SALESPRICE.
  static std::optional<XmlPath> FromTag(std::string_view tag);

  // The value under from, a node of the document index was built from; ""
  // when nothing matches.
  std::string Evaluate(pugi::xml_node from, const ElementIndex& index) const;

 private:
  enum class Kind { kChild, kDescendant, kAttribute };
  struct Step {
    Kind kind = Kind::kChild;
    std::string name;
    std::optional<std::string> index;  // NAME(n)
  };
  static std::optional<Step> ParseStep(std::string_view text, bool last);
  static bool Matches(pugi::xml_node element, const Step& step);

  std::vector<Step> steps_;
};

// The text content of an element: all text below it, in document order.
std::string TextContent(pugi::xml_node element);

}  // namespace ombrel
