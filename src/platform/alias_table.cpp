#include "platform/alias_table.h"

#include <algorithm>

#include "platform/text_encoding.h"

namespace ombrel {

namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

std::string_view TrimBlanks(std::string_view text) {
  const auto isBlank = [](char c) { return c == ' ' || c == '\t' || c == '\r'; };
  while (!text.empty() && isBlank(text.front())) text.remove_prefix(1);
  while (!text.empty() && isBlank(text.back())) text.remove_suffix(1);
  return text;
}

std::vector<std::string> SplitAtHash(std::string_view text) {
  std::vector<std::string> parts(1);
  for (char c : text) {
    if (c == '#') {
      parts.emplace_back();
    } else {
      parts.back() += c;
    }
  }
  return parts;
}

// tag with every run of digits replaced by one '#'; the runs in digits.
std::string Shape(std::string_view tag, std::vector<std::string_view>& digits) {
  std::string shape;
  shape.reserve(tag.size());
  for (std::size_t i = 0; i < tag.size();) {
    if (IsDigit(tag[i])) {
      const std::size_t start = i;
      while (i < tag.size() && IsDigit(tag[i])) ++i;
      digits.push_back(tag.substr(start, i - start));
      shape += '#';
    } else {
      shape += tag[i++];
    }
  }
  return shape;
}

}  // namespace

AliasTable AliasTable::Parse(std::string_view bytes) {
  const std::string text = Utf8OrWindows1252(StripUtf8Bom(bytes));
  AliasTable table;
  std::size_t lineNumber = 0;
  for (std::size_t start = 0; start <= text.size();) {
    std::size_t end = text.find('\n', start);
    if (end == std::string::npos) end = text.size();
    const std::string_view line = TrimBlanks(std::string_view(text).substr(start, end - start));
    start = end + 1;
    ++lineNumber;
    if (line.empty() || line.front() == ';') continue;
    const std::size_t equals = line.find('=');
    if (equals == std::string_view::npos) continue;
    table.AddLine(lineNumber, TrimBlanks(line.substr(0, equals)), TrimBlanks(line.substr(equals + 1)));
  }
  return table;
}

void AliasTable::AddLine(std::size_t line, std::string_view tag, std::string_view path) {
  if (tag.empty() || path.empty()) return;
  const auto hashes = std::count(tag.begin(), tag.end(), '#');
  if (hashes == 0) {
    std::optional<XmlPath> parsed = XmlPath::Parse(path);
    if (parsed) exact_.try_emplace(std::string(tag), Exact{line, std::move(*parsed)});
    return;
  }
  if (std::count(path.begin(), path.end(), '#') != hashes) return;
  Pattern pattern{line, SplitAtHash(tag), SplitAtHash(path)};
  // A pattern whose path cannot be a path whatever the digits is malformed.
  if (!Fill(pattern, std::vector<std::string_view>(static_cast<std::size_t>(hashes), "0"))) return;

  bool regular = true;
  for (std::size_t i = 0; i < pattern.tagParts.size(); ++i) {
    const std::string& part = pattern.tagParts[i];
    if (std::any_of(part.begin(), part.end(), IsDigit)) regular = false;
    if (part.empty() && i > 0 && i + 1 < pattern.tagParts.size()) regular = false;  // "##"
  }
  const std::size_t index = patterns_.size();
  if (regular) {
    if (!byShape_.try_emplace(std::string(tag), index).second) return;  // an earlier line wins
  } else {
    irregular_.push_back(index);
  }
  patterns_.push_back(std::move(pattern));
}

std::optional<XmlPath> AliasTable::Fill(const Pattern& pattern,
                                        const std::vector<std::string_view>& digits) {
  std::string path = pattern.pathParts[0];
  for (std::size_t i = 1; i < pattern.pathParts.size(); ++i) {
    path += digits[i - 1];
    path += pattern.pathParts[i];
  }
  return XmlPath::Parse(path);
}

bool AliasTable::Match(const Pattern& pattern, std::string_view tag, std::size_t part,
                       std::vector<std::string_view>& digits) {
  const std::string& literal = pattern.tagParts[part];
  if (tag.substr(0, literal.size()) != literal) return false;
  tag.remove_prefix(literal.size());
  if (part + 1 == pattern.tagParts.size()) return tag.empty();
  std::size_t run = 0;
  while (run < tag.size() && IsDigit(tag[run])) ++run;
  for (; run > 0; --run) {  // longest run first
    digits.push_back(tag.substr(0, run));
    if (Match(pattern, tag.substr(run), part + 1, digits)) return true;
    digits.pop_back();
  }
  return false;
}

const XmlPath* AliasTable::Find(const std::string& tag, std::optional<XmlPath>& storage) const {
  if (const auto exact = exact_.find(tag); exact != exact_.end()) return &exact->second.path;
  std::vector<std::string_view> digits;
  const Pattern* best = nullptr;
  std::vector<std::string_view> bestDigits;
  if (!byShape_.empty()) {
    const std::string shape = Shape(tag, digits);
    const auto found = byShape_.find(shape);
    // A '#' written in the tag itself is no index.
    if (found != byShape_.end() && digits.size() + 1 == patterns_[found->second].tagParts.size()) {
      best = &patterns_[found->second];
      bestDigits = digits;
    }
  }
  for (std::size_t index : irregular_) {
    const Pattern& pattern = patterns_[index];
    if (best != nullptr && best->line < pattern.line) break;  // irregular_ is in file order
    digits.clear();
    if (Match(pattern, tag, 0, digits)) {
      best = &pattern;
      bestDigits = digits;
      break;
    }
  }
  if (best == nullptr) return nullptr;
  storage = Fill(*best, bestDigits);
  return storage ? &*storage : nullptr;
}

}  // namespace ombrel
