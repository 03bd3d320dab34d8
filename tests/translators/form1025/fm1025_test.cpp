// The 1025 translator's tables, checked through the calls they make on a
// recording engine: the three grids' columns at a few addresses each,
// the guards of the five overflow forms and the photos.
#include "translators/form1025/fm1025.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <memory>
#include <regex>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "engine/common_forms.h"
#include "platform/errors/error.h"
#include "support/recording_engine.h"
#include "support/trace_calls.h"
#include "support/written_addresses.h"

namespace ombrel {
namespace {

using testing::Calls;
using testing::Contains;
using testing::ExpectDistinctWellFormedAddresses;
using testing::IndexOf;
using testing::Member;
using testing::RecordingEngine;

std::string N(int n) { return std::to_string(n); }

Calls RunEntrainMain() {
  FM1025 translator;
  return testing::TraceTranslator(translator, testing::TraceTables::kMain,
                                  std::make_unique<RecordingEngine>());
}

// AppendAddenda alone, on an order holding only presentTags (each answering
// its own text, so SetAlias returns True for them alone) whose SetForm
// answers False for refusedForms.
Calls RunAppendAddenda(std::set<std::string> presentTags, std::set<std::string> refusedForms) {
  testing::EngineAnswers answers;
  for (const std::string& tag : presentTags) answers.values[tag] = tag;
  answers.aliasNeedsValue = true;
  answers.refusedForms = std::move(refusedForms);
  FM1025 translator;
  return testing::TraceTranslator(translator, testing::TraceTables::kAddenda,
                                  std::make_unique<RecordingEngine>(std::move(answers)));
}

// The calls that name a tag of one comparable (prefix "LISTCOMP(2)", "RENTCOMP(5)"
// or "COMP(7)"), in order; reads of the overflow guards and photos are left out.
Calls ComparableCalls(const Calls& calls, const std::string& prefix) {
  Calls out;
  for (const std::string& call : calls) {
    if (Member(call) == "ReadDirect" || Member(call) == "SetPhoto") continue;
    if (call.find("\"" + prefix) != std::string::npos) out.push_back(call);
  }
  return out;
}

// ---------------------------------------------------------------------------

// One comparable's expected calls at a few addresses of each line shape.
struct ColumnCase {
  std::string prefix;  // "LISTCOMP(2)"
  std::size_t size;    // calls the column makes
  std::vector<std::string> calls;
};

void ExpectColumns(const Calls& calls, const std::vector<ColumnCase>& cases) {
  for (const ColumnCase& c : cases) {
    SCOPED_TRACE(c.prefix);
    Calls column = ComparableCalls(calls, c.prefix);
    EXPECT_EQ(column.size(), c.size);
    for (const std::string& call : c.calls) {
      EXPECT_TRUE(Contains(column, call)) << "missing: " << call;
    }
  }
}

TEST(FM1025Test, MainGridColumnsForComparablesOneToThree) {
  const std::vector<ColumnCase> cases = {
      {"LISTCOMP(1)",
       14,
       {"MapValue(\"LISTCOMP(1)NUM\", \"1\")", "SetAlias(\"LISTCOMP(1)STREET\", \"42|2\")",
        "ParseAddress(\"43|2\", \"LISTCOMP(1)CITY\", \"LISTCOMP(1)STATEPROV\", "
        "\"LISTCOMP(1)ZIP\", \"\", \"\")",
        "SetAlias(\"LISTCOMP(1)PROXIMITY\", \"44|1\")",
        "CheckAlias(\"LISTCOMP(1)FURNUNFURNISH\", \"45|2\", \"UNFURNISH\", [\"45|3\", "
        "\"FURNISH\"])",
        "SetAlias(\"LISTCOMP(1)LISTINGPRICE\", \"45|4\")",
        "SetAlias(\"LISTCOMP(1)NUMUNITS\", \"48|5\")", "SetAlias(\"LISTCOMP(1)BATH\", \"48|8\")",
        "SetAlias(\"LISTCOMP(1)MARKETDAYS\", \"50|2\")"}},
      {"LISTCOMP(2)",
       14,
       {"MapValue(\"LISTCOMP(2)NUM\", \"2\")",
        "CheckAlias(\"LISTCOMP(2)FURNUNFURNISH\", \"45|5\", \"UNFURNISH\", [\"45|6\", "
        "\"FURNISH\"])",
        "SetAlias(\"LISTCOMP(2)LISTINGPRICE\", \"45|7\")",
        "SetAlias(\"LISTCOMP(2)PROXIMITY\", \"44|2\")",
        "SetAlias(\"LISTCOMP(2)NUMUNITS\", \"48|9\")", "SetAlias(\"LISTCOMP(2)BATH\", \"48|12\")"}},
      {"LISTCOMP(3)",
       14,
       {"SetAlias(\"LISTCOMP(3)STREET\", \"42|4\")",
        "CheckAlias(\"LISTCOMP(3)FURNUNFURNISH\", \"45|8\", \"UNFURNISH\", [\"45|9\", "
        "\"FURNISH\"])",
        "SetAlias(\"LISTCOMP(3)LISTINGPRICE\", \"45|10\")",
        "SetAlias(\"LISTCOMP(3)NUMUNITS\", \"48|13\")",
        "SetAlias(\"LISTCOMP(3)BATH\", \"48|16\")", "SetAlias(\"LISTCOMP(3)YRBUILT\", \"49|4\")"}},
      {"RENTCOMP(1)",
       51,
       {"MapValue(\"RENTCOMP(1)NUM\", \"1\")", "SetAlias(\"RENTCOMP(1)STREET\", \"177|2\")",
        "ParseAddress(\"178|2\", \"RENTCOMP(1)CITY\", \"RENTCOMP(1)STATEPROV\", "
        "\"RENTCOMP(1)ZIP\", \"\", \"\")",
        "SetAlias(\"RENTCOMP(1)PROXIMITY2\", \"180|1\")",
        "SetAlias(\"RENTCOMP(1)CONCESSIONS\", \"185|2\")",
        "SetAlias(\"RENTCOMP(1)CONCESSIONS2\", \"186|2\")",
        "SetAlias(\"RENTCOMP(1)NUMUNITS\", \"187|3\")",
        "SetAlias(\"RENTCOMP(1)YRBUILT\", \"187|5\")",
        "SetAlias(\"RENTCOMP(1)DESIGNSTYLE\", \"188|2\")",
        "SetAlias(\"RENTCOMP(1)CONDITION3\", \"192|2\")",
        "SetAlias(\"RENTCOMP(1)UNIT1ROOMTOT\", \"195|5\")",
        "SetAlias(\"RENTCOMP(1)UNIT4TOTRENT\", \"198|9\")",
        "SetAlias(\"RENTCOMP(1)ADDITIONAL6\", \"210|2\")"}},
      {"RENTCOMP(2)",
       51,
       {"SetAlias(\"RENTCOMP(2)PROXIMITY\", \"179|2\")",
        "SetAlias(\"RENTCOMP(2)NUMUNITS\", \"187|6\")",
        "SetAlias(\"RENTCOMP(2)NUMVACANT\", \"187|7\")",
        "SetAlias(\"RENTCOMP(2)YRBUILT\", \"187|8\")",
        "SetAlias(\"RENTCOMP(2)UNIT2ROOMTOT\", \"196|10\")",
        "SetAlias(\"RENTCOMP(2)UNIT3TOTRENT\", \"197|14\")",
        "SetAlias(\"RENTCOMP(2)INCLUDED1\", \"199|3\")"}},
      {"RENTCOMP(3)",
       51,
       {"MapValue(\"RENTCOMP(3)NUM\", \"3\")", "SetAlias(\"RENTCOMP(3)PROXIMITY2\", \"180|3\")",
        "SetAlias(\"RENTCOMP(3)YRBUILT\", \"187|11\")",
        "SetAlias(\"RENTCOMP(3)UNIT1ROOMTOT\", \"195|15\")",
        "SetAlias(\"RENTCOMP(3)UNIT4TOTRENT\", \"198|19\")",
        "SetAlias(\"RENTCOMP(3)ADDITIONAL6\", \"210|4\")"}},
      {"COMP(1)",
       83,
       {"MapValue(\"COMP(1)NUM\", \"1\")", "SetAlias(\"COMP(1)ADDRSTREET\", \"260|2\")",
        "ParseAddress(\"261|2\", \"COMP(1)ADDRCITY\", \"COMP(1)ADDRSTATEPROV\", "
        "\"COMP(1)ADDRZIP\", \"\", \"\")",
        "SetAlias(\"COMP(1)PROXIMITY\", \"262|1\")",
        "CheckAlias(\"COMP(1)FURNUNFURNISHED\", \"263|2\", \"UNFURNISH\", [\"263|3\", "
        "\"FURNISH\"])",
        "SetAlias(\"COMP(1)SALESPRICE\", \"263|4\")", "SetAlias(\"COMP(1)SCONCESSION\", \"272|1\")",
        "SetAlias(\"COMP(1)SALEDTADJ\", \"274|2\")", "SetAlias(\"COMP(1)LOCATION\", \"275|2\")",
        "SetAlias(\"COMP(1)CONSTRUCTADJ\", \"280|3\")",
        "SetAlias(\"COMP(1)GBASQFTADJ\", \"283|3\")",
        "SetAlias(\"COMP(1)UNIT1NUMUNITS\", \"286|6\")",
        "SetAlias(\"COMP(1)UNIT4ADJ\", \"289|11\")",
        "SetAlias(\"COMP(1)PROJAMEN2ADJ\", \"295|3\")",
        "SetAlias(\"COMP(1)UNLABELED\", \"296|3\")", "SetAlias(\"COMP(1)UNLABELEDADJ\", \"296|4\")",
        "CheckAlias(\"COMP(1)NETADJUSTPOSNEG\", \"297|1\", \"POSITIVE\", [\"297|2\", "
        "\"NEGATIVE\"])",
        "SetAlias(\"COMP(1)NETADJUSTTOT\", \"297|3\")",
        "SetAlias(\"COMP(1)ADJUSTSALESGROSS\", \"298|1\")",
        "SetAlias(\"COMP(1)ADJUSTSALESNET\", \"299|1\")",
        "SetAlias(\"COMP(1)PRIORSALEDT\", \"306|2\")"}},
      {"COMP(2)",
       83,
       {"CheckAlias(\"COMP(2)FURNUNFURNISHED\", \"263|5\", \"UNFURNISH\", [\"263|6\", "
        "\"FURNISH\"])",
        "SetAlias(\"COMP(2)SALESPRICE\", \"263|7\")", "SetAlias(\"COMP(2)FCONCESSION\", \"273|3\")",
        "SetAlias(\"COMP(2)VIEWADJ\", \"278|5\")", "SetAlias(\"COMP(2)UNIT2NUMUNITS\", \"287|12\")",
        "SetAlias(\"COMP(2)UNIT2ADJ\", \"287|17\")",
        "SetAlias(\"COMP(2)UNLABELED\", \"296|5\")",
        "CheckAlias(\"COMP(2)NETADJUSTPOSNEG\", \"297|4\", \"POSITIVE\", [\"297|5\", "
        "\"NEGATIVE\"])",
        "SetAlias(\"COMP(2)ADJUSTSALESGROSS\", \"298|2\")",
        "SetAlias(\"COMP(2)ADJUSTSALESPRICE\", \"299|4\")",
        "SetAlias(\"COMP(2)PRIORSALEPRICE\", \"307|3\")"}},
      {"COMP(3)",
       83,
       {"MapValue(\"COMP(3)NUM\", \"3\")", "SetAlias(\"COMP(3)PROXIMITY\", \"262|3\")",
        "SetAlias(\"COMP(3)SALESPRICE\", \"263|10\")",
        "SetAlias(\"COMP(3)SALEDT\", \"274|5\")", "SetAlias(\"COMP(3)SITEADJ\", \"277|7\")",
        "SetAlias(\"COMP(3)UNIT3NUMUNITS\", \"288|18\")",
        "SetAlias(\"COMP(3)UNIT3ADJ\", \"288|23\")", "SetAlias(\"COMP(3)UNLABELEDADJ\", \"296|8\")",
        "CheckAlias(\"COMP(3)NETADJUSTPOSNEG\", \"297|7\", \"POSITIVE\", [\"297|8\", "
        "\"NEGATIVE\"])",
        "SetAlias(\"COMP(3)NETADJUSTTOT\", \"297|9\")",
        "SetAlias(\"COMP(3)PRIORSALEDATA\", \"308|4\")"}},
  };
  Calls calls = RunEntrainMain();
  ExpectColumns(calls, cases);
  // The main grids check each comparable's number before its street.
  for (const std::string prefix : {"LISTCOMP(", "RENTCOMP(", "COMP("}) {
    for (int n = 1; n <= 3; ++n) {
      SCOPED_TRACE(prefix + N(n));
      Calls column = ComparableCalls(calls, prefix + N(n) + ")");
      ASSERT_GE(column.size(), 2u);
      EXPECT_EQ(column[0], "MapValue(\"" + prefix + N(n) + ")NUM\", \"" + N(n) + "\")");
      EXPECT_EQ(Member(column[1]), "SetAlias");
    }
  }
}

// ---------------------------------------------------------------------------

const std::vector<std::string> kListingStreets = {"LISTCOMP(4)STREET", "LISTCOMP(5)STREET",
                                                  "LISTCOMP(6)STREET"};
const std::vector<std::string> kRentalStreets = {
    "RENTCOMP(4)STREET", "RENTCOMP(5)STREET", "RENTCOMP(6)STREET",
    "RENTCOMP(7)STREET", "RENTCOMP(8)STREET", "RENTCOMP(9)STREET"};
const std::vector<std::string> kSalesStreets = {
    "COMP(4)ADDRSTREET", "COMP(5)ADDRSTREET", "COMP(6)ADDRSTREET",
    "COMP(7)ADDRSTREET", "COMP(8)ADDRSTREET", "COMP(9)ADDRSTREET"};

std::set<std::string> AllStreets() {
  std::set<std::string> tags(kListingStreets.begin(), kListingStreets.end());
  tags.insert(kRentalStreets.begin(), kRentalStreets.end());
  tags.insert(kSalesStreets.begin(), kSalesStreets.end());
  return tags;
}

TEST(FM1025Test, AddendaOfAnOrderWithEveryOverflowComparable) {
  Calls calls = RunAppendAddenda(AllStreets(), {});
  ASSERT_GE(calls.size(), 4u);
  EXPECT_EQ(calls[0], "AddExtended(\"2|2\")");
  EXPECT_EQ(calls[1], "AddExtended(\"336|1\")");

  // Each group: the first street read suffices, its form, its three columns
  // (street first, then the number check), then its comment row.
  struct Group {
    const char* firstStreet;
    const char* form;
    const char* firstColumnStart;
    int columnSize;
    const char* comment;
  };
  const std::vector<Group> groups = {
      {"LISTCOMP(4)STREET", "mullst46", "SetAlias(\"LISTCOMP(4)STREET\", \"13|2\")", 14,
       "SetAlias(\"COMPARISONTWO\", \"22|1\")"},
      {"RENTCOMP(4)STREET", "mulrnt46", "SetAlias(\"RENTCOMP(4)STREET\", \"14|2\")", 51,
       "SetAlias(\"ANALYSISRENTALDATATWO\", \"49|1\")"},
      {"RENTCOMP(7)STREET", "mulrnt79", "SetAlias(\"RENTCOMP(7)STREET\", \"14|2\")", 51,
       "SetAlias(\"ANALYSISRENTALDATATHREE\", \"49|1\")"},
      {"COMP(4)ADDRSTREET", "mulcmp46", "SetAlias(\"COMP(4)ADDRSTREET\", \"11|2\")", 83,
       "SetAlias(\"COMMENTSALESCOMPARETWO\", \"54|1\")"},
      {"COMP(7)ADDRSTREET", "mulcmp79", "SetAlias(\"COMP(7)ADDRSTREET\", \"11|2\")", 83,
       "SetAlias(\"COMMENTSALESCOMPARETHREE\", \"54|1\")"},
  };
  std::size_t at = 2;
  for (const Group& g : groups) {
    SCOPED_TRACE(g.form);
    ASSERT_LT(at + 3 + 3 * g.columnSize, calls.size());
    EXPECT_EQ(calls[at], "ReadDirect(\"" + std::string(g.firstStreet) + "\")");
    EXPECT_EQ(calls[at + 1], "SetForm(\"" + std::string(g.form) + "\")");
    EXPECT_EQ(calls[at + 2], g.firstColumnStart);
    const std::size_t end = at + 2 + 3 * g.columnSize;
    EXPECT_EQ(calls[end], g.comment);
    const Calls group(calls.begin() + static_cast<long>(at + 2),
                      calls.begin() + static_cast<long>(end + 1));
    ExpectDistinctWellFormedAddresses(group);
    for (const std::string& call : group) {
      EXPECT_NE(Member(call), "ParseExtended") << call;
      EXPECT_NE(Member(call), "SetForm") << call;
    }
    at = end + 1;
  }
  EXPECT_EQ(calls[at], "SetPhoto(\"SUBJECTFRONTVIEW\", \"SUB_1_3X5\")");
}

TEST(FM1025Test, OverflowColumnsForComparablesFourToNine) {
  const std::vector<ColumnCase> cases = {
      {"LISTCOMP(4)",
       14,
       {"SetAlias(\"LISTCOMP(4)STREET\", \"13|2\")", "MapValue(\"LISTCOMP(4)NUM\", \"4\")",
        "ParseAddress(\"14|2\", \"LISTCOMP(4)CITY\", \"LISTCOMP(4)STATEPROV\", "
        "\"LISTCOMP(4)ZIP\", \"\", \"\")",
        "SetAlias(\"LISTCOMP(4)PROXIMITY\", \"15|1\")",
        "CheckAlias(\"LISTCOMP(4)FURNUNFURNISH\", \"16|2\", \"UNFURNISH\", [\"16|3\", "
        "\"FURNISH\"])",
        "SetAlias(\"LISTCOMP(4)LISTINGPRICE\", \"16|4\")",
        "SetAlias(\"LISTCOMP(4)NUMUNITS\", \"19|5\")", "SetAlias(\"LISTCOMP(4)BATH\", \"19|8\")",
        "SetAlias(\"LISTCOMP(4)MARKETDAYS\", \"21|2\")"}},
      {"LISTCOMP(5)",
       14,
       {"SetAlias(\"LISTCOMP(5)STREET\", \"13|3\")", "MapValue(\"LISTCOMP(5)NUM\", \"5\")",
        "SetAlias(\"LISTCOMP(5)PROXIMITY\", \"15|2\")",
        "SetAlias(\"LISTCOMP(5)ROOMTOT\", \"19|10\")"}},
      {"LISTCOMP(6)",
       14,
       {"CheckAlias(\"LISTCOMP(6)FURNUNFURNISH\", \"16|8\", \"UNFURNISH\", [\"16|9\", "
        "\"FURNISH\"])",
        "SetAlias(\"LISTCOMP(6)LISTINGPRICE\", \"16|10\")",
        "SetAlias(\"LISTCOMP(6)NUMUNITS\", \"19|13\")",
        "SetAlias(\"LISTCOMP(6)BATH\", \"19|16\")"}},
      {"RENTCOMP(4)",
       51,
       {"SetAlias(\"RENTCOMP(4)STREET\", \"14|2\")", "MapValue(\"RENTCOMP(4)NUM\", \"4\")",
        "ParseAddress(\"15|2\", \"RENTCOMP(4)CITY\", \"RENTCOMP(4)STATEPROV\", "
        "\"RENTCOMP(4)ZIP\", \"\", \"\")",
        "SetAlias(\"RENTCOMP(4)PROXIMITY\", \"16|1\")",
        "SetAlias(\"RENTCOMP(4)PROXIMITY2\", \"17|1\")",
        "SetAlias(\"RENTCOMP(4)CONCESIONS\", \"22|2\")",
        "SetAlias(\"RENTCOMP(4)CONCESIONS2\", \"23|2\")",
        "SetAlias(\"RENTCOMP(4)NUMUNITS\", \"24|3\")",
        "SetAlias(\"RENTCOMP(4)YRBUILT\", \"24|5\")",
        "SetAlias(\"RENTCOMP(4)UNIT1ROOMTOT\", \"32|5\")",
        "SetAlias(\"RENTCOMP(4)UNIT1TOTRENT\", \"32|9\")",
        "SetAlias(\"RENTCOMP(4)ADDITIONAL6\", \"47|2\")"}},
      {"RENTCOMP(8)",
       51,
       {"SetAlias(\"RENTCOMP(8)STREET\", \"14|3\")", "MapValue(\"RENTCOMP(8)NUM\", \"8\")",
        "SetAlias(\"RENTCOMP(8)CONCESIONS\", \"22|3\")",
        "SetAlias(\"RENTCOMP(8)NUMVACANT\", \"24|7\")",
        "SetAlias(\"RENTCOMP(8)UNIT3AREASQFT\", \"34|13\")"}},
      {"RENTCOMP(9)",
       51,
       {"SetAlias(\"RENTCOMP(9)CONCESIONS\", \"22|4\")",
        "SetAlias(\"RENTCOMP(9)CONCESIONS2\", \"23|4\")",
        "SetAlias(\"RENTCOMP(9)UNIT4ROOMTOT\", \"35|15\")",
        "SetAlias(\"RENTCOMP(9)UNIT4TOTRENT\", \"35|19\")"}},
      {"COMP(4)",
       83,
       {"SetAlias(\"COMP(4)ADDRSTREET\", \"11|2\")", "MapValue(\"COMP(4)NUM\", \"4\")",
        "ParseAddress(\"12|2\", \"COMP(4)ADDRCITY\", \"COMP(4)ADDRSTATEPROV\", "
        "\"COMP(4)ADDRZIP\", \"\", \"\")",
        "SetAlias(\"COMP(4)PROXIMITY\", \"13|1\")",
        "CheckAlias(\"COMP(4)FURNUNFURNISHED\", \"14|2\", \"UNFURNISH\", [\"14|3\", "
        "\"FURNISH\"])",
        "SetAlias(\"COMP(4)SALESPRICE\", \"14|4\")", "SetAlias(\"COMP(4)SCONCESSION\", \"23|1\")",
        "SetAlias(\"COMP(4)UNIT1NUMUNITS\", \"37|6\")",
        "SetAlias(\"COMP(4)ADJUSTSALESPRICE\", \"50|2\")",
        "SetAlias(\"COMP(4)PRIORSALEDT\", \"51|2\")"}},
      {"COMP(5)",
       83,
       {"SetAlias(\"COMP(5)ADDRSTREET\", \"11|3\")", "SetAlias(\"COMP(5)SALESPRICE\", \"14|7\")",
        "SetAlias(\"COMP(5)LOCATIONADJ\", \"26|5\")",
        "SetAlias(\"COMP(5)UNLABELED\", \"47|5\")",
        "SetAlias(\"COMP(5)PRIORSALEPRICE\", \"52|3\")"}},
      {"COMP(9)",
       83,
       {"CheckAlias(\"COMP(9)NETADJUSTPOSNEG\", \"48|7\", \"POSITIVE\", [\"48|8\", "
        "\"NEGATIVE\"])",
        "SetAlias(\"COMP(9)NETADJUSTTOT\", \"48|9\")",
        "SetAlias(\"COMP(9)ADJUSTSALESGROSS\", \"49|3\")",
        "SetAlias(\"COMP(9)ADJUSTSALESNET\", \"50|5\")",
        "SetAlias(\"COMP(9)ADJUSTSALESPRICE\", \"50|6\")",
        "SetAlias(\"COMP(9)PRIORSALEDT\", \"51|4\")",
        "SetAlias(\"COMP(9)PRIORSALEPRICE\", \"52|4\")",
        "SetAlias(\"COMP(9)PRIORSALEDATA\", \"53|4\")"}},
  };
  Calls calls = RunAppendAddenda(AllStreets(), {});
  ExpectColumns(calls, cases);
  // On the overflow forms the street comes first, as the guard, and the
  // number check follows it; the concessions are never asked by the main
  // grid's spelling there.
  for (const std::string prefix : {"LISTCOMP(", "RENTCOMP(", "COMP("}) {
    for (int n = 4; n <= (prefix == "LISTCOMP(" ? 6 : 9); ++n) {
      SCOPED_TRACE(prefix + N(n));
      Calls column = ComparableCalls(calls, prefix + N(n) + ")");
      ASSERT_GE(column.size(), 2u);
      EXPECT_EQ(Member(column[0]), "SetAlias");
      EXPECT_NE(column[0].find("STREET"), std::string::npos);
      EXPECT_EQ(column[1], "MapValue(\"" + prefix + N(n) + ")NUM\", \"" + N(n) + "\")");
    }
  }
  for (const std::string& call : calls) {
    EXPECT_EQ(call.find("CONCESSIONS"), std::string::npos) << call;
  }
}

// Only the street tags decide whether an overflow form is added, a comparable
// without a street makes no further row, and only a form that SetForm could
// give its version is filled.
TEST(FM1025Test, OverflowFormsAreGuardedByStreetsAndBySetForm) {
  struct Case {
    const char* name;
    std::set<std::string> tags;
    std::set<std::string> refusedForms;
    std::vector<std::string> expectedForms;  // SetForm calls, in order
    std::set<std::string> filled;            // comparables whose number is checked
    std::vector<std::string> comments;       // comment rows written
  };
  const std::vector<Case> cases = {
      {"no comparable beyond the third",
       {"COMP(4)ADDRCITY", "RENTCOMP(5)DATA", "LISTCOMP(6)CITY", "COMMENTSALESCOMPARETWO"},
       {},
       {},
       {},
       {}},
      {"a street for sales comparable 5 only",
       {"COMP(5)ADDRSTREET", "COMP(4)ADDRCITY", "COMP(6)SALESPRICE"},
       {},
       {"mulcmp46"},
       {"COMP(5)"},
       {"SetAlias(\"COMMENTSALESCOMPARETWO\", \"54|1\")"}},
      {"sales comparable 7 alone adds only the second sales form",
       {"COMP(7)ADDRSTREET"},
       {},
       {"mulcmp79"},
       {"COMP(7)"},
       {"SetAlias(\"COMMENTSALESCOMPARETHREE\", \"54|1\")"}},
      {"rental comparable 8 alone",
       {"RENTCOMP(8)STREET"},
       {},
       {"mulrnt79"},
       {"RENTCOMP(8)"},
       {"SetAlias(\"ANALYSISRENTALDATATHREE\", \"49|1\")"}},
      {"listing comparables 4 and 6",
       {"LISTCOMP(4)STREET", "LISTCOMP(6)STREET"},
       {},
       {"mullst46"},
       {"LISTCOMP(4)", "LISTCOMP(6)"},
       {"SetAlias(\"COMPARISONTWO\", \"22|1\")"}},
      {"a refused form leaves its group out, the next group goes on",
       {"RENTCOMP(4)STREET", "RENTCOMP(9)STREET", "COMP(6)ADDRSTREET"},
       {"mulrnt46"},
       {"mulrnt46", "mulrnt79", "mulcmp46"},
       {"RENTCOMP(9)", "COMP(6)"},
       {"SetAlias(\"ANALYSISRENTALDATATHREE\", \"49|1\")",
        "SetAlias(\"COMMENTSALESCOMPARETWO\", \"54|1\")"}},
  };
  const std::set<std::string> allComments = {
      "SetAlias(\"COMPARISONTWO\", \"22|1\")",
      "SetAlias(\"ANALYSISRENTALDATATWO\", \"49|1\")",
      "SetAlias(\"ANALYSISRENTALDATATHREE\", \"49|1\")",
      "SetAlias(\"COMMENTSALESCOMPARETWO\", \"54|1\")",
      "SetAlias(\"COMMENTSALESCOMPARETHREE\", \"54|1\")",
  };
  static const std::regex kCheck("MapValue\\(\"((?:LIST|RENT)?COMP\\(\\d\\))NUM\", \"\\d\"\\)");
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Calls calls = RunAppendAddenda(c.tags, c.refusedForms);
    Calls forms, comments;
    std::set<std::string> filled;
    std::smatch match;
    for (const std::string& call : calls) {
      if (Member(call) == "SetForm") forms.push_back(call.substr(9, call.size() - 11));
      if (std::regex_match(call, match, kCheck)) filled.insert(match[1]);
      if (allComments.count(call) != 0) comments.push_back(call);
    }
    EXPECT_EQ(forms, c.expectedForms);
    EXPECT_EQ(filled, c.filled);
    EXPECT_EQ(comments, c.comments);
    // A filled comparable makes its whole column, an unfilled one nothing but
    // its street (and only on a form that was filled).
    for (const std::string prefix : {"LISTCOMP(", "RENTCOMP(", "COMP("}) {
      for (int n = 4; n <= 9; ++n) {
        const std::string comp = prefix + N(n) + ")";
        Calls column = ComparableCalls(calls, comp);
        if (filled.count(comp) != 0) {
          const std::size_t size = prefix == "LISTCOMP(" ? 14 : prefix == "RENTCOMP(" ? 51 : 83;
          EXPECT_EQ(column.size(), size) << comp;
        } else {
          EXPECT_LE(column.size(), 1u) << comp;
        }
      }
    }
    // The photos come last, whatever the guards decided.
    int firstPhoto = IndexOf(calls, "SetPhoto(\"SUBJECTFRONTVIEW\", \"SUB_1_3X5\")");
    ASSERT_GE(firstPhoto, 0);
    for (int i = firstPhoto; i < static_cast<int>(calls.size()); ++i) {
      EXPECT_EQ(Member(calls[i]), "SetPhoto") << calls[i];
    }
  }
}

TEST(FM1025Test, GuardsReadEveryStreetOfAGroupWithoutOne) {
  // No street at all: each group reads its three streets in order and adds nothing.
  Calls calls = RunAppendAddenda({}, {});
  Calls reads;
  for (const std::string& call : calls) {
    if (Member(call) == "ReadDirect") reads.push_back(call.substr(12, call.size() - 14));
    EXPECT_NE(Member(call), "SetForm") << call;
    EXPECT_NE(Member(call), "SetAlias") << call;
    EXPECT_NE(Member(call), "MapValue") << call;
  }
  Calls expected(kListingStreets.begin(), kListingStreets.end());
  expected.insert(expected.end(), kRentalStreets.begin(), kRentalStreets.end());
  expected.insert(expected.end(), kSalesStreets.begin(), kSalesStreets.end());
  EXPECT_EQ(reads, expected);
}

}  // namespace
}  // namespace ombrel
