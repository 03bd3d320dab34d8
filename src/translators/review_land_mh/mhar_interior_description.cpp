// The interior description of "MOB" has two lines of about sixty characters:
// a longer text is broken at its last blank up to position 62, or at 60 when
// that blank stands before position 30 or there is none. Positions count
// characters, not bytes, so a break never splits a letter of the order's text.
#include "translators/review_land_mh/mhar.h"

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "platform/text/text_encoding.h"

namespace ombrel {

namespace {

// The byte offset at which each character of text begins, and the length.
std::vector<std::size_t> CharacterStarts(std::string_view text) {
  std::vector<std::size_t> starts;
  std::size_t pos = 0;
  while (pos < text.size()) {
    starts.push_back(pos);
    bool valid = true;
    NextCodePoint(text, pos, valid);
  }
  starts.push_back(text.size());
  return starts;
}

}  // namespace

void MHAR::InteriorDescription() {
  const std::string d = ReadDirect("INTERIORDESCRIPTION");
  const std::vector<std::size_t> starts = CharacterStarts(d);
  const std::size_t n = starts.size() - 1;
  if (n <= 60) {
    WriteDirect("65|1", d);
    return;
  }
  // The search for a blank starts at position 62; a text of 61 characters is
  // shorter than that, and the search finds none in it.
  std::size_t p = 0;
  if (n >= 62) {
    for (std::size_t at = 62; at >= 1 && p == 0; --at) {
      if (d[starts[at - 1]] == ' ') p = at;
    }
  }
  if (p < 30) p = 60;
  WriteDirect("65|1", d.substr(0, starts[p]));
  WriteDirect("66|1", d.substr(starts[p]));
}

}  // namespace ombrel
