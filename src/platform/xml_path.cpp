#include "platform/xml_path.h"

#include <algorithm>
#include <array>
#include <cstring>

namespace ombrel {

namespace {

// The characters that mark the parts of a step, never part of its name.
// Every byte of every step of a lookup is checked: one load from a table,
// not four comparisons.
constexpr auto kStepMark = [] {
  std::array<bool, 256> table{};
  for (const unsigned char c : {'(', ')', '@', '~'}) table[c] = true;
  return table;
}();
bool IsStepMark(char c) { return kStepMark[static_cast<unsigned char>(c)]; }

// The characters a name ends at when a path is walked: the marks and the
// step separator.
constexpr auto kNameEnd = [] {
  std::array<bool, 256> table = kStepMark;
  table[static_cast<unsigned char>('\\')] = true;
  return table;
}();

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

std::optional<XmlPath::StepView> XmlPath::ParseStep(std::string_view text, bool last) {
  StepView step;
  if (!text.empty() && text.front() == '@') {
    if (!last || text.size() == 1) return std::nullopt;
    step.kind = Kind::kAttribute;
    step.name = text.substr(1);
    return step;
  }
  if (!text.empty() && text.front() == '~') {
    step.kind = Kind::kDescendant;
    text.remove_prefix(1);
  }
  const std::size_t open = text.find('(');
  if (open != std::string_view::npos) {
    if (text.back() != ')' || open + 2 >= text.size()) return std::nullopt;
    step.index = text.substr(open + 1, text.size() - open - 2);
    text = text.substr(0, open);
  }
  if (text.empty() || std::any_of(text.begin(), text.end(), IsStepMark)) return std::nullopt;
  step.name = text;
  return step;
}

XmlPath::StepView XmlPath::View(const Step& step) {
  StepView view{step.kind, step.name, std::nullopt};
  if (step.index) view.index = *step.index;
  return view;
}

std::optional<XmlPath> XmlPath::Parse(std::string_view text) {
  if (!text.empty() && text.front() == '\\') text.remove_prefix(1);
  if (text.empty()) return std::nullopt;
  XmlPath path;
  std::size_t start = 0;
  for (;;) {
    const std::size_t end = text.find('\\', start);
    const bool last = end == std::string_view::npos;
    const std::optional<StepView> view = ParseStep(text.substr(start, last ? text.npos : end - start), last);
    if (!view) return std::nullopt;
    Step& step = path.steps_.emplace_back();
    step.kind = view->kind;
    step.name = view->name;
    if (view->index) step.index = std::string(*view->index);
    if (last) return path;
    start = end + 1;
  }
}

uint32_t XmlPath::Follow(uint32_t current, const StepView& step, const ElementIndex& index) {
  return step.kind == Kind::kDescendant ? index.FirstBelow(current, step.name, step.index)
                                        : index.FirstChild(current, step.name, step.index);
}

std::string_view XmlPath::AttributeValue(pugi::xml_node current, const StepView& step) {
  for (pugi::xml_attribute attribute = current.first_attribute(); attribute;
       attribute = attribute.next_attribute()) {
    if (step.name == attribute.name()) return attribute.value();
  }
  return "";
}

std::string XmlPath::Evaluate(pugi::xml_node from, const ElementIndex& index) const {
  std::string scratch;
  return Owned(Text(from, index, scratch), scratch);
}

std::string_view XmlPath::Text(pugi::xml_node from, const ElementIndex& index, std::string& scratch) const {
  uint32_t current = index.PositionOf(from);
  for (const Step& step : steps_) {
    if (current == ElementIndex::kNone) return "";
    const StepView view = View(step);
    if (view.kind == Kind::kAttribute) return AttributeValue(index.NodeAt(current), view);
    current = Follow(current, view, index);
  }
  return current == ElementIndex::kNone ? "" : TextContent(index.NodeAt(current), scratch);
}

// Reads the steps of text one at a time and follows each at once. A step
// that is not a step makes the whole text no path, whose value is "" like a
// path that matches nothing; so stopping at the first step that fails, before
// the later ones are read, gives what parsing the whole text first would.
// Each step is read in one pass over its bytes, the name up to the first
// mark or "\": a translation walks a thousand tags, and searching the text
// for each mark in turn costs more than the walk's lookups.
std::string_view XmlPath::Walk(std::string_view text, bool splitAfterParenthesis, pugi::xml_node from,
                               const ElementIndex& index, std::string& scratch) {
  if (!text.empty() && text.front() == '\\') text.remove_prefix(1);
  if (text.empty()) return "";
  const std::size_t size = text.size();
  constexpr std::size_t kLast = std::string_view::npos;  // no step follows
  uint32_t current = index.PositionOf(from);
  for (std::size_t start = 0;;) {
    if (current == ElementIndex::kNone || start == size) return "";
    if (text[start] == '@') return LastAttribute(text.substr(start), splitAfterParenthesis, index.NodeAt(current));
    StepView step;
    std::size_t at = start;
    if (text[at] == '~') {
      step.kind = Kind::kDescendant;
      ++at;
    }
    const std::size_t name = at;
    while (at < size && !kNameEnd[static_cast<unsigned char>(text[at])]) ++at;
    if (at == name) return "";
    step.name = text.substr(name, at - name);
    std::size_t next = kLast;
    if (at < size && text[at] == '\\') {
      next = at + 1;
    } else if (at < size) {
      // NAME(n), or a mark inside the name: no step.
      if (text[at] != '(') return "";
      const std::size_t open = at;
      std::size_t close;
      if (splitAfterParenthesis) {
        // The first ")" ends the step; the next one follows directly.
        do ++at; while (at < size && text[at] != ')' && text[at] != '\\');
        if (at == size || text[at] == '\\') return "";
        close = at;
        if (close + 1 < size) next = text[close + 1] == '\\' ? close + 2 : close + 1;
      } else {
        const std::size_t slash = text.find('\\', open + 1);
        const std::size_t end = slash == std::string_view::npos ? size : slash;
        if (text[end - 1] != ')') return "";
        close = end - 1;
        if (slash != std::string_view::npos) next = slash + 1;
      }
      if (close <= open + 1) return "";  // "NAME()"
      step.index = text.substr(open + 1, close - open - 1);
    }
    current = Follow(current, step, index);
    if (next == kLast) return current == ElementIndex::kNone ? "" : TextContent(index.NodeAt(current), scratch);
    start = next;
  }
}

std::string_view XmlPath::LastAttribute(std::string_view step, bool splitAfterParenthesis,
                                        pugi::xml_node current) {
  // "@NAME" with nothing after it: no "\", and in a tag no ")" but a last one.
  if (step.size() < 2 || step.find('\\') != std::string_view::npos) return "";
  if (splitAfterParenthesis) {
    const std::size_t close = step.find(')');
    if (close != std::string_view::npos && close + 1 < step.size()) return "";
  }
  return AttributeValue(current, StepView{Kind::kAttribute, step.substr(1), std::nullopt});
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
