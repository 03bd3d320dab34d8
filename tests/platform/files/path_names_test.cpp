#include "platform/files/path_names.h"

#include <gtest/gtest.h>

#include <string>

namespace ombrel {
namespace {

// The one rule that keeps a name from an envelope or an order inside the
// folder it is joined to.
TEST(IsPlainFileNameTest, TakesOnlyANameThatStaysInItsFolder) {
  struct Case {
    std::string what, name;
    bool plain;
  };
  const Case cases[] = {
      {"a file name", "front.jpg", true},
      {"a name of one byte", "x", true},
      {"a name starting with a dot", ".hidden", true},
      {"three dots", "...", true},
      {"blanks and letters of any case", "Front Photo.JPG", true},
      {"UTF-8 letters", "fa\xC3\xA7" "ade.jpg", true},
      {"the longest name", std::string(kMaxFileNameBytes, 'a'), true},
      {"one byte too long", std::string(kMaxFileNameBytes + 1, 'a'), false},
      {"empty", "", false},
      {"the folder itself", ".", false},
      {"the folder above", "..", false},
      {"a climb", "../secret.txt", false},
      {"a subfolder", "sub/inner.jpg", false},
      {"an absolute path", "/etc/passwd", false},
      {"a trailing separator", "front.jpg/", false},
      {"a backslash", "sub\\inner.jpg", false},
      {"a backslash climb", "..\\secret.txt", false},
      {"a NUL inside", std::string("front.jpg\0.xml", 14), false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    EXPECT_EQ(IsPlainFileName(c.name), c.plain);
  }
}

}  // namespace
}  // namespace ombrel
