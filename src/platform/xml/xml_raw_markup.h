// Markup that holds no element and in which the parser expands no reference:
// comments, CDATA sections, processing instructions (the XML declaration is
// one) and the document type declaration. The checks that read XML text
// before it is parsed step over it exactly as the parser does.
#pragma once

#include <cstddef>
#include <string_view>

namespace ombrel {

// text[at] is '<'. When such markup starts there, the position just after
// it (the end of text when it is never closed); at itself when it does not
// (a tag, or the last character of text).
std::size_t AfterRawMarkup(std::string_view text, std::size_t at);

}  // namespace ombrel
