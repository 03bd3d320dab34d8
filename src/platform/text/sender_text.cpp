#include "platform/text/sender_text.h"

#include <algorithm>
#include <string>

namespace ombrel {

namespace {

constexpr char kHex[] = "0123456789ABCDEF";

bool IsContinuationByte(unsigned char c) { return (c & 0xC0) == 0x80; }

// The escaped form of one character (its bytes), or nothing when it is
// shown as it is.
std::string_view Escape(std::string_view character, std::string& scratch) {
  const auto c = static_cast<unsigned char>(character[0]);
  if (character.size() == 1) {
    switch (c) {
      case '\r': return "\\r";
      case '\n': return "\\n";
      case '\t': return "\\t";
      default: break;
    }
    if (c < 0x20 || c == 0x7F) {
      scratch = {'\\', 'x', kHex[c >> 4], kHex[c & 0xF]};
      return scratch;
    }
    return {};
  }
  // C1 controls (U+0080..U+009F, NEL among them) and the line and paragraph
  // separators U+2028 and U+2029.
  const auto c1 = static_cast<unsigned char>(character[1]);
  if (character.size() == 2 && c == 0xC2 && c1 >= 0x80 && c1 <= 0x9F) {
    scratch = {'\\', 'u', '0', '0', kHex[c1 >> 4], kHex[c1 & 0xF]};
    return scratch;
  }
  if (character.size() == 3 && c == 0xE2 && c1 == 0x80 &&
      (character[2] == '\xA8' || character[2] == '\xA9')) {
    scratch = character[2] == '\xA8' ? "\\u2028" : "\\u2029";
    return scratch;
  }
  return {};
}

// Appends text, escaped, until out would grow past limit; the number of
// bytes of text that went in.
std::size_t AppendEscaped(std::string_view text, std::size_t limit, std::string& out) {
  std::string scratch;
  std::size_t i = 0;
  while (i < text.size()) {
    std::size_t end = i + 1;
    // A character is its lead byte and the continuation bytes after it; a
    // stray continuation byte stands alone.
    if (!IsContinuationByte(static_cast<unsigned char>(text[i]))) {
      while (end < text.size() && end - i < 4 &&
             IsContinuationByte(static_cast<unsigned char>(text[end]))) {
        ++end;
      }
    }
    const std::string_view character = text.substr(i, end - i);
    const std::string_view escaped = Escape(character, scratch);
    const std::string_view shown = escaped.empty() ? character : escaped;
    if (out.size() + shown.size() > limit) break;
    out += shown;
    i = end;
  }
  return i;
}

}  // namespace

std::string SenderText(std::string_view text) {
  std::string out;
  out.reserve(std::min(text.size(), kSenderTextLimit) + 48);
  const std::size_t taken = AppendEscaped(text, kSenderTextLimit, out);
  if (taken < text.size()) {
    out += "\xE2\x80\xA6 [cut: " + std::to_string(text.size()) + " bytes in all]";
  }
  return out;
}

std::string EscapeControlCharacters(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  AppendEscaped(text, std::string::npos, out);
  return out;
}

}  // namespace ombrel
