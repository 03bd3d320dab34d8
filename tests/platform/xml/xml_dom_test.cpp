#include <gtest/gtest.h>

#include "platform/errors/error_matchers.h"
#include "platform/xml/pugi_xml_dom.h"
#include "support/temp_dir.h"

namespace ombrel {
namespace {

using testing::RaisedError;
using testing::TempDir;

const char* const kOrder = R"(<?xml version="1.0" encoding="UTF-8"?>
<ORDER>
  <HEADER><FORMS><FORMNUM>1004</FORMNUM></FORMS></HEADER>
  <FORMNUM>not the first in document order</FORMNUM>
  <CITY>Shelbyville</CITY>
  <SUBJECT>
    <CITY>Springfield</CITY>
    <BLANK> </BLANK>
    <EMPTY/>
    <NOTE>  first line&#13;
second	line  </NOTE>
    <MIXED>a<B>b</B>c</MIXED>
    <CDATAMIX>a<![CDATA[<b>]]>c<I>d<J/>e</I><![CDATA[]]>f</CDATAMIX>
  </SUBJECT>
  <COMPARABLES>
    <COMP N="1"><SALES PRICE="100"/><ADDR>1 Elm St</ADDR></COMP>
    <COMP N="2"><SALES PRICE="200"/><ADDR>2 Oak St</ADDR></COMP>
    <COMP N="12"><SALES PRICE="1200"/><ADDR>12 Ash St</ADDR></COMP>
    <COMP N="0"><SALES PRICE="0"/></COMP>
  </COMPARABLES>
  <PHOTO N="2"><FILE>rear.jpg</FILE></PHOTO>
  <GRID><ROW N="3"><CELL N="4">r3c4</CELL></ROW></GRID>
  <LINES><ADDR1LINE N="2">second address line</ADDR1LINE></LINES>
  <DEEP><X><Y><ALTFORM>FHLMC</ALTFORM></Y></X></DEEP>
</ORDER>
)";

class XmlDomTest : public ::testing::Test {
 protected:
  void SetUp() override { dom_.LoadXml(kOrder); }
  std::string Path(const std::string& path) const { return dom_.Value(dom_.Root(), path); }

  PugiXmlDom dom_;
  TempDir dir_;
};

TEST_F(XmlDomTest, ValuesOfPaths) {
  const struct {
    const char* path;
    const char* expected;
  } cases[] = {
      {"\\~FORMNUM", "1004"},                       // first in document order, at any depth
      {"\\~ALTFORM", "FHLMC"},
      {"~ALTFORM", "FHLMC"},
      {"SUBJECT\\CITY", "Springfield"},
      {"\\SUBJECT\\CITY", "Springfield"},
      {"CITY", "Shelbyville"},
      {"FORMNUM", "not the first in document order"},  // a child, not a deeper one before it
      {"HEADER\\FORMS\\FORMNUM", "1004"},
      {"SUBJECT\\BLANK", " "},                      // a lone blank is a value
      {"SUBJECT\\EMPTY", ""},
      {"SUBJECT\\NOTE", "  first line\r\nsecond\tline  "},
      {"SUBJECT\\MIXED", "abc"},
      {"SUBJECT\\CDATAMIX", "a<b>cdef"},
      {"COMPARABLES\\COMP(2)\\SALES\\@PRICE", "200"},
      {"COMPARABLES\\COMP(12)\\ADDR", "12 Ash St"},
      {"COMPARABLES\\COMP(0)\\SALES\\@PRICE", "0"},
      {"COMPARABLES\\COMP(02)\\ADDR", "2 Oak St"},
      {"COMPARABLES\\COMP\\ADDR", "1 Elm St"},       // the first of that name
      {"~COMP(2)\\ADDR", "2 Oak St"},
      {"SUBJECT\\~CITY", "Springfield"},         // below that node only
      {"COMPARABLES\\COMP(2)\\~ADDR", "2 Oak St"},
      {"SUBJECT\\~ADDR", ""},
      {"~ORDER", ""},                                // the root is not below itself
      {"COMPARABLES\\COMP(3)\\ADDR", ""},
      {"COMPARABLES\\COMP(1)\\@MISSING", ""},
      {"subject\\city", ""},                         // names are case-sensitive
      {"SUBJECT\\\\CITY", ""},                       // an empty step
      {"@N\\COMP", ""},                              // an attribute before the end
      {"COMP()", ""},
      {"", ""},
      {"NOSUCH", ""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.path);
    EXPECT_EQ(Path(c.path), c.expected);
  }
}

TEST_F(XmlDomTest, TagsReadWithoutAnAliasAreSplitAfterEachParenthesis) {
  const struct {
    const char* tag;
    const char* expected;
  } cases[] = {
      {"PHOTO(2)FILE", "rear.jpg"},
      {"CITY", "Shelbyville"},
      {"GRID\\ROW(3)CELL(4)", "r3c4"},
      {"GRID\\ROW(3)\\CELL(4)", "r3c4"},             // ")" before "\" adds no empty step
      {"\\PHOTO(2)FILE", "rear.jpg"},
      {"PHOTO(2)", "rear.jpg"},                         // all the text below
      {"PHOTO(2)@N", "2"},                              // an attribute right after ")"
      {"COMPARABLES\\COMP(2)SALES\\@PRICE", "200"},
      {"~COMP(12)ADDR", "12 Ash St"},
      {"PHOTO(1)FILE", ""},
      {"PHOTO(2)FILE\\", ""},                          // an empty last step
      {"PHOTO(2)@N\\FILE", ""},                        // an attribute before the end
      {"PHOTO()FILE", ""},
      {"PHOTO(2FILE", ""},
      {"", ""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.tag);
    EXPECT_EQ(dom_.TagValue(c.tag, false), c.expected);
  }
}

TEST_F(XmlDomTest, AliasesResolveTagsExactlyThenByPatternThenAsPaths) {
  const std::string alias = dir_.Write("global.ali",
      "; aliases of the test order\r\n"
      "CITY = SUBJECT\\CITY\r\n"
      "CITY = CITY\r\n"                                        // a later line for the same tag
      "\r\n"
      "COMP(#)SALESPRICE = COMPARABLES\\COMP(#)\\SALES\\@PRICE\r\n"
      "COMP#ADDR=~COMP(#)\\ADDR\r\n"
      "ROW#COL# = GRID\\ROW(#)\\CELL(#)\r\n"
      "ADDR1LINE# = LINES\\ADDR1LINE(#)\r\n"
      "FORMNUM = NOWHERE\r\n"
      "this line has no equals sign\r\n"
      "= PATH WITHOUT TAG\r\n"
      "NOPATH =\r\n"
      "BROKEN = A\\\\B\r\n"
      "HALF# = COMPARABLES\\COMP\r\n"                           // '#' missing in the path
      "AFTERBROKEN = SUBJECT\\BLANK\r\n");
  dom_.LoadAlias(alias);

  const struct {
    const char* tag;
    const char* expected;
  } cases[] = {
      {"CITY", "Springfield"},                 // exact alias, first line wins
      {"COMP(2)SALESPRICE", "200"},            // pattern, digits carried over
      {"COMP(12)SALESPRICE", "1200"},
      {"COMP(0)SALESPRICE", "0"},
      {"COMP(7)SALESPRICE", ""},               // fits, but the order has no comparable 7
      {"COMP2ADDR", "2 Oak St"},
      {"ROW3COL4", "r3c4"},                    // two indexes, in order
      {"ADDR1LINE2", "second address line"},   // a digit in the pattern's own text
      {"FORMNUM", ""},                         // the alias wins even without a value
      {"AFTERBROKEN", " "},                    // malformed lines skipped, reading goes on
      {"PHOTO(2)FILE", "rear.jpg"},            // no alias: read as a path
      {"city", ""},                            // tags are case-sensitive
      {"COMP(X)SALESPRICE", ""},
      {"HALF1", ""},
      {"BROKEN", ""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.tag);
    EXPECT_EQ(dom_.TagValue(c.tag, false), c.expected);
  }
  // The flag skips the alias table.
  EXPECT_EQ(dom_.TagValue("CITY", true), "Shelbyville");
  EXPECT_EQ(dom_.TagValue("COMP(2)SALESPRICE", true), "");

  // The table stays in force for the next document.
  dom_.LoadXml("<ORDER><SUBJECT><CITY>Capital City</CITY></SUBJECT></ORDER>");
  EXPECT_EQ(dom_.TagValue("CITY", false), "Capital City");
}

// A tag's text as a view is the text TagValue gives: read in the document
// for a leaf or an attribute, put together for an element with children,
// found by alias or as a path, and nothing once no document is loaded.
TEST_F(XmlDomTest, TagTextIsTheValueAsAView) {
  dom_.LoadAlias(dir_.Write("global.ali",
                            "CITY = SUBJECT\\CITY\n"
                            "ALLMIXED = SUBJECT\\CDATAMIX\n"
                            "COMP(#)SALESPRICE = COMPARABLES\\COMP(#)\\SALES\\@PRICE\n"
                            "COMP#ADDR=~COMP(#)\\ADDR\n"));
  const char* const tags[] = {"CITY",  "ALLMIXED", "COMP(2)SALESPRICE", "COMP12ADDR", "COMP(7)SALESPRICE",
                              "SUBJECT\\MIXED", "SUBJECT\\NOTE", "SUBJECT\\BLANK", "SUBJECT\\EMPTY",
                              "SUBJECT", "COMPARABLES\\COMP(1)\\SALES\\@PRICE", "PHOTO(2)FILE", "NOSUCH"};
  for (const bool skipAlias : {false, true}) {
    for (const char* tag : tags) {
      SCOPED_TRACE(std::string(tag) + (skipAlias ? " skipping aliases" : ""));
      const std::string value = dom_.TagValue(tag, skipAlias);
      EXPECT_EQ(dom_.TagText(tag, skipAlias), value);
    }
  }
  EXPECT_EQ(dom_.TagText("ALLMIXED", false), "a<b>cdef");
  EXPECT_EQ(dom_.TagText("SUBJECT\\MIXED", false), "abc");  // the next one's own text
  dom_.LoadXml("<ORDER>");
  EXPECT_EQ(dom_.TagText("CITY", false), "");
}

TEST_F(XmlDomTest, AnUnreadableAliasFileRaisesAndLeavesNoTable) {
  dom_.LoadAlias(dir_.Write("global.ali", "CITY = SUBJECT\\CITY\n"));
  auto error = RaisedError([&] { dom_.LoadAlias(dir_.File("missing.ali")); });
  ASSERT_TRUE(error);
  EXPECT_EQ(error->number(), 53);
  EXPECT_EQ(error->source(), "FastXML.XMLDOM");
  EXPECT_EQ(dom_.TagValue("CITY", false), "Shelbyville");
}

TEST_F(XmlDomTest, WhatIsNotAWellFormedDocumentLoadsAsEmpty) {
  std::string deep;
  for (int i = 0; i < 1000; ++i) deep += "<A>";
  deep += "x";
  for (int i = 0; i < 1000; ++i) deep += "</A>";
  std::string fine = "<ORDER>";
  for (int i = 0; i < 200; ++i) fine += "<A>";
  fine += "<FORMNUM>deep</FORMNUM>";
  for (int i = 0; i < 200; ++i) fine += "</A>";
  fine += "</ORDER>";
  std::string huge = "<ORDER><FORMNUM>1004</FORMNUM></ORDER>";
  huge.resize(PugiXmlDom::kMaxDocumentSize + 1, ' ');

  const struct {
    const char* name;
    std::string text;
    const char* limit;  // what LimitReached says; "" when no limit refused the text
  } cases[] = {
      {"not closed", "<ORDER><FORMNUM>1004</FORMNUM>", ""},
      {"two roots", "<ORDER><FORMNUM>1004</FORMNUM></ORDER><ORDER/>", ""},
      {"text after the root", "<ORDER><FORMNUM>1004</FORMNUM></ORDER>trailing", ""},
      {"empty text", "", ""},
      {"plain text", "FORMNUM 1004", ""},
      {"NUL reference", "<ORDER><FORMNUM>10&#0;04</FORMNUM></ORDER>", "holds a NUL character"},
      {"nested too deep", deep, "too deep (more than 256 nested elements)"},
      {"too large", huge, "over the size limit (64 MB)"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const XmlNode oldRoot = dom_.Root();
    dom_.LoadXml(kOrder);
    dom_.LoadXml(c.text);
    EXPECT_EQ(dom_.Root().handle(), nullptr);
    EXPECT_EQ(Path("\\~FORMNUM"), "");
    EXPECT_EQ(dom_.TagValue("CITY", false), "");
    EXPECT_EQ(dom_.Value(oldRoot, "\\~FORMNUM"), "");  // a node of an earlier document
    EXPECT_EQ(dom_.LimitReached(), c.limit);
  }
  dom_.LoadXml(fine);
  EXPECT_EQ(Path("\\~FORMNUM"), "deep");
  EXPECT_EQ(dom_.LimitReached(), "");

  // The limit counts a text as a level below its element: 256 nested
  // elements may hold no text in the innermost.
  for (const bool text : {false, true}) {
    for (const int levels : {255, 256}) {
      SCOPED_TRACE(std::to_string(levels) + (text ? " levels, text inside" : " levels"));
      std::string nested = "<ORDER><FORMNUM>1004</FORMNUM>";
      for (int i = 1; i < levels; ++i) nested += "<A>";
      nested += text ? "x" : "";
      for (int i = 1; i < levels; ++i) nested += "</A>";
      nested += "</ORDER>";
      dom_.LoadXml(nested);
      EXPECT_EQ(Path("\\~FORMNUM"), levels == 256 && text ? "" : "1004");
    }
  }
}

TEST_F(XmlDomTest, NoDtdAndNoExternalEntities) {
  const std::string secret = dir_.Write("secret.txt", "SECRET");
  dom_.LoadXml("<?xml version=\"1.0\"?>\n<!DOCTYPE ORDER [\n"
               "<!ENTITY leak SYSTEM \"file://" + secret + "\">\n"
               "<!ENTITY a \"aaaaaaaaaa\"><!ENTITY b \"&a;&a;&a;&a;&a;&a;&a;&a;&a;&a;\">\n"
               "]>\n<ORDER><X>&leak;</X><Y>&b;</Y><Z>&lt;&#65;&#x42;&amp;</Z></ORDER>");
  EXPECT_EQ(Path("X").find("SECRET"), std::string::npos);
  EXPECT_EQ(Path("Y").find("aaaaaaaaaa"), std::string::npos);
  EXPECT_EQ(Path("Z"), "<AB&");
}

// UTF-16 bytes of ASCII-and-Latin-1 text.
std::string Utf16(const std::string& latin1, bool bigEndian) {
  std::string out = bigEndian ? "\xFE\xFF" : "\xFF\xFE";
  for (char c : latin1) {
    const char unit[2] = {c, '\0'};
    out += bigEndian ? std::string{unit[1], unit[0]} : std::string{unit[0], unit[1]};
  }
  return out;
}

TEST_F(XmlDomTest, ReadsEachEncodingAsUtf8) {
  const std::string cafe = "Caf\xC3\xA9";
  const struct {
    const char* name;
    std::string bytes;
    std::string expected;
  } cases[] = {
      {"UTF-8", "<?xml version=\"1.0\" encoding=\"UTF-8\"?><O><V>Caf\xC3\xA9 \xE2\x80\xA6</V></O>",
       cafe + " \xE2\x80\xA6"},
      {"UTF-8 with byte-order mark", "\xEF\xBB\xBF<O><V>Caf\xC3\xA9</V></O>", cafe},
      {"UTF-16 little-endian", Utf16("<?xml version=\"1.0\" encoding=\"UTF-16\"?><O><V>Caf\xE9</V></O>", false),
       cafe},
      {"UTF-16 big-endian", Utf16("<O><V>Caf\xE9</V></O>", true), cafe},
      {"ISO-8859-1", "<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?><O><V>Caf\xE9</V></O>", cafe},
      {"windows-1252", "<?xml version='1.0' encoding='windows-1252'?><O><V>Caf\xE9 \x93q\x94 \x85</V></O>",
       cafe + " \xE2\x80\x9Cq\xE2\x80\x9D \xE2\x80\xA6"},
      {"undeclared, not UTF-8", "<O><V>Caf\xE9 \x85</V></O>", cafe + " \xE2\x80\xA6"},
      {"undeclared, UTF-8", "<O><V>Caf\xC3\xA9</V></O>", cafe},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    dom_.LoadXml(c.bytes);
    EXPECT_EQ(Path("V"), c.expected);
  }
}

}  // namespace
}  // namespace ombrel
