#include "platform/sender_text.h"

#include <chrono>
#include <string>

#include <gtest/gtest.h>

namespace ombrel {
namespace {

TEST(SenderTextTest, EscapesEveryCharacterThatCouldBreakALine) {
  struct Case {
    std::string text;
    std::string shown;
  };
  const Case cases[] = {
      {"1004", "1004"},
      {"", ""},
      {"Caf\xC3\xA9 & Co", "Caf\xC3\xA9 & Co"},  // other characters pass as they are
      {"OADI/XML\r\n06/01/2026 ! forged", "OADI/XML\\r\\n06/01/2026 ! forged"},
      {"a\nb\rc\td", "a\\nb\\rc\\td"},
      {std::string("nul\0esc\x1B" "del\x7F", 12), "nul\\x00esc\\x1Bdel\\x7F"},
      {"next\xC2\x85line", "next\\u0085line"},                     // NEL
      {"ls\xE2\x80\xA8ps\xE2\x80\xA9", "ls\\u2028ps\\u2029"},      // line, paragraph separator
      {"back\\slash \\n", "back\\slash \\n"},
      {"\xFF\x80 stray bytes", "\xFF\x80 stray bytes"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.shown);
    EXPECT_EQ(SenderText(c.text), c.shown);
    EXPECT_EQ(EscapeControlCharacters(c.text), c.shown);
  }
}

TEST(SenderTextTest, CutsLongTextAtACharacterAndSaysHowLongItWas) {
  const std::string atLimit(kSenderTextLimit, 'x');
  EXPECT_EQ(SenderText(atLimit), atLimit);

  const std::string over = atLimit + "y";
  EXPECT_EQ(SenderText(over), atLimit + "\xE2\x80\xA6 [cut: 301 bytes in all]");

  // Two-byte characters are never split: 299 bytes of x, then an e-acute that
  // would end at byte 301.
  const std::string wide = std::string(kSenderTextLimit - 1, 'x') + "\xC3\xA9" + "tail";
  EXPECT_EQ(SenderText(wide),
            std::string(kSenderTextLimit - 1, 'x') + "\xE2\x80\xA6 [cut: 305 bytes in all]");

  // Escapes count towards the limit: 300 line feeds show as 150 "\n".
  std::string escapedHalf;
  for (std::size_t i = 0; i < kSenderTextLimit / 2; ++i) escapedHalf += "\\n";
  EXPECT_EQ(SenderText(std::string(kSenderTextLimit, '\n')),
            escapedHalf + "\xE2\x80\xA6 [cut: 300 bytes in all]");
}

TEST(SenderTextTest, SixtyMegabytesComeBackShortAtOnce) {
  const std::string huge(60 * 1024 * 1024, '7');
  const auto start = std::chrono::steady_clock::now();
  const std::string shown = SenderText(huge);
  const auto elapsed = std::chrono::steady_clock::now() - start;
  EXPECT_EQ(shown, std::string(kSenderTextLimit, '7') + "\xE2\x80\xA6 [cut: 62914560 bytes in all]");
  EXPECT_LT(elapsed, std::chrono::milliseconds(100));
}

}  // namespace
}  // namespace ombrel
