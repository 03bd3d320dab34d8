#include "platform/xml/xml_character_fault.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>

#include "platform/text/ascii_case.h"
#include "platform/xml/xml_raw_markup.h"

namespace ombrel {

namespace {

constexpr std::uint32_t kLastCodePoint = 0x10FFFF;

// The value of c as a digit of the base; -1 when it is none.
int DigitValue(char c, bool hex) {
  if (IsAsciiDigit(c)) return c - '0';
  if (!hex || !IsAsciiHexDigit(c)) return -1;
  return (c | 0x20) - 'a' + 10;
}

// The fault of what starts at text[at], "&#": none when it is no reference.
CharacterFault ReferenceFault(std::string_view text, std::size_t at) {
  std::size_t i = at + 2;
  const bool hex = i < text.size() && text[i] == 'x';  // the parser takes a lower-case x only
  if (hex) ++i;
  const std::uint32_t base = hex ? 16 : 10;
  const std::size_t first = i;
  std::uint32_t wrapped = 0;  // the value as the parser adds it up
  std::uint32_t exact = 0;    // the value, as long as it is a code point
  bool beyond = false;
  for (; i < text.size(); ++i) {
    const int digit = DigitValue(text[i], hex);
    if (digit < 0) break;
    wrapped = wrapped * base + static_cast<std::uint32_t>(digit);
    if (!beyond) {
      exact = exact * base + static_cast<std::uint32_t>(digit);
      beyond = exact > kLastCodePoint;
    }
  }
  if (i == first || i == text.size() || text[i] != ';') return CharacterFault::kNone;
  if (wrapped == 0) return CharacterFault::kNul;
  return beyond ? CharacterFault::kBeyondUnicode : CharacterFault::kNone;
}

// The first fault of the references in text, wherever they stand. A
// reference never spans two pieces of a document that are judged apart: its
// digits end at a '<', a '>' or a quote, none of which is a digit or ';'.
CharacterFault FirstReferenceFault(std::string_view text) {
  for (std::size_t at = text.find("&#"); at != std::string_view::npos; at = text.find("&#", at + 2)) {
    const CharacterFault fault = ReferenceFault(text, at);
    if (fault != CharacterFault::kNone) return fault;
  }
  return CharacterFault::kNone;
}

// The position just after the '>' that closes the tag starting at at, a '>'
// inside a quoted attribute value not counted; the end of text when none does.
std::size_t AfterTag(std::string_view text, std::size_t at) {
  for (++at; at < text.size(); ++at) {
    const char c = text[at];
    if (c == '>') return at + 1;
    if (c == '"' || c == '\'') {
      at = text.find(c, at + 1);
      if (at == std::string_view::npos) return text.size();
    }
  }
  return text.size();
}

}  // namespace

CharacterFault FindCharacterFault(std::string_view text) {
  if (text.find('\0') != std::string_view::npos) return CharacterFault::kNul;
  // Nearly every document holds no faulty reference at all: then none needs
  // to be placed in the markup.
  if (FirstReferenceFault(text) == CharacterFault::kNone) return CharacterFault::kNone;
  std::size_t at = 0;
  while (at < text.size()) {
    const std::size_t open = std::min(text.find('<', at), text.size());
    CharacterFault fault = FirstReferenceFault(text.substr(at, open - at));  // character data
    if (fault != CharacterFault::kNone || open == text.size()) return fault;
    const std::size_t raw = AfterRawMarkup(text, open);
    if (raw != open) {
      at = raw;
      continue;
    }
    // A tag: its attribute values expand references. A reference anywhere
    // else in a tag is refused by the parser as well.
    at = AfterTag(text, open);
    fault = FirstReferenceFault(text.substr(open, at - open));
    if (fault != CharacterFault::kNone) return fault;
  }
  return CharacterFault::kNone;
}

const char* CharacterFaultText(CharacterFault fault) {
  switch (fault) {
    case CharacterFault::kNone:
      break;
    case CharacterFault::kNul:
      return "holds a NUL character";
    case CharacterFault::kBeyondUnicode:
      return "holds a character reference beyond U+10FFFF";
  }
  return "";
}

}  // namespace ombrel
