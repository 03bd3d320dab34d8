#include "platform/xml/xml_markup_count.h"

#include <algorithm>

#include "platform/xml/xml_raw_markup.h"

namespace ombrel {

namespace {

// The characters of a start tag that the count looks at.
bool MattersInTag(char c) { return c == '"' || c == '\'' || c == '=' || c == '>'; }

}  // namespace

std::size_t CountElementsAndAttributes(std::string_view text, std::size_t limit) {
  std::size_t count = 0;
  std::size_t at = text.find('<');
  while (at != std::string_view::npos && at + 1 < text.size()) {
    const std::size_t raw = AfterRawMarkup(text, at);
    if (raw != at) {
      at = raw;
    } else if (text[at + 1] == '/') {
      at = std::min(text.find('>', at + 2), text.size());
    } else {
      // A start tag: the element, then one attribute per '=' outside quotes.
      if (++count > limit) return count;
      ++at;
      while (at < text.size() && text[at] != '>') {
        const char c = text[at];
        if (c == '"' || c == '\'') {
          const std::size_t close = text.find(c, at + 1);
          at = close == std::string_view::npos ? text.size() : close + 1;
          continue;
        }
        if (c == '=' && ++count > limit) return count;
        ++at;
        // Names and blanks up to the next character that matters.
        at = static_cast<std::size_t>(std::find_if(text.begin() + static_cast<std::ptrdiff_t>(at), text.end(),
                                                    MattersInTag) - text.begin());
      }
    }
    at = text.find('<', at);
  }
  return count;
}

bool MarkupWithinLimit(std::string_view text, std::size_t limit) {
  // Each element and attribute takes at least one byte of text of its own.
  if (text.size() <= limit) return true;
  const auto bytes = std::count_if(text.begin(), text.end(), [](char c) { return c == '<' || c == '='; });
  return static_cast<std::size_t>(bytes) <= limit || CountElementsAndAttributes(text, limit) <= limit;
}

}  // namespace ombrel
