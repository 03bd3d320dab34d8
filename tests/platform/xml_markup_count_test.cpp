#include "platform/xml_markup_count.h"

#include <gtest/gtest.h>

#include <string>

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

}  // namespace
}  // namespace ombrel
