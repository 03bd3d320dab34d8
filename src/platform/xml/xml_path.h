// A path into an order document: steps separated by "\" (a leading "\" is
// allowed and changes nothing), each one of
//   NAME      the first child element of that name
//   NAME(n)   the child element of that name whose attribute N is n
//   ~NAME     the first element of that name at any depth below, in document
//             order (also ~NAME(n))
//   @NAME     an attribute (last step only)
// Its value is the text of the element or attribute reached, exactly as stored.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include <pugixml.hpp>

#include "platform/xml/element_index.h"

namespace ombrel {

class XmlPath {
 public:
  // Nothing when the text is not a path (an empty step, "@" before the end,
  // "NAME(" without ")"...).
  static std::optional<XmlPath> Parse(std::string_view text);

  // The value under from, a node of the document index was built from; ""
  // when nothing matches.
  std::string Evaluate(pugi::xml_node from, const ElementIndex& index) const;
  // The same as it stands in the document, good while the document is; or,
  // for an element with children, put together in scratch.
  std::string_view Text(pugi::xml_node from, const ElementIndex& index, std::string& scratch) const;

  // What Parse(text)->Evaluate(from, index) gives ("" when text is not a
  // path), without keeping the path: a translation reads thousands of paths
  // once each.
  static std::string EvaluateText(std::string_view text, pugi::xml_node from,
                                  const ElementIndex& index);

  // The value of an order tag read as a path: a step also ends after each
  // ")", so "COMP(2)SALESPRICE" is COMP(2)\SALESPRICE.
  static std::string EvaluateTag(std::string_view tag, pugi::xml_node from,
                                 const ElementIndex& index);
  // The same as it stands in the document, or put together in scratch, as
  // for Text.
  static std::string_view TagText(std::string_view tag, pugi::xml_node from, const ElementIndex& index,
                                  std::string& scratch);

 private:
  enum class Kind { kChild, kDescendant, kAttribute };
  // A step as it stands in a text, its parts pointing into that text.
  struct Step {
    Kind kind = Kind::kChild;
    std::string_view name;
    std::optional<std::string_view> index;  // NAME(n)
  };
  // The step of text that starts at at, at moved to the start of the next
  // step (npos after the last); nothing when it is no step. In a tag a step
  // also ends after its ")".
  static std::optional<Step> ReadStep(std::string_view text, std::size_t& at, bool tag);
  // The value of text read as a path (or a tag) from from, each step
  // followed as it is read.
  static std::string_view Walk(std::string_view text, bool tag, pugi::xml_node from, const ElementIndex& index,
                               std::string& scratch);

  std::string text_;  // without a leading "\"; every step well-formed
};

}  // namespace ombrel
