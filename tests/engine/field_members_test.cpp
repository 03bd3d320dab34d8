// The field-writing members inside a real translation: which of them write
// nothing and which an empty text, exact and case-blind comparisons, and the
// errors they report themselves or pass to Translate.
#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "member_fixture.h"

namespace ombrel::testing::enginetest {
namespace {

using Fields = std::vector<std::pair<std::string, std::string>>;
using Boxes = std::vector<std::string>;

class FieldMembersTest : public MemberTest {
 protected:
  // Every field written on the main form, in first-written order.
  Fields MainFields() const {
    const FakeFormRecord* form = report().Form("UA2");
    return form == nullptr ? Fields{} : form->fields;
  }
};

constexpr const char* kNotSet = "Object variable or With block variable not set";

TEST_F(FieldMembersTest, SetAliasWritesOnlyAValueAndSaysSo) {
  tags = {{"BLANK", " "}, {"NAME", "Smith"}};
  std::vector<bool> results;
  ASSERT_TRUE(Run([&](XmlEngine& e) {
    e.WriteDirect("1|1", "kept");
    results.push_back(e.SetAlias("ABSENT", "1|1"));
    results.push_back(e.SetAlias("BLANK", "2|1"));
    results.push_back(e.SetAlias("NAME", "3|1"));
  }));
  EXPECT_EQ(results, (std::vector<bool>{false, true, true}));
  EXPECT_EQ(MainFields(), (Fields{{"1|1", "kept"}, {"2|1", " "}, {"3|1", "Smith"}}));
  EXPECT_TRUE(ui.boxes.empty());
}

TEST_F(FieldMembersTest, CheckAliasTicksAtMostOneBoxByExactValue) {
  struct Case {
    const char* name;
    std::optional<std::string> value;
    std::string fieldTag;
    TextList pairs;
    Fields ticked;
  };
  const Case cases[] = {
      {"the field's own value", "YES", "YES", {"19|2", "NO"}, {{"19|1", "X"}}},
      {"a listed value", "NO", "YES", {"19|2", "NO"}, {{"19|2", "X"}}},
      {"small letters", "yes", "YES", {"19|2", "NO"}, {}},
      {"a blank before", " NO", "YES", {"19|2", "NO"}, {}},
      {"no value, no list", std::nullopt, "YES", {}, {}},
      {"no value matches an empty field value", std::nullopt, "", {"19|2", "NO"}, {{"19|1", "X"}}},
      {"no value matches an empty listed value", std::nullopt, "YES", {"19|2", ""},
       {{"19|2", "X"}}},
      {"the same value twice", "A", "B", {"20|1", "A", "20|2", "A"}, {{"20|1", "X"}}},
      {"a match before an odd tail", "NO", "YES", {"19|2", "NO", "19|3"}, {{"19|2", "X"}}},
      {"the last of five pairs", "E", "Z",
       {"1|2", "A", "1|3", "B", "1|4", "C", "1|5", "D", "1|6", "E"}, {{"1|6", "X"}}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    tags.clear();
    if (c.value) tags["TICK"] = *c.value;
    ASSERT_TRUE(Run([&](XmlEngine& e) { e.CheckAlias("TICK", "19|1", c.fieldTag, c.pairs); }));
    EXPECT_EQ(MainFields(), c.ticked);
  }
  EXPECT_TRUE(ui.boxes.empty());
}

TEST_F(FieldMembersTest, CheckAliasWithAnOddPairListReportsError9Inside) {
  tags = {{"TICK", "NO"}, {"NAME", "Smith"}};
  ui.AnswerBox(MsgResult::kCancel);
  ui.AnswerBox(MsgResult::kRetry);
  ASSERT_TRUE(Run([&](XmlEngine& e) {
    e.CheckAlias("TICK", "19|1", "YES", {"19|2"});
    e.CheckAlias("TICK", "19|1", "YES", {"19|3", "MAYBE", "19|4"});
    e.SetAlias("NAME", "1|1");  // the table goes on either way
  }));
  const std::string box = ReporterBox("Error 9 in XmlReader::CheckAlias:\nSubscript out of range",
                                      "Ombrel");
  EXPECT_EQ(Render(ui.boxes), (Boxes{box, box}));
  EXPECT_EQ(MainFields(), (Fields{{"1|1", "Smith"}}));
  EXPECT_EQ(LogLines(), (std::vector<LogLine>{
                            ErrorLine("Error 9 in XmlReader::CheckAlias [Ombrel]: Subscript out of range"),
                            ErrorLine("Error 9 in XmlReader::CheckAlias [Ombrel]: Subscript out of range")}));
}

TEST_F(FieldMembersTest, CombineJoinsTheValuesPresentAndAlwaysWrites) {
  struct Case {
    const char* name;
    std::map<std::string, std::string> values;
    std::string delimiter;
    std::string written;
  };
  const Case cases[] = {
      {"all three", {{"A", "a"}, {"B", "b"}, {"C", "c"}}, " / ", "a / b / c"},
      {"first absent", {{"B", "b"}, {"C", "c"}}, " / ", "b / c"},
      {"middle absent", {{"A", "a"}, {"C", "c"}}, ", #", "a, #c"},
      {"last absent", {{"A", "a"}, {"B", "b"}}, "  ", "a  b"},
      {"only the last", {{"C", "c"}}, "/", "c"},
      {"all absent", {}, " / ", ""},
      {"a blank is a value", {{"A", " "}, {"C", "c"}}, ",", " ,c"},
      {"carriage return", {{"A", "line 1"}, {"B", "line 2"}}, "\r", "line 1\rline 2"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    tags = c.values;
    ASSERT_TRUE(Run([&](XmlEngine& e) { e.Combine("5|1", c.delimiter, 1, {"A", "B", "C"}); }));
    EXPECT_EQ(MainFields(), (Fields{{"5|1", c.written}}));
  }
}

TEST_F(FieldMembersTest, CombineWithoutTagsReportsError9AndRetryStillWrites) {
  ui.AnswerBox(MsgResult::kRetry);
  ui.AnswerBox(MsgResult::kCancel);
  ASSERT_TRUE(Run([&](XmlEngine& e) {
    e.Combine("5|1", " ", 0, {});
    e.Combine("6|1", " ", 0, {});
  }));
  const std::string box =
      ReporterBox("Error 9 in XmlReader::Combine:\nSubscript out of range", "Ombrel");
  EXPECT_EQ(Render(ui.boxes), (Boxes{box, box}));
  EXPECT_EQ(MainFields(), (Fields{{"5|1", ""}}));
}

TEST_F(FieldMembersTest, CompareWritesOneValueOrBothWhenTheyDifferInMoreThanCase) {
  struct Case {
    std::optional<std::string> one;
    std::optional<std::string> two;
    std::string delimiter;
    std::string written;
  };
  const Case cases[] = {
      {"MN", "mn", "/", "MN"},
      {"MN", "WI", "/", "MN/WI"},
      {"12345", "67890", "\xE2\x80\xA6", "12345\xE2\x80\xA6" "67890"},
      {std::nullopt, "WI", "/", "/WI"},
      {"MN", std::nullopt, "/", "MN/"},
      {std::nullopt, std::nullopt, "/", ""},
      {"MN", "MN", "", "MN"},
      {"MN", "WI", "", "MNWI"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.written);
    tags.clear();
    if (c.one) tags["ONE"] = *c.one;
    if (c.two) tags["TWO"] = *c.two;
    ASSERT_TRUE(Run([&](XmlEngine& e) { e.Compare("ONE", "TWO", "7|1", c.delimiter); }));
    EXPECT_EQ(MainFields(), (Fields{{"7|1", c.written}}));
  }
}

TEST_F(FieldMembersTest, ParsePhoneSplitsAreaCodeAndNumber) {
  struct Case {
    std::optional<std::string> value;
    Fields written;  // area code at 8|1, number at 8|2
  };
  const Case cases[] = {
      {"(612) 555-0100", {{"8|1", "612"}, {"8|2", "555-0100"}}},
      {"612-555-0100", {{"8|1", "612"}, {"8|2", "555-0100"}}},
      {"555-0100", {{"8|2", "555-0100"}}},
      {"(612 555-0100", {{"8|2", "(612 555-0100"}}},
      {"(612)555-0100  ", {{"8|1", "612"}, {"8|2", "555-0100"}}},
      {"1-612-555-0100", {{"8|1", "1"}, {"8|2", "612-555-0100"}}},
      {"Call (612) 555-0100", {{"8|1", "612"}, {"8|2", "555-0100"}}},
      {"612) 555-0100", {{"8|2", "612) 555-0100"}}},
      {"()", {{"8|1", ""}, {"8|2", ""}}},
      {std::nullopt, {}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.value.value_or("absent"));
    tags.clear();
    if (c.value) tags["PHONE"] = *c.value;
    ASSERT_TRUE(Run([&](XmlEngine& e) { e.ParsePhone("PHONE", "8|1", "8|2"); }));
    EXPECT_EQ(MainFields(), c.written);
  }
}

TEST_F(FieldMembersTest, ParseAddressBuildsTheLineFromThePartsPresent) {
  struct Case {
    const char* name;
    std::map<std::string, std::string> values;
    std::string streetTag;
    std::string defaultTag;
    std::string written;
  };
  const std::map<std::string, std::string> full{
      {"STREET", "12 Oak St"}, {"CITY", "Ames"}, {"STATE", "IA"}, {"ZIP", "50010"}};
  const Case cases[] = {
      {"full address", full, "STREET", "", "12 Oak St, Ames, IA  50010"},
      {"city and zip only", {{"CITY", "Ames"}, {"ZIP", "50010"}}, "", "", "Ames  50010"},
      {"no street tag", full, "", "", "Ames, IA  50010"},
      {"street tag without value", {{"CITY", "Ames"}, {"STATE", "IA"}}, "STREET", "", "Ames, IA"},
      {"street and zip", {{"STREET", "12 Oak St"}, {"ZIP", "50010"}}, "STREET", "",
       "12 Oak St  50010"},
      {"zip only", {{"ZIP", "50010"}}, "STREET", "", "50010"},
      {"nothing", {}, "STREET", "", ""},
      {"a default with a value wins", {{"CITY", "Ames"}, {"DEFAULT", "As on file"}}, "", "DEFAULT",
       "As on file"},
      {"an empty default is no default", full, "STREET", "DEFAULT", "12 Oak St, Ames, IA  50010"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    tags = c.values;
    ASSERT_TRUE(Run([&](XmlEngine& e) {
      e.ParseAddress("4|1", "CITY", "STATE", "ZIP", c.streetTag, c.defaultTag);
    }));
    EXPECT_EQ(MainFields(), (Fields{{"4|1", c.written}}));
  }
}

TEST_F(FieldMembersTest, ParseExtendedWritesTheMainFormOrTheCommentAddendum) {
  tags = {{"DESC", "Long description"}};
  ASSERT_TRUE(Run([&](XmlEngine& e) {
    e.ParseExtended("DESC", "23|2", true);
    e.ParseExtended("DESC", "27|1", false);
    e.ParseExtended("ABSENT", "31|2", true);
    e.ParseExtended("ABSENT", "31|2", false);
  }));
  EXPECT_EQ(MainFields(), (Fields{{"23|2", "Long description"}}));
  const FakeFormRecord* comments = report().Form("Extended_Comments");
  ASSERT_NE(comments, nullptr);
  EXPECT_EQ(comments->fields, (Fields{{"27|1", "Long description"}}));
  EXPECT_TRUE(comments->titles.empty());
}

TEST_F(FieldMembersTest, ParseExtendedWithoutTheCommentAddendumWritesNothingAndRaisesNothing) {
  components.reportBehaviour.refusedForms = {"Extended_Comments"};
  tags = {{"DESC", "Long description"}};
  ASSERT_TRUE(Run([&](XmlEngine& e) { e.ParseExtended("DESC", "27|1", false); }));
  EXPECT_TRUE(MainFields().empty());
  EXPECT_TRUE(ui.boxes.empty());
  EXPECT_EQ(LogLines(),
            (std::vector<LogLine>{WarningLine("Unable to create extended comments addendum.")}));
}

TEST_F(FieldMembersTest, DirectReadsAndWrites) {
  tags = {{"NAME", "Smith"}};
  std::vector<std::string> read;
  ASSERT_TRUE(Run([&](XmlEngine& e) {
    e.WriteDirect("1|1", "");
    e.WriteDirect("LENDERCLIENTSTREET", " ");  // a tag where an address stands
    read.push_back(e.ReadDirect("NAME"));
    read.push_back(e.ReadDirect("ABSENT"));
    read.push_back(e.ReadExtendedDirect("NAME"));
    e.LoadSignature(1, 1, "NAME");
  }));
  EXPECT_EQ(read, (std::vector<std::string>{"Smith", "", ""}));
  EXPECT_EQ(MainFields(), (Fields{{"1|1", ""}, {"LENDERCLIENTSTREET", " "}}));
}

TEST_F(FieldMembersTest, LicensingTellsWhichNumberTheOrderHolds) {
  struct Case {
    int16_t index;
    std::map<std::string, std::string> values;
    int32_t expected;
  };
  const Case cases[] = {
      {1, {{"APPRAISERSTATELICNUM", "L1"}}, -1},
      {1, {{"APPRAISERSTATECERTNUM", "C1"}}, 0},
      {1, {{"APPRAISERSTATELICNUM", "L1"}, {"APPRAISERSTATECERTNUM", "C1"}}, -2},
      {1, {}, -2},
      {1, {{"SUPAPPRAISERSTATELICNUM", "L2"}}, -2},
      {2, {{"SUPAPPRAISERSTATELICNUM", "L2"}}, -1},
      {2, {{"SUPAPPRAISERSTATECERTNUM", "C2"}}, 0},
      {2, {{"APPRAISERSTATECERTNUM", "C1"}}, -2},
      {3, {{"APPRAISERSTATELICNUM", "L1"}, {"SUPAPPRAISERSTATELICNUM", "L2"}}, -2},
      {0, {{"APPRAISERSTATELICNUM", "L1"}}, -2},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.index);
    tags = c.values;
    int32_t result = 99;
    ASSERT_TRUE(Run([&](XmlEngine& e) { result = e.Licensing(c.index); }));
    EXPECT_EQ(result, c.expected);
  }
}

TEST_F(FieldMembersTest, MembersWithAHandlerReportAndTheTableGoesOn) {
  components.reportBehaviour.refusedForms = {"NOFORM"};
  tags = {{"NAME", "Smith"}, {"A", "a"}, {"PHONE", "555-0100"}};
  std::vector<bool> results;
  std::vector<std::string> reached;
  ui.AnswerBox(MsgResult::kCancel);  // SetAlias
  ui.AnswerBox(MsgResult::kRetry);   // SetAlias: goes on, so True
  ui.AnswerBox(MsgResult::kCancel);  // Combine
  ui.AnswerBox(MsgResult::kCancel);  // Compare
  ui.AnswerBox(MsgResult::kCancel);  // ParseAddress
  ui.AnswerBox(MsgResult::kRetry);   // Translate, for ParsePhone: on with AppendAddenda
  ASSERT_TRUE(Run(
      [&](XmlEngine& e) {
        results.push_back(e.SetForm("NOFORM"));  // refused: no current form from here on
        results.push_back(e.SetAlias("NAME", "1|1"));
        results.push_back(e.SetAlias("NAME", "1|1"));
        results.push_back(e.SetAlias("ABSENT", "1|1"));  // nothing to write: no error
        e.CheckAlias("ABSENT", "2|1", "YES", {});        // likewise
        e.Combine("3|1", " ", 0, {"A"});
        e.Compare("A", "A", "3|2", "/");
        e.ParseAddress("4|1", "A", "B", "C", "", "");
        reached.push_back("before ParsePhone");
        e.ParsePhone("PHONE", "8|1", "8|2");  // no handler: ends the table
        reached.push_back("after ParsePhone");
      },
      [&](XmlEngine&) { reached.push_back("AppendAddenda"); }));
  EXPECT_EQ(results, (std::vector<bool>{false, false, true, false}));
  EXPECT_EQ(reached, (std::vector<std::string>{"before ParsePhone", "AppendAddenda"}));
  auto reporter = [](const std::string& member) {
    return ReporterBox("Error 91 in XmlReader::" + member + ":\n" + kNotSet, "Ombrel");
  };
  EXPECT_EQ(Render(ui.boxes),
            (Boxes{reporter("SetAlias"), reporter("SetAlias"),
                   reporter("Combine"), reporter("Compare"), reporter("ParseAddress"),
                   reporter("Translate")}));
}

}  // namespace
}  // namespace ombrel::testing::enginetest
