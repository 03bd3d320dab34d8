// The names the program shows: the title of its message boxes and errors,
// and the product name of its windows.
#pragma once

namespace ombrel {

inline constexpr const char* kAppTitle = "Ombrel";     // message-box titles
inline constexpr const char* kProductName = "Ombrel";  // the product name

}  // namespace ombrel
