// What the parser would turn into a character no XML document may hold.
// pugixml adds up the digits of a numeric character reference in 32 bits,
// so "&#4294967296;" becomes a NUL that silently cuts its value short there,
// and "&#4294967361;" an "A"; a reference past U+10FFFF comes out as bytes
// that are no UTF-8 at all. XML allows none of these, and the readers refuse
// text that holds one before it is parsed.
#pragma once

#include <string_view>

namespace ombrel {

enum class CharacterFault {
  kNone,
  kNul,            // a NUL, raw or a reference whose value is 0 in 32 bits
  kBeyondUnicode,  // a reference past U+10FFFF (that is not 0 in 32 bits)
};

// The first fault of text, UTF-8 as the parser reads it: a raw NUL anywhere,
// or a reference where the parser expands one, in character data and
// attribute values. A reference is "&#" and decimal digits, or "&#x" and hex
// digits, then ";"; any other "&#" the parser leaves as written, and so it
// does in comments, CDATA sections, processing instructions and the document
// type declaration.
CharacterFault FindCharacterFault(std::string_view text);

// What a reader says of a text with the fault: "holds a NUL character", ...
const char* CharacterFaultText(CharacterFault fault);

}  // namespace ombrel
