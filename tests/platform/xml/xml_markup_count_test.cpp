#include "platform/xml/xml_markup_count.h"

#include <gtest/gtest.h>

#include <string>

#include <pugixml.hpp>

#include "platform/xml/xml_single_root.h"

namespace ombrel {
namespace {

TEST(XmlMarkupCountTest, CountsElementsAndAttributesOfMarkupOnly) {
  const struct {
    const char* text;
    std::size_t count;
  } cases[] = {
      {"", 0},
      {"<A/>", 1},
      {"<A></A>", 1},
      {"<A><B>x</B><C/></A>", 3},
      {"<A N=\"1\" M='2'><B N = \"3\"/></A>", 5},
      {"<A V=\"x=y>z\" W='a\"=b'/>", 3},                 // '=' and '>' inside quotes
      {"<A>1 &lt; 2 = 2 &gt; 1</A>", 1},                 // escaped and plain text
      {"<A><!-- <B C='1'/> --></A>", 1},
      {"<A><![CDATA[<B C='1'/>]]></A>", 1},
      {"<?xml version=\"1.0\" encoding='UTF-8'?><A/>", 1},
      {"<A><?pi <B c='d'/>?></A>", 1},
      {"<!DOCTYPE A [<!ELEMENT A ANY><!ATTLIST A b CDATA \"<C d='e'>\"><!-- ]> <D/> -->]><A b='1'/>", 2},
      {"<!DOCTYPE A SYSTEM \"a>b.dtd\"><A/>", 1},
      {"<A>\n  <B\n    c\n    =\n    'd'\n  />\n</A>", 3},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text);
    EXPECT_EQ(CountElementsAndAttributes(c.text, 100), c.count);
  }
}

// Elements and attributes of the parsed document, counted the long way.
std::size_t ParsedCount(const std::string& text) {
  pugi::xml_document document;
  if (!document.load_buffer(text.data(), text.size(), pugi::parse_default | kStrictRootOptions)) return SIZE_MAX;
  std::size_t count = 0;
  for (pugi::xml_node node = document.first_child(); node;) {
    if (node.type() == pugi::node_element) {
      ++count;
      for (pugi::xml_attribute attribute = node.first_attribute(); attribute; attribute = attribute.next_attribute()) {
        ++count;
      }
    }
    if (node.first_child()) {
      node = node.first_child();
      continue;
    }
    while (node && !node.next_sibling()) node = node.parent();
    if (node) node = node.next_sibling();
  }
  return count;
}

// Whatever a document type declaration holds, the count skips exactly what
// the parser skips: never less, or a document could hide its elements from
// the limit.
TEST(XmlMarkupCountTest, AgreesWithTheParserOnEveryDeclaration) {
  const char* const documents[] = {
      "<!DOCTYPE A><A><B c='1'/></A>",
      "<!DOCTYPE A SYSTEM \"a>b[.dtd\"><A><B c='1'/></A>",
      "<!DOCTYPE A [<!ELEMENT A ANY>]><A><B c='1'/></A>",
      "<!DOCTYPE A [<?pi \"?>]><A><B c='1'/></A>",                  // a quote inside an instruction
      "<!DOCTYPE A [<!-- \" ' > -->]><A><B c='1'/></A>",             // ... and inside a comment
      "<!DOCTYPE A [<![IGNORE[ \" <![ ' ]]> ]]>]><A><B c='1'/></A>",  // ... and in an ignored section
      "<!DOCTYPE A [<!ENTITY e \"<B c='1'/>\"><!ATTLIST A x CDATA '>'>]><A><B c='1'/></A>",
      "<!DOCTYPE A [<!ELEMENT A (#PCDATA)> ]  ><A><B c='1'/></A>",
  };
  for (const char* document : documents) {
    SCOPED_TRACE(document);
    const std::size_t parsed = ParsedCount(document);
    ASSERT_NE(parsed, SIZE_MAX) << "the parser refuses the document";
    EXPECT_EQ(parsed, 3u);
    EXPECT_EQ(CountElementsAndAttributes(document, 100), parsed);
  }
}

// The count stops just past the limit, and text that is not well-formed
// ends the count without reading past its end.
TEST(XmlMarkupCountTest, StopsPastTheLimitAndAtTheEndOfBrokenText) {
  std::string many;
  for (int i = 0; i < 1000; ++i) many += "<A B='1'/>";
  EXPECT_EQ(CountElementsAndAttributes(many, 2000), 2000u);
  EXPECT_EQ(CountElementsAndAttributes(many, 1999), 2000u);
  EXPECT_EQ(CountElementsAndAttributes(many, 10), 11u);

  for (const char* broken : {"<", "<A", "<A B='", "<A B=\"x", "<!--", "<![CDATA[", "<?", "<!DOCTYPE [",
                             "</", "<A><"}) {
    SCOPED_TRACE(broken);
    EXPECT_LE(CountElementsAndAttributes(broken, 100), 2u);
  }
}

TEST(XmlMarkupCountTest, WithinTheLimitWhenTheCountIsWhateverTheBytes) {
  const struct {
    const char* text;
    std::size_t limit;
    bool within;
  } cases[] = {
      {"", 0, true},
      {"<A/>", 0, false},
      {"<A/>", 1, true},
      {"<A B='1'/>", 1, false},
      {"<A B='1'/>", 2, true},
      {"<A B='1'/>", 10, true},                   // no longer than the limit
      {"<A>1 = 1, 2 = 2</A>", 1, true},           // more '<' and '=' than the limit, not markup
      {"<A><B/></A>", 2, true},                   // end tags are no elements
      {"<A><!-- <B/><C/><D/> --></A>", 1, true},  // nor is what a comment holds
      {"<A><B/><C/></A>", 2, false},
      {"<A V='x=y'/>", 2, true},
      {"<A V='x=y' W='z'/>", 2, false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.text) + " within " + std::to_string(c.limit));
    EXPECT_EQ(MarkupWithinLimit(c.text, c.limit), c.within);
    EXPECT_EQ(MarkupWithinLimit(c.text, c.limit), CountElementsAndAttributes(c.text, c.limit) <= c.limit);
  }
}

}  // namespace
}  // namespace ombrel
