// The ASCII helpers stand in for <cctype> wherever the program folds or
// classifies a name: in the C locale they must answer as <cctype> does for
// every byte, so that taking them changed nothing but the locale's say.
#include "platform/text/ascii_case.h"

#include <cctype>
#include <clocale>
#include <string>

#include <gtest/gtest.h>

namespace ombrel {
namespace {

TEST(AsciiCaseTest, AnswersAsTheCLocaleForEveryByte) {
  const std::string saved = std::setlocale(LC_ALL, nullptr);
  ASSERT_NE(std::setlocale(LC_ALL, "C"), nullptr);
  for (int b = 0; b < 256; ++b) {
    SCOPED_TRACE(b);
    const char c = static_cast<char>(b);
    EXPECT_EQ(AsciiUpper(c), static_cast<char>(std::toupper(b)));
    EXPECT_EQ(AsciiLower(c), static_cast<char>(std::tolower(b)));
    EXPECT_EQ(IsAsciiSpace(c), std::isspace(b) != 0);
    EXPECT_EQ(IsAsciiDigit(c), std::isdigit(b) != 0);
    EXPECT_EQ(IsAsciiHexDigit(c), std::isxdigit(b) != 0);
    EXPECT_EQ(IsAsciiLetter(c), std::isalpha(b) != 0);
    EXPECT_EQ(IsAsciiLetterOrDigit(c), std::isalnum(b) != 0);
  }
  std::setlocale(LC_ALL, saved.c_str());
}

TEST(AsciiCaseTest, FoldsTextAndComparesWithoutLetterCase) {
  const std::string allBytes = [] {
    std::string text;
    for (int b = 1; b < 256; ++b) text += static_cast<char>(b);
    return text;
  }();
  EXPECT_EQ(AsciiUppered("siteplan 2006sc13 \xC3\xA9t\xC3\xA9"), "SITEPLAN 2006SC13 \xC3\xA9T\xC3\xA9");
  EXPECT_EQ(AsciiLowered("INVOICE Ua2 \xC3\x89T\xC3\x89"), "invoice ua2 \xC3\x89t\xC3\x89");
  EXPECT_TRUE(EqualsIgnoreCase(AsciiUppered(allBytes), AsciiLowered(allBytes)));
  EXPECT_TRUE(EqualsIgnoreCase("Invoice", "iNVOICE"));
  EXPECT_FALSE(EqualsIgnoreCase("Invoice", "Invoices"));
  EXPECT_FALSE(EqualsIgnoreCase("\xC3\xA9", "\xC3\x89"));  // only ASCII letters fold
  EXPECT_FALSE(EqualsIgnoreCase("@", "`"));                 // 0x40 and 0x60 are no letters
}

}  // namespace
}  // namespace ombrel
