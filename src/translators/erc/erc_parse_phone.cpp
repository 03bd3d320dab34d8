// The ERC translator's own phone splitting: an area code and a local number
// taken from the start of the order's value by a few fixed patterns, written
// with WriteDirect. Its errors are reported here and settled, so the main
// table goes on after it.
#include <cstddef>
#include <string>
#include <string_view>

#include "services/error_handler.h"
#include "translators/erc/erc.h"

namespace ombrel {

namespace {

// True when text begins with pattern, in which "#" stands for one decimal
// digit and every other character for itself.
bool BeginsWith(const std::string& text, std::string_view pattern) {
  if (text.size() < pattern.size()) return false;
  for (std::size_t i = 0; i < pattern.size(); ++i) {
    const char c = text[i];
    if (pattern[i] == '#' ? (c < '0' || c > '9') : c != pattern[i]) return false;
  }
  return true;
}

}  // namespace

void ERC::ParsePhone(const std::string& ifxTag, const std::string& areaCode,
                     const std::string& phoneNumber) {
  ErrorHandler handler(Server_().Services(), std::string(ClassName()) + "::ParsePhone");
  std::string v;
  // After a failed read the value counts as empty
  if (!handler.Run([&] { v = ReadDirect(ifxTag); })) return;
  if (v.empty()) return;
  // A long-distance prefix, once
  if (v.starts_with("1-")) v.erase(0, 2);

  std::string area;
  std::string number;
  if (BeginsWith(v, "(###) ###-####")) {
    area = v.substr(1, 3);
    number = v.substr(6);
  } else if (BeginsWith(v, "### ###-####") || BeginsWith(v, "###-###-####")) {
    area = v.substr(0, 3);
    number = v.substr(4);
  } else if (BeginsWith(v, "##########")) {
    area = v.substr(0, 3);
    number = v.substr(3);
  } else {
    // Not a number it knows how to split: the whole value, the area code untouched
    handler.Run([&] { WriteDirect(phoneNumber, v); });
    return;
  }
  // Anything after the matched digits (an extension, a note) stays with the number
  if (!handler.Run([&] { WriteDirect(areaCode, area); })) return;
  handler.Run([&] { WriteDirect(phoneNumber, number); });
}

}  // namespace ombrel
