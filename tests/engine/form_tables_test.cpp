// The form-version and comment-heading tables.
#include <cctype>
#include <map>
#include <set>
#include <string>

#include <gtest/gtest.h>

#include "engine/comment_heading.h"
#include "engine/form_version.h"
#include "engine_fixture.h"
#include "support/turkish_locale.h"
#include "translators/factory_table.h"

namespace ombrel::testing::enginetest {
namespace {

bool IsUpperCase(std::string_view text) {
  for (char c : text) {
    if (std::islower(static_cast<unsigned char>(c))) return false;
  }
  return true;
}

struct FormVersionCase {
  const char* formId;
  const char* version;
};
const FormVersionCase kFormVersionCases[] = {
    {"UA2", "2"},      {"ua2", "2"},       {"Ua2", "2"},    {"offscrn", "5"},
    {"Offscrn", "5"},  {"MUL", "3"},       {"2006sc13", "1"}, {"cmps46", "1"},
    {"duqcmp79", "2"}, {"CN2", "1"},       {"CN2CMP46", "2"}, {"rent2", "1"},
    {"ois", "2"},      {"VC01", "2"},      {"compl", "1"},  {"invoice", "1"},
    {"EQI", "1"},      {"cna", "1"},       {"CLIXDRAW", "1"}, {"sketch", "2"},
    {"siteplan", "2"}, {"location", "2"},  {"xmapa", "2"},  {"floodmap", "2"},
    {"2065_C46", "1"}, {"larcmps", "1"},   {"79cmp13", "1"}, {"Invoice", "1"},
    {"vie", "1"},      {"dawic46", "1"},   {"clixdraw", "1"}, {"Pfi", "1"},
};

struct CommentHeadingCase {
  const char* formId;
  const char* fieldAddr;
  const char* heading;
};
const CommentHeadingCase kCommentHeadingCases[] = {
    {"UA2", "4|1", "SCOPE OF THE APPRAISAL"},
    {"ua2", "4|1", "SCOPE OF THE APPRAISAL"},
    {"UA2", "4|2", ""},
    {"UA2", " 4|1", ""},
    {"UA2", "67|1", "DESCRIPTION"},
    {"offscrn", "3|3", ""},
    {"DUQ", "96|1", "PUD - RENTAL TERMS AND OPTIONS"},
    {"qar", "252|1", "ADDITIONAL COMMENTS"},
    {"CLI", "2|1", ""},
    {"CLI", "68|1", "Additional Comments"},
    {"cli", "68|1", "Additional Comments"},
    {"dawi", "3|2", "SCOPE OF THE APPRAISAL"},
    {"Vie", "197|1", "ADDITIONAL COMMENTS"},
    {"epi", "11|1", "Scope"},
    {"BAR", "65|1", "ADDITIONAL_COMMENTS"},
    {"Lar", "3|2", "Scope of the Appraisal"},
    {"EPI", "77|1", "Certification"},
    {"ERS", "7|1", ""},
    {"VIE", "23|6", "PROJECT TYPE OR PRESENT USE"},
    {"ER3", "4|1", "SCOPE OF THE APPRAISAL"},
    {"Er3", "4|1", "SCOPE OF THE APPRAISAL"},
    {"ER3", "7|1", ""},
    {"ERC", "4|1", "SCOPE OF THE APPRAISAL"},
    {"CRS", "59|1", "ADDITIONAL COMMENTS"},
    {"", "", ""},
};

void ExpectFormVersions(const EngineServices& services) {
  for (const FormVersionCase& c : kFormVersionCases) {
    SCOPED_TRACE(c.formId);
    EXPECT_EQ(FormVersion(services, c.formId), c.version);
  }
}

void ExpectCommentHeadings() {
  for (const CommentHeadingCase& c : kCommentHeadingCases) {
    SCOPED_TRACE(std::string(c.formId) + " " + c.fieldAddr);
    EXPECT_EQ(CommentHeading(c.formId, c.fieldAddr), c.heading);
  }
}

using FormTablesTest = EngineTest;

TEST_F(FormTablesTest, FormVersionFindsIdsInAnyLetterCase) {
  ExpectFormVersions(services);
  EXPECT_TRUE(ui.boxes.empty());
}

TEST_F(FormTablesTest, FormVersionTellsOfAnUnknownIdOncePerCall) {
  EXPECT_EQ(FormVersion(services, "Extended_Comments"), "");
  EXPECT_EQ(FormVersion(services, ""), "");
  EXPECT_EQ(FormVersion(services, "UA2 "), "");
  EXPECT_EQ(FormVersion(services, "Extended_Comments"), "");
  EXPECT_EQ(Render(ui.boxes),
            (std::vector<std::string>{
                OkBox("No version information is available for the Extended_Comments form.",
                      MsgIcon::kInformation),
                OkBox("No version information is available for the  form.",
                      MsgIcon::kInformation),
                OkBox("No version information is available for the UA2  form.",
                      MsgIcon::kInformation),
                OkBox("No version information is available for the Extended_Comments form.",
                      MsgIcon::kInformation),
            }));
  EXPECT_TRUE(LogLines().empty());
}

TEST_F(FormTablesTest, EveryTranslatorsFormHasAVersion) {
  for (const FactoryRow& row : FactoryTable()) {
    if (row.formName.empty()) continue;
    SCOPED_TRACE(std::string(row.formName));
    EXPECT_NE(FormVersion(services, std::string(row.formName)), "");
  }
  EXPECT_TRUE(ui.boxes.empty());
}

TEST(FormVersionTableTest, HoldsEachUpperCaseIdOnceWithItsVersion) {
  std::set<std::string_view> ids;
  std::map<std::string_view, int> perVersion;
  for (const FormVersionRow& row : FormVersionTable()) {
    SCOPED_TRACE(std::string(row.formId));
    EXPECT_FALSE(row.formId.empty());
    EXPECT_TRUE(IsUpperCase(row.formId));
    EXPECT_TRUE(ids.insert(row.formId).second) << "listed twice";
    ++perVersion[row.version];
  }
  EXPECT_EQ(ids.size(), 64u);
  EXPECT_EQ(perVersion, (std::map<std::string_view, int>{{"1", 44}, {"2", 18}, {"3", 1}, {"5", 1}}));
}

TEST_F(FormTablesTest, CommentHeadingMatchesTheFormInAnyCaseAndTheAddressExactly) {
  ExpectCommentHeadings();
  EXPECT_TRUE(ui.boxes.empty());
  EXPECT_TRUE(LogLines().empty());
}

// The window runs in the user's locale, and in a Turkish one the C library
// folds 'i' to a dotted capital that is no ASCII letter: an id is folded by
// ASCII alone, whatever the locale.
TEST_F(FormTablesTest, IdsFoldTheSameInATurkishLocale) {
  TurkishLocale turkish;
  ASSERT_TRUE(turkish.active()) << TurkishLocale::kMissing;
  ExpectFormVersions(services);
  ExpectCommentHeadings();
  EXPECT_EQ(Render(ui.boxes), std::vector<std::string>{});
}

TEST(CommentHeadingTableTest, TheFormsOf2055FamilyShareTheirFourRows) {
  for (const char* form : {"2065", "DAWI", "DUQ", "QAR"}) {
    SCOPED_TRACE(form);
    EXPECT_EQ(CommentHeading(form, "109|1"), "CONDO - RENTAL TERMS AND OPTIONS");
    EXPECT_EQ(CommentHeading(form, "252|1"), "ADDITIONAL COMMENTS");
    EXPECT_EQ(CommentHeading(form, "3|2"), "SCOPE OF THE APPRAISAL");
    EXPECT_EQ(CommentHeading(form, "96|1"), "PUD - RENTAL TERMS AND OPTIONS");
  }
}

TEST(CommentHeadingTableTest, HoldsEachFieldOnceUnderAnUpperCaseId) {
  std::set<std::pair<std::string_view, std::string_view>> keys;
  std::map<std::string_view, int> rowsPerForm;
  for (const CommentHeadingRow& row : CommentHeadingTable()) {
    SCOPED_TRACE(std::string(row.formId) + " " + std::string(row.fieldAddr));
    EXPECT_FALSE(row.formId.empty());
    EXPECT_TRUE(IsUpperCase(row.formId));
    EXPECT_TRUE(keys.insert({row.formId, row.fieldAddr}).second) << "listed twice";
    ++rowsPerForm[row.formId];
  }
  EXPECT_EQ(keys.size(), 71u);
  EXPECT_EQ(rowsPerForm, (std::map<std::string_view, int>{
                             {"2065", 4}, {"DAWI", 4}, {"DUQ", 4}, {"QAR", 4}, {"2075", 2},
                             {"AUL", 2},  {"BAR", 8},  {"CIA", 2}, {"CLI", 2}, {"CMR", 4},
                             {"CN2", 2},  {"CRS", 2},  {"DT2", 3}, {"EPI", 2}, {"ER3", 1},
                             {"ERC", 1},  {"ERS", 3},  {"FRR", 3}, {"LAR", 2}, {"MOB", 3},
                             {"MUL", 2},
                             {"PFI", 1},  {"UA2", 6},  {"VIE", 4}}));
}

}  // namespace
}  // namespace ombrel::testing::enginetest
