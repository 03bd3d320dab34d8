#include "support/order_xml.h"

namespace ombrel::testing {

void OrderXml::Set(const std::string& tag, const std::string& value) {
  Node* node = &root_;
  std::size_t start = 0;
  while (start < tag.size()) {
    std::size_t end = tag.find(')', start);
    end = end == std::string::npos ? tag.size() : end + 1;
    node = &node->Child(tag.substr(start, end - start));
    start = end;
  }
  node->text = value;
}

void OrderXml::SetItem(const std::string& group, int n, const std::string& tag,
                       const std::string& value) {
  Set(group + "(" + std::to_string(n) + ")" + tag, value);
}

std::string OrderXml::Text() const {
  std::string out = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<ORDER>";
  for (const Node& child : root_.children) Append(out, child);
  return out + "</ORDER>\n";
}

OrderXml::Node& OrderXml::Node::Child(const std::string& name) {
  for (Node& child : children) {
    if (child.step == name) return child;
  }
  children.push_back({name, "", {}});
  return children.back();
}

std::string OrderXml::Escaped(const std::string& text) {
  std::string out;
  for (char c : text) {
    if (c == '&') {
      out += "&amp;";
    } else if (c == '<') {
      out += "&lt;";
    } else if (c == '>') {
      out += "&gt;";
    } else if (c == '\r') {
      out += "&#13;";  // a raw one would be read back as a line feed
    } else {
      out += c;
    }
  }
  return out;
}

// "COMP(2)" becomes <COMP N="2">.
void OrderXml::Append(std::string& out, const Node& node) {
  std::string name = node.step;
  std::string index;
  if (const std::size_t open = name.find('('); open != std::string::npos) {
    index = name.substr(open + 1, name.size() - open - 2);
    name = name.substr(0, open);
  }
  out += "<" + name;
  if (!index.empty()) out += " N=\"" + index + "\"";
  out += ">" + Escaped(node.text);
  for (const Node& child : node.children) Append(out, child);
  out += "</" + name + ">";
}

}  // namespace ombrel::testing
