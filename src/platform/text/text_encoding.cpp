#include "platform/text/text_encoding.h"

#include <algorithm>
#include <array>

namespace ombrel {

namespace {

// windows-1252 bytes 0x80..0x9F; the unassigned ones keep their C1 code point.
constexpr std::array<char16_t, 32> kHighControls = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

// Whether every byte of text is ASCII. The bits of all bytes are gathered
// in one pass with no branch per byte, which the compiler makes wide: an
// order holds up to megabytes of text, almost always ASCII, and is checked
// on every translation.
bool IsAscii(std::string_view text) {
  unsigned char bits = 0;
  for (const char c : text) bits |= static_cast<unsigned char>(c);
  return bits < 0x80;
}

}  // namespace

char32_t NextCodePoint(std::string_view text, std::size_t& pos, bool& valid) {
  const auto c = static_cast<unsigned char>(text[pos]);
  valid = true;
  if (c < 0x80) {
    ++pos;
    return c;
  }
  std::size_t length = 0;
  char32_t codePoint = 0;
  char32_t minimum = 0;
  if ((c & 0xE0) == 0xC0) {
    length = 2, codePoint = c & 0x1F, minimum = 0x80;
  } else if ((c & 0xF0) == 0xE0) {
    length = 3, codePoint = c & 0x0F, minimum = 0x800;
  } else if ((c & 0xF8) == 0xF0) {
    length = 4, codePoint = c & 0x07, minimum = 0x10000;
  }
  bool ok = length != 0 && text.size() - pos >= length;
  for (std::size_t i = 1; ok && i < length; ++i) {
    const auto next = static_cast<unsigned char>(text[pos + i]);
    ok = (next & 0xC0) == 0x80;
    codePoint = (codePoint << 6) | (next & 0x3F);
  }
  if (!ok || codePoint < minimum || codePoint > 0x10FFFF ||
      (codePoint >= 0xD800 && codePoint <= 0xDFFF)) {
    valid = false;
    ++pos;
    return 0xFFFD;
  }
  pos += length;
  return codePoint;
}

bool IsValidUtf8(std::string_view text) {
  if (IsAscii(text)) return true;
  const auto isAscii = [](char c) { return static_cast<unsigned char>(c) < 0x80; };
  bool valid = true;
  for (auto at = std::find_if_not(text.begin(), text.end(), isAscii); at != text.end();
       at = std::find_if_not(at, text.end(), isAscii)) {
    auto pos = static_cast<std::size_t>(at - text.begin());
    NextCodePoint(text, pos, valid);
    if (!valid) return false;
    at = text.begin() + static_cast<std::ptrdiff_t>(pos);
  }
  return true;
}

void AppendUtf8(std::string& out, char32_t codePoint) {
  if (codePoint > 0x10FFFF || (codePoint >= 0xD800 && codePoint <= 0xDFFF)) codePoint = 0xFFFD;
  if (codePoint < 0x80) {
    out += static_cast<char>(codePoint);
  } else if (codePoint < 0x800) {
    out += static_cast<char>(0xC0 | (codePoint >> 6));
    out += static_cast<char>(0x80 | (codePoint & 0x3F));
  } else if (codePoint < 0x10000) {
    out += static_cast<char>(0xE0 | (codePoint >> 12));
    out += static_cast<char>(0x80 | ((codePoint >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (codePoint & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (codePoint >> 18));
    out += static_cast<char>(0x80 | ((codePoint >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((codePoint >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (codePoint & 0x3F));
  }
}

std::string Windows1252ToUtf8(std::string_view bytes) {
  std::string out;
  out.reserve(bytes.size() + bytes.size() / 8);
  for (char ch : bytes) {
    const auto c = static_cast<unsigned char>(ch);
    if (c < 0x80) {
      out += ch;
    } else if (c < 0xA0) {
      AppendUtf8(out, kHighControls[c - 0x80]);
    } else {
      AppendUtf8(out, c);
    }
  }
  return out;
}

std::string Utf16ToUtf8(std::string_view bytes, bool bigEndian) {
  std::string out;
  out.reserve(bytes.size());
  const std::size_t units = bytes.size() / 2;
  auto unitAt = [&](std::size_t i) -> char16_t {
    const auto a = static_cast<unsigned char>(bytes[2 * i]);
    const auto b = static_cast<unsigned char>(bytes[2 * i + 1]);
    return static_cast<char16_t>(bigEndian ? (a << 8) | b : (b << 8) | a);
  };
  for (std::size_t i = 0; i < units; ++i) {
    const char16_t unit = unitAt(i);
    if (unit >= 0xD800 && unit <= 0xDBFF && i + 1 < units) {
      const char16_t next = unitAt(i + 1);
      if (next >= 0xDC00 && next <= 0xDFFF) {
        AppendUtf8(out, 0x10000 + ((static_cast<char32_t>(unit) - 0xD800) << 10) + (next - 0xDC00));
        ++i;
        continue;
      }
    }
    AppendUtf8(out, unit);  // a lone surrogate becomes U+FFFD there
  }
  return out;
}

std::string Utf8OrWindows1252(std::string_view text) {
  if (IsValidUtf8(text)) return std::string(text);
  return Windows1252ToUtf8(text);
}

std::string_view StripUtf8Bom(std::string_view text) {
  if (text.substr(0, 3) == "\xEF\xBB\xBF") text.remove_prefix(3);
  return text;
}

}  // namespace ombrel
