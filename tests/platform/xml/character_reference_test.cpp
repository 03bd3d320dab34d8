// Numeric character references through both readers of XML, the order
// document and ENVELOPE.XML. pugixml adds up a reference's digits in 32 bits,
// so a number past 2^32 comes out as another character, a multiple of 2^32
// as a NUL that cuts the value short: both readers refuse such text, and
// read every reference that names a character as that character.
#include <optional>
#include <string>

#include <gtest/gtest.h>

#include "platform/envelope/envelope_listing.h"
#include "platform/xml/pugi_xml_dom.h"

namespace ombrel {
namespace {

constexpr const char* kNul = "holds a NUL character";
constexpr const char* kBeyond = "holds a character reference beyond U+10FFFF";

// The order's form number, "" when the order loads as empty; why says why
// the reader refused it.
std::string FormNumber(const std::string& order, std::string& why) {
  PugiXmlDom dom;
  dom.LoadXml(order);
  why = dom.LimitReached();
  return dom.Value(dom.Root(), "\\~FORMNUM");
}

// The first document's FILENAME; nothing when the listing is refused.
std::optional<std::string> FileName(const std::string& listingXml, std::string& why) {
  why.clear();
  const std::optional<EnvelopeListing> listing = EnvelopeListing::Parse(listingXml, &why);
  if (!listing) return std::nullopt;
  if (listing->Count() != 1) return "(not one document)";
  return listing->Document(0).Attribute("FILENAME");
}

TEST(CharacterReferenceTest, AReferenceReadsAsItsCharacterOrTheTextIsRefused) {
  const struct {
    const char* name;
    const char* reference;
    const char* character;  // what it reads as; nullptr when it is refused
    const char* why;        // the refusal, "" when it is read
  } cases[] = {
      {"decimal", "&#65;", "A", ""},
      {"hex", "&#x41;", "A", ""},
      {"hex in capitals", "&#xE9;", "\xC3\xA9", ""},
      {"leading zeros past 32 bits of digits", "&#x00000000000000000041;", "A", ""},
      {"decimal leading zeros", "&#0000000000000000000065;", "A", ""},
      {"the last code point, hex", "&#x10FFFF;", "\xF4\x8F\xBF\xBF", ""},
      {"the last code point, decimal", "&#1114111;", "\xF4\x8F\xBF\xBF", ""},
      {"a capital X is no reference", "&#X0;", "&#X0;", ""},
      {"no semicolon is no reference", "&#4294967296", "&#4294967296", ""},
      {"no digits is no reference", "&#x;", "&#x;", ""},
      {"NUL", "&#0;", nullptr, kNul},
      {"NUL in hex", "&#x0;", nullptr, kNul},
      {"2^32", "&#4294967296;", nullptr, kNul},
      {"2^33", "&#8589934592;", nullptr, kNul},
      {"2^32 in hex", "&#x100000000;", nullptr, kNul},
      {"2^64, 0 in 32 bits and in 64", "&#18446744073709551616;", nullptr, kNul},
      {"2^64 in hex", "&#x10000000000000000;", nullptr, kNul},
      {"2^32 + 65, read as A", "&#4294967361;", nullptr, kBeyond},
      {"2^32 + 0x41 in hex", "&#x100000041;", nullptr, kBeyond},
      {"2^32 + 47, read as a slash", "&#4294967343;", nullptr, kBeyond},
      {"one past the last code point", "&#x110000;", nullptr, kBeyond},
      {"one past the last code point, decimal", "&#1114112;", nullptr, kBeyond},
      {"the largest 32-bit number", "&#xFFFFFFFF;", nullptr, kBeyond},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    std::string why;
    const std::string formNumber =
        FormNumber(std::string("<ORDER><FORMNUM>1004") + c.reference + "</FORMNUM></ORDER>", why);
    EXPECT_EQ(formNumber, c.character == nullptr ? "" : std::string("1004") + c.character);
    EXPECT_EQ(why, c.why);

    const std::optional<std::string> fileName = FileName(
        std::string("<ENVELOPE><DOCUMENT GUID=\"G1\" EXT=\".xml\" FILENAME=\"order.xml") + c.reference +
            ".exe\"/></ENVELOPE>",
        why);
    if (c.character == nullptr) {
      EXPECT_EQ(fileName, std::nullopt);
      EXPECT_EQ(why, std::string("ENVELOPE.XML ") + c.why);
    } else {
      EXPECT_EQ(fileName, std::string("order.xml") + c.character + ".exe");
    }
  }
}

// Every "@" of text replaced by reference.
std::string WithReference(std::string text, const std::string& reference) {
  for (std::size_t at = text.find('@'); at != std::string::npos; at = text.find('@', at + reference.size())) {
    text.replace(at, 1, reference);
  }
  return text;
}

// References are expanded in character data and attribute values only:
// the same text in a comment, a CDATA section, a processing instruction or
// the document type declaration is kept or skipped as written.
TEST(CharacterReferenceTest, OnlyAReferenceThatIsExpandedIsJudged) {
  const struct {
    const char* name;
    const char* prolog;  // before the root element; "@" stands for the reference
    const char* inside;  // first in the root element
    bool refused;
  } cases[] = {
      {"in character data", "", "x@", true},
      {"in an attribute value", "", "<A B='@'/>", true},
      {"in character data after a comment", "", "<!-- a -->@", true},
      {"after an attribute value that looks like a comment's start", "", "<A B=\"<!--\"/>@<A B=\"-->\"/>", true},
      {"after an attribute value holding '>'", "", "<A B='>' C='@'/>", true},
      {"after an attribute value holding '>' and a comment's start", "", "<A B=\"><!--\"/>@<A B=\"-->\"/>", true},
      {"in a comment", "", "<!-- @ -->", false},
      {"in a CDATA section", "", "<A><![CDATA[@]]></A>", false},
      {"in a processing instruction", "<?pi @?>", "", false},
      {"in the XML declaration", "<?xml version=\"1.0\" encoding='@'?>", "", false},
      {"in the document type declaration", "<!DOCTYPE R [<!ENTITY e \"@\"><!-- @ --><?pi @?>]>", "", false},
  };
  for (const char* reference : {"&#0;", "&#4294967296;"}) {
    for (const auto& c : cases) {
      SCOPED_TRACE(std::string(c.name) + ", " + reference);
      const std::string prolog = WithReference(c.prolog, reference);
      const std::string inside = WithReference(c.inside, reference);
      std::string why;
      const std::string formNumber = FormNumber(prolog + "<ORDER>" + inside + "<FORMNUM>1004</FORMNUM></ORDER>", why);
      EXPECT_EQ(formNumber, c.refused ? "" : "1004");
      EXPECT_EQ(why, c.refused ? kNul : "");

      const std::optional<std::string> fileName =
          FileName(prolog + "<ENVELOPE>" + inside + "<DOCUMENT GUID=\"G1\" FILENAME=\"order.xml\"/></ENVELOPE>", why);
      EXPECT_EQ(fileName, c.refused ? std::nullopt : std::optional<std::string>("order.xml"));
      EXPECT_EQ(why, c.refused ? std::string("ENVELOPE.XML ") + kNul : "");
    }
  }
}

}  // namespace
}  // namespace ombrel
