#include "platform/xml_escape.h"

#include <cstdint>
#include <cstring>

#include "platform/text_encoding.h"

namespace ombrel {

namespace {

// Per byte: bit 0 set when it stands for itself in element text, bit 1 in
// an attribute. That is printable ASCII but for the markup characters; the
// quote only in element text.
struct PlainBytes {
  unsigned char bits[256] = {};
  constexpr PlainBytes() {
    for (int byte = 0x20; byte < 0x80; ++byte) {
      if (byte == '&' || byte == '<' || byte == '>') continue;
      bits[byte] = byte == '"' ? 1 : 3;
    }
  }
};
constexpr PlainBytes kPlain;

constexpr uint64_t kOnes = 0x0101010101010101ull;
constexpr uint64_t kHighs = 0x8080808080808080ull;

// Whether any byte of eight is zero (exact, as a whole).
constexpr uint64_t AnyZero(uint64_t eight) { return (eight - kOnes) & ~eight & kHighs; }

// False when all eight bytes surely stand for themselves; true may be wrong,
// and the bytes are then looked at one by one.
bool MayNeedReference(uint64_t eight, bool attribute) {
  uint64_t found = eight & kHighs;                        // not ASCII
  found |= (eight - 0x20 * kOnes) & ~eight & kHighs;      // below a blank
  found |= AnyZero(eight ^ ('&' * kOnes)) | AnyZero(eight ^ ('<' * kOnes)) | AnyZero(eight ^ ('>' * kOnes));
  if (attribute) found |= AnyZero(eight ^ ('"' * kOnes));
  return found != 0;
}

void AppendEscaped(std::string& out, std::string_view text, bool attribute) {
  const unsigned char mask = attribute ? 2 : 1;
  for (std::size_t pos = 0; pos < text.size();) {
    // Most of a value needs no reference: copy such runs whole, found eight
    // bytes at a time.
    std::size_t run = pos;
    for (uint64_t eight; run + 8 <= text.size(); run += 8) {
      std::memcpy(&eight, text.data() + run, 8);
      if (MayNeedReference(eight, attribute)) break;
    }
    while (run < text.size() && (kPlain.bits[static_cast<unsigned char>(text[run])] & mask) != 0) ++run;
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
