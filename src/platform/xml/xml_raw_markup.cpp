#include "platform/xml/xml_raw_markup.h"

namespace ombrel {

namespace {

// The position just after the first terminator at or after from; the end
// of text when there is none.
std::size_t After(std::string_view text, std::size_t from, std::string_view terminator) {
  const std::size_t at = text.find(terminator, from);
  return at == std::string_view::npos ? text.size() : at + terminator.size();
}

// Where a quoted text, processing instruction or comment inside a document
// type declaration ends; the end of text when it does not.
std::size_t AfterPrimitive(std::string_view text, std::size_t at) {
  const char c = text[at];
  if (c == '"' || c == '\'') return After(text, at + 1, std::string_view(&c, 1));
  if (text.compare(at, 2, "<?") == 0) return After(text, at + 2, "?>");
  if (text.compare(at, 4, "<!--") == 0) return After(text, at + 4, "-->");
  return text.size();  // no such thing may stand there: the parser refuses the text
}

// Where an ignored section ("<![" ... "]]>", nested) ends.
std::size_t AfterIgnored(std::string_view text, std::size_t at) {
  std::size_t depth = 0;
  at += 3;
  while (at < text.size()) {
    if (text.compare(at, 3, "<![") == 0) {
      at += 3;
      ++depth;
    } else if (text.compare(at, 3, "]]>") == 0) {
      at += 3;
      if (depth-- == 0) return at;
    } else {
      ++at;
    }
  }
  return text.size();
}

// The position after a declaration that starts at from ("<!DOCTYPE ..."),
// skipped exactly as the parser skips it: what it holds is never an element
// or a value, and what follows it always is.
std::size_t AfterDeclaration(std::string_view text, std::size_t from) {
  std::size_t depth = 0;
  std::size_t at = from + 2;
  while (at < text.size()) {
    const char c = text[at];
    if (c == '<' && text.compare(at, 2, "<!") == 0 && text.compare(at, 3, "<!-") != 0) {
      if (text.compare(at, 3, "<![") == 0) {
        at = AfterIgnored(text, at);
      } else {
        at += 2;
        ++depth;
      }
    } else if (c == '<' || c == '"' || c == '\'') {
      at = AfterPrimitive(text, at);
    } else if (c == '>') {
      if (depth == 0) return at + 1;
      --depth;
      ++at;
    } else {
      ++at;
    }
  }
  return text.size();
}

}  // namespace

std::size_t AfterRawMarkup(std::string_view text, std::size_t at) {
  if (at + 1 >= text.size()) return at;
  const char next = text[at + 1];
  if (next == '?') return After(text, at + 2, "?>");
  if (next != '!') return at;
  if (text.compare(at, 4, "<!--") == 0) return After(text, at + 4, "-->");
  if (text.compare(at, 9, "<![CDATA[") == 0) return After(text, at + 9, "]]>");
  return AfterDeclaration(text, at);
}

}  // namespace ombrel
