// Counts the elements and attributes of XML text before it is parsed: each
// costs the parser far more memory than its few bytes of text, so a reader
// refuses text with too many of them rather than parse it. Exact for a
// well-formed document (comments, CDATA sections, processing instructions,
// the document type declaration and quoted attribute values hold none);
// text that is not well-formed fails the parse anyway.
#pragma once

#include <cstddef>
#include <string_view>

namespace ombrel {

// The number of elements plus attributes in text, counted no further than
// limit + 1: more than limit means too many.
std::size_t CountElementsAndAttributes(std::string_view text, std::size_t limit);

// CountElementsAndAttributes(text, limit) <= limit. Every element starts
// with a '<' of its own and every attribute has a '=' of its own, and an
// order holds far fewer of those bytes than the limit: then counting the
// bytes, wherever they stand, shows it without following the markup. A
// text no longer than limit bytes, as an order is, needs not even that count.
bool MarkupWithinLimit(std::string_view text, std::size_t limit);

}  // namespace ombrel
