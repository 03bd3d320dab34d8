#include "order_values.h"

#include <memory>
#include <optional>

namespace ombrel::bench {

namespace {

bool EndsWith(const std::string& text, const std::string& end) {
  return text.size() >= end.size() && text.compare(text.size() - end.size(), end.size(), end) == 0;
}

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// The alias file's lines, as the XML reader reads them: TAG = PATH, '#' in
// TAG standing for a number that PATH receives.
struct AliasLine {
  std::vector<std::string> tagParts;   // the text around each '#'
  std::vector<std::string> pathParts;
};

std::vector<std::string> SplitAt(const std::string& text, char separator) {
  std::vector<std::string> parts(1);
  for (char c : text) {
    if (c == separator) {
      parts.emplace_back();
    } else {
      parts.back() += c;
    }
  }
  return parts;
}

std::string Trimmed(const std::string& text) {
  const std::size_t first = text.find_first_not_of(" \t\r");
  if (first == std::string::npos) return "";
  return text.substr(first, text.find_last_not_of(" \t\r") - first + 1);
}

std::vector<AliasLine> ParseAliases(const std::string& text) {
  std::vector<AliasLine> lines;
  for (const std::string& raw : SplitAt(text, '\n')) {
    const std::string line = Trimmed(raw);
    const std::size_t equals = line.find('=');
    if (line.empty() || line.front() == ';' || equals == std::string::npos) continue;
    AliasLine alias{SplitAt(Trimmed(line.substr(0, equals)), '#'),
                    SplitAt(Trimmed(line.substr(equals + 1)), '#')};
    if (alias.tagParts.size() == alias.pathParts.size()) lines.push_back(std::move(alias));
  }
  return lines;
}

// Digit runs standing for each '#', when tag fits the line.
bool Match(const AliasLine& alias, const std::string& tag, std::vector<std::string>& digits) {
  std::size_t at = 0;
  for (std::size_t part = 0; part < alias.tagParts.size(); ++part) {
    const std::string& literal = alias.tagParts[part];
    if (tag.compare(at, literal.size(), literal) != 0) return false;
    at += literal.size();
    if (part + 1 == alias.tagParts.size()) break;
    const std::size_t start = at;
    while (at < tag.size() && IsDigit(tag[at])) ++at;
    if (at == start) return false;
    digits.push_back(tag.substr(start, at - start));
  }
  return at == tag.size();
}

// The element steps where the reader looks for tag: the first fitting alias
// line's path (exact lines before patterns, as the reader does), else the
// tag split after each ")". Nothing for a path that ends in an attribute.
std::optional<std::vector<std::string>> Steps(const std::string& tag,
                                              const std::vector<AliasLine>& aliases) {
  std::optional<std::string> path;
  for (int pass = 0; pass < 2 && !path; ++pass) {
    for (const AliasLine& alias : aliases) {
      if ((alias.tagParts.size() == 1) != (pass == 0)) continue;
      std::vector<std::string> digits;
      if (!Match(alias, tag, digits)) continue;
      std::string filled = alias.pathParts[0];
      for (std::size_t i = 1; i < alias.pathParts.size(); ++i) filled += digits[i - 1] + alias.pathParts[i];
      path = filled;
      break;
    }
  }
  std::vector<std::string> steps;
  if (path) {
    for (std::string step : SplitAt(*path, '\\')) {
      if (step.empty()) continue;
      if (step.front() == '@') return std::nullopt;
      if (step.front() == '~') step.erase(0, 1);  // a direct child is found at any depth too
      steps.push_back(step);
    }
  } else {
    std::size_t start = 0;
    while (start < tag.size()) {
      std::size_t end = tag.find(')', start);
      end = end == std::string::npos ? tag.size() : end + 1;
      steps.push_back(tag.substr(start, end - start));
      start = end;
    }
  }
  return steps;
}

struct Node {
  std::string step;  // "COMP(2)" or "CITY"
  std::string text;
  std::vector<std::unique_ptr<Node>> children;
  std::unordered_map<std::string, Node*> byStep;

  Node& Child(const std::string& name) {
    if (auto found = byStep.find(name); found != byStep.end()) return *found->second;
    children.push_back(std::make_unique<Node>());
    children.back()->step = name;
    return *(byStep[name] = children.back().get());
  }
};

void AppendEscaped(std::string& out, const std::string& text) {
  for (char c : text) {
    switch (c) {
      case '&': out += "&amp;"; break;
      case '<': out += "&lt;"; break;
      case '>': out += "&gt;"; break;
      case '\r': out += "&#13;"; break;
      default: out += c;
    }
  }
}

// "COMP(2)" becomes <COMP N="2">.
void Append(std::string& out, const Node& node, int depth) {
  std::string name = node.step;
  std::string index;
  if (const std::size_t open = name.find('('); open != std::string::npos) {
    index = name.substr(open + 1, name.size() - open - 2);
    name = name.substr(0, open);
  }
  out.append(static_cast<std::size_t>(depth) * 2, ' ');
  out += "<" + name;
  if (!index.empty()) out += " N=\"" + index + "\"";
  out += ">";
  AppendEscaped(out, node.text);
  if (!node.children.empty()) {
    out += "\n";
    for (const auto& child : node.children) Append(out, *child, depth + 1);
    out.append(static_cast<std::size_t>(depth) * 2, ' ');
  }
  out += "</" + name + ">\n";
}

}  // namespace

void OrderValues::SetIfAbsent(const std::string& tag, const std::string& value) {
  if (index_.emplace(tag, values_.size()).second) values_.emplace_back(tag, value);
}

void OrderValues::Set(const std::string& tag, const std::string& value) {
  const auto [at, added] = index_.emplace(tag, values_.size());
  if (added) {
    values_.emplace_back(tag, value);
  } else {
    values_[at->second].second = value;
  }
}

std::string PlausibleValue(const std::string& tag) {
  if (EndsWith(tag, "DT") || EndsWith(tag, "DATE") || tag.find("DATE") != std::string::npos) {
    return "3/5/2026";
  }
  if (EndsWith(tag, "PHONE") || EndsWith(tag, "FAX")) return "(614) 555-0142";
  if (EndsWith(tag, "ZIP")) return "43210";
  if (EndsWith(tag, "STATEPROV") || EndsWith(tag, "STATE")) return "OH";
  if (EndsWith(tag, "CITY")) return "Millbrook";
  if (EndsWith(tag, "PRICE") || EndsWith(tag, "AMT") || EndsWith(tag, "VALUE") ||
      EndsWith(tag, "ADJ") || EndsWith(tag, "COST")) {
    return "248,500";
  }
  return "Value of " + tag;
}

std::optional<std::vector<std::string>> PlacedSteps(const std::string& tag, const std::string& aliasText) {
  return Steps(tag, ParseAliases(aliasText));
}

bool FitsAlias(const std::string& tag, const std::string& aliasText) {
  for (const AliasLine& alias : ParseAliases(aliasText)) {
    std::vector<std::string> digits;
    if (Match(alias, tag, digits)) return true;
  }
  return false;
}

std::string OrderText(const std::string& formNumber, const OrderValues& values,
                      const std::string& aliasText) {
  const std::vector<AliasLine> aliases = ParseAliases(aliasText);
  Node root;
  root.Child("FORMNUM").text = formNumber;
  for (const auto& [tag, value] : values.values()) {
    const std::optional<std::vector<std::string>> steps = Steps(tag, aliases);
    if (!steps || steps->empty()) continue;
    Node* node = &root;
    for (const std::string& step : *steps) node = &node->Child(step);
    node->text = value;
  }
  std::string out = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<ORDER>\n";
  for (const auto& child : root.children) Append(out, *child, 1);
  return out + "</ORDER>\n";
}

}  // namespace ombrel::bench
