#include "platform/xml/xml_text_decoder.h"

#include "platform/text/ascii_case.h"
#include "platform/text/text_encoding.h"

namespace ombrel {

namespace {

// The encoding named in an XML declaration, lower-cased; "" when none.
std::string DeclaredEncoding(std::string_view text) {
  if (text.substr(0, 5) != "<?xml") return "";
  const std::size_t end = text.find("?>");
  if (end == std::string_view::npos) return "";
  const std::string_view declaration = text.substr(0, end);
  std::size_t at = declaration.find("encoding");
  if (at == std::string_view::npos) return "";
  at += 8;
  while (at < declaration.size() && IsAsciiSpace(declaration[at])) ++at;
  if (at >= declaration.size() || declaration[at] != '=') return "";
  ++at;
  while (at < declaration.size() && IsAsciiSpace(declaration[at])) ++at;
  if (at >= declaration.size() || (declaration[at] != '"' && declaration[at] != '\'')) return "";
  const char quote = declaration[at++];
  const std::size_t close = declaration.find(quote, at);
  if (close == std::string_view::npos) return "";
  return AsciiLowered(declaration.substr(at, close - at));
}

bool IsSingleByteWesternEncoding(const std::string& name) {
  return name == "windows-1252" || name == "cp1252" || name == "x-cp1252" ||
         name == "iso-8859-1" || name == "iso8859-1" || name == "iso_8859-1" ||
         name == "latin1" || name == "l1";
}

}  // namespace

std::string DecodeXmlText(std::string_view bytes) {
  if (bytes.substr(0, 3) == "\xEF\xBB\xBF") return Utf8OrWindows1252(bytes.substr(3));
  if (bytes.substr(0, 2) == "\xFF\xFE") return Utf16ToUtf8(bytes.substr(2), false);
  if (bytes.substr(0, 2) == "\xFE\xFF") return Utf16ToUtf8(bytes.substr(2), true);
  // UTF-16 without a mark shows itself by its first character, "<".
  if (bytes.size() >= 4 && bytes[0] == '<' && bytes[1] == '\0' && bytes[2] != '\0' && bytes[3] == '\0') {
    return Utf16ToUtf8(bytes, false);
  }
  if (bytes.size() >= 4 && bytes[0] == '\0' && bytes[1] == '<' && bytes[2] == '\0' && bytes[3] != '\0') {
    return Utf16ToUtf8(bytes, true);
  }
  if (IsSingleByteWesternEncoding(DeclaredEncoding(bytes))) return Windows1252ToUtf8(bytes);
  // UTF-8 declared, none declared, or a name that does not fit 8-bit text
  // (a UTF-16 declaration in a file that is not UTF-16).
  return Utf8OrWindows1252(bytes);
}

void DecodeXmlTextInPlace(std::string& text) {
  const std::string_view view(text);
  const bool marked = view.substr(0, 3) == "\xEF\xBB\xBF";
  if (marked && IsValidUtf8(view.substr(3))) {
    text.erase(0, 3);
    return;
  }
  const bool utf16 = view.substr(0, 2) == "\xFF\xFE" || view.substr(0, 2) == "\xFE\xFF" ||
                     (view.size() >= 4 && (view[0] == '\0' || view[1] == '\0'));
  if (!marked && !utf16 && !IsSingleByteWesternEncoding(DeclaredEncoding(view)) && IsValidUtf8(view)) {
    return;
  }
  text = DecodeXmlText(view);
}

}  // namespace ombrel
