// The ERC2001 translator's tables, checked through the calls they make on a
// recording engine: the listing and sale columns with the one
// departure of comparable 1, the licence selection, the overflow form's
// guards and the photos.
#include "translators/erc/erc2001.h"

#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "erc_trace.h"
#include "platform/errors/error.h"

namespace ombrel {
namespace {

using namespace erc_testing;  // NOLINT(google-build-using-namespace)
using testing::RecordingEngine;

std::string MapNum(const std::string& tag, int n) {
  return "MapValue(" + Q(tag) + ", " + Q(std::to_string(n)) + ")";
}

std::string Set(const std::string& tag, const std::string& addr) {
  return "SetAlias(" + Q(tag) + ", " + Q(addr) + ")";
}

// The calls of sale comparable n on "ERS": from its number check to its
// adjusted sales price.
Calls SaleBlock(const Calls& calls, int n) {
  return Between(calls, MapNum(Comp(n, "NUM"), n),
                 Set(Comp(n, "ADJUSTSALESPRICE"), Addr(385, 2 * n)));
}

// The calls of sale comparable n on "erscmp46": from its street to its
// adjusted sales price.
Calls OverflowBlock(const Calls& calls, int n) {
  const int k = n - 3;
  return Between(calls, Set(Comp(n, "ADDRSTREET"), Addr(15, k + 1)),
                 Set(Comp(n, "ADJUSTSALESPRICE"), Addr(52, 2 * k)));
}

// ---------------------------------------------------------------------------

// City, state and zip share one field: joined into it, and only when the
// order holds at least one of the three, so that an order without any leaves
// the field unwritten.
TEST(ERC2001Test, AddressPartsAreJoinedWhenTheOrderHoldsOne) {
  struct Place {
    std::string city, state, zip, addr;
  };
  const std::vector<Place> places = {
      {"LISTSUBJECTADDRCITY", "LISTSUBJECTADDRSTATEPROV", "LISTSUBJECTADDRZIP", "283|1"},
      {"LISTCOMP(2)CITY", "LISTCOMP(2)STATEPROV", "LISTCOMP(2)ZIP", "283|3"},
      {"SUBJECTADDRCITY", "SUBJECTADDRSTATEPROV", "SUBJECTADDRZIP", "349|1"},
      {"COMP(3)ADDRCITY", "COMP(3)ADDRSTATEPROV", "COMP(3)ADDRZIP", "349|4"},
      {"CITY", "STATEPROV", "ZIP", "493|1"},
  };
  // Which of the three parts the order holds; the reads stop at the first
  // part with a value.
  struct Case {
    const char* name;
    bool city, state, zip;
    int reads;
    bool joined;
  };
  const std::vector<Case> cases = {
      {"none of the three", false, false, false, 3, false},
      {"the zip only", false, false, true, 3, true},
      {"the state only", false, true, false, 2, true},
      {"all three", true, true, true, 1, true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    auto engine = std::make_unique<ScriptedEngine>();
    for (const Place& place : places) {
      if (c.city) engine->values[place.city] = "Ames";
      if (c.state) engine->values[place.state] = "IA";
      if (c.zip) engine->values[place.zip] = "50010";
    }
    ERC2001 translator;
    const Calls calls =
        testing::TraceTranslator(translator, testing::TraceTables::kMain, std::move(engine));
    for (const Place& place : places) {
      SCOPED_TRACE(place.addr);
      const int at = IndexOf(calls, "ReadDirect(" + Q(place.city) + ")");
      ASSERT_GE(at, 0);
      ASSERT_LT(at + c.reads, static_cast<int>(calls.size()));
      const Calls reads = {"ReadDirect(" + Q(place.city) + ")",
                           "ReadDirect(" + Q(place.state) + ")",
                           "ReadDirect(" + Q(place.zip) + ")"};
      EXPECT_EQ(Calls(calls.begin() + at, calls.begin() + at + c.reads),
                Calls(reads.begin(), reads.begin() + c.reads));
      const std::string join = "ParseAddress(" + Q(place.addr) + ", " + Q(place.city) + ", " +
                               Q(place.state) + ", " + Q(place.zip) + ", \"\", \"\")";
      EXPECT_EQ(calls[at + c.reads] == join, c.joined) << calls[at + c.reads];
      EXPECT_EQ(Contains(calls, join), c.joined);
      for (const std::string& tag : {place.city, place.state, place.zip}) {
        EXPECT_FALSE(Contains(calls, Set(tag, place.addr))) << tag;
      }
    }
  }
}

TEST(ERC2001Test, ListingColumnsForListingsOneToThree) {
  struct Case {
    int n;
    std::vector<std::string> calls;
  };
  const std::vector<Case> cases = {
      {1,
       {Set("LISTCOMP(1)STREET", "282|2"),
        "ParseAddress(\"283|2\", \"LISTCOMP(1)CITY\", \"LISTCOMP(1)STATEPROV\", "
        "\"LISTCOMP(1)ZIP\", \"\", \"\")",
        Set("LISTCOMP(1)PROXIMITY", "284|1"), Set("LISTCOMP(1)VIEW", "291|2"),
        Set("LISTCOMP(1)ROOMTOT", "297|4"), Set("LISTCOMP(1)BATH", "297|6"),
        Set("LISTCOMP(1)SIGFEATURE", "305|2"), Set("LISTCOMP(1)SIGFEATURE4", "308|3")}},
      {2,
       {Set("LISTCOMP(2)STREET", "282|3"), Set("LISTCOMP(2)PROXIMITY", "284|2"),
        Set("LISTCOMP(2)ROOMTOT", "297|7"), Set("LISTCOMP(2)BATH", "297|9"),
        Set("LISTCOMP(2)SIGFEATURE2", "306|4"), Set("LISTCOMP(2)SIGFEATURE4", "308|4")}},
      {3,
       {Set("LISTCOMP(3)STREET", "282|4"), "ReadDirect(\"LISTCOMP(3)CITY\")",
        Set("LISTCOMP(3)PROXIMITY", "284|3"), Set("LISTCOMP(3)ROOMTOT", "297|10"),
        Set("LISTCOMP(3)BATH", "297|12"), Set("LISTCOMP(3)GARAGE", "303|4"),
        Set("LISTCOMP(3)SIGFEATURE4", "308|5")}},
  };
  ERC2001 translator;
  const Calls calls = MainCalls(translator);
  for (const Case& c : cases) {
    SCOPED_TRACE("listing " + std::to_string(c.n));
    const Calls block = Between(calls, MapNum(ListComp(c.n, "NUM"), c.n), c.calls.back());
    EXPECT_EQ(block.size(), 31u);
    for (const std::string& call : c.calls) {
      EXPECT_TRUE(Contains(block, call)) << "missing: " << call;
    }
    const std::string own = "LISTCOMP(" + std::to_string(c.n) + ")";
    for (const std::string& call : block) EXPECT_NE(call.find(own), std::string::npos) << call;
  }
  // The listing comments follow the three runs, three lines apart.
  for (int n = 1; n <= 3; ++n) {
    EXPECT_TRUE(Contains(calls, "ParseExtended(" + Q(ListComp(n, "VALUEDIFFER")) + ", " +
                                    Q(Addr(311 + 3 * (n - 1), 1)) + ", True)"))
        << n;
  }
}

TEST(ERC2001Test, SaleColumnsForComparablesOneToThree) {
  struct Case {
    int n;
    std::vector<std::string> calls;
  };
  const std::vector<Case> cases = {
      {1,
       {Set("COMP(1)ADDRSTREET", "348|2"),
        "ParseAddress(\"349|2\", \"COMP(1)ADDRCITY\", \"COMP(1)ADDRSTATEPROV\", "
        "\"COMP(1)ADDRZIP\", \"\", \"\")",
        Set("COMP(1)PROXIMITY", "350|1"), Set("COMP(1)FINALPRICE", "351|2"),
        Set("COMP(1)MARKETDAYS", "355|1"), Set("COMP(1)SCONCESSION", "358|1"),
        Set("COMP(1)FCONCESSIONADJ", "359|2"), Set("COMP(1)MARKETCHANGE", "361|2"),
        Set("COMP(1)ROOMTOT", "370|3"), Set("COMP(1)ABOVEGRADEADJ", "370|5"),
        Set("COMP(1)SIGFEATURE4ADJ", "382|4"), Set("COMP(1)FORECASTING", "383|3"),
        "CheckAlias(\"COMP(1)NETADJUSTPOSNEG\", \"384|1\", \"POSITIVE\", [\"384|2\", "
        "\"NEGATIVE\"])",
        // The one departure from the grid: comparable 1's total below its boxes
        Set("COMP(1)NETADJUSTTOT", "385|1"), Set("COMP(1)ADJUSTSALESPRICE", "385|2")}},
      {2,
       {Set("COMP(2)ADDRSTREET", "348|3"), Set("COMP(2)PROXIMITY", "350|2"),
        Set("COMP(2)SCONCESSION", "358|3"), Set("COMP(2)SCONCESSIONADJ", "358|4"),
        Set("COMP(2)LOCATIONADJ", "362|5"), Set("COMP(2)BEDROOMS", "370|7"),
        "CheckAlias(\"COMP(2)NETADJUSTPOSNEG\", \"384|4\", \"POSITIVE\", [\"384|5\", "
        "\"NEGATIVE\"])",
        Set("COMP(2)NETADJUSTTOT", "384|6"), Set("COMP(2)ADJUSTSALESPRICE", "385|4")}},
      {3,
       {"ReadDirect(\"COMP(3)ADDRCITY\")", Set("COMP(3)DATA", "356|3"),
        Set("COMP(3)FCONCESSION", "359|5"), Set("COMP(3)ROOMTOT", "370|9"),
        Set("COMP(3)SIGFEATURE3", "381|7"),
        "CheckAlias(\"COMP(3)NETADJUSTPOSNEG\", \"384|7\", \"POSITIVE\", [\"384|8\", "
        "\"NEGATIVE\"])",
        Set("COMP(3)NETADJUSTTOT", "384|9"), Set("COMP(3)ADJUSTSALESPRICE", "385|6")}},
  };
  ERC2001 translator;
  const Calls calls = MainCalls(translator);
  for (const Case& c : cases) {
    SCOPED_TRACE("comparable " + std::to_string(c.n));
    const Calls block = SaleBlock(calls, c.n);
    EXPECT_EQ(block.size(), 64u);
    for (const std::string& call : c.calls) {
      EXPECT_TRUE(Contains(block, call)) << "missing: " << call;
    }
    const std::string own = "COMP(" + std::to_string(c.n) + ")";
    for (const std::string& call : block) EXPECT_NE(call.find(own), std::string::npos) << call;
  }
  for (const std::string& call : calls) {
    for (const std::string& addr : WrittenAddresses(call)) EXPECT_NE(addr, "384|3") << call;
  }
}

// The licence number is written unless the order holds the certificate number only.
TEST(ERC2001Test, LicenceSelectionFollowsWhichNumberTheOrderHolds) {
  const Calls licence = {Set("APPRAISERSTATELICNUM", "496|1"),
                         Set("APPRAISERLICSTATEPROV", "498|1")};
  const Calls certificate = {Set("APPRAISERSTATECERTNUM", "496|1"),
                             Set("APPRAISERCERTSTATEPROV", "498|1")};
  const Calls supLicence = {Set("SUPAPPRAISERSTATELICNUM", "496|2"),
                            Set("SUPAPPRAISERLICSTATEPROV", "498|2")};
  const Calls supCertificate = {Set("SUPAPPRAISERSTATECERTNUM", "496|2"),
                                Set("SUPAPPRAISERCERTSTATEPROV", "498|2")};
  const std::vector<std::pair<int32_t, bool>> cases = {{-1, true}, {-2, true}, {0, false}};
  for (const auto& [licensing, byLicence] : cases) {
    SCOPED_TRACE("Licensing answers " + std::to_string(licensing));
    ERC2001 translator;
    const Calls calls = MainCalls(translator, licensing);
    Calls expected = {Set("APPRAISER", "494|1"), Set("APPRAISERDTSIGNED", "495|1"),
                      "Licensing(1)"};
    const Calls& own = byLicence ? licence : certificate;
    expected.insert(expected.end(), own.begin(), own.end());
    expected.insert(expected.end(), {Set("APPRAISERLICCERTEXPDT", "499|1"),
                                     Set("SUPAPPRAISER", "494|2"),
                                     Set("SUPAPPRAISERDTSIGNED", "495|2"), "Licensing(2)"});
    const Calls& sup = byLicence ? supLicence : supCertificate;
    expected.insert(expected.end(), sup.begin(), sup.end());
    expected.push_back(Set("SUPAPPRAISERLICCERTEXPDT", "499|2"));
    EXPECT_EQ(Between(calls, expected.front(), expected.back()), expected);
  }
}

// ---------------------------------------------------------------------------

TEST(ERC2001Test, AddendaOfAFullOrder) {
  ERC2001 translator;
  const Calls calls = AddendaCalls(translator);
  const Calls opening = {
      "AddExtended(\"4|1\")",
      "AddExtended(\"7|1\")",
      "AddExtended(\"503|1\")",
      // The first street present is enough: the other two are not read.
      "ReadDirect(\"COMP(4)ADDRSTREET\")",
      "SetForm(\"erscmp46\")",
      Set("COMP(4)ADDRSTREET", "15|2"),
      "MapValue(\"COMP(4)NUM\", \"4\")",
      "ParseAddress(\"16|2\", \"COMP(4)ADDRCITY\", \"COMP(4)ADDRSTATEPROV\", \"COMP(4)ADDRZIP\", "
      "\"\", \"\")",
  };
  ASSERT_GE(calls.size(), opening.size());
  EXPECT_EQ(Calls(calls.begin(), calls.begin() + static_cast<long>(opening.size())), opening);

  // After the three columns: the selection comments of all three, then the comparison.
  const int selection = IndexOf(calls, Set("COMP(4)COMPSALESELECTION", "55|1"));
  ASSERT_EQ(selection, 5 + 3 * 63);
  EXPECT_EQ(calls[selection - 1], Set("COMP(6)ADJUSTSALESPRICE", "52|6"));
  EXPECT_EQ(calls[selection + 1], Set("COMP(5)COMPSALESELECTION", "61|1"));
  EXPECT_EQ(calls[selection + 2], Set("COMP(6)COMPSALESELECTION", "67|1"));
  EXPECT_EQ(calls[selection + 3], Set("SALESCOMPARISON2", "73|1"));
  EXPECT_EQ(calls[selection + 4], "SetPhoto(\"SUBJECTFRONTVIEW\", \"SUB_1_3X5\")");

  const Calls overflow(calls.begin() + 5, calls.begin() + selection + 4);
  const std::map<std::string, int> perForm = {
      {"SetAlias", 3 * 60 + 4}, {"MapValue", 3}, {"ParseAddress", 3}, {"CheckAlias", 3}};
  EXPECT_EQ(CountByMember(overflow), perForm);
  ExpectDistinctWellFormedAddresses(overflow);
  // Nothing goes onto the report profile.
  EXPECT_FALSE(Contains(calls, "SetForm(\"offscrn\")"));
}

TEST(ERC2001Test, OverflowColumnsForComparablesFourToSix) {
  struct Case {
    int n;
    std::vector<std::string> calls;
  };
  const std::vector<Case> cases = {
      {4,
       {Set("COMP(4)PROXIMITY", "17|1"), Set("COMP(4)FINALPRICE", "18|2"),
        Set("COMP(4)MARKETDAYS", "22|1"), Set("COMP(4)SCONCESSION", "25|1"),
        Set("COMP(4)SCONCESSIONADJ", "25|2"), Set("COMP(4)ROOMTOT", "37|3"),
        Set("COMP(4)BEDROOMS", "37|4"), Set("COMP(4)ABOVEGRADEADJ", "37|5"),
        Set("COMP(4)FORECASTING", "50|3"),
        "CheckAlias(\"COMP(4)NETADJUSTPOSNEG\", \"51|1\", \"POSITIVE\", [\"51|2\", \"NEGATIVE\"])",
        // No departure here: the total follows the grid
        Set("COMP(4)NETADJUSTTOT", "51|3"), Set("COMP(4)ADJUSTSALESPRICE", "52|2")}},
      {5,
       {"MapValue(\"COMP(5)NUM\", \"5\")",
        "ParseAddress(\"16|3\", \"COMP(5)ADDRCITY\", \"COMP(5)ADDRSTATEPROV\", "
        "\"COMP(5)ADDRZIP\", \"\", \"\")",
        Set("COMP(5)FCONCESSIONADJ", "26|4"), Set("COMP(5)SIGFEATURE4", "49|5"),
        Set("COMP(5)NETADJUSTTOT", "51|6")}},
      {6,
       {Set("COMP(6)PROXIMITY", "17|3"), Set("COMP(6)ROOMTOT", "37|9"),
        Set("COMP(6)NETADJUSTTOT", "51|9"), Set("COMP(6)ADJUSTSALESPRICE", "52|6")}},
  };
  ERC2001 translator;
  const Calls calls = AddendaCalls(translator);
  for (const Case& c : cases) {
    SCOPED_TRACE("comparable " + std::to_string(c.n));
    const Calls block = OverflowBlock(calls, c.n);
    EXPECT_EQ(block.size(), 63u);
    for (const std::string& call : c.calls) {
      EXPECT_TRUE(Contains(block, call)) << "missing: " << call;
    }
    const std::string own = "COMP(" + std::to_string(c.n) + ")";
    for (const std::string& call : block) EXPECT_NE(call.find(own), std::string::npos) << call;
  }
}

// From the proximity on, the overflow column of comparable n is the main
// form's column of comparable n - 3 on lines 333 higher; only comparable 1's
// total (385|1 on "ERS") has no counterpart, comparable 4's standing in 51|3.
TEST(ERC2001Test, OverflowRowsAreTheMainGridRowsMovedUp) {
  ERC2001 translator;
  const Calls main = MainCalls(translator);
  const Calls addenda = AddendaCalls(translator);
  for (int n = 4; n <= 6; ++n) {
    SCOPED_TRACE("comparable " + std::to_string(n));
    const Calls mainBlock = SaleBlock(main, n - 3);
    const Calls overflowBlock = OverflowBlock(addenda, n);
    // The main column's head is four calls (number, street, the read that
    // guards the joined address, the join), the overflow column's three
    // (street, number, join).
    ASSERT_EQ(mainBlock.size(), overflowBlock.size() + 1);
    for (std::size_t i = 4; i < mainBlock.size(); ++i) {
      std::string expected = mainBlock[i];
      const std::string from = "COMP(" + std::to_string(n - 3) + ")";
      expected.replace(expected.find(from), from.size(), "COMP(" + std::to_string(n) + ")");
      for (const std::string& addr : WrittenAddresses(mainBlock[i])) {
        const int line = std::stoi(addr.substr(0, addr.find('|')));
        std::string moved = std::to_string(line - 333) + addr.substr(addr.find('|'));
        if (addr == "385|1") moved = "51|3";
        expected.replace(expected.find(Q(addr)), addr.size() + 2, Q(moved));
      }
      EXPECT_EQ(overflowBlock[i - 1], expected);
    }
  }
}

// Only the street tags decide whether the overflow form is added, only a
// form that SetForm could give its version is filled, only a comparable with
// a street gets more than its street call, and the selection comments come
// with the filled form, whichever of its columns were made.
TEST(ERC2001Test, OverflowFormIsGuardedByStreetsAndBySetForm) {
  struct Case {
    const char* name;
    std::map<std::string, std::string> values;
    std::set<std::string> refusedForms;
    Calls reads;
    bool formAdded;
    std::set<int> filled;
    bool closingRow;
  };
  const std::map<std::string, std::string> others = {
      {"COMP(4)ADDRCITY", "Ames"}, {"COMP(6)NUM", "6"}, {"COMP(5)SALESPRICE", "1"},
      {"SALESCOMPARISON2", "more"}, {"COMP(4)COMPSALESELECTION", "why"}};
  auto with = [&](std::initializer_list<int> streets) {
    std::map<std::string, std::string> values = others;
    for (int n : streets) values[Comp(n, "ADDRSTREET")] = std::to_string(n) + " Elm St";
    return values;
  };
  const std::vector<Case> cases = {
      {"no street for comparables 4 to 6", with({}), {},
       {"COMP(4)ADDRSTREET", "COMP(5)ADDRSTREET", "COMP(6)ADDRSTREET"}, false, {}, false},
      {"streets for comparables 4 and 5", with({4, 5}), {}, {"COMP(4)ADDRSTREET"}, true, {4, 5},
       true},
      {"a street for comparable 6 only", with({6}), {},
       {"COMP(4)ADDRSTREET", "COMP(5)ADDRSTREET", "COMP(6)ADDRSTREET"}, true, {6}, true},
      {"the overflow form without a version", with({4, 5, 6}), {"erscmp46"},
       {"COMP(4)ADDRSTREET"}, true, {}, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    ERC2001 translator;
    const Calls calls = AddendaCalls(translator, c.values, c.refusedForms);
    Calls reads;
    std::set<int> filled;
    for (const std::string& call : calls) {
      if (Member(call) == "ReadDirect") reads.push_back(call.substr(12, call.size() - 14));
      if (Member(call) == "MapValue") filled.insert(call[call.find("COMP(") + 5] - '0');
    }
    EXPECT_EQ(reads, c.reads);
    EXPECT_EQ(Contains(calls, "SetForm(\"erscmp46\")"), c.formAdded);
    EXPECT_EQ(filled, c.filled);
    for (int n : c.filled) EXPECT_EQ(OverflowBlock(calls, n).size(), 63u) << n;
    const bool columnsMade = c.closingRow;
    for (int n = 4; n <= 6; ++n) {
      EXPECT_EQ(Contains(calls, Set(Comp(n, "ADDRSTREET"), Addr(15, n - 2))), columnsMade) << n;
    }
    // The address of a filled column is written even with city, state and zip empty.
    for (int n : c.filled) {
      EXPECT_TRUE(Contains(calls, "ParseAddress(" + Q(Addr(16, n - 2)) + ", " +
                                      Q(Comp(n, "ADDRCITY")) + ", " +
                                      Q(Comp(n, "ADDRSTATEPROV")) + ", " +
                                      Q(Comp(n, "ADDRZIP")) + ", \"\", \"\")"))
          << n;
    }
    Calls closingRows;
    if (c.closingRow) {
      closingRows = {Set("COMP(4)COMPSALESELECTION", "55|1"),
                     Set("COMP(5)COMPSALESELECTION", "61|1"),
                     Set("COMP(6)COMPSALESELECTION", "67|1"), Set("SALESCOMPARISON2", "73|1")};
    }
    const int firstPhotoCall = IndexOf(calls, "SetPhoto(\"SUBJECTFRONTVIEW\", \"SUB_1_3X5\")");
    ASSERT_GE(firstPhotoCall, static_cast<int>(closingRows.size()));
    EXPECT_EQ(Calls(calls.begin() + firstPhotoCall - static_cast<long>(closingRows.size()),
                    calls.begin() + firstPhotoCall),
              closingRows);
    for (int n = 4; n <= 6; ++n) {
      EXPECT_EQ(testing::Mentions(calls, Comp(n, "COMPSALESELECTION")), c.closingRow) << n;
    }
    const int firstPhoto = IndexOf(calls, "SetPhoto(\"SUBJECTFRONTVIEW\", \"SUB_1_3X5\")");
    ASSERT_GE(firstPhoto, 0);
    for (int i = firstPhoto; i < static_cast<int>(calls.size()); ++i) {
      EXPECT_EQ(Member(calls[i]), "SetPhoto") << calls[i];
    }
  }
}

}  // namespace
}  // namespace ombrel
