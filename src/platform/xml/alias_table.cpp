#include "platform/xml/alias_table.h"

#include <algorithm>

#include "platform/text/ascii_case.h"
#include "platform/text/text_encoding.h"

namespace ombrel {

namespace {

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

// shape becomes tag with every run of digits replaced by one '#'; the runs
// go to digits.
void Shape(std::string_view tag, std::string& shape, std::vector<std::string_view>& digits) {
  shape.clear();
  shape.reserve(tag.size());
  for (auto at = tag.begin(); at != tag.end();) {
    const auto run = std::find_if(at, tag.end(), IsAsciiDigit);
    shape.append(at, run);
    if (run == tag.end()) break;
    at = std::find_if_not(run, tag.end(), IsAsciiDigit);
    digits.emplace_back(run, at);
    shape += '#';
  }
}

// tag with every run of digits and '#' replaced by one '#'; the runs in runs.
std::string PatternShape(std::string_view tag, std::vector<std::string_view>& runs) {
  const auto inRun = [](char c) { return IsAsciiDigit(c) || c == '#'; };
  std::string shape;
  shape.reserve(tag.size());
  for (std::size_t i = 0; i < tag.size();) {
    if (inRun(tag[i])) {
      const std::size_t start = i;
      while (i < tag.size() && inRun(tag[i])) ++i;
      runs.push_back(tag.substr(start, i - start));
      shape += '#';
    } else {
      shape += tag[i++];
    }
  }
  return shape;
}

}  // namespace

std::optional<std::string> AliasTable::FixedDigits(const std::vector<RunForm>& runs,
                                                   const std::vector<std::string_view>& tagRuns) {
  if (runs.size() != tagRuns.size()) return std::nullopt;
  std::string key;
  for (std::size_t i = 0; i < runs.size(); ++i) {
    const std::string_view run = tagRuns[i];
    if (runs[i].exact) {
      key += run;
    } else {
      if (run.size() < runs[i].lead + runs[i].trail) return std::nullopt;
      key += run.substr(0, runs[i].lead);
      key += '-';
      key += run.substr(run.size() - runs[i].trail);
    }
    key += '/';
  }
  return key;
}

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
  if (hashes > kMaxIndexes || std::count(path.begin(), path.end(), '#') != hashes) return;
  Pattern pattern{line, SplitAtHash(tag), SplitAtHash(path)};
  // A pattern whose path cannot be a path whatever the digits is malformed.
  if (!Fill(pattern, std::vector<std::string_view>(static_cast<std::size_t>(hashes), "0"))) return;

  bool regular = true;
  for (std::size_t i = 0; i < pattern.tagParts.size(); ++i) {
    const std::string& part = pattern.tagParts[i];
    if (std::any_of(part.begin(), part.end(), IsAsciiDigit)) regular = false;
    if (part.empty() && i > 0 && i + 1 < pattern.tagParts.size()) regular = false;  // "##"
  }
  const std::size_t index = patterns_.size();
  if (regular) {
    std::optional<std::size_t>& first = byShape_[std::string(tag)].regular;
    if (first) return;  // an earlier line wins
    first = index;
  } else {
    std::vector<std::string_view> runs;
    const std::string shape = PatternShape(tag, runs);
    std::vector<RunForm> forms;
    for (const std::string_view run : runs) {
      const std::size_t first = run.find('#');
      forms.push_back(first == std::string_view::npos
                          ? RunForm{true, 0, 0}
                          : RunForm{false, first, run.size() - run.rfind('#') - 1});
    }
    std::vector<Family>& families = byShape_[shape].families;
    auto family = std::find_if(families.begin(), families.end(),
                               [&](const Family& f) { return f.runs == forms; });
    if (family == families.end()) {
      families.push_back(Family{forms, {}});
      family = families.end() - 1;
    }
    // The pattern's own runs hold its fixed digits where a fitting tag has them.
    family->byDigits[*FixedDigits(forms, runs)].push_back(index);
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

bool AliasTable::Match(const Pattern& pattern, std::string_view tag,
                       std::vector<std::string_view>& digits) {
  const std::vector<std::string>& parts = pattern.tagParts;
  const std::size_t hashes = parts.size() - 1;
  // Each '#' needs a digit of its own: most tags fail here at once.
  std::size_t literals = 0;
  for (const std::string& part : parts) literals += part.size();
  if (literals + hashes > tag.size() ||
      static_cast<std::size_t>(std::count_if(tag.begin(), tag.end(), IsAsciiDigit)) < hashes) {
    return false;
  }
  const std::size_t width = tag.size() + 1;
  // digitsFrom[o]: the length of the digit run that starts at o.
  std::vector<std::size_t> digitsFrom(width, 0);
  for (std::size_t o = tag.size(); o-- > 0;) {
    if (IsAsciiDigit(tag[o])) digitsFrom[o] = digitsFrom[o + 1] + 1;
  }
  // fits[p * width + o]: the parts from p on match tag from offset o to its end.
  std::vector<char> fits(parts.size() * width, 0);
  auto literalAt = [&](std::size_t p, std::size_t o) {
    return tag.substr(o, parts[p].size()) == parts[p];
  };
  for (std::size_t o = 0; o < width; ++o) {
    fits[hashes * width + o] = tag.substr(o) == parts[hashes];
  }
  for (std::size_t p = hashes; p-- > 0;) {
    for (std::size_t o = 0; o < width; ++o) {
      if (!literalAt(p, o)) continue;
      const std::size_t at = o + parts[p].size();
      for (std::size_t run = 1; run <= digitsFrom[at]; ++run) {
        if (fits[(p + 1) * width + at + run]) {
          fits[p * width + o] = 1;
          break;
        }
      }
    }
  }
  if (!fits[0]) return false;
  // Walk forward, each '#' taking its longest run that keeps the rest matching.
  std::size_t o = 0;
  for (std::size_t p = 0; p < hashes; ++p) {
    const std::size_t at = o + parts[p].size();
    std::size_t run = digitsFrom[at];
    while (!fits[(p + 1) * width + at + run]) --run;
    digits.push_back(tag.substr(at, run));
    o = at + run;
  }
  return true;
}

const XmlPath* AliasTable::Find(const std::string& tag, std::optional<XmlPath>& storage) const {
  if (const auto exact = exact_.find(tag); exact != exact_.end()) return &exact->second.path;
  // A tag without digits has no index, so no '#' pattern fits it.
  if (std::none_of(tag.begin(), tag.end(), IsAsciiDigit)) return nullptr;
  // The scratch space is kept from one lookup to the next: a translation
  // looks up a thousand tags, most of them with digits.
  std::string& shape = shapeScratch_;
  std::vector<std::string_view>& runs = runsScratch_;  // the tag's runs of digits
  runs.clear();
  Shape(tag, shape, runs);
  const auto found = byShape_.find(shape);
  if (found == byShape_.end()) return nullptr;
  const ShapePatterns& patterns = found->second;
  const Pattern* best = nullptr;
  std::vector<std::string_view>& digits = digitsScratch_;  // what a line's indexes take
  // A '#' written in the tag itself is no index.
  if (patterns.regular && runs.size() + 1 == patterns_[*patterns.regular].tagParts.size()) {
    best = &patterns_[*patterns.regular];
    digits = runs;
  }
  // Nor can a pattern whose text holds digits fit a tag with a '#' of its own.
  if (tag.find('#') == std::string::npos) {
    std::vector<std::string_view> tried;
    for (const Family& family : patterns.families) {
      const std::optional<std::string> key = FixedDigits(family.runs, runs);
      if (!key) continue;
      const auto candidates = family.byDigits.find(*key);
      if (candidates == family.byDigits.end()) continue;
      for (std::size_t index : candidates->second) {
        const Pattern& pattern = patterns_[index];
        if (best != nullptr && best->line < pattern.line) break;  // the list is in file order
        ++linesTried_;
        tried.clear();
        if (Match(pattern, tag, tried)) {
          best = &pattern;
          digits.swap(tried);
          break;
        }
      }
    }
  }
  if (best == nullptr) return nullptr;
  storage = Fill(*best, digits);
  return storage ? &*storage : nullptr;
}

}  // namespace ombrel
