#include "platform/xml/xml_escape.h"

#include <gtest/gtest.h>
#include <pugixml.hpp>

#include <string>

namespace ombrel {
namespace {

// What a reader must get back: the text without the control characters no
// XML document may hold.
std::string Readable(const std::string& text) {
  std::string kept;
  for (char c : text) {
    if (static_cast<unsigned char>(c) >= 0x20 || c == '\t' || c == '\n' || c == '\r') kept += c;
  }
  return kept;
}

// The first character of written XML that a reader would take as markup or
// change: "<", ">", "&" other than a reference, a raw carriage return, in
// an attribute a quote, tab or line feed too. "" when there is none.
std::string RawMarkup(const std::string& written, bool attribute) {
  for (std::size_t i = 0; i < written.size(); ++i) {
    const char c = written[i];
    if (c == '&') {
      bool reference = false;
      for (const char* name : {"&amp;", "&lt;", "&gt;", "&quot;", "&#13;", "&#10;", "&#9;"}) {
        if (written.compare(i, std::char_traits<char>::length(name), name) == 0) reference = true;
      }
      if (!reference) return "&";
      continue;
    }
    const bool blank = c == '\t' || c == '\n';
    if (c == '<' || c == '>' || (static_cast<unsigned char>(c) < 0x20 && !blank) ||
        (attribute && (c == '"' || blank))) {
      return std::string(1, c);
    }
  }
  return "";
}

// Every ASCII byte at every position of plain runs of several lengths: at
// the start, inside and at the end of a run that is copied whole.
TEST(XmlEscapeTest, EveryAsciiByteAnywhereReadsBackAndLeavesNoMarkup) {
  for (std::size_t length : {1u, 7u, 8u, 9u, 16u, 23u}) {
    for (std::size_t at = 0; at < length; ++at) {
      for (int byte = 0; byte < 0x80; ++byte) {
        std::string text(length, 'a');
        for (std::size_t i = 0; i < length; ++i) text[i] = static_cast<char>('a' + i % 26);
        text[at] = static_cast<char>(byte);
        const std::string where = "byte " + std::to_string(byte) + " at " + std::to_string(at) +
                                  " of " + std::to_string(length);

        std::string content;
        AppendXmlText(content, text);
        std::string value;
        AppendXmlAttribute(value, text);
        EXPECT_EQ(RawMarkup(content, false), "") << where;
        EXPECT_EQ(RawMarkup(value, true), "") << where;

        const std::string xml = "<E A=\"" + value + "\">" + content + "</E>";
        pugi::xml_document document;
        ASSERT_TRUE(document.load_buffer(xml.data(), xml.size(), pugi::parse_default | pugi::parse_ws_pcdata))
            << where;
        EXPECT_EQ(document.child("E").text().get(), Readable(text)) << where;
        EXPECT_EQ(document.child("E").attribute("A").value(), Readable(text)) << where;
      }
    }
  }
}

TEST(XmlEscapeTest, TextBeyondAsciiIsKeptOrReplaced) {
  struct Case {
    std::string text;
    std::string written;
  };
  const Case cases[] = {
      {"prix 100 \xE2\x82\xAC net", "prix 100 \xE2\x82\xAC net"},   // UTF-8 kept
      {"abcdefg\xC3\xA9hijklmnop", "abcdefg\xC3\xA9hijklmnop"},   // inside plain runs
      {"abcdefgh\xE9ijk", "abcdefgh\xEF\xBF\xBDijk"},             // not UTF-8: U+FFFD
      {"ab\xEF\xBF\xBE" "cd", "abcd"},                            // U+FFFE left out
  };
  for (const Case& c : cases) {
    std::string content;
    AppendXmlText(content, c.text);
    EXPECT_EQ(content, c.written);
  }
}

}  // namespace
}  // namespace ombrel
