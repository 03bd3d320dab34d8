// Text that an envelope or an order supplies (form numbers, file names,
// types, paths), made fit to stand inside a message box or a log line.
// Control characters, and the Unicode characters that viewers take for line
// breaks, are written visibly escaped ("\r", "\n", "\x1B", "\u2028"), so such
// text can never end a log line and start a forged one. Text longer than
// kSenderTextLimit bytes is cut at a character boundary and marked with the
// size of the whole, so a box never has to lay out megabytes of it.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace ombrel {

inline constexpr std::size_t kSenderTextLimit = 300;

std::string SenderText(std::string_view text);

// Only the escaping, for text that is bounded already (a log line made of
// the program's own words around sender text that went through SenderText).
std::string EscapeControlCharacters(std::string_view text);

}  // namespace ombrel
