#include "platform/text/text_encoding.h"

#include <gtest/gtest.h>

#include <string>

namespace ombrel {

namespace {

// A sequence is checked wherever it stands among ASCII text, and so is what
// follows it.
TEST(TextEncodingTest, Utf8IsCheckedAfterAsciiOfEveryLength) {
  const struct {
    const char* sequence;
    bool valid;
  } sequences[] = {
      {"", true},
      {"\xC3\xA9", true},          // two bytes
      {"\xE2\x82\xAC", true},      // three
      {"\xF0\x9F\x98\x80", true},  // four
      {"\x7F", true},
      {"\x80", false},             // a continuation byte alone
      {"\xFF", false},
      {"\xC3", false},             // cut short
      {"\xE2\x82", false},
      {"\xC0\x80", false},         // overlong
      {"\xED\xA0\x80", false},     // a surrogate
      {"\xF4\x90\x80\x80", false},  // past U+10FFFF
  };
  for (std::size_t before = 0; before <= 40; ++before) {
    for (const std::size_t after : {0u, 1u, 15u, 16u, 17u, 40u}) {
      for (const auto& s : sequences) {
        const std::string text = std::string(before, 'a') + s.sequence + std::string(after, 'z');
        EXPECT_EQ(IsValidUtf8(text), s.valid) << before << " + sequence " << (&s - sequences) << " + " << after;
        // A bad byte after the sequence spoils even a valid one.
        EXPECT_FALSE(IsValidUtf8(text + "\xFF")) << before << " + sequence " << (&s - sequences) << " + " << after;
      }
    }
  }
}

}  // namespace
}  // namespace ombrel
