// Writes text into XML so that a conforming reader gives back exactly that
// text: carriage returns, line feeds and tabs survive as character references
// where a reader would otherwise change them. Characters no XML document may
// hold (control characters other than tab, line feed and carriage return) are
// left out, and bytes that are not UTF-8 become U+FFFD, so the document
// always stays readable.
#pragma once

#include <string>
#include <string_view>

namespace ombrel {

// Element content.
void AppendXmlText(std::string& out, std::string_view text);
// An attribute value written between double quotes.
void AppendXmlAttribute(std::string& out, std::string_view text);

}  // namespace ombrel
