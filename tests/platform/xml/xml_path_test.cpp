#include "platform/xml/xml_path.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include <pugixml.hpp>

#include "platform/xml/element_index.h"

namespace ombrel {
namespace {

// Every value tells where it was found.
constexpr const char* kDocument =
    "<R>"
    "<A N=\"1\" B=\"a1.B\" A=\"a1.A\"><B>a1.b</B><A N=\"2\">a1.a2</A><AB>a1.ab</AB></A>"
    "<A B=\"a.B\"><B N=\"01\">a.b1</B></A>"
    "<B N=\"1\" A=\"b1.A\"><A>b1.a</A><B N=\"2\"><A>b1.b2.a</A></B></B>"
    "<AB>ab</AB>"
    "<B N=\"\">b.empty</B>"
    "</R>";

// What the path text gives through Parse and Evaluate: the reference for a
// walk that reads the text step by step instead.
std::string Parsed(std::string_view text, pugi::xml_node from, const ElementIndex& index) {
  const std::optional<XmlPath> path = XmlPath::Parse(text);
  if (!path) return "";
  // As a view, where it stands or put together in scratch, the same text.
  std::string scratch = "(stale)";
  const std::string value = path->Evaluate(from, index);
  EXPECT_EQ(path->Text(from, index, scratch), value) << text;
  return value;
}

// A tag read as a path: a step also ends after a ")" that neither ends the
// text nor stands before a "\".
std::string SplitAfterParentheses(std::string_view tag) {
  std::string path;
  for (std::size_t i = 0; i < tag.size(); ++i) {
    path += tag[i];
    if (tag[i] == ')' && i + 1 < tag.size() && tag[i + 1] != '\\') path += '\\';
  }
  return path;
}

// Paths and tags are read step by step, each step followed at once, apart
// from Parse: every text of up to six characters of names, numbers and the
// marks must give what Parse and Evaluate give it, as a string and as a view
// (of the document, or of the text put together for an element with
// children).
TEST(XmlPathTest, ReadingStepByStepGivesWhatTheParsedPathGives) {
  pugi::xml_document document;
  ASSERT_TRUE(document.load_string(kDocument));
  ElementIndex index;
  ASSERT_TRUE(index.Build(document));
  const pugi::xml_node root = document.document_element();

  constexpr std::string_view kAlphabet = "AB1()@~\\";
  std::string text;
  std::size_t found = 0;
  const auto check = [&] {
    for (const pugi::xml_node from : {pugi::xml_node(document), root}) {
      const std::string path = XmlPath::EvaluateText(text, from, index);
      ASSERT_EQ(path, Parsed(text, from, index)) << "path " << text;
      const std::string tag = XmlPath::EvaluateTag(text, from, index);
      ASSERT_EQ(tag, Parsed(SplitAfterParentheses(text), from, index)) << "tag " << text;
      std::string scratch = "(stale)";
      ASSERT_EQ(XmlPath::TagText(text, from, index, scratch), tag) << "tag as a view " << text;
      found += !path.empty() + !tag.empty();
    }
  };
  // Every text up to six characters, in order: text is the counter's digits.
  for (std::size_t length = 0; length <= 6; ++length) {
    std::vector<std::size_t> digits(length, 0);
    for (;;) {
      text.clear();
      for (const std::size_t digit : digits) text += kAlphabet[digit];
      check();
      if (HasFatalFailure()) return;
      std::size_t i = 0;
      while (i < length && ++digits[i] == kAlphabet.size()) digits[i++] = 0;
      if (i == length) break;
    }
  }
  // Longer ones, as tags are.
  for (const char* longer : {"B(1)B(2)A", "B(01)\\B(002)\\A", "~B(2)A", "\\~B(2)\\A", "A(1)AB", "A(1)@B",
                             "A(1)\\@B", "A\\~B(01)", "A(1)A(2)", "A(1)(2)", "A(1))B", "B(1)@A)", "A(1)B\\"}) {
    text = longer;
    check();
  }
  // Not a comparison of nothing with nothing.
  EXPECT_GT(found, 100u);
}

}  // namespace
}  // namespace ombrel
