#include "platform/element_index.h"

#include <gtest/gtest.h>

#include <chrono>
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
// time in proportion to their number, not its square.
// Keys are compared by their first eight bytes first: keys that share them,
// or differ only past them or in length, must each still find their own.
TEST(ElementIndexTest, KeysSharingTheirFirstEightBytesAreToldApart) {
  const char* const keys[] = {"ABCDEFGHJ", "ABCDEFGH", "ABCDEFGHIJKLMNOQ", "ABCDEFG",
                              "ABCDEFGHI", "ABCDEFGHIJKLMNOP", "1234567890", "12345678",
                              "123456789", "A", "AB"};
  std::string text = "<ORDER>";
  for (const char* key : keys) text += std::string("<COMP N=\"") + key + "\"><V>" + key + "</V></COMP>";
  text += "</ORDER>";
  pugi::xml_document document;
  ASSERT_TRUE(document.load_string(text.c_str()));
  ElementIndex index;
  index.Build(document);
  const pugi::xml_node order = document.document_element();
  for (const char* key : keys) {
    SCOPED_TRACE(key);
    EXPECT_EQ(ValueOf(index.FirstChild(order, "COMP", key)), key);
    EXPECT_EQ(ValueOf(index.FirstBelow(order, "COMP", key)), key);
  }
  for (const char* absent : {"ABCDEFGHK", "ABCDEFGHIJKLMNOR", "ABCDEF", "1234567", "12345678901", "ABC"}) {
    SCOPED_TRACE(absent);
    EXPECT_EQ(ValueOf(index.FirstChild(order, "COMP", absent)), "(none)");
    EXPECT_EQ(ValueOf(index.FirstBelow(order, "COMP", absent)), "(none)");
  }
}

// The last numbered step is remembered: a step asked right after one that
// differs from it in a single part (child or below, where from, the name, the
// number as written) must not be answered with the other's element.
TEST(ElementIndexTest, ANumberedStepRightAfterAnotherFindsItsOwnElement) {
  constexpr const char* kText =
      "<ORDER>"
      "<COMP N=\"1\"><V>c1</V><COMP N=\"2\"><V>inner2</V></COMP></COMP>"
      "<COMP N=\"2\"><V>c2</V></COMP>"
      "<COMPS N=\"1\"><V>s1</V></COMPS>"
      "<OTHER><COMP N=\"1\"><V>other1</V></COMP></OTHER>"
      "</ORDER>";
  pugi::xml_document document;
  ASSERT_TRUE(document.load_string(kText));
  ElementIndex index;
  index.Build(document);
  const pugi::xml_node order = document.document_element();
  const pugi::xml_node first = index.FirstChild(order, "COMP", "1");
  const pugi::xml_node other = index.FirstChild(order, "OTHER", std::nullopt);
  ASSERT_EQ(ValueOf(first), "c1");

  const struct {
    bool below;
    pugi::xml_node from;
    const char* name;
    const char* n;
    const char* expected;
  } steps[] = {
      {false, order, "COMP", "2", "c2"},
      {true, order, "COMP", "2", "inner2"},      // below, not child
      {true, first, "COMP", "2", "inner2"},      // from another element
      {false, first, "COMP", "2", "inner2"},
      {false, other, "COMP", "2", "(none)"},
      {false, other, "COMP", "1", "other1"},     // another number
      {false, order, "COMP", "1", "c1"},         // from the root again
      {false, order, "COMP", "01", "c1"},        // the same number written otherwise
      {false, order, "COMPS", "01", "s1"},       // another name
      {false, order, "COMP", "01", "c1"},
      {false, order, "COMP", "01", "c1"},        // the same step twice
      {false, order, "NOSUCH", "01", "(none)"},  // a name the document lacks
      {false, order, "COMP", "01", "c1"},
      {false, order, "COMP", "x", "(none)"},     // a number no element has
      {false, order, "COMP", "x", "(none)"},
      {false, order, "COMP", nullptr, "c1"},     // no number
      {false, order, "COMP", "2", "c2"},
  };
  for (std::size_t i = 0; i < std::size(steps); ++i) {
    const auto& step = steps[i];
    SCOPED_TRACE("step " + std::to_string(i));
    const std::optional<std::string_view> n =
        step.n ? std::optional<std::string_view>(step.n) : std::nullopt;
    const pugi::xml_node found =
        step.below ? index.FirstBelow(step.from, step.name, n) : index.FirstChild(step.from, step.name, n);
    EXPECT_EQ(ValueOf(found), step.expected);
  }

  // A new document forgets the last step: the same step finds the new
  // document's element.
  pugi::xml_document next;
  ASSERT_TRUE(next.load_string("<ORDER><COMP N=\"1\"><V>c1</V></COMP><COMP N=\"2\"><V>next2</V></COMP></ORDER>"));
  index.Build(next);
  EXPECT_EQ(ValueOf(index.FirstChild(next.document_element(), "COMP", "2")), "next2");
  EXPECT_EQ(ValueOf(index.FirstChild(next.document_element(), "COMP", "2")), "next2");
}

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

  const auto start = std::chrono::steady_clock::now();
  int found = 0;
  for (int i = kSiblings; i > kSiblings - 5000; --i) {
    const std::string n = std::to_string(i);
    found += ValueOf(index.FirstChild(order, "COMP", n)) == n;
    found += ValueOf(index.FirstBelow(order, "COMP", n)) == n;
  }
  const auto took = std::chrono::steady_clock::now() - start;
  EXPECT_EQ(found, 2 * 5000);
  // A scan would pass 5000 x 60000 elements twice over: many seconds.
  EXPECT_LT(took, std::chrono::seconds(1));
}

}  // namespace
}  // namespace ombrel
