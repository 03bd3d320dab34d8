// The ERC translator's tables, checked through the calls they make on a
// recording engine: counts, the listing and sale comparable columns, the
// licence blocks, the overflow form's guards, the photos, and the
// translator's own phone splitting with its error handling.
#include "translators/erc/erc.h"

#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "erc_trace.h"
#include "platform/errors/error.h"
#include "support/scripted_ui.h"

namespace ombrel {
namespace {

using namespace erc_testing;  // NOLINT(google-build-using-namespace)
using testing::RecordingEngine;
using testing::ScriptedUi;

std::string MapNum(const std::string& tag, int n) {
  return "MapValue(" + Q(tag) + ", " + Q(std::to_string(n)) + ")";
}

// The calls of sale comparable n on "ER3": from its number check to its
// differences comment.
Calls SaleBlock(const Calls& calls, int n) {
  return Between(calls, MapNum(Comp(n, "NUM"), n),
                 "ParseExtended(" + Q(Comp(n, "SIGDIFFERENCES")) + ", " +
                     Q(Addr(395 + 6 * (n - 1), 1)) + ", True)");
}

// The calls of sale comparable n on "er3cmp46": from its street to its differences.
Calls OverflowBlock(const Calls& calls, int n) {
  const int k = n - 3;
  return Between(calls, "SetAlias(" + Q(Comp(n, "ADDRSTREET")) + ", " + Q(Addr(11, k + 1)) + ")",
                 "SetAlias(" + Q(Comp(n, "SIGDIFFERENCES")) + ", " +
                     Q(Addr(54 + 6 * (k - 1), 1)) + ")");
}

// EntrainMain on an order holding exactly values; the Ui answers error boxes.
Calls MainCallsOn(std::unique_ptr<ScriptedEngine> engine) {
  ERC translator;
  return testing::TraceTranslator(translator, testing::TraceTables::kMain, std::move(engine));
}

Calls MainCallsOn(const std::map<std::string, std::string>& values) {
  auto engine = std::make_unique<ScriptedEngine>();
  engine->values = values;
  return MainCallsOn(std::move(engine));
}

// ---------------------------------------------------------------------------

TEST(ERCTest, ListingColumnsForListingComparablesOneToThree) {
  struct Case {
    int n;
    std::vector<std::string> calls;
  };
  const std::vector<Case> cases = {
      {1,
       {"SetAlias(\"LISTCOMP(1)STREET\", \"265|2\")",
        "ParseAddress(\"266|2\", \"LISTCOMP(1)CITY\", \"LISTCOMP(1)STATEPROV\", "
        "\"LISTCOMP(1)ZIP\", \"\", \"\")",
        "SetAlias(\"LISTCOMP(1)PROXIMITY\", \"267|1\")",
        "Combine(\"273|2\", \" / \", 0, [\"LISTCOMP(1)SITE\", \"LISTCOMP(1)VIEW\"])",
        "SetAlias(\"LISTCOMP(1)ROOMTOT\", \"279|4\")", "SetAlias(\"LISTCOMP(1)BATH\", \"279|6\")",
        "SetAlias(\"LISTCOMP(1)UNLABELEDTWO\", \"289|2\")",
        "ParseExtended(\"LISTCOMP(1)VALUEDIFFER\", \"292|1\", True)"}},
      {2,
       {"SetAlias(\"LISTCOMP(2)STREET\", \"265|3\")",
        "SetAlias(\"LISTCOMP(2)PROXIMITY\", \"267|2\")",
        "Combine(\"281|3\", \" / \", 0, [\"LISTCOMP(2)BASEMENT\", \"LISTCOMP(2)BASEMENTFIN\"])",
        "SetAlias(\"LISTCOMP(2)ROOMTOT\", \"279|7\")",
        "SetAlias(\"LISTCOMP(2)BEDROOMS\", \"279|8\")",
        "ParseExtended(\"LISTCOMP(2)VALUEDIFFER\", \"296|1\", True)"}},
      {3,
       {"ParseAddress(\"266|4\", \"LISTCOMP(3)CITY\", \"LISTCOMP(3)STATEPROV\", "
        "\"LISTCOMP(3)ZIP\", \"\", \"\")",
        "SetAlias(\"LISTCOMP(3)PROXIMITY\", \"267|3\")",
        "SetAlias(\"LISTCOMP(3)DECKPATIOPOOL\", \"285|4\")",
        "SetAlias(\"LISTCOMP(3)BATH\", \"279|12\")",
        "ParseExtended(\"LISTCOMP(3)VALUEDIFFER\", \"300|1\", True)"}},
  };
  ERC translator;
  const Calls calls = MainCalls(translator);
  for (const Case& c : cases) {
    SCOPED_TRACE("listing comparable " + std::to_string(c.n));
    const Calls block = Between(calls, MapNum(ListComp(c.n, "NUM"), c.n), c.calls.back());
    EXPECT_EQ(block.size(), 29u);
    for (const std::string& call : c.calls) {
      EXPECT_TRUE(Contains(block, call)) << "missing: " << call;
    }
    const std::string own = "LISTCOMP(" + std::to_string(c.n) + ")";
    for (const std::string& call : block) EXPECT_NE(call.find(own), std::string::npos) << call;
  }
}

TEST(ERCTest, SaleColumnsForComparablesOneToThree) {
  struct Case {
    int n;
    std::vector<std::string> calls;
  };
  const std::vector<Case> cases = {
      {1,
       {"SetAlias(\"COMP(1)ADDRSTREET\", \"352|2\")",
        "ParseAddress(\"353|2\", \"COMP(1)ADDRCITY\", \"COMP(1)ADDRSTATEPROV\", "
        "\"COMP(1)ADDRZIP\", \"\", \"\")",
        "SetAlias(\"COMP(1)PROXIMITY\", \"354|1\")", "SetAlias(\"COMP(1)FINALPRICE\", \"355|2\")",
        "SetAlias(\"COMP(1)SALESTOLIST\", \"356|1\")", "SetAlias(\"COMP(1)DATA\", \"359|1\")",
        "SetAlias(\"COMP(1)SCONCESSIONADJ\", \"361|3\")",
        "SetAlias(\"COMP(1)ROOMTOT\", \"373|3\")",
        "SetAlias(\"COMP(1)ABOVEGRADEADJ\", \"373|5\")",
        "SetAlias(\"COMP(1)ABOVEGRADEADJ2\", \"374|3\")",
        "SetAlias(\"COMP(1)SIGFEATURE2\", \"384|3\")",
        "SetAlias(\"COMP(1)UNLABELEDTWOADJ\", \"388|4\")",
        "SetAlias(\"COMP(1)FORECASTING\", \"389|3\")",
        "CheckAlias(\"COMP(1)NETADJUSTPOSNEG\", \"390|1\", \"POSITIVE\", [\"390|2\", "
        "\"NEGATIVE\"])",
        "SetAlias(\"COMP(1)NETADJUSTTOT\", \"390|3\")",
        "Combine(\"389|2\", \" \", 0, [\"COMP(1)ADJUSTSALESGROSS\", \"COMP(1)ADJUSTSALESNET\"])",
        "SetAlias(\"COMP(1)ADJUSTSALESPRICE\", \"391|2\")"}},
      {2,
       {"SetAlias(\"COMP(2)ADDRSTREET\", \"352|3\")", "SetAlias(\"COMP(2)PROXIMITY\", \"354|2\")",
        "SetAlias(\"COMP(2)SALEDT\", \"358|4\")", "SetAlias(\"COMP(2)CONTRACTDTADJ\", \"363|5\")",
        "SetAlias(\"COMP(2)BEDROOMS\", \"373|7\")",
        "SetAlias(\"COMP(2)SIGFEATURE3ADJ\", \"385|6\")",
        "CheckAlias(\"COMP(2)NETADJUSTPOSNEG\", \"390|4\", \"POSITIVE\", [\"390|5\", "
        "\"NEGATIVE\"])",
        "SetAlias(\"COMP(2)NETADJUSTTOT\", \"390|6\")",
        "Combine(\"389|4\", \" \", 0, [\"COMP(2)ADJUSTSALESGROSS\", \"COMP(2)ADJUSTSALESNET\"])"}},
      {3,
       {"SetAlias(\"COMP(3)ADDRSTREET\", \"352|4\")", "SetAlias(\"COMP(3)SALESTOLIST\", \"356|3\")",
        "SetAlias(\"COMP(3)FENCEPOOLADJ\", \"382|7\")", "SetAlias(\"COMP(3)ROOMTOT\", \"373|9\")",
        "SetAlias(\"COMP(3)ABOVEGRADEADJ\", \"373|11\")",
        "SetAlias(\"COMP(3)FORECASTING\", \"389|7\")",
        "CheckAlias(\"COMP(3)NETADJUSTPOSNEG\", \"390|7\", \"POSITIVE\", [\"390|8\", "
        "\"NEGATIVE\"])",
        "SetAlias(\"COMP(3)ADJUSTSALESPRICE\", \"391|6\")"}},
  };
  ERC translator;
  const Calls calls = MainCalls(translator);
  for (const Case& c : cases) {
    SCOPED_TRACE("comparable " + std::to_string(c.n));
    const Calls block = SaleBlock(calls, c.n);
    EXPECT_EQ(block.size(), 72u);
    for (const std::string& call : c.calls) {
      EXPECT_TRUE(Contains(block, call)) << "missing: " << call;
    }
    const std::string own = "COMP(" + std::to_string(c.n) + ")";
    for (const std::string& call : block) EXPECT_NE(call.find(own), std::string::npos) << call;
  }
}

// Licensing's answer picks one of three arms for each signer; the rest of
// the certification is the same whatever it answers.
TEST(ERCTest, LicenceBlocksFollowWhichNumberTheOrderHolds) {
  struct Case {
    int32_t licensing;
    std::vector<std::string> appraiser;
    std::vector<std::string> supervisor;
  };
  const std::vector<Case> cases = {
      {-1,
       {"SetAlias(\"APPRAISERSTATELICNUM\", \"502|1\")",
        "SetAlias(\"APPRAISERLICSTATEPROV\", \"504|1\")"},
       {"SetAlias(\"SUPAPPRAISERSTATELICNUM\", \"500|2\")",
        "SetAlias(\"SUPAPPRAISERLICSTATEPROV\", \"502|2\")"}},
      {0,
       {"SetAlias(\"APPRAISERSTATECERTNUM\", \"502|1\")",
        "SetAlias(\"APPRAISERCERTSTATEPROV\", \"504|1\")"},
       {"SetAlias(\"SUPAPPRAISERSTATECERTNUM\", \"500|2\")",
        "SetAlias(\"SUPAPPRAISERCERTSTATEPROV\", \"502|2\")"}},
      {-2,
       {"Compare(\"APPRAISERSTATELICNUM\", \"APPRAISERSTATECERTNUM\", \"502|1\", \"/\")",
        "Compare(\"APPRAISERLICSTATEPROV\", \"APPRAISERCERTSTATEPROV\", \"504|1\", \"/\")"},
       {"Compare(\"SUPAPPRAISERSTATELICNUM\", \"SUPAPPRAISERSTATECERTNUM\", \"500|2\", \"/\")",
        "Compare(\"SUPAPPRAISERLICSTATEPROV\", \"SUPAPPRAISERCERTSTATEPROV\", \"502|2\", "
        "\"/\")"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE("Licensing answers " + std::to_string(c.licensing));
    ERC translator;
    const Calls calls = MainCalls(translator, c.licensing);
    Calls expected = {"SetAlias(\"APPRAISER\", \"496|1\")",
                      "SetAlias(\"APPRAISERDTSIGNED\", \"498|1\")",
                      "SetAlias(\"APPRAISERTAXID\", \"500|1\")",
                      "Licensing(1)"};
    expected.insert(expected.end(), c.appraiser.begin(), c.appraiser.end());
    expected.insert(expected.end(), {"SetAlias(\"APPRAISERLICCERTEXPDT\", \"506|1\")",
                                     "SetAlias(\"SUPAPPRAISER\", \"496|2\")",
                                     "SetAlias(\"SUPAPPRAISERDTSIGNED\", \"498|2\")",
                                     "Licensing(2)"});
    expected.insert(expected.end(), c.supervisor.begin(), c.supervisor.end());
    expected.push_back("SetAlias(\"SUPAPPRAISERLICCERTEXPDT\", \"504|2\")");
    EXPECT_EQ(Between(calls, expected.front(), expected.back()), expected);
  }
}

// ---------------------------------------------------------------------------
// The translator's own phone splitting, seen through the two numbers of the
// main table: "APPRAISERPHONE" into 99|3 and 99|4, "COMPANYAGENTPHONE" into
// 103|2 and 103|3.

Calls WritesOf(const Calls& calls) {
  Calls writes;
  for (const std::string& call : calls) {
    if (Member(call) == "WriteDirect") writes.push_back(call);
  }
  return writes;
}

std::string Write(const std::string& addr, const std::string& value) {
  return "WriteDirect(" + Q(addr) + ", " + Q(value) + ")";
}

TEST(ERCTest, PhoneNumbersSplitByTheirPatterns) {
  struct Case {
    std::string value;
    std::optional<std::string> areaCode;  // nothing: the field is not written
    std::optional<std::string> number;
  };
  const std::vector<Case> cases = {
      {"(555) 123-4567", "555", "123-4567"},
      {"1-(555) 123-4567", "555", "123-4567"},
      {"555 123-4567", "555", "123-4567"},
      {"555-123-4567", "555", "123-4567"},
      {"1-555-123-4567", "555", "123-4567"},
      {"5551234567", "555", "1234567"},
      {"(555) 123-4567 ext. 12", "555", "123-4567 ext. 12"},
      {"555-123-4567 x12", "555", "123-4567 x12"},
      // A leading 1 without its hyphen stays part of the digits.
      {"15551234567", "155", "51234567"},
      // Only one prefix is taken off.
      {"1-1-555-123-4567", std::nullopt, "1-555-123-4567"},
      {"555.123.4567", std::nullopt, "555.123.4567"},
      {"(555)123-4567", std::nullopt, "(555)123-4567"},
      {"123-4567", std::nullopt, "123-4567"},
      {"+1-555-123-4567", std::nullopt, "+1-555-123-4567"},
      {"(55a) 123-4567", std::nullopt, "(55a) 123-4567"},
      {"555-123-456", std::nullopt, "555-123-456"},
      // The prefix alone leaves nothing, which is written as it is.
      {"1-", std::nullopt, ""},
      {"", std::nullopt, std::nullopt},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE("value \"" + c.value + "\"");
    const Calls calls = MainCallsOn({{"APPRAISERPHONE", c.value}});
    Calls expected;
    if (c.areaCode) expected.push_back(Write("99|3", *c.areaCode));
    if (c.number) expected.push_back(Write("99|4", *c.number));
    EXPECT_EQ(WritesOf(calls), expected);
    // The table goes on with the appraiser's address.
    const int read = IndexOf(calls, "ReadDirect(\"APPRAISERPHONE\")");
    ASSERT_GE(read, 0);
    EXPECT_EQ(Member(calls.at(read + 1 + expected.size())), "ParseAddress");
  }
}

TEST(ERCTest, TheAgentsPhoneGoesOntoLine103) {
  const Calls calls = MainCallsOn({{"COMPANYAGENTPHONE", "1-(612) 555-0188"}});
  EXPECT_EQ(WritesOf(calls), (Calls{Write("103|2", "612"), Write("103|3", "555-0188")}));
  const int read = IndexOf(calls, "ReadDirect(\"COMPANYAGENTPHONE\")");
  ASSERT_GE(read, 1);
  EXPECT_EQ(calls[read - 1], "SetAlias(\"COMPANYAGENT\", \"103|1\")");
  EXPECT_EQ(calls.at(read + 3), "ParseExtended(\"ANALYSISCURRENTAGREE\", \"105|1\", True)");
}

// A failing read or write is reported under "ERC::ParsePhone"; Retry goes on
// with the next step, Cancel ends the splitting; either way the main table
// goes on after it.
TEST(ERCTest, PhoneSplittingReportsItsOwnErrorsAndTheTableGoesOn) {
  struct Case {
    const char* name;
    std::set<std::string> failingReads;
    std::set<std::string> failingWrites;
    MsgResult answer;
    std::string box;
    Calls writes;
  };
  const std::vector<Case> cases = {
      {"read fails, Retry", {"APPRAISERPHONE"}, {}, MsgResult::kRetry,
       "Error 1004 in ERC::ParsePhone:\nCannot read APPRAISERPHONE", {}},
      {"read fails, Cancel", {"APPRAISERPHONE"}, {}, MsgResult::kCancel,
       "Error 1004 in ERC::ParsePhone:\nCannot read APPRAISERPHONE", {}},
      {"area code write fails, Retry", {}, {"99|3"}, MsgResult::kRetry,
       "Error 1004 in ERC::ParsePhone:\nCannot write 99|3",
       {Write("99|3", "555"), Write("99|4", "123-4567")}},
      {"area code write fails, Cancel", {}, {"99|3"}, MsgResult::kCancel,
       "Error 1004 in ERC::ParsePhone:\nCannot write 99|3", {Write("99|3", "555")}},
      {"number write fails, Cancel", {}, {"99|4"}, MsgResult::kCancel,
       "Error 1004 in ERC::ParsePhone:\nCannot write 99|4",
       {Write("99|3", "555"), Write("99|4", "123-4567")}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    ScriptedUi ui;
    ui.AnswerBox(c.answer);
    auto engine = std::make_unique<ScriptedEngine>();
    engine->services.ui = &ui;
    engine->values = {{"APPRAISERPHONE", "(555) 123-4567"}};
    engine->failingReads = c.failingReads;
    engine->failingWrites = c.failingWrites;
    const Calls calls = MainCallsOn(std::move(engine));

    ASSERT_EQ(ui.boxes.size(), 1u);
    EXPECT_EQ(ui.boxes[0].text, c.box);
    EXPECT_EQ(ui.boxes[0].buttons, MsgButtons::kRetryCancel);
    EXPECT_EQ(ui.boxes[0].icon, MsgIcon::kInformation);
    EXPECT_TRUE(ui.AllAnswersUsed());
    EXPECT_EQ(WritesOf(calls), c.writes);
    // Settled inside: the rest of the table is made as on an order where
    // nothing fails.
    const int read = IndexOf(calls, "ReadDirect(\"APPRAISERPHONE\")");
    ASSERT_GE(read, 0);
    EXPECT_EQ(Member(calls.at(read + 1 + c.writes.size())), "ParseAddress");
    const Calls plain = MainCallsOn({{"APPRAISERPHONE", "(555) 123-4567"}});
    const int plainRead = IndexOf(plain, "ReadDirect(\"APPRAISERPHONE\")");
    ASSERT_GE(plainRead, 0);
    EXPECT_EQ(Calls(calls.begin() + read + 1 + static_cast<int>(c.writes.size()), calls.end()),
              Calls(plain.begin() + plainRead + 1 + static_cast<int>(WritesOf(plain).size()),
                    plain.end()));
  }
}

// ---------------------------------------------------------------------------

const std::map<std::string, std::string> kStreets46 = {{"COMP(4)ADDRSTREET", "4 Elm St"},
                                                       {"COMP(5)ADDRSTREET", "5 Elm St"},
                                                       {"COMP(6)ADDRSTREET", "6 Elm St"}};

TEST(ERCTest, AddendaOfAFullOrder) {
  ERC translator;
  const Calls calls = AddendaCalls(translator);
  const Calls opening = {
      "AddExtended(\"4|1\")",
      "SetForm(\"offscrn\")",
      "SetAlias(\"OWNER\", \"6|1\")",
      "SetAlias(\"PROPADDR\", \"7|1\")",
      "SetAlias(\"CITY\", \"8|1\")",
      "SetAlias(\"COUNTY\", \"8|2\")",
      "SetAlias(\"STATEPROV\", \"8|3\")",
      "SetAlias(\"ZIP\", \"8|4\")",
      "SetAlias(\"LENDERCLIENTSTREET\", \"15|1\")",
      "ParseAddress(\"16|1\", \"LENDERCLIENTCITY\", \"LENDERCLIENTSTATEPROV\", \"BOGON\", \"\", "
      "\"\")",
      "SetAlias(\"LENDERCLIENTZIP\", \"17|1\")",
      // The first street present is enough: the other two are not read.
      "ReadDirect(\"COMP(4)ADDRSTREET\")",
      "SetForm(\"er3cmp46\")",
      "SetAlias(\"COMP(4)ADDRSTREET\", \"11|2\")",
      "MapValue(\"COMP(4)NUM\", \"4\")",
  };
  ASSERT_GE(calls.size(), opening.size());
  EXPECT_EQ(Calls(calls.begin(), calls.begin() + static_cast<long>(opening.size())), opening);

  const int closing = IndexOf(calls, "SetAlias(\"SALESCOMPDESCOTHERTWO\", \"51|1\")");
  ASSERT_EQ(closing, 13 + 3 * 72);
  EXPECT_EQ(calls[closing - 1], "SetAlias(\"COMP(6)SIGDIFFERENCES\", \"66|1\")");
  EXPECT_EQ(calls[closing + 1], "SetAlias(\"MARKETDATATWO\", \"72|1\")");
  EXPECT_EQ(calls[closing + 2], "SetPhoto(\"SUBJECTFRONTVIEW\", \"SUB_1_3X5\")");
  const Calls overflow(calls.begin() + 13, calls.begin() + closing + 2);
  const std::map<std::string, int> perForm = {
      {"SetAlias", 3 * 68 + 2}, {"MapValue", 3}, {"ParseAddress", 3}, {"CheckAlias", 3},
      {"Combine", 3}};
  EXPECT_EQ(CountByMember(overflow), perForm);
  ExpectDistinctWellFormedAddresses(overflow);
}

TEST(ERCTest, OverflowColumnsForComparablesFourToSix) {
  struct Case {
    int n;
    std::vector<std::string> calls;
  };
  const std::vector<Case> cases = {
      {4,
       {"ParseAddress(\"12|2\", \"COMP(4)ADDRCITY\", \"COMP(4)ADDRSTATEPROV\", "
        "\"COMP(4)ADDRZIP\", \"\", \"\")",
        "SetAlias(\"COMP(4)PROXIMITY\", \"13|1\")", "SetAlias(\"COMP(4)ROOMTOT\", \"32|3\")",
        "SetAlias(\"COMP(4)BEDROOMS\", \"32|4\")", "SetAlias(\"COMP(4)ABOVEGRADEADJ\", \"32|5\")",
        "SetAlias(\"COMP(4)FORECASTING\", \"48|3\")",
        "CheckAlias(\"COMP(4)NETADJUSTPOSNEG\", \"49|1\", \"POSITIVE\", [\"49|2\", \"NEGATIVE\"])",
        "SetAlias(\"COMP(4)NETADJUSTTOT\", \"49|3\")",
        "Combine(\"48|2\", \" \", 0, [\"COMP(4)ADJUSTSALESGROSS\", \"COMP(4)ADJUSTSALESNET\"])",
        "SetAlias(\"COMP(4)ADJUSTSALESPRICE\", \"50|2\")"}},
      {5,
       {"MapValue(\"COMP(5)NUM\", \"5\")", "SetAlias(\"COMP(5)FINALPRICE\", \"14|4\")",
        "SetAlias(\"COMP(5)SIGFEATURE2\", \"43|5\")",
        "CheckAlias(\"COMP(5)NETADJUSTPOSNEG\", \"49|4\", \"POSITIVE\", [\"49|5\", \"NEGATIVE\"])",
        "SetAlias(\"COMP(5)SIGDIFFERENCES\", \"60|1\")"}},
      {6,
       {"SetAlias(\"COMP(6)PROXIMITY\", \"13|3\")", "SetAlias(\"COMP(6)ROOMTOT\", \"32|9\")",
        "SetAlias(\"COMP(6)ADJUSTSALESPRICE\", \"50|6\")",
        "SetAlias(\"COMP(6)SIGDIFFERENCES\", \"66|1\")"}},
  };
  ERC translator;
  const Calls calls = AddendaCalls(translator);
  for (const Case& c : cases) {
    SCOPED_TRACE("comparable " + std::to_string(c.n));
    const Calls block = OverflowBlock(calls, c.n);
    EXPECT_EQ(block.size(), 72u);
    for (const std::string& call : c.calls) {
      EXPECT_TRUE(Contains(block, call)) << "missing: " << call;
    }
    const std::string own = "COMP(" + std::to_string(c.n) + ")";
    for (const std::string& call : block) EXPECT_NE(call.find(own), std::string::npos) << call;
  }
}

// The overflow column of comparable n is the main form's column of comparable
// n - 3 on lines 341 higher, apart from its head (street first, then the
// number) and its differences, which are a plain field there.
TEST(ERCTest, OverflowRowsAreTheMainGridRowsMovedUp) {
  ERC translator;
  const Calls main = MainCalls(translator);
  const Calls addenda = AddendaCalls(translator);
  for (int n = 4; n <= 6; ++n) {
    SCOPED_TRACE("comparable " + std::to_string(n));
    const Calls mainBlock = SaleBlock(main, n - 3);
    const Calls overflowBlock = OverflowBlock(addenda, n);
    ASSERT_EQ(mainBlock.size(), overflowBlock.size());
    // Rows between the head (two calls) and the differences (the last call).
    for (std::size_t i = 2; i + 1 < mainBlock.size(); ++i) {
      std::string expected = mainBlock[i];
      const std::string from = "COMP(" + std::to_string(n - 3) + ")";
      for (std::size_t at = expected.find(from); at != std::string::npos;
           at = expected.find(from, at + 1)) {
        expected.replace(at, from.size(), "COMP(" + std::to_string(n) + ")");
      }
      for (const std::string& addr : WrittenAddresses(mainBlock[i])) {
        const int line = std::stoi(addr.substr(0, addr.find('|')));
        const std::string moved = std::to_string(line - 341) + addr.substr(addr.find('|'));
        expected.replace(expected.find(Q(addr)), addr.size() + 2, Q(moved));
      }
      EXPECT_EQ(overflowBlock[i], expected);
    }
  }
}

// Only the street tags decide whether the overflow form is added, only a
// form that SetForm could give its version is filled, and only a comparable
// with a street of its own gets more than its street call.
TEST(ERCTest, OverflowFormIsGuardedByStreetsAndBySetForm) {
  struct Case {
    const char* name;
    std::map<std::string, std::string> values;
    std::set<std::string> refusedForms;
    Calls reads;                 // the street tags read, in order
    Calls forms;                 // SetForm calls, in order
    std::set<int> filled;        // comparables whose number was checked
    bool streetCalls;            // the three overflow street SetAlias made
  };
  std::map<std::string, std::string> noStreets = {
      {"COMP(4)ADDRCITY", "Ames"}, {"COMP(5)NUM", "5"}, {"COMP(6)SALESPRICE", "1"},
      {"SALESCOMPDESCOTHERTWO", "more"}, {"MARKETDATATWO", "more"}};
  std::map<std::string, std::string> fifthOnly = noStreets;
  fifthOnly["COMP(5)ADDRSTREET"] = "5 Elm St";
  std::map<std::string, std::string> all = noStreets;
  all.insert(kStreets46.begin(), kStreets46.end());
  const std::vector<Case> cases = {
      {"no street for comparables 4 to 6", noStreets, {},
       {"COMP(4)ADDRSTREET", "COMP(5)ADDRSTREET", "COMP(6)ADDRSTREET"}, {"offscrn"}, {}, false},
      {"a street for comparable 5 only", fifthOnly, {},
       {"COMP(4)ADDRSTREET", "COMP(5)ADDRSTREET"}, {"offscrn", "er3cmp46"}, {5}, true},
      {"the overflow form without a version", all, {"er3cmp46"}, {"COMP(4)ADDRSTREET"},
       {"offscrn", "er3cmp46"}, {}, false},
      {"the report profile refused", all, {"offscrn"}, {"COMP(4)ADDRSTREET"},
       {"offscrn", "er3cmp46"}, {4, 5, 6}, true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    ERC translator;
    const Calls calls = AddendaCalls(translator, c.values, c.refusedForms);
    Calls reads, forms;
    std::set<int> filled;
    for (const std::string& call : calls) {
      if (Member(call) == "ReadDirect") reads.push_back(call.substr(12, call.size() - 14));
      if (Member(call) == "SetForm") forms.push_back(call.substr(9, call.size() - 11));
      if (Member(call) == "MapValue") filled.insert(call[call.find("COMP(") + 5] - '0');
    }
    EXPECT_EQ(reads, c.reads);
    EXPECT_EQ(forms, c.forms);
    EXPECT_EQ(filled, c.filled);
    for (int n : c.filled) EXPECT_EQ(OverflowBlock(calls, n).size(), 72u) << n;
    for (int n = 4; n <= 6; ++n) {
      EXPECT_EQ(Contains(calls, "SetAlias(" + Q(Comp(n, "ADDRSTREET")) + ", " +
                                    Q(Addr(11, n - 2)) + ")"),
                c.streetCalls)
          << n;
      // A comparable without a street has its street call and nothing else.
      if (c.filled.count(n) == 0) {
        EXPECT_FALSE(Contains(calls, MapNum(Comp(n, "NUM"), n))) << n;
      }
    }
    // The two closing rows stand with the overflow grid, whatever its columns gave.
    EXPECT_EQ(Contains(calls, "SetAlias(\"SALESCOMPDESCOTHERTWO\", \"51|1\")"), c.streetCalls);
    EXPECT_EQ(Contains(calls, "SetAlias(\"MARKETDATATWO\", \"72|1\")"), c.streetCalls);
    EXPECT_EQ(Contains(calls, "SetAlias(\"OWNER\", \"6|1\")"),
              c.refusedForms.count("offscrn") == 0);
    // The photos come last, whatever the guards decided.
    const int firstPhoto = IndexOf(calls, "SetPhoto(\"SUBJECTFRONTVIEW\", \"SUB_1_3X5\")");
    ASSERT_GE(firstPhoto, 0);
    for (int i = firstPhoto; i < static_cast<int>(calls.size()); ++i) {
      EXPECT_EQ(Member(calls[i]), "SetPhoto") << calls[i];
    }
  }
}

}  // namespace
}  // namespace ombrel
