#include "platform/xml_path.h"

#include <cstring>

namespace ombrel {

namespace {

bool AllDigits(std::string_view text) {
  if (text.empty()) return false;
  for (char c : text) {
    if (c < '0' || c > '9') return false;
  }
  return true;
}

std::string_view WithoutLeadingZeros(std::string_view digits) {
  while (digits.size() > 1 && digits.front() == '0') digits.remove_prefix(1);
  return digits;
}

// An index matches its number written either way ("2" and "02").
bool SameIndex(std::string_view attribute, std::string_view index) {
  if (AllDigits(attribute) && AllDigits(index)) {
    return WithoutLeadingZeros(attribute) == WithoutLeadingZeros(index);
  }
  return attribute == index;
}

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
  if (first && !first.next_sibling() &&
      (first.type() == pugi::node_pcdata || first.type() == pugi::node_cdata)) {
    return first.value();  // the common case: a leaf with one text
  }
  std::string text;
  for (pugi::xml_node node = first; node; node = NextInside(node, element)) {
    if (node.type() == pugi::node_pcdata || node.type() == pugi::node_cdata) text += node.value();
  }
  return text;
}

std::optional<XmlPath::Step> XmlPath::ParseStep(std::string_view text, bool last) {
  Step step;
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
    step.index = std::string(text.substr(open + 1, text.size() - open - 2));
    text = text.substr(0, open);
  }
  if (text.empty() || text.find_first_of("()@~") != std::string_view::npos) return std::nullopt;
  step.name = text;
  return step;
}

std::optional<XmlPath> XmlPath::Parse(std::string_view text) {
  if (!text.empty() && text.front() == '\\') text.remove_prefix(1);
  if (text.empty()) return std::nullopt;
  XmlPath path;
  std::size_t start = 0;
  for (;;) {
    const std::size_t end = text.find('\\', start);
    const bool last = end == std::string_view::npos;
    const std::optional<Step> step = ParseStep(text.substr(start, last ? text.npos : end - start), last);
    if (!step) return std::nullopt;
    path.steps_.push_back(*step);
    if (last) return path;
    start = end + 1;
  }
}

std::optional<XmlPath> XmlPath::FromTag(std::string_view tag) {
  std::string text;
  text.reserve(tag.size() + 4);
  for (std::size_t i = 0; i < tag.size(); ++i) {
    text += tag[i];
    if (tag[i] == ')' && i + 1 < tag.size() && tag[i + 1] != '\\') text += '\\';
  }
  return Parse(text);
}

bool XmlPath::Matches(pugi::xml_node element, const Step& step) {
  if (element.type() != pugi::node_element || std::strcmp(element.name(), step.name.c_str()) != 0) {
    return false;
  }
  return !step.index || SameIndex(element.attribute("N").value(), *step.index);
}

std::string XmlPath::Evaluate(pugi::xml_node from, const ElementIndex& index) const {
  pugi::xml_node current = from;
  for (const Step& step : steps_) {
    if (!current) return "";
    switch (step.kind) {
      case Kind::kAttribute:
        return current.attribute(step.name.c_str()).value();
      case Kind::kChild: {
        pugi::xml_node found;
        for (pugi::xml_node child = current.first_child(); child; child = child.next_sibling()) {
          if (Matches(child, step)) {
            found = child;
            break;
          }
        }
        current = found;
        break;
      }
      case Kind::kDescendant:
        current = index.FirstBelow(current, step.name,
                                   [&step](pugi::xml_node node) { return Matches(node, step); });
        break;
    }
  }
  return current ? TextContent(current) : "";
}

}  // namespace ombrel
