#include "platform/xml_escape.h"

#include "platform/text_encoding.h"

namespace ombrel {

namespace {

// Printable ASCII that stands for itself; the quote only in element text.
bool Plain(char c, bool attribute) {
  const auto byte = static_cast<unsigned char>(c);
  return byte >= 0x20 && byte < 0x80 && c != '&' && c != '<' && c != '>' && (c != '"' || !attribute);
}

void AppendEscaped(std::string& out, std::string_view text, bool attribute) {
  for (std::size_t pos = 0; pos < text.size();) {
    // Most of a value needs no reference: copy such runs whole.
    std::size_t run = pos;
    while (run < text.size() && Plain(text[run], attribute)) ++run;
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
