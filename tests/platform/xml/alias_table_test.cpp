#include "platform/xml/alias_table.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

namespace ombrel {
namespace {

// Each line leads to an element of its own, so the value found tells which
// line fitted and which digits each index took.
TEST(AliasTableTest, TheFirstFittingLineWinsWhateverDigitsItsTextHolds) {
  const AliasTable table = AliasTable::Parse(
      "A1#B = V\\L1(#)\n"     // a digit before the index
      "A#2B = V\\L2(#)\n"     // a digit after it
      "A#B = V\\L3(#)\n"      // no digit of its own
      "A12B = V\\L4\n"        // exact: always wins
      "C3D# = V\\L5(#)\n"     // a run of fixed digits, then an index in another run
      "C#D# = V\\L6(#)\\I(#)\n"
      "E#0# = V\\L7(#)\\I(#)\n"
      "E## = V\\L8(#)\\I(#)\n");
  pugi::xml_document document;
  ASSERT_TRUE(document.load_string(
      "<V><L1 N=\"3\">1:3</L1><L1 N=\"23\">1:23</L1><L2 N=\"5\">2:5</L2><L3 N=\"7\">3:7</L3>"
      "<L3 N=\"1\">3:1</L3><L3 N=\"13\">3:13</L3><L4>4</L4><L5 N=\"8\">5:8</L5>"
      "<L6 N=\"4\"><I N=\"8\">6:4:8</I></L6><L7 N=\"1\"><I N=\"2\">7:1:2</I></L7>"
      "<L8 N=\"1\"><I N=\"2\">8:1:2</I></L8><L8 N=\"2\"><I N=\"3\">8:2:3</I></L8></V>"));
  ElementIndex index;
  index.Build(document);
  const auto value = [&](const std::string& tag) {
    std::optional<XmlPath> storage;
    const XmlPath* path = table.Find(tag, storage);
    return path == nullptr ? std::string("(none)") : path->Evaluate(document, index);
  };
  const struct {
    const char* tag;
    const char* value;
  } cases[] = {
      {"A13B", "1:3"},    // lines 1 and 3 fit: the first wins
      {"A123B", "1:23"},
      {"A52B", "2:5"},    // lines 2 and 3 fit
      {"A12B", "4"},      // the exact line
      {"A7B", "3:7"},
      {"A1B", "3:1"},     // too short for the fixed digit and an index
      {"C3D8", "5:8"},
      {"C4D8", "6:4:8"},
      {"E102", "7:1:2"},  // 1 | 0 | 2
      {"E12", "8:1:2"},
      {"E23", "8:2:3"},
      {"A#B", "(none)"},  // a '#' in a tag is no index
      {"AB", "(none)"},
      {"X1", "(none)"},
      {"Z9", "(none)"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.tag);
    EXPECT_EQ(value(c.tag), c.value);
  }
}

// A table of many lines with digits in their own text answers each tag
// without trying the lines one by one.
TEST(AliasTableTest, ManyLinesWithDigitsDoNotSlowEachLookup) {
  constexpr int kLines = 100000;
  std::string text;
  for (int i = 0; i < kLines; ++i) {
    text += "COMP" + std::to_string(i) + "X# = A\\B(#)\n";
    text += "PHOTO#" + std::to_string(i) + " = A\\C(#)\n";
  }
  const AliasTable table = AliasTable::Parse(text);
  EXPECT_EQ(table.size(), 2u * kLines);

  constexpr int kLookups = 3 * 5000;
  int found = 0;
  for (int i = 0; i < 5000; ++i) {
    std::optional<XmlPath> storage;
    found += table.Find("COMP" + std::to_string(kLines - 1 - i) + "X5", storage) != nullptr;
    found += table.Find("PHOTO5" + std::to_string(kLines - 1 - i), storage) != nullptr;
    found += table.Find("COMP(" + std::to_string(i) + ")X5", storage) != nullptr;
  }
  EXPECT_EQ(found, 2 * 5000);
  // At most one line per lookup: the first line whose fixed digits the tag
  // has fits it. Trying every line would be 15000 x 200000 attempts.
  EXPECT_LE(table.linesTried(), static_cast<std::size_t>(kLookups));
  EXPECT_GT(table.linesTried(), 0u);
}

// A tag is looked up by its shape (its text with each run of digits as one
// '#'): whatever the length of the text around its runs and whatever bytes
// stand beside the digits, a tag that fits a line is found, and the same tag
// without a digit or with other text is not.
TEST(AliasTableTest, ATagFitsItsPatternWhereverItsDigitsStand) {
  const std::string front = "ABCDEFGHIJKLMNOPQR";
  const std::string back = "abcdefghijklmnopqr";
  struct Line {
    std::vector<std::string> parts;  // the text around each '#'
  };
  std::vector<Line> lines;
  for (std::size_t f = 0; f <= front.size(); ++f) {
    for (std::size_t b = 0; b <= back.size(); ++b) lines.push_back({{front.substr(0, f), back.substr(0, b)}});
  }
  for (std::size_t m = 0; m <= 17; m += 1) {
    lines.push_back({{"X", front.substr(0, m) + "_", "Y"}});
    lines.push_back({{"", back.substr(0, m) + "-", "/:", ""}});
  }
  // Bytes next to the digits' own: '/' and ':', and the second bytes of
  // UTF-8 letters, 0xB0 to 0xB9.
  lines.push_back({{"\xC3\xB0/", ":\xC3\xB9", "\xC3\xB1"}});
  lines.push_back({{"", ":\xC3\xB9\xC3\xB9\xC3\xB9\xC3\xB9/"}});

  std::string text;
  for (const Line& line : lines) {
    std::string tag = line.parts[0];
    std::string path = "P";
    for (std::size_t i = 1; i < line.parts.size(); ++i) {
      tag += "#" + line.parts[i];
      path += "\\I(#)";
    }
    text += tag + " = " + path + "\n";
  }
  const AliasTable table = AliasTable::Parse(text);
  ASSERT_EQ(table.size(), lines.size());

  for (const Line& line : lines) {
    for (const std::string digits : {"7", "42", "0012345"}) {
      std::string tag = line.parts[0];
      std::string undigited = line.parts[0];
      std::string altered = line.parts[0];
      for (std::size_t i = 1; i < line.parts.size(); ++i) {
        tag += digits + line.parts[i];
        undigited += line.parts[i];
        altered += digits + "~" + line.parts[i];
      }
      SCOPED_TRACE(tag);
      std::optional<XmlPath> storage;
      EXPECT_NE(table.Find(tag, storage), nullptr);
      EXPECT_EQ(table.Find(undigited, storage), nullptr);
      EXPECT_EQ(table.Find(altered, storage), nullptr);
    }
  }
}

}  // namespace
}  // namespace ombrel
