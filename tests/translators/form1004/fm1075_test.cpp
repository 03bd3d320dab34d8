// The 1075 translator's two tables, checked through a recording engine: call
// counts, the comparables templates, the odd cells of the form, the guards of
// the overflow forms and the photo calls.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <memory>
#include <regex>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "support/recording_engine.h"
#include "support/trace_calls.h"
#include "translators/form1004/fm1075.h"

namespace ombrel {
namespace {

using namespace testing;  // the trace helpers: Calls, Member, IndexOf, Contains ...

Calls MainCalls() {
  FM1075 translator;
  return TraceTranslator(translator, TraceTables::kMain, std::make_unique<RecordingEngine>());
}

// AppendAddenda's calls on an order holding only the streets of these
// comparables, whose report refuses refusedForms.
Calls AddendaCalls(const std::set<int>& comparablesWithStreet,
                   const std::set<std::string>& refusedForms = {}) {
  EngineAnswers answers;
  for (int n : comparablesWithStreet) {
    answers.values["COMP(" + std::to_string(n) + ")ADDRSTREET"] = "12 Oak St";
  }
  answers.refusedForms = refusedForms;
  FM1075 translator;
  return TraceTranslator(translator, TraceTables::kAddenda,
                         std::make_unique<RecordingEngine>(std::move(answers)));
}

std::string NumCall(int n) {
  return "MapValue(\"COMP(" + std::to_string(n) + ")NUM\", \"" + std::to_string(n) + "\")";
}

// The 73 calls of comparable n, from its number check on.
Calls ComparableBlock(const Calls& calls, int n) {
  long start = IndexOf(calls, NumCall(n));
  if (start < 0 || start + 73 > static_cast<long>(calls.size())) return {};
  return Calls(calls.begin() + start, calls.begin() + start + 73);
}

// A main-form call of comparable m as it reads for comparable n on an
// overflow form: tags renumbered, grid lines moved up 164 (prior sale 172).
std::string MovedToOverflow(const std::string& call, int m, int n) {
  std::string renumbered = std::regex_replace(
      call, std::regex("COMP\\(" + std::to_string(m) + "\\)"), "COMP(" + std::to_string(n) + ")");
  std::string out;
  std::regex addr("\"(\\d+)\\|(\\d+)\"");
  auto last = renumbered.cbegin();
  for (std::sregex_iterator it(renumbered.begin(), renumbered.end(), addr), end; it != end; ++it) {
    int line = std::stoi((*it)[1]);
    int moved = line >= 223 ? line - 172 : line - 164;
    out.append(last, (*it)[0].first);
    out += "\"" + std::to_string(moved) + "|" + (*it)[2].str() + "\"";
    last = (*it)[0].second;
  }
  out.append(last, renumbered.cend());
  return out;
}

TEST(FM1075MainTest, ComparablesOneToThreeFollowTheTemplate) {
  Calls calls = MainCalls();
  for (int n = 1; n <= 3; ++n) {
    SCOPED_TRACE("comparable " + std::to_string(n));
    Calls block = ComparableBlock(calls, n);
    ASSERT_EQ(block.size(), 73u);
    std::string own = "COMP(" + std::to_string(n) + ")";
    for (const std::string& call : block) {
      EXPECT_NE(call.find(own), std::string::npos) << call;
      EXPECT_FALSE(std::regex_search(call, std::regex("COMP\\((?!" + std::to_string(n) + "\\))")))
          << call;
    }
    EXPECT_EQ(block.back(), "SetAlias(\"" + own + "PRIORSALEDATA\", \"225|" +
                                std::to_string(n + 1) + "\")");
  }
  // Comparable 2 follows comparable 1 directly, and 3 follows 2.
  EXPECT_EQ(IndexOf(calls, NumCall(2)), IndexOf(calls, NumCall(1)) + 73);
  EXPECT_EQ(IndexOf(calls, NumCall(3)), IndexOf(calls, NumCall(2)) + 73);

  const char* spots[] = {
      R"(Combine("175|2", ", #", 0, ["COMP(1)ADDRSTREET", "COMP(1)UNITNUM"]))",
      R"(ParseAddress("176|2", "COMP(1)ADDRCITY", "COMP(1)ADDRSTATEPROV", "COMP(1)ADDRZIP", "", ""))",
      R"(SetAlias("COMP(1)PROXIMITY", "178|1"))",
      R"(SetAlias("COMP(1)SCONCESSION", "184|1"))",
      R"(SetAlias("COMP(1)LOCATION", "187|2"))",
      R"(SetAlias("COMP(2)PROJNAME", "177|3"))",
      R"(SetAlias("COMP(2)SALEDTADJ", "186|4"))",
      R"(SetAlias("COMP(2)LOCATIONADJ", "187|5"))",
      R"(SetAlias("COMP(2)ROOMTOT", "201|8"))",
      R"(SetAlias("COMP(2)ABOVEGRADEADJ", "201|11"))",
      R"(SetAlias("COMP(2)UNLABELED", "210|5"))",
      R"(SetAlias("COMP(2)ADJUSTSALESGROSS", "213|2"))",
      R"(SetAlias("COMP(3)VERIFICATION", "182|4"))",
      R"(SetAlias("COMP(3)PROJSECURE2ADJ", "194|7"))",
      R"(SetAlias("COMP(3)UNLABELEDTWOADJ", "211|8"))",
      R"(CheckAlias("COMP(3)NETADJUSTPOSNEG", "212|7", "POSITIVE", ["212|8", "NEGATIVE"]))",
      R"(SetAlias("COMP(3)NETADJUSTTOT", "212|9"))",
      R"(SetAlias("COMP(3)ADJUSTSALESNET", "214|5"))",
      R"(SetAlias("COMP(3)ADJUSTSALESPRICE", "214|6"))",
      R"(SetAlias("COMP(3)PRIORSALEDT", "223|4"))",
  };
  for (const char* spot : spots) EXPECT_TRUE(Contains(calls, spot)) << spot;
}

TEST(FM1075MainTest, OddCellsAndArgumentOrder) {
  Calls calls = MainCalls();
  const char* exact[] = {
      // Built-up boxes start at field 2; the first condominium vacancy box is 18|5.
      R"(CheckAlias("BUILTUP", "15|2", "OVER 75%", ["15|3", "25-75%", "15|4", "UNDER 25%"]))",
      R"(CheckAlias("CONDOOCCUPANCYVACANTA", "18|5", "ON", []))",
      R"(CheckAlias("CONDOOCCUPANCYVACANTB", "19|7", "ON", []))",
      R"(CheckAlias("CURRENTOCCUPANT", "9|1", "OWNER", ["9|2", "TENANT", "9|3", "TENANTREQUIRED", "9|4", "VACANT"]))",
      R"(CheckAlias("MGMTGROUP", "109|1", "MGMTAGENT", ["109|3", "SPONSORDEVELOPER", "109|4", "COOPERATIVEBOARD"]))",
      // The street is the fifth argument; only the appraiser has a default.
      R"(ParseAddress("12|2", "LENDERCLIENTCITY", "LENDERCLIENTSTATEPROV", "LENDERCLIENTZIP", "LENDERCLIENTSTREET", ""))",
      R"(ParseAddress("176|1", "SUBJECTADDRCITY", "SUBJECTADDRSTATEPROV", "SUBJECTADDRZIP", "", ""))",
      // Delimiters and pick indexes.
      R"(Combine("117|1", "\r", 0, ["DATASRC(1)INFO", "DATASRC(2)INFO", "DATASRC(3)INFO"]))",
      R"(Combine("120|1", "  ", 0, ["SHARESNUMISSUED", "SHARESNUMOUTSTANDING"]))",
      R"(Combine("52|3", "  ", 1, ["PARKINGUNLABELED", "PARKINGUNLABELEDDESC"]))",
      R"(Combine("73|7", "  ", 1, ["INSULATIONUNLABELEDNAME", "INSULATIONUNLABELEDTYPE"]))",
      // Tags kept as the order spells them.
      R"(SetAlias("COOPPRICEPREDOMINANT", "19|5"))",
      R"(SetAlias("CONDOPRICEPREDOMINATE", "19|8"))",
      R"(SetAlias("SUBJECTPROJSECURITY", "193|1"))",
      R"(SetAlias("SALESCOMPUNLABELEDTWO", "211|1"))",
      // Both signer blocks return to the main form.
      R"(ProcessAppraiserInfo(1, 1, "CIA"))",
      R"(ProcessAppraiserInfo(2, 2, "CIA"))",
  };
  for (const char* call : exact) EXPECT_TRUE(Contains(calls, call)) << call;

  // The four blank writes at the lender's tag names come right before its address line.
  long address = IndexOf(calls, exact[5]);
  ASSERT_GE(address, 4);
  EXPECT_EQ(Calls(calls.begin() + address - 4, calls.begin() + address),
            (Calls{R"(WriteDirect("LENDERCLIENTSTREET", " "))", R"(WriteDirect("LENDERCLIENTCITY", " "))",
                   R"(WriteDirect("LENDERCLIENTSTATEPROV", " "))", R"(WriteDirect("LENDERCLIENTZIP", " "))"}));

  for (const std::string& call : calls) {
    if (Member(call) == "ParseExtended") {
      EXPECT_NE(call.find(", True)"), std::string::npos) << call;
    }
  }
}

// Every address lies on the form's 249 lines, none above its title.
TEST(FM1075MainTest, EveryFieldIsOnTheForm) {
  std::regex addr("\"(\\d+)\\|(\\d+)\"");
  int addresses = 0;
  for (const std::string& call : MainCalls()) {
    for (std::sregex_iterator it(call.begin(), call.end(), addr), end; it != end; ++it) {
      ++addresses;
      int line = std::stoi((*it)[1]);
      EXPECT_TRUE(line >= 3 && line <= 249) << call;
      EXPECT_GE(std::stoi((*it)[2]), 1) << call;
    }
  }
  EXPECT_GT(addresses, 0);
}

TEST(FM1075AddendaTest, BothOverflowFormsWhenEveryComparableHasAStreet) {
  Calls calls = AddendaCalls({4, 5, 6, 7, 8, 9});
  ASSERT_GE(calls.size(), 4u);
  EXPECT_EQ(calls[0], R"(AddExtended("3|2"))");
  EXPECT_EQ(calls[1], R"(AddExtended("251|1"))");
  EXPECT_EQ(calls[2], R"(ReadDirect("COMP(4)ADDRSTREET"))");
  EXPECT_EQ(calls[3], R"(SetForm("CIACMP46"))");

  long second = IndexOf(calls, R"(SetForm("ciacmp79"))");
  ASSERT_EQ(second, 3 + 220 + 2);
  EXPECT_EQ(calls[second - 2], R"(SetAlias("COMMENTSALESCOMPARETWO", "54|1"))");
  EXPECT_EQ(calls[second - 1], R"(ReadDirect("COMP(7)ADDRSTREET"))");
  EXPECT_EQ(calls[second + 220], R"(SetAlias("COMMENTSALESCOMPARETHREE", "54|1"))");

  const std::map<std::string, int> counted =
      CountByMember(Calls(calls.begin() + 4, calls.begin() + second + 221));
  EXPECT_EQ(counted, (std::map<std::string, int>{{"MapValue", 6}, {"Combine", 6}, {"ParseAddress", 6},
                                                 {"CheckAlias", 6}, {"SetAlias", 416}, {"ReadDirect", 1},
                                                 {"SetForm", 1}}));
}

TEST(FM1075AddendaTest, OverflowColumnsAreTheMainColumnsMovedUp) {
  Calls main = MainCalls();
  Calls addenda = AddendaCalls({4, 5, 6, 7, 8, 9});
  for (int n = 4; n <= 9; ++n) {
    int m = n <= 6 ? n - 3 : n - 6;
    SCOPED_TRACE("comparable " + std::to_string(n) + " at place " + std::to_string(m));
    Calls overflow = ComparableBlock(addenda, n);
    Calls model = ComparableBlock(main, m);
    ASSERT_EQ(overflow.size(), 73u);
    ASSERT_EQ(model.size(), 73u);
    // The block starts at the number check "COMP(n)NUM" = n; the rows after it
    // must be comparable m's rows of the main form, moved.
    for (std::size_t i = 1; i < model.size(); ++i) {
      EXPECT_EQ(overflow[i], MovedToOverflow(model[i], m, n));
    }
  }
  // A few cells read straight off the overflow form, independent of the main grid.
  const char* spots[] = {
      R"(Combine("11|2", ", #", 0, ["COMP(4)ADDRSTREET", "COMP(4)UNITNUM"]))",
      R"(SetAlias("COMP(5)SALESPRICE", "15|3"))",
      R"(SetAlias("COMP(5)SCONCESSION", "20|3"))",
      R"(CheckAlias("COMP(6)NETADJUSTPOSNEG", "48|7", "POSITIVE", ["48|8", "NEGATIVE"]))",
      R"(SetAlias("COMP(7)PROXIMITY", "14|1"))",
      R"(SetAlias("COMP(8)ABOVEGRADEADJ", "37|11"))",
      R"(ParseAddress("12|4", "COMP(9)ADDRCITY", "COMP(9)ADDRSTATEPROV", "COMP(9)ADDRZIP", "", ""))",
      R"(SetAlias("COMP(9)PRIORSALEDATA", "53|4"))",
  };
  for (const char* spot : spots) EXPECT_TRUE(Contains(addenda, spot)) << spot;
}

TEST(FM1075AddendaTest, StreetsAndSetFormDecideTheOverflowForms) {
  struct Case {
    const char* name;
    std::set<int> streets;
    std::set<std::string> refused;
    Calls reads;                   // the street tags read, in order
    Calls forms;                   // the SetForm calls, in order
    std::set<int> written;         // comparables 4 to 9 whose rows run
  };
  auto read = [](int n) { return "ReadDirect(\"COMP(" + std::to_string(n) + ")ADDRSTREET\")"; };
  const Case cases[] = {
      {"no street for comparables 4 to 9", {}, {}, {read(4), read(5), read(6), read(7), read(8), read(9)},
       {}, {}},
      {"a street for comparable 5 only", {5}, {}, {read(4), read(5), read(7), read(8), read(9)},
       {R"(SetForm("CIACMP46"))"}, {4, 5, 6}},
      {"a street for comparable 7 only", {7}, {}, {read(4), read(5), read(6), read(7)},
       {R"(SetForm("ciacmp79"))"}, {7, 8, 9}},
      {"first overflow form refused", {4, 9}, {"CIACMP46"}, {read(4), read(7), read(8), read(9)},
       {R"(SetForm("CIACMP46"))", R"(SetForm("ciacmp79"))"}, {7, 8, 9}},
      {"second overflow form refused", {6, 8}, {"ciacmp79"}, {read(4), read(5), read(6), read(7), read(8)},
       {R"(SetForm("CIACMP46"))", R"(SetForm("ciacmp79"))"}, {4, 5, 6}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Calls calls = AddendaCalls(c.streets, c.refused);
    Calls reads, forms;
    for (const std::string& call : calls) {
      if (Member(call) == "ReadDirect") reads.push_back(call);
      if (Member(call) == "SetForm") forms.push_back(call);
    }
    EXPECT_EQ(reads, c.reads);
    EXPECT_EQ(forms, c.forms);
    for (int n = 4; n <= 9; ++n) {
      EXPECT_EQ(ComparableBlock(calls, n).size(), c.written.count(n) ? 73u : 0u) << "comparable " << n;
    }
    EXPECT_EQ(Contains(calls, R"(SetAlias("COMMENTSALESCOMPARETWO", "54|1"))"), c.written.count(4) == 1);
    EXPECT_EQ(Contains(calls, R"(SetAlias("COMMENTSALESCOMPARETHREE", "54|1"))"), c.written.count(7) == 1);
    // Comparable 5 is written at place 2 even without a street of its own.
    if (c.written.count(5)) {
      EXPECT_TRUE(Contains(calls, R"(Combine("11|3", ", #", 0, ["COMP(5)ADDRSTREET", "COMP(5)UNITNUM"]))"));
    }
    // The photos, sketches and maps run whatever the groups did.
    ASSERT_FALSE(calls.empty());
    EXPECT_EQ(calls.back(), R"(SetPhoto("FLOODMAP", "MAP_FLOOD"))");
  }
}

// Nothing but the photo calls follows the six street reads.
TEST(FM1075AddendaTest, WithoutOverflowFormsThePhotosFollowTheStreetReads) {
  EXPECT_EQ(IndexOf(AddendaCalls({}), R"(SetPhoto("SUBJECTFRONTVIEW", "SUB_1_3X5"))"), 8);
}

}  // namespace
}  // namespace ombrel
