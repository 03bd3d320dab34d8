// The report profile: ProcessOffscrn's sixteen fields and ProcessAppraiserInfo's
// signer blocks, inside a real translation.
#include <gtest/gtest.h>

#include <map>
#include <string>
#include <utility>
#include <vector>

#include "member_fixture.h"

namespace ombrel::testing::enginetest {
namespace {

using Fields = std::vector<std::pair<std::string, std::string>>;

class ProfileTest : public MemberTest {
 protected:
  // The profile's fields as the tables left them: 3|3 is the report's own
  // name once Translate saves, so the signer tests leave it out.
  Fields SignerFields() const {
    Fields out;
    const FakeFormRecord* profile = report().Form("offscrn");
    if (profile == nullptr) return out;
    for (const auto& field : profile->fields) {
      if (field.first != "3|3") out.push_back(field);
    }
    return out;
  }
  Fields FieldsOf(const std::string& formId) const {
    const FakeFormRecord* form = report().Form(formId);
    return form == nullptr ? Fields{} : form->fields;
  }
};

TEST_F(ProfileTest, ProcessOffscrnWritesEveryFieldInOrder) {
  tags = {{"CASE_NO", "FHA-1"},
          {"CASENUM", "C-77"},
          {"FILENUM", "F-12"},
          {"BORROWER", "Pat Smith"},
          {"PROPADDR", "12 Oak St"},
          {"CITY", "Ames"},
          {"COUNTY", "Story"},
          {"STATEPROV", "IA"},
          {"ZIP", "50010"},
          {"ESTMARKETVALUE", "250000"},
          {"ESTMARKETVALUEDT", "3/5/2001"},
          {"LENDERCLIENT", "First Bank"},
          {"LEGALDESC", "Lot 4"},
          {"LENDERCLIENTSTREET", "1 Main St"},
          {"LENDERCLIENTCITY", "Des Moines"},
          {"LENDERCLIENTSTATEPROV", "IA"},
          {"LENDERCLIENTZIP", "50309"}};
  Fields written;
  std::string versionDuring;
  ASSERT_TRUE(Run([&](XmlEngine& e) {
    e.ProcessOffscrn();
    written = FieldsOf("offscrn");
    versionDuring = report().Form("offscrn")->version;
    e.WriteDirect("1|1", "main form still current");
  }));
  EXPECT_EQ(written, (Fields{{"2|3", "FHA-1"},
                             {"18|2", "C-77"},
                             {"3|3", "F-12"},
                             {"6|1", "Pat Smith"},
                             {"7|1", "12 Oak St"},
                             {"8|1", "Ames"},
                             {"8|2", "Story"},
                             {"8|3", "IA"},
                             {"8|4", "50010"},
                             {"11|1", "250000"},
                             {"11|2", "March 5, 2001"},
                             {"14|1", "First Bank"},
                             {"10|1", "Lot 4"},
                             {"15|1", "1 Main St"},
                             {"16|1", "Des Moines, IA"},
                             {"17|1", "50309"}}));
  EXPECT_EQ(versionDuring, "5");
  EXPECT_EQ(Field("offscrn", "3|3"), "REPORT") << "the saved report's name replaces the file number";
  EXPECT_EQ(FieldsOf("UA2"), (Fields{{"1|1", "main form still current"}}));
}

TEST_F(ProfileTest, ProcessOffscrnWritesAbsentValuesAsEmptyTexts) {
  struct Case {
    const char* name;
    std::map<std::string, std::string> values;
    std::string lenderCityState;
    std::string valueDate;
  };
  const Case cases[] = {
      {"nothing", {}, ", ", ""},
      {"only the city", {{"LENDERCLIENTCITY", "Ames"}}, "Ames, ", ""},
      {"only the state", {{"LENDERCLIENTSTATEPROV", "IA"}}, ", IA", ""},
      {"a date that is no date", {{"ESTMARKETVALUEDT", "as of inspection"}}, ", ",
       "as of inspection"},
      {"a time alone", {{"ESTMARKETVALUEDT", "12:30"}}, ", ", "12:30"},
      {"a long date already", {{"ESTMARKETVALUEDT", "5 March 2001"}}, ", ", "March 5, 2001"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    tags = c.values;
    Fields written;
    ASSERT_TRUE(Run([&](XmlEngine& e) {
      e.ProcessOffscrn();
      written = FieldsOf("offscrn");
    }));
    ASSERT_EQ(written.size(), 16u);
    EXPECT_EQ(written[0], (std::pair<std::string, std::string>{"2|3", ""}));
    EXPECT_EQ(written[10], (std::pair<std::string, std::string>{"11|2", c.valueDate}));
    EXPECT_EQ(written[14], (std::pair<std::string, std::string>{"16|1", c.lenderCityState}));
  }
}

TEST_F(ProfileTest, ProcessOffscrnWithoutAProfileWritesNothing) {
  components.reportBehaviour.refusedForms = {"offscrn"};
  tags = {{"CASE_NO", "FHA-1"}};
  ASSERT_TRUE(Run([&](XmlEngine& e) {
    e.ProcessOffscrn();
    e.WriteDirect("1|1", "x");
  }));
  EXPECT_EQ(report().Form("offscrn"), nullptr);
  EXPECT_EQ(FieldsOf("UA2"), (Fields{{"1|1", "x"}}));
  EXPECT_TRUE(ui.boxes.empty());
}

// The eight tags of a signer, each valued by its own name, so the cells show
// which tag they were read from.
std::map<std::string, std::string> Signer(const std::string& prefix, const std::string& tail = "",
                                          bool licence = true, bool certificate = true) {
  std::map<std::string, std::string> values;
  const char* suffixes[] = {"", "TITLE", "LICSTATEPROV", "CERTSTATEPROV", "LICCERTEXPDT",
                            "DTSIGNED"};
  for (const char* suffix : suffixes) {
    const std::string tag = prefix + suffix + tail;
    values[tag] = tag;
  }
  if (licence) values[prefix + "STATELICNUM" + tail] = prefix + "STATELICNUM" + tail;
  if (certificate) values[prefix + "STATECERTNUM" + tail] = prefix + "STATECERTNUM" + tail;
  return values;
}

TEST_F(ProfileTest, SignerKindsAndBlocks) {
  struct Case {
    const char* name;
    int16_t block;
    int16_t kind;
    std::map<std::string, std::string> values;
    Fields written;
  };
  std::map<std::string, std::string> supervisorDid = Signer("SUPAPPRAISER", "", false, true);
  supervisorDid["INSPECTSUBJECTPROP"] = "DID";
  std::map<std::string, std::string> reviewerOn = Signer("REVAPPRAISER", "", false, false);
  reviewerOn["REVAPPRAISERNOINSPECT"] = "ON";
  std::map<std::string, std::string> inspector = Signer("INSPECTOR");
  inspector["INSPECTSUBJECTPROP"] = "DID";
  std::map<std::string, std::string> secondReviewer = Signer("REVAPPRAISER", "2");
  secondReviewer["REVAPPRAISERNOINSPECT"] = "ON";
  secondReviewer["REVAPPRAISER"] = "the first reviewer";

  const Case cases[] = {
      {"appraiser, licence over certificate", 1, 1, Signer("APPRAISER"),
       {{"30|1", "X"},
        {"31|1", "APPRAISER"},
        {"32|1", "APPRAISERTITLE"},
        {"34|1", "X"},
        {"33|1", "APPRAISERSTATELICNUM"},
        {"33|2", "APPRAISERLICSTATEPROV"},
        {"33|3", "APPRAISERLICCERTEXPDT"},
        {"36|1", "APPRAISERDTSIGNED"}}},
      {"supervisor with a certificate who inspected", 2, 2, supervisorDid,
       {{"39|3", "X"},
        {"40|1", "SUPAPPRAISER"},
        {"41|1", "SUPAPPRAISERTITLE"},
        {"43|2", "X"},
        {"42|1", "SUPAPPRAISERSTATECERTNUM"},
        {"42|2", "SUPAPPRAISERCERTSTATEPROV"},
        {"42|3", "SUPAPPRAISERLICCERTEXPDT"},
        {"45|1", "SUPAPPRAISERDTSIGNED"},
        {"40|2", "X"}}},
      {"reviewer without licence or certificate", 1, 3, reviewerOn,
       {{"30|2", "X"},
        {"31|1", "REVAPPRAISER"},
        {"32|1", "REVAPPRAISERTITLE"},
        {"33|3", "REVAPPRAISERLICCERTEXPDT"},
        {"36|1", "REVAPPRAISERDTSIGNED"},
        {"31|2", "X"}}},
      {"second reviewer reads the tags ending in 2", 2, 4, secondReviewer,
       {{"39|2", "X"},
        {"40|1", "REVAPPRAISER2"},
        {"41|1", "REVAPPRAISERTITLE2"},
        {"43|1", "X"},
        {"42|1", "REVAPPRAISERSTATELICNUM2"},
        {"42|2", "REVAPPRAISERLICSTATEPROV2"},
        {"42|3", "REVAPPRAISERLICCERTEXPDT2"},
        {"45|1", "REVAPPRAISERDTSIGNED2"}}},
      {"underwriter in block 3", 3, 5, Signer("UNDERWRITER", "", false, true),
       {{"48|2", "X"},
        {"49|1", "UNDERWRITER"},
        {"50|1", "UNDERWRITERTITLE"},
        {"52|2", "X"},
        {"51|1", "UNDERWRITERSTATECERTNUM"},
        {"51|2", "UNDERWRITERCERTSTATEPROV"},
        {"51|3", "UNDERWRITERLICCERTEXPDT"},
        {"54|1", "UNDERWRITERDTSIGNED"}}},
      {"inspector gets no inspection box", 1, 6, inspector,
       {{"30|4", "X"},
        {"31|1", "INSPECTOR"},
        {"32|1", "INSPECTORTITLE"},
        {"34|1", "X"},
        {"33|1", "INSPECTORSTATELICNUM"},
        {"33|2", "INSPECTORLICSTATEPROV"},
        {"33|3", "INSPECTORLICCERTEXPDT"},
        {"36|1", "INSPECTORDTSIGNED"}}},
      {"absent tags leave their cells alone", 1, 1, {}, {{"30|1", "X"}}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    tags = c.values;
    ASSERT_TRUE(Run([&](XmlEngine& e) {
      e.ProcessAppraiserInfo(c.block, c.kind, "UA2");
      e.WriteDirect("1|1", "back on the main form");
    }));
    EXPECT_EQ(SignerFields(), c.written);
    EXPECT_EQ(FieldsOf("UA2"), (Fields{{"1|1", "back on the main form"}}));
  }
  EXPECT_TRUE(ui.boxes.empty());
}

TEST_F(ProfileTest, InspectionCells) {
  struct Case {
    int16_t block;
    int16_t kind;
    const char* tag;
    const char* value;  // nullptr: absent
    const char* ticked;  // nullptr: no inspection box
  };
  const Case cases[] = {
      {2, 2, "INSPECTSUBJECTPROP", "DID", "40|2"},
      {2, 2, "INSPECTSUBJECTPROP", "DIDNOT", "40|3"},
      {2, 2, "INSPECTSUBJECTPROP", "DID2", nullptr},
      {2, 2, "INSPECTSUBJECTPROP", "did", nullptr},
      {2, 2, "INSPECTSUBJECTPROP", nullptr, nullptr},
      {1, 2, "INSPECTSUBJECTPROP", "DID", "31|2"},
      {1, 2, "INSPECTSUBJECTPROP", "DIDNOT", "31|2"},  // block 1 has one cell for both
      {3, 2, "INSPECTSUBJECTPROP", "DID", "49|3"},     // block 3 the reverse of block 2
      {3, 2, "INSPECTSUBJECTPROP", "DIDNOT", "49|2"},
      {1, 3, "REVAPPRAISERNOINSPECT", "ON", "31|2"},
      {1, 3, "REVAPPRAISERNOINSPECT", nullptr, "31|2"},
      {2, 3, "REVAPPRAISERNOINSPECT", "ON", "40|2"},
      {2, 3, "REVAPPRAISERNOINSPECT", "on", "40|3"},
      {2, 3, "REVAPPRAISERNOINSPECT", nullptr, "40|3"},
      {1, 1, "INSPECTSUBJECTPROP", "DID", nullptr},
      {2, 4, "REVAPPRAISERNOINSPECT", "ON", nullptr},
      {1, 6, "INSPECTSUBJECTPROP", "DID", nullptr},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::to_string(c.block) + "/" + std::to_string(c.kind) + " " + c.tag + "=" +
                 (c.value ? c.value : "absent"));
    tags.clear();
    if (c.value != nullptr) tags[c.tag] = c.value;
    ASSERT_TRUE(Run([&](XmlEngine& e) { e.ProcessAppraiserInfo(c.block, c.kind, "UA2"); }));
    // Only the kind box and the inspection box can be written: no other tag has a value.
    Fields written = SignerFields();
    ASSERT_FALSE(written.empty());
    written.erase(written.begin());
    const Fields expected = c.ticked == nullptr ? Fields{} : Fields{{c.ticked, "X"}};
    EXPECT_EQ(written, expected);
  }
}

TEST_F(ProfileTest, OutsideTheKindsAndBlocksOnlyTheNextFormIsMadeCurrent) {
  const std::pair<int16_t, int16_t> cases[] = {{1, 0}, {1, 7}, {0, 1}, {4, 1}, {-1, -1}};
  for (const auto& [block, kind] : cases) {
    SCOPED_TRACE(std::to_string(block) + "/" + std::to_string(kind));
    tags = Signer("APPRAISER");
    ASSERT_TRUE(Run([&](XmlEngine& e) {
      e.SetForm("sketch");
      e.ProcessAppraiserInfo(block, kind, "UA2");
      e.WriteDirect("1|1", "on UA2");
    }));
    EXPECT_TRUE(SignerFields().empty());
    EXPECT_EQ(FieldsOf("UA2"), (Fields{{"1|1", "on UA2"}}));
    EXPECT_TRUE(FieldsOf("sketch").empty());
  }
  EXPECT_TRUE(ui.boxes.empty());
}

TEST_F(ProfileTest, WithoutAProfileTheBlockIsSkippedAndTheNextFormStillCurrent) {
  components.reportBehaviour.refusedForms = {"offscrn", "Offscrn"};
  tags = Signer("APPRAISER");
  ASSERT_TRUE(Run([&](XmlEngine& e) {
    e.ProcessAppraiserInfo(1, 1, "UA2");
    e.WriteDirect("1|1", "on UA2");
  }));
  EXPECT_EQ(FieldsOf("UA2"), (Fields{{"1|1", "on UA2"}}));
  EXPECT_TRUE(ui.boxes.empty());
}

TEST_F(ProfileTest, ASignerBlockFindsTheProfileAgainWhenItWasNotAddedAtFirst) {
  components.reportBehaviour.refusedForms = {"offscrn"};  // refused in this letter case only
  tags = Signer("APPRAISER", "", false, false);
  ASSERT_TRUE(Run([&](XmlEngine& e) { e.ProcessAppraiserInfo(1, 1, "UA2"); }));
  const FakeFormRecord* profile = report().Form("Offscrn");
  ASSERT_NE(profile, nullptr);
  EXPECT_EQ(profile->version, "5");
  EXPECT_EQ(profile->Field("30|1"), "X");
}

}  // namespace
}  // namespace ombrel::testing::enginetest
