#include "engine/text_compare.h"

#include <cstddef>

namespace ombrel {

namespace {

// The capital of the two-byte UTF-8 sequence (lead, trail), written into
// (lead, trail); false when it is no small letter that folds.
bool UpperTwoBytes(unsigned char& lead, unsigned char& trail) {
  if (lead == 0xC3) {
    // U+00E0..U+00FE (but not U+00F7, the division sign) -> U+00C0..U+00DE.
    if (trail >= 0xA0 && trail <= 0xBE && trail != 0xB7) {
      trail = static_cast<unsigned char>(trail - 0x20);
      return true;
    }
    if (trail == 0xBF) {  // y with diaeresis -> U+0178
      lead = 0xC5;
      trail = 0xB8;
      return true;
    }
    return false;
  }
  if (lead == 0xC5) {
    // oe ligature, s and z with caron: the small letter is the capital + 1.
    if (trail == 0x93 || trail == 0xA1 || trail == 0xBE) {
      trail = static_cast<unsigned char>(trail - 1);
      return true;
    }
  }
  return false;
}

}  // namespace

std::string UpperText(std::string_view text) {
  std::string out(text);
  for (std::size_t i = 0; i < out.size(); ++i) {
    auto c = static_cast<unsigned char>(out[i]);
    if (c >= 'a' && c <= 'z') {
      out[i] = static_cast<char>(c - ('a' - 'A'));
    } else if ((c == 0xC3 || c == 0xC5) && i + 1 < out.size()) {
      auto lead = c;
      auto trail = static_cast<unsigned char>(out[i + 1]);
      if (UpperTwoBytes(lead, trail)) {
        out[i] = static_cast<char>(lead);
        out[i + 1] = static_cast<char>(trail);
      }
      ++i;
    }
  }
  return out;
}

bool SameText(std::string_view a, std::string_view b) {
  if (a == b) return true;
  return UpperText(a) == UpperText(b);
}

}  // namespace ombrel
