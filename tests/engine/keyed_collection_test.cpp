#include "engine/keyed_collection.h"

#include <gtest/gtest.h>

#include "engine/text_compare.h"
#include "platform/errors/error.h"

namespace ombrel {
namespace {

TEST(KeyedCollectionTest, KeysMatchWithoutRegardToCase) {
  KeyedCollection collection;
  collection.Add("5", "a2");
  EXPECT_EQ(collection.Item("A2"), "5");
  EXPECT_EQ(collection.Item("a2"), "5");
  EXPECT_FALSE(collection.Item("2").has_value());
  EXPECT_EQ(collection.Count(), 1u);
}

TEST(KeyedCollectionTest, DuplicateKeyRaises457AndKeepsTheFirstItem) {
  KeyedCollection collection;
  collection.Add("5", "2");
  try {
    collection.Add("7", "2");
    FAIL() << "a second item under the same key was accepted";
  } catch (const Error& error) {
    EXPECT_EQ(error.number(), 457);
    EXPECT_EQ(error.description(),
              "This key is already associated with an element of this collection.");
  }
  EXPECT_EQ(collection.Item("2"), "5");
  EXPECT_EQ(collection.Count(), 1u);

  // Keys differing only in the case of an accented letter are one key.
  collection.Add("8", "\xC3\xA9t\xC3\xA9");
  EXPECT_THROW(collection.Add("9", "\xC3\x89T\xC3\x89"), Error);
  EXPECT_EQ(collection.Item("\xC3\x89T\xC3\x89"), "8");
}

TEST(KeyedCollectionTest, RemoveTakesTheItemAwayAndAMissingKeyIsNoError) {
  KeyedCollection collection;
  collection.Add("5", "2");
  collection.Add("6", "3");
  EXPECT_FALSE(collection.Remove("9"));
  EXPECT_TRUE(collection.Remove("2"));
  EXPECT_FALSE(collection.Contains("2"));
  EXPECT_EQ(collection.Item("3"), "6");
  EXPECT_EQ(collection.Count(), 1u);
  collection.Add("7", "2");  // the key is free again
  EXPECT_EQ(collection.Item("2"), "7");
}

TEST(TextCompareTest, FoldsTheLettersOfTheOrderCodePage) {
  struct Case {
    const char* a;
    const char* b;
    bool same;
  };
  const Case cases[] = {
      {"MN", "mn", true},
      {"Additional Comments", "ADDITIONAL COMMENTS", true},
      {"ADDITIONAL_COMMENTS", "ADDITIONAL COMMENTS", false},
      {"", "", true},
      {"", " ", false},
      {"MN", "MN ", false},
      {"caf\xC3\xA9", "CAF\xC3\x89", true},        // e acute
      {"\xC3\xBF", "\xC5\xB8", true},              // y with diaeresis
      {"\xC5\xA1", "\xC5\xA0", true},              // s with caron
      {"\xC3\xB7", "\xC3\x97", false},             // division and multiplication signs
      {"2", "02", false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.a) + " / " + c.b);
    EXPECT_EQ(SameText(c.a, c.b), c.same);
  }
}

}  // namespace
}  // namespace ombrel
