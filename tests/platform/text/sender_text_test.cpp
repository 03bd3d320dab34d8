#include "platform/text/sender_text.h"

#include <sys/mman.h>
#include <unistd.h>

#include <algorithm>
#include <string>
#include <string_view>

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

// Sixty megabytes of text of which only the first page can be read at all:
// the text is cut having read no byte past what it shows, so any byte after
// that page would end the test.
TEST(SenderTextTest, SixtyMegabytesAreCutWithoutReadingThem) {
  constexpr std::size_t kSize = 60 * 1024 * 1024;
  const auto page = static_cast<std::size_t>(::sysconf(_SC_PAGESIZE));
  ASSERT_GE(page, 2 * kSenderTextLimit);
  void* const reserved = ::mmap(nullptr, kSize, PROT_NONE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
  ASSERT_NE(reserved, MAP_FAILED);
  ASSERT_EQ(::mprotect(reserved, page, PROT_READ | PROT_WRITE), 0);
  char* const bytes = static_cast<char*>(reserved);
  std::fill(bytes, bytes + page, '7');

  const std::string shown = SenderText(std::string_view(bytes, kSize));
  ::munmap(reserved, kSize);
  EXPECT_EQ(shown, std::string(kSenderTextLimit, '7') + "\xE2\x80\xA6 [cut: 62914560 bytes in all]");
}

}  // namespace
}  // namespace ombrel
