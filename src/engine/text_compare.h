// Text comparison that ignores letter case, as the engine compares order
// values with expected ones and keys of its collections. Texts are UTF-8;
// the letters folded are those of the order documents' code page
// (windows-1252): A-Z, the accented Latin-1 letters and S/Z/OE with caron or
// ligature. Everything else compares byte for byte.
#pragma once

#include <string>
#include <string_view>

namespace ombrel {

// text with every foldable letter turned to its capital.
std::string UpperText(std::string_view text);

// True when a and b are equal once their letters are turned to capitals.
bool SameText(std::string_view a, std::string_view b);

}  // namespace ombrel
