// Turns the bytes of an XML file into UTF-8 text for the parser: a byte-order
// mark wins, then the declared encoding; text that declares none and is not
// valid UTF-8 is read as windows-1252, the code page order programs write in.
#pragma once

#include <string>
#include <string_view>

namespace ombrel {

// The document as UTF-8, without a byte-order mark. UTF-16 (with a mark, or
// recognised by its first character), ISO-8859-1 and windows-1252 are
// converted; ISO-8859-1 is read as windows-1252, its superset in practice.
// Text declared or taken as UTF-8 that is not valid UTF-8 is read as
// windows-1252 too, so no invalid byte ever reaches the parser.
std::string DecodeXmlText(std::string_view bytes);

// text replaced by DecodeXmlText(text), in its own storage when it is UTF-8
// already: a large order is then held once, not twice.
void DecodeXmlTextInPlace(std::string& text);

}  // namespace ombrel
