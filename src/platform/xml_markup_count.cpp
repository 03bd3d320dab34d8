#include "platform/xml_markup_count.h"

#include <array>

namespace ombrel {

namespace {

// The characters of a start tag that the count looks at.
constexpr auto kInTag = [] {
  std::array<bool, 256> table{};
  for (const unsigned char c : {'"', '\'', '=', '>'}) table[c] = true;
  return table;
}();

// The position just after the first terminator at or after from; the end
// of text when there is none.
std::size_t After(std::string_view text, std::size_t from, std::string_view terminator) {
  const std::size_t at = text.find(terminator, from);
  return at == std::string_view::npos ? text.size() : at + terminator.size();
}

// The position after a declaration that starts at from ("<!DOCTYPE ..."),
// whose internal subset in brackets may hold quoted text, comments and
// declarations of its own.
std::size_t AfterDeclaration(std::string_view text, std::size_t from) {
  int depth = 0;
  std::size_t at = from + 2;
  while (at < text.size()) {
    const char c = text[at];
    if (c == '"' || c == '\'') {
      at = After(text, at + 1, std::string_view(&c, 1));
    } else if (text.compare(at, 4, "<!--") == 0) {
      at = After(text, at + 4, "-->");
    } else if (c == '[') {
      ++depth;
      ++at;
    } else if (c == ']') {
      --depth;
      ++at;
    } else if (c == '>' && depth <= 0) {
      return at + 1;
    } else {
      ++at;
    }
  }
  return text.size();
}

}  // namespace

std::size_t CountElementsAndAttributes(std::string_view text, std::size_t limit) {
  std::size_t count = 0;
  std::size_t at = text.find('<');
  while (at != std::string_view::npos && at + 1 < text.size()) {
    const char next = text[at + 1];
    if (next == '!') {
      if (text.compare(at, 4, "<!--") == 0) {
        at = After(text, at + 4, "-->");
      } else if (text.compare(at, 9, "<![CDATA[") == 0) {
        at = After(text, at + 9, "]]>");
      } else {
        at = AfterDeclaration(text, at);
      }
    } else if (next == '?') {
      at = After(text, at + 2, "?>");
    } else if (next == '/') {
      at = After(text, at + 2, ">");
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
        while (at < text.size() && !kInTag[static_cast<unsigned char>(text[at])]) ++at;
      }
    }
    at = text.find('<', at);
  }
  return count;
}

}  // namespace ombrel
