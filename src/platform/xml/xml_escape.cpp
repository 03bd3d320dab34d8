#include "platform/xml/xml_escape.h"

#include <algorithm>

#include "platform/text/text_encoding.h"

namespace ombrel {

namespace {

// Whether c is written as it is: printable ASCII but for the markup
// characters, and the quote only in element text.
bool StandsForItself(char c, bool attribute) {
  const auto byte = static_cast<unsigned char>(c);
  if (byte < 0x20 || byte >= 0x80) return false;
  if (c == '&' || c == '<' || c == '>') return false;
  return !(attribute && c == '"');
}

void AppendEscaped(std::string& out, std::string_view text, bool attribute) {
  for (std::size_t pos = 0; pos < text.size();) {
    // Most of a value needs no reference: such runs are copied whole.
    const auto runEnd = std::find_if_not(text.begin() + static_cast<std::ptrdiff_t>(pos), text.end(),
                                         [attribute](char c) { return StandsForItself(c, attribute); });
    const auto run = static_cast<std::size_t>(runEnd - text.begin());
    if (run != pos) {
      out.append(text.substr(pos, run - pos));
      pos = run;
      continue;
    }
    const char c = text[pos];
    if (static_cast<unsigned char>(c) >= 0x80) {
      bool valid = true;
      const std::size_t start = pos;
      const char32_t codePoint = NextCodePoint(text, pos, valid);
      if (codePoint == 0xFFFE || codePoint == 0xFFFF) continue;
      if (valid) {
        out.append(text.substr(start, pos - start));
      } else {
        AppendUtf8(out, 0xFFFD);
      }
      continue;
    }
    ++pos;
    switch (c) {
      case '&': out += "&amp;"; break;
      case '<': out += "&lt;"; break;
      case '>': out += "&gt;"; break;
      // A reader turns a raw carriage return into a line feed, and in an
      // attribute every tab and line feed into a blank.
      case '\r': out += "&#13;"; break;
      case '\n': out += attribute ? "&#10;" : "\n"; break;
      case '\t': out += attribute ? "&#9;" : "\t"; break;
      case '"': out += attribute ? "&quot;" : "\""; break;
      default:
        if (static_cast<unsigned char>(c) >= 0x20) out += c;
    }
  }
}

}  // namespace

void AppendXmlText(std::string& out, std::string_view text) { AppendEscaped(out, text, false); }

void AppendXmlAttribute(std::string& out, std::string_view text) { AppendEscaped(out, text, true); }

}  // namespace ombrel
