// Conversions to UTF-8, the one encoding the program holds text in: settings
// files, alias files and order documents may come in UTF-8, UTF-16 or the
// windows-1252 code page the order programs write.
#pragma once

#include <string>
#include <string_view>

namespace ombrel {

// True when text is well-formed UTF-8 (no overlong forms, no surrogates).
bool IsValidUtf8(std::string_view text);

// The code point at pos, moving pos past it. An ill-formed sequence gives
// U+FFFD, valid false, and moves pos by one byte.
char32_t NextCodePoint(std::string_view text, std::size_t& pos, bool& valid);

// Appends the UTF-8 form of a code point; invalid ones become U+FFFD.
void AppendUtf8(std::string& out, char32_t codePoint);

// Each byte as a windows-1252 character. The five bytes the code page leaves
// unassigned keep their C1 code points, as Windows does.
std::string Windows1252ToUtf8(std::string_view bytes);

// UTF-16 without its byte-order mark; a lone surrogate becomes U+FFFD and an
// odd last byte is dropped.
std::string Utf16ToUtf8(std::string_view bytes, bool bigEndian);

// text unchanged when it is valid UTF-8, else read as windows-1252.
std::string Utf8OrWindows1252(std::string_view text);

// text without a leading UTF-8 byte-order mark.
std::string_view StripUtf8Bom(std::string_view text);

}  // namespace ombrel
