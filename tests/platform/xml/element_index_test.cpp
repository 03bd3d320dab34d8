#include "platform/xml/element_index.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <string_view>

namespace ombrel {
namespace {

constexpr const char* kDocument =
    "<ORDER>"
    "<COMP N=\"1\"><V>c1</V></COMP>"
    "<COMP N=\"02\"><V>c2</V><COMP N=\"9\"><V>inner9</V></COMP></COMP>"
    "<COMP N=\"2\"><V>c2-again</V></COMP>"
    "<COMP N=\"x7\"><V>cx7</V></COMP>"
    "<COMP N=\"0\"><V>c0</V></COMP>"
    "<COMP><V>plain</V></COMP>"
    "<OTHER><COMP N=\"3\"><V>other3</V></COMP><COMP N=\"9\"><V>other9</V></COMP></OTHER>"
    "</ORDER>";

std::string ValueOf(pugi::xml_node node) { return node ? node.child("V").text().get() : "(none)"; }

TEST(ElementIndexTest, IndexedStepsFindTheFirstElementWhoseNMatches) {
  pugi::xml_document document;
  ASSERT_TRUE(document.load_string(kDocument));
  ElementIndex index;
  index.Build(document);
  const pugi::xml_node order = document.document_element();

  const struct {
    const char* n;  // nullptr: no index
    const char* child;
    const char* below;
  } cases[] = {
      {nullptr, "c1", "c1"},
      {"1", "c1", "c1"},
      {"01", "c1", "c1"},         // leading zeros on either side
      {"2", "c2", "c2"},          // the first in document order of "02" and "2"
      {"002", "c2", "c2"},
      {"0", "c0", "c0"},
      {"00", "c0", "c0"},
      {"x7", "cx7", "cx7"},
      {"X7", "(none)", "(none)"},  // other text compares exactly
      {"7", "(none)", "(none)"},
      {"9", "(none)", "inner9"},   // a grandchild is below but no child
      {"3", "(none)", "other3"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.n ? c.n : "no index");
    const std::optional<std::string_view> n = c.n ? std::optional<std::string_view>(c.n) : std::nullopt;
    EXPECT_EQ(ValueOf(index.FirstChild(order, "COMP", n)), c.child);
    EXPECT_EQ(ValueOf(index.FirstBelow(order, "COMP", n)), c.below);
  }

  // Below an element means inside it, never after it.
  const pugi::xml_node second = index.FirstChild(order, "COMP", "2");
  EXPECT_EQ(ValueOf(index.FirstBelow(second, "COMP", "9")), "inner9");
  EXPECT_EQ(ValueOf(index.FirstBelow(second, "COMP", "3")), "(none)");
  EXPECT_EQ(ValueOf(index.FirstChild(second, "COMP", std::nullopt)), "inner9");
  const pugi::xml_node other = index.FirstChild(order, "OTHER", std::nullopt);
  EXPECT_EQ(ValueOf(index.FirstChild(other, "COMP", "9")), "other9");
  EXPECT_EQ(ValueOf(index.FirstChild(other, "COMP", "1")), "(none)");

  // The document's child is its root; an unknown name finds nothing.
  EXPECT_EQ(index.FirstChild(document, "ORDER", std::nullopt), order);
  EXPECT_FALSE(index.FirstChild(document, "COMP", "1"));
  EXPECT_EQ(ValueOf(index.FirstBelow(document, "COMP", "x7")), "cx7");
  EXPECT_FALSE(index.FirstBelow(order, "NOSUCH", "1"));
}

// However many same-named siblings stand before the one a step asks for, it
// is found without passing them: asking for each of many comparables takes
// work in proportion to their number, not its square.
TEST(ElementIndexTest, IndexedLookupsDoNotScanTheSiblings) {
  constexpr int kSiblings = 60000;
  std::string text = "<ORDER>";
  for (int i = 1; i <= kSiblings; ++i) {
    text += "<COMP N=\"" + std::to_string(i) + "\"><V>" + std::to_string(i) + "</V></COMP>";
  }
  text += "</ORDER>";
  pugi::xml_document document;
  ASSERT_TRUE(document.load_string(text.c_str()));
  ElementIndex index;
  index.Build(document);
  const pugi::xml_node order = document.document_element();

  constexpr int kLookups = 5000;
  int found = 0;
  for (int i = kSiblings; i > kSiblings - kLookups; --i) {
    const std::string n = std::to_string(i);
    found += ValueOf(index.FirstChild(order, "COMP", n)) == n;
    found += ValueOf(index.FirstBelow(order, "COMP", n)) == n;
  }
  EXPECT_EQ(found, 2 * kLookups);
  // At most three binary searches of 60000 entries per lookup, seventeen
  // comparisons each; a scan would pass tens of thousands of siblings.
  EXPECT_LE(index.comparisons(), 2u * kLookups * 3 * 17);
  EXPECT_GT(index.comparisons(), 0u);
}

}  // namespace
}  // namespace ombrel
