// The 2000 review translator's tables, checked through the calls they make on
// a recording engine: counts, the history rows and review questions, the
// subject column and the column template on both comparables forms, the
// guards and the photo calls.
#include "translators/review_land_mh/fm2000.h"

#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "review_trace.h"

namespace ombrel {
namespace {

using namespace review_testing;  // NOLINT(google-build-using-namespace)

Calls Main() {
  FM2000 translator;
  return MainCalls(translator);
}

Calls Addenda() {
  FM2000 translator;
  return AddendaCalls(translator);
}

Calls Addenda(const Values& values, const std::set<std::string>& refusedForms = {}) {
  FM2000 translator;
  return AddendaCalls(translator, values, refusedForms);
}

std::string N(int n) { return std::to_string(n); }

// History row n: its number check, then six fields of line 23 + n.
TEST(FM2000Test, HistoryRowsTakeLinesTwentyFourToTwentyEight) {
  const Calls calls = Main();
  const std::ptrdiff_t first = IndexOf(calls, MapValueCall("ASKING(1)NUM", "1"));
  ASSERT_GE(first, 0);
  for (int n = 1; n <= 5; ++n) {
    SCOPED_TRACE("row " + N(n));
    const std::string line = N(23 + n);
    const Calls expected = {MapValueCall("ASKING(" + N(n) + ")NUM", N(n)),
                            SetAliasCall("CONVEYANCERECORD(" + N(n) + ")DT", line + "|1"),
                            SetAliasCall("SALES(" + N(n) + ")PRICE", line + "|2"),
                            SetAliasCall("ASKING(" + N(n) + ")PRICE", line + "|3"),
                            SetAliasCall("MORTGAGE(" + N(n) + ")AMOUNT", line + "|4"),
                            SetAliasCall("GRANTOR(" + N(n) + ")", line + "|5"),
                            SetAliasCall("DATASCR(" + N(n) + ")INFO", line + "|6")};
    const std::ptrdiff_t at = first + 7 * (n - 1);
    EXPECT_EQ(Calls(calls.begin() + at, calls.begin() + at + 7), expected);
  }
}

// Each question's boxes and its comment right after them, in the form's order.
TEST(FM2000Test, ReviewQuestionsAndTheirComments) {
  struct Question {
    const char* tag;
    int line;
    bool na;
    const char* comment;
    const char* commentAddr;
  };
  const std::vector<Question> questions = {
      {"REVIEWNBRHOODDESC", 30, false, "REVIEWNBRHOODCOMMENTS", "31|1"},
      {"REVIEWSITEDESC", 38, false, "REVIEWSITECOMMENTS", "38|3"},
      {"REVIEWCONDITIONIMPROVE", 45, false, "REVIEWIMPROVECOMMENTS", "45|3"},
      {"REVIEWSIMILARDESC", 51, false, "REVIEWSIMILARCOMMENTS", "52|1"},
      {"REVIEWSALESCOMPUNITCOUNT", 59, false, "REVIEWSALESCOMPCOMMENTS", "60|1"},
      {"REVIEWSALEDTPRICE", 71, false, "REVIEWSALEDTPRICECOMMENTS", "71|3"},
      {"REVIEWSALESCOMPCLOSED", 77, false, "REVIEWSALESCOMPCLOSEDCOMMENTS", "78|1"},
      {"REVIEWSALESACCURATE", 88, false, "REVIEWSALESACCURATECOMMENTS", "88|3"},
      {"REVIEWADJUSTMENTS", 97, false, "REVIEWADJUSTMENTSCOMMENTS", "97|3"},
      {"REVIEWSUBJECTRESIDENTIAL", 106, true, "REVIEWSUBJECTRESIDENTIALCOMMENTS", "106|4"},
      {"REVIEWSUBJECTCONDOPUD", 115, true, "REVIEWSUBJECTCONDOPUDCOMMENTS", "115|4"},
      {"REVIEWSALESVALUE", 123, false, "REVIEWSUBJECTVALUECOMMENTS", "125|1"},
      {"REVIEWNBRHOODECONOMY", 135, false, "REVIEWNBRHOODECONOMYCOMMENTS", "136|1"},
  };
  const Calls calls = Main();
  const auto boxes = [](const Question& q) {
    const std::string line = N(q.line);
    std::string call = "CheckAlias(" + Q(q.tag) + ", " + Q(line + "|1") + ", \"YES\", [" +
                       Q(line + "|2") + ", \"NO\"";
    if (q.na) call += ", " + Q(line + "|3") + ", \"NA\"";
    return call + "])";
  };
  const std::ptrdiff_t first = IndexOf(calls, boxes(questions.front()));
  ASSERT_GE(first, 0);
  for (std::size_t i = 0; i < questions.size(); ++i) {
    const Question& q = questions[i];
    SCOPED_TRACE(q.tag);
    const std::ptrdiff_t at = first + 2 * static_cast<std::ptrdiff_t>(i);
    ASSERT_LT(at + 1, static_cast<std::ptrdiff_t>(calls.size()));
    EXPECT_EQ(calls[at], boxes(q));
    EXPECT_EQ(calls[at + 1], "ParseExtended(" + Q(q.comment) + ", " + Q(q.commentAddr) + ", True)");
  }
  ASSERT_LT(first + 26, static_cast<std::ptrdiff_t>(calls.size()));
  EXPECT_EQ(calls[first + 26], "ParseExtended(\"REVIEWSUBJECTCOOPACCURATE\", \"144|1\", True)");
}

TEST(FM2000Test, AddendaOfAFullOrder) {
  const Calls calls = Addenda();
  const Calls opening = {
      "AddExtended(\"1|2\")",
      "AddExtended(\"24|1\")",
      "AddExtended(\"165|1\")",
      // The first street present is enough: the other two are not read
      "ReadDirect(\"COMP(1)ADDRSTREET\")",
      "SetForm(\"79cmp13\")",
      SetAliasCall("SUBJECTADDRSTREET", "10|1"),
      // The subject's city line joined once, as a comparable's is, when
      // the order holds one of its parts
      "ReadDirect(\"SUBJECTADDRCITY\")",
      "ParseAddress(\"11|1\", \"SUBJECTADDRCITY\", \"SUBJECTADDRSTATEPROV\", \"SUBJECTADDRZIP\", "
      "\"\", \"\")",
      SetAliasCall("SUBJECTSALESPRICE", "13|1"),
  };
  ASSERT_GE(calls.size(), opening.size());
  EXPECT_EQ(Calls(calls.begin(), calls.begin() + opening.size()), opening);

  const std::ptrdiff_t subject = 5;
  const std::ptrdiff_t comment13 = IndexOf(calls, SetAliasCall("COMMENTSALESCOMPARE", "48|1"));
  const std::ptrdiff_t comment46 = IndexOf(calls, SetAliasCall("COMMENTSALESCOMPARETWO", "48|1"));
  ASSERT_EQ(comment13, subject + 33 + 3 * 64);
  EXPECT_EQ(calls[subject + 32], SetAliasCall("SUBJECTPRIORSALEDATA", "47|1"));
  EXPECT_EQ(calls[subject + 33], SetAliasCall("COMP(1)ADDRSTREET", "10|2"));
  EXPECT_EQ(calls[comment13 - 1], SetAliasCall("COMP(3)PRIORSALEDATA", "47|4"));
  EXPECT_EQ(calls[comment13 + 1], "ReadDirect(\"COMP(4)ADDRSTREET\")");
  EXPECT_EQ(calls[comment13 + 2], "SetForm(\"79cmp46\")");
  ASSERT_EQ(comment46, comment13 + 3 + 3 * 64);
  EXPECT_EQ(Calls(calls.begin() + comment46 + 1, calls.end()), PhotoCalls(6, 18, true));

  const Calls form13(calls.begin() + subject, calls.begin() + comment13 + 1);
  const Calls form46(calls.begin() + comment13 + 3, calls.begin() + comment46 + 1);
  EXPECT_EQ(
      CountByMember(form46),
      (std::map<std::string, int>{
          {"SetAlias", 3 * 61 + 1}, {"MapValue", 3}, {"ParseAddress", 3}, {"CheckAlias", 3}}));
  {
    SCOPED_TRACE("79cmp13");
    ExpectDistinctWellFormedAddresses(form13);
  }
  {
    SCOPED_TRACE("79cmp46");
    ExpectDistinctWellFormedAddresses(form46);
  }
}

// Addresses of the columns, written out rather than computed: a comparable
// at position p writes the same addresses on either form.
TEST(FM2000Test, ColumnsOfComparablesOneToSix) {
  const std::vector<std::pair<int, std::vector<std::string>>> positions = {
      {1, {"ADDRSTREET 10|2",       "NUM",
           "ParseAddress 11|2",     "PROXIMITY 12|1",
           "VERIFICATION 16|2",     "SCONCESSION 18|1",
           "SCONCESSIONADJ 18|2",   "SALEDTADJ 20|2",
           "LOCATION 21|2",         "CONTSRUCTADJ 26|3",
           "ROOMTOT 30|4",          "ABOVEGRADEADJ 30|7",
           "UNLABELED 41|3",        "UNLABELEDADJ 41|4",
           "CheckAlias 42|1 42|2",  "NETADJUSTTOT 42|3",
           "ADJUSTSALESGROSS 43|1", "ADJUSTSALESNET 44|1",
           "ADJUSTSALESPRICE 44|2", "PRIORSALEDATA 47|2"}},
      {2, {"ADDRSTREET 10|3",     "NUM",
           "ParseAddress 11|3",   "PROXIMITY 12|2",
           "SALESPRICE 13|3",     "SCONCESSION 18|3",
           "SCONCESSIONADJ 18|4", "LOCATION 21|4",
           "LOCATIONADJ 21|5",    "ROOMTOT 30|8",
           "ABOVEGRADEADJ 30|11", "UNLABELED 41|5",
           "UNLABELEDADJ 41|6",   "CheckAlias 42|4 42|5",
           "NETADJUSTTOT 42|6",   "ADJUSTSALESGROSS 43|2",
           "ADJUSTSALESNET 44|3", "ADJUSTSALESPRICE 44|4",
           "PRIORSALEDT 45|3",    "PRIORSALEPRICE 46|3",
           "PRIORSALEDATA 47|3"}},
      {3,
       {"ADDRSTREET 10|4", "NUM", "ParseAddress 11|4", "PROXIMITY 12|3", "FCONCESSIONADJ 19|6",
        "FENCEPOOLADJ 40|7", "ROOMTOT 30|12", "ABOVEGRADEADJ 30|15", "CheckAlias 42|7 42|8",
        "NETADJUSTTOT 42|9", "ADJUSTSALESGROSS 43|3", "ADJUSTSALESNET 44|5",
        "ADJUSTSALESPRICE 44|6", "PRIORSALEDATA 47|4"}},
  };
  const Calls calls = Addenda();
  for (int k = 1; k <= 6; ++k) {
    SCOPED_TRACE("comparable " + N(k));
    const int p = k <= 3 ? k : k - 3;
    const std::string comp = "COMP(" + N(k) + ")";
    const std::string next =
        k == 3   ? SetAliasCall("COMMENTSALESCOMPARE", "48|1")
        : k == 6 ? SetAliasCall("COMMENTSALESCOMPARETWO", "48|1")
                 : SetAliasCall("COMP(" + N(k + 1) + ")ADDRSTREET", "10|" + N(p + 2));
    const Calls column = UpTo(calls, SetAliasCall(comp + "ADDRSTREET", "10|" + N(p + 1)), next);
    ASSERT_EQ(column.size(), 64u);
    for (const std::string& item : positions[p - 1].second) {
      const std::size_t blank = item.find(' ');
      const std::string name = item.substr(0, blank);
      std::string call;
      if (name == "NUM") {
        // The number check follows the street and expects the comparable's own number.
        EXPECT_EQ(column[1], MapValueCall(comp + "NUM", N(k)));
        continue;
      }
      if (name == "ParseAddress") {
        call = "ParseAddress(" + Q(item.substr(blank + 1)) + ", " + Q(comp + "ADDRCITY") + ", " +
               Q(comp + "ADDRSTATEPROV") + ", " + Q(comp + "ADDRZIP") + ", \"\", \"\")";
      } else if (name == "CheckAlias") {
        const std::string boxes = item.substr(blank + 1);
        const std::size_t gap = boxes.find(' ');
        call = "CheckAlias(" + Q(comp + "NETADJUSTPOSNEG") + ", " + Q(boxes.substr(0, gap)) +
               ", \"POSITIVE\", [" + Q(boxes.substr(gap + 1)) + ", \"NEGATIVE\"])";
      } else {
        call = SetAliasCall(comp + name, item.substr(blank + 1));
      }
      EXPECT_TRUE(Contains(column, call)) << "missing: " << call;
    }
  }
}

// Only the street tags decide whether a comparables form is added, only a
// street opens its column (the subject's as well), and only a form that
// SetForm could version is filled.
TEST(FM2000Test, ComparablesFormsAreGuardedByStreetsAndBySetForm) {
  struct Case {
    const char* name;
    std::vector<std::string> streets;
    std::set<std::string> refusedForms;
    std::vector<std::string> forms;
    std::set<int> columns;
    bool subjectColumn;
  };
  const std::vector<Case> cases = {
      {"no comparable streets", {"SUBJECTADDRSTREET"}, {}, {}, {}, false},
      {"comparables 4 to 6 only",
       {"SUBJECTADDRSTREET", "COMP(6)ADDRSTREET"},
       {},
       {"79cmp46"},
       {6},
       false},
      {"streets for comparables 1 and 3",
       {"SUBJECTADDRSTREET", "COMP(1)ADDRSTREET", "COMP(3)ADDRSTREET"},
       {},
       {"79cmp13"},
       {1, 3},
       true},
      {"no subject street",
       {"COMP(2)ADDRSTREET", "COMP(5)ADDRSTREET"},
       {},
       {"79cmp13", "79cmp46"},
       {2, 5},
       false},
      {"79cmp13 without a version",
       {"SUBJECTADDRSTREET", "COMP(2)ADDRSTREET", "COMP(5)ADDRSTREET"},
       {"79cmp13"},
       {"79cmp13", "79cmp46"},
       {5},
       false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Values values = {{"SUBJECTSALESPRICE", "1"},
                     {"COMP(2)SALESPRICE", "2"},
                     {"COMP(4)NUM", "4"},
                     {"COMMENTSALESCOMPARE", "c"},
                     {"COMMENTSALESCOMPARETWO", "c2"}};
    for (const std::string& street : c.streets) values[street] = "street";
    const Calls calls = Addenda(values, c.refusedForms);
    EXPECT_EQ(FormsSet(calls), c.forms);
    const bool filled13 = Contains(c.forms, "79cmp13") && c.refusedForms.count("79cmp13") == 0;
    const bool filled46 = Contains(c.forms, "79cmp46") && c.refusedForms.count("79cmp46") == 0;
    EXPECT_EQ(Contains(calls, SetAliasCall("COMMENTSALESCOMPARE", "48|1")), filled13);
    EXPECT_EQ(Contains(calls, SetAliasCall("COMMENTSALESCOMPARETWO", "48|1")), filled46);
    EXPECT_EQ(Contains(calls, SetAliasCall("SUBJECTADDRSTREET", "10|1")), filled13);
    EXPECT_EQ(Contains(calls, SetAliasCall("SUBJECTSALESPRICE", "13|1")), c.subjectColumn);
    // The order holds none of the subject's city, state and zip: all three
    // are read, and its city line stays unwritten.
    EXPECT_EQ(Contains(calls, "ReadDirect(\"SUBJECTADDRZIP\")"), c.subjectColumn);
    EXPECT_FALSE(testing::Mentions(calls, "ParseAddress(\"11|1\""));
    for (int k = 1; k <= 6; ++k) {
      SCOPED_TRACE("comparable " + N(k));
      const int p = k <= 3 ? k : k - 3;
      const std::string comp = "COMP(" + N(k) + ")";
      EXPECT_EQ(Contains(calls, SetAliasCall(comp + "ADDRSTREET", "10|" + N(p + 1))),
                k <= 3 ? filled13 : filled46);
      const bool written = c.columns.count(k) != 0;
      EXPECT_EQ(Contains(calls, MapValueCall(comp + "NUM", N(k))), written);
      EXPECT_EQ(Contains(calls, SetAliasCall(comp + "PRIORSALEDATA", "47|" + N(p + 1))), written);
    }
    const Calls photos = PhotoCalls(6, 18, true);
    ASSERT_GE(calls.size(), photos.size());
    EXPECT_EQ(Calls(calls.end() - static_cast<std::ptrdiff_t>(photos.size()), calls.end()), photos);
  }
}

}  // namespace
}  // namespace ombrel
