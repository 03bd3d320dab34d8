// What the XML harnesses hold the readers to about numeric character
// references. pugixml adds up a reference's digits in 32 bits: a reference
// that comes out as 0 would cut a value short at a NUL, one past U+10FFFF
// would come out as another character or as bytes that are no UTF-8. The
// oracle parses the same text again with references left as written, so
// every value still shows the references the reader expanded in it, and
// judges them on their own: a document that loads may hold no such
// reference in any value, and one refused for such a reference must hold
// one in a value (or be no document the readers take anyway: the text after
// the root, where the parser drops the last character of an in-place
// buffer, is such).
#pragma once

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

#include <pugixml.hpp>

#include "platform/xml/xml_single_root.h"

namespace ombrel::fuzz {

// The references of one value, judged as pugixml expands them: true when
// one comes out as 0, or names no code point.
inline bool HoldsFaultyReference(std::string_view value) {
  for (std::size_t at = value.find("&#"); at != std::string_view::npos; at = value.find("&#", at + 1)) {
    std::size_t i = at + 2;
    const bool hex = i < value.size() && value[i] == 'x';
    if (hex) ++i;
    std::uint32_t parsed = 0;  // pugixml's own arithmetic, 32 bits
    std::string significant;   // the digits after the leading zeros
    const std::size_t first = i;
    for (; i < value.size(); ++i) {
      const char ch = value[i];
      unsigned digit = static_cast<unsigned>(ch - '0');
      if (digit > 9) {
        if (!hex || static_cast<unsigned>((ch | ' ') - 'a') > 5) break;
        digit = static_cast<unsigned>((ch | ' ') - 'a' + 10);
      }
      parsed = parsed * (hex ? 16u : 10u) + digit;
      if (!significant.empty() || ch != '0') significant += ch;
    }
    if (i == first || i == value.size() || value[i] != ';') continue;  // left as written
    if (parsed == 0) return true;
    // U+10FFFF has 6 hex and 7 decimal digits.
    if (significant.size() > (hex ? 6u : 7u) || std::stoul(significant, nullptr, hex ? 16 : 10) > 0x10FFFF) {
      return true;
    }
  }
  return false;
}

enum class ReferenceVerdict { kNoDocument, kClean, kFaulty };

// text (UTF-8) parsed as the readers parse it, references left as written:
// does a value of it hold a faulty reference? kNoDocument when the text is
// not well-formed or has not one root element.
inline ReferenceVerdict JudgeExpandedReferences(std::string text) {
  pugi::xml_document document;
  const unsigned options = (pugi::parse_default & ~pugi::parse_escapes) | kStrictRootOptions;
  if (!document.load_buffer_inplace(text.data(), text.size(), options, pugi::encoding_utf8) ||
      !HasSingleRoot(document)) {
    return ReferenceVerdict::kNoDocument;
  }
  // Every node in document order, without recursion: documents nest deep.
  pugi::xml_node node = document.first_child();
  while (node) {
    if (node.type() == pugi::node_pcdata && HoldsFaultyReference(node.value())) return ReferenceVerdict::kFaulty;
    for (const pugi::xml_attribute attribute : node.attributes()) {
      if (HoldsFaultyReference(attribute.value())) return ReferenceVerdict::kFaulty;
    }
    if (node.first_child()) {
      node = node.first_child();
      continue;
    }
    while (node && !node.next_sibling()) node = node.parent();
    if (node) node = node.next_sibling();
  }
  return ReferenceVerdict::kClean;
}

// Aborts when a reader's verdict on text disagrees with the oracle's: it
// loaded text with a faulty reference in a value, or refused text for a
// faulty reference (refusedForReference) that no value holds. A raw NUL is
// refused wherever it stands.
inline void CheckReferenceVerdict(const char* harness, const std::string& text, bool loaded,
                                  bool refusedForReference) {
  if (!loaded && !refusedForReference) return;
  const ReferenceVerdict verdict = JudgeExpandedReferences(text);
  const char* wrong = nullptr;
  if (loaded && verdict == ReferenceVerdict::kFaulty) {
    wrong = "a document that loads holds a reference to NUL or past U+10FFFF in a value";
  }
  if (refusedForReference && verdict == ReferenceVerdict::kClean && text.find('\0') == std::string::npos) {
    wrong = "a document was refused for a reference that no value holds";
  }
  if (wrong != nullptr) {
    std::fprintf(stderr, "ombrel %s fuzzer: %s\n", harness, wrong);
    std::abort();
  }
}

}  // namespace ombrel::fuzz
