#include "platform/xml/xml_path.h"

#include <algorithm>
#include <utility>

namespace ombrel {

namespace {

// The characters a name ends at: the marks of a step and the separator.
bool EndsName(char c) { return c == '(' || c == ')' || c == '@' || c == '~' || c == '\\'; }

// The next node after node in document order, staying inside top's subtree.
pugi::xml_node NextInside(pugi::xml_node node, pugi::xml_node top) {
  if (node.first_child()) return node.first_child();
  while (node && node != top) {
    if (node.next_sibling()) return node.next_sibling();
    node = node.parent();
  }
  return pugi::xml_node();
}

// The text content of an element: all text below it, in document order
// (text parsed into an element's own value comes first in it). A leaf, the
// common case, has its text as its value, read where it stands; any other
// element's is put together in scratch.
std::string_view TextContent(pugi::xml_node element, std::string& scratch) {
  const pugi::xml_node first = element.first_child();
  if (!first) return element.value();
  scratch = element.value();
  for (pugi::xml_node node = first; node; node = NextInside(node, element)) {
    if (node.type() == pugi::node_pcdata || node.type() == pugi::node_cdata || node.type() == pugi::node_element) {
      scratch += node.value();
    }
  }
  return scratch;
}

// value as a string of its own: scratch itself when value was put together
// there, else a copy.
std::string Owned(std::string_view value, std::string& scratch) {
  if (!value.empty() && value.data() == scratch.data()) return std::move(scratch);
  return std::string(value);
}

}  // namespace

std::optional<XmlPath::Step> XmlPath::ReadStep(std::string_view text, std::size_t& at, bool tag) {
  constexpr std::size_t kLast = std::string_view::npos;
  std::string_view rest = text.substr(at);
  Step step;
  if (rest.starts_with('@')) {
    // "@NAME" ends the path: no "\" after it, and in a tag no ")" but a last one.
    if (rest.size() < 2 || rest.find('\\') != std::string_view::npos) return std::nullopt;
    if (tag) {
      const std::size_t close = rest.find(')');
      if (close != std::string_view::npos && close + 1 < rest.size()) return std::nullopt;
    }
    step.kind = Kind::kAttribute;
    step.name = rest.substr(1);
    at = kLast;
    return step;
  }
  if (rest.starts_with('~')) {
    step.kind = Kind::kDescendant;
    rest.remove_prefix(1);
  }
  const auto nameEnd = std::find_if(rest.begin(), rest.end(), EndsName);
  step.name = rest.substr(0, static_cast<std::size_t>(nameEnd - rest.begin()));
  if (step.name.empty()) return std::nullopt;
  rest.remove_prefix(step.name.size());
  const std::size_t restStart = text.size() - rest.size();
  if (rest.empty()) {
    at = kLast;
    return step;
  }
  if (rest.front() == '\\') {
    at = restStart + 1;
    return step;
  }
  // NAME(n); any other mark cannot stand in a name.
  if (rest.front() != '(') return std::nullopt;
  std::size_t close;
  if (tag) {
    // The first ")" ends the step; the next one follows directly or after a "\".
    close = rest.find_first_of(")\\", 1);
    if (close == std::string_view::npos || rest[close] == '\\') return std::nullopt;
    if (close + 1 == rest.size()) {
      at = kLast;
    } else {
      at = restStart + close + (rest[close + 1] == '\\' ? 2 : 1);
    }
  } else {
    // The step runs to the next "\" and ends in ")".
    const std::size_t slash = rest.find('\\');
    const std::size_t end = slash == std::string_view::npos ? rest.size() : slash;
    if (rest[end - 1] != ')') return std::nullopt;
    close = end - 1;
    at = slash == std::string_view::npos ? kLast : restStart + slash + 1;
  }
  if (close < 2) return std::nullopt;  // "NAME()"
  step.index = rest.substr(1, close - 1);
  return step;
}

std::optional<XmlPath> XmlPath::Parse(std::string_view text) {
  if (text.starts_with('\\')) text.remove_prefix(1);
  if (text.empty()) return std::nullopt;
  for (std::size_t at = 0; at != std::string_view::npos;) {
    if (!ReadStep(text, at, false)) return std::nullopt;
  }
  XmlPath path;
  path.text_ = text;
  return path;
}

std::string XmlPath::Evaluate(pugi::xml_node from, const ElementIndex& index) const {
  std::string scratch;
  return Owned(Text(from, index, scratch), scratch);
}

std::string_view XmlPath::Text(pugi::xml_node from, const ElementIndex& index, std::string& scratch) const {
  return Walk(text_, false, from, index, scratch);
}

// A step that is not a step makes the whole text no path, whose value is ""
// like a path that matches nothing; so stopping at the first step that fails,
// before the later ones are read, gives what parsing the whole text first
// would.
std::string_view XmlPath::Walk(std::string_view text, bool tag, pugi::xml_node from, const ElementIndex& index,
                               std::string& scratch) {
  if (text.starts_with('\\')) text.remove_prefix(1);
  if (text.empty()) return "";
  uint32_t current = index.PositionOf(from);
  for (std::size_t at = 0; at != std::string_view::npos;) {
    if (current == ElementIndex::kNone) return "";
    const std::optional<Step> step = ReadStep(text, at, tag);
    if (!step) return "";
    switch (step->kind) {
      case Kind::kAttribute: {
        const pugi::xml_node node = index.NodeAt(current);
        for (pugi::xml_attribute attribute = node.first_attribute(); attribute;
             attribute = attribute.next_attribute()) {
          if (step->name == attribute.name()) return attribute.value();
        }
        return "";
      }
      case Kind::kDescendant: current = index.FirstBelow(current, step->name, step->index); break;
      case Kind::kChild: current = index.FirstChild(current, step->name, step->index); break;
    }
  }
  return current == ElementIndex::kNone ? "" : TextContent(index.NodeAt(current), scratch);
}

std::string XmlPath::EvaluateText(std::string_view text, pugi::xml_node from,
                                  const ElementIndex& index) {
  std::string scratch;
  return Owned(Walk(text, false, from, index, scratch), scratch);
}

std::string XmlPath::EvaluateTag(std::string_view tag, pugi::xml_node from,
                                 const ElementIndex& index) {
  std::string scratch;
  return Owned(Walk(tag, true, from, index, scratch), scratch);
}

std::string_view XmlPath::TagText(std::string_view tag, pugi::xml_node from, const ElementIndex& index,
                                  std::string& scratch) {
  return Walk(tag, true, from, index, scratch);
}

}  // namespace ombrel
