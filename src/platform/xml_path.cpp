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

// The next node after node in document order, staying inside top's subtree.
pugi::xml_node NextInside(pugi::xml_node node, pugi::xml_node top) {
  if (node.first_child()) return node.first_child();
  while (node && node != top) {
    if (node.next_sibling()) return node.next_sibling();
    node = node.parent();
  }
  return pugi::xml_node();
}

}  // namespace

std::string TextContent(pugi::xml_node element) {
  const pugi::xml_node first = element.first_child();
  if (!first) return element.value();  // the common case: a leaf with its text as its value
  std::string text = element.value();
  for (pugi::xml_node node = first; node; node = NextInside(node, element)) {
    if (node.type() == pugi::node_pcdata || node.type() == pugi::node_cdata || node.type() == pugi::node_element) {
      text += node.value();
    }
  }
  return text;
}

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

std::string XmlPath::AttributeValue(pugi::xml_node current, const StepView& step) {
  for (pugi::xml_attribute attribute = current.first_attribute(); attribute;
       attribute = attribute.next_attribute()) {
    if (step.name == attribute.name()) return attribute.value();
  }
  return "";
}

std::string XmlPath::Evaluate(pugi::xml_node from, const ElementIndex& index) const {
  uint32_t current = index.PositionOf(from);
  for (const Step& step : steps_) {
    if (current == ElementIndex::kNone) return "";
    const StepView view = View(step);
    if (view.kind == Kind::kAttribute) return AttributeValue(index.NodeAt(current), view);
    current = Follow(current, view, index);
  }
  return current == ElementIndex::kNone ? "" : TextContent(index.NodeAt(current));
}

// Reads the steps of text one at a time and follows each at once. A step
// that is not a step makes the whole text no path, whose value is "" like a
// path that matches nothing; so stopping at the first step that fails, before
// the later ones are read, gives what parsing the whole text first would.
std::string XmlPath::Walk(std::string_view text, bool splitAfterParenthesis, pugi::xml_node from,
                          const ElementIndex& index) {
  if (!text.empty() && text.front() == '\\') text.remove_prefix(1);
  if (text.empty()) return "";
  uint32_t current = index.PositionOf(from);
  std::size_t start = 0;
  for (;;) {
    const std::size_t slash = text.find('\\', start);
    std::size_t end = slash == std::string_view::npos ? text.size() : slash;
    std::size_t next = slash == std::string_view::npos ? std::string_view::npos : slash + 1;
    if (splitAfterParenthesis) {
      // A ")" inside the step ends it; the next step follows directly.
      const std::size_t close = text.find(')', start);
      if (close != std::string_view::npos && close + 1 < end) end = next = close + 1;
    }
    const bool last = next == std::string_view::npos;
    const std::optional<StepView> step = ParseStep(text.substr(start, end - start), last);
    if (!step || current == ElementIndex::kNone) return "";
    if (step->kind == Kind::kAttribute) return AttributeValue(index.NodeAt(current), *step);
    current = Follow(current, *step, index);
    if (last) return current == ElementIndex::kNone ? "" : TextContent(index.NodeAt(current));
    start = next;
  }
}

std::string XmlPath::EvaluateText(std::string_view text, pugi::xml_node from,
                                  const ElementIndex& index) {
  return Walk(text, false, from, index);
}

std::string XmlPath::EvaluateTag(std::string_view tag, pugi::xml_node from,
                                 const ElementIndex& index) {
  return Walk(tag, true, from, index);
}

}  // namespace ombrel
