#include "platform/staging/pending_record.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

namespace ombrel {
namespace {

// Names as an envelope may give them: any byte but "/" and NUL, line
// breaks and spaces too, and text that reads like an entry.
const std::vector<RecordedName>& Files() {
  static const std::vector<RecordedName> files = {
      {"order.xml", 38, 0x0badf00dU},
      {"two\nlines.jpg", 70000, 0xffffffffU},
      {"claim 5 00000000 1 x", 0, 0},
      {" ", 1, 1},
      {std::string(255, '\xe9'), 18446744073709551615ULL, 0x12345678U},
  };
  return files;
}

std::string RecordOf(const std::vector<RecordedName>& files) {
  std::string record;
  for (const RecordedName& file : files) record += ClaimEntry(file);
  return record;
}

TEST(PendingRecordTest, EveryClaimReadsBackAsItWasWritten) {
  EXPECT_EQ(ClaimedNames(RecordOf(Files())), Files());
  EXPECT_TRUE(ClaimedNames("").empty());
}

// A kill while the record is written leaves a prefix of it: whatever the
// prefix, the claims read are exactly those whose entries it holds whole.
TEST(PendingRecordTest, ARecordCutShortReadsAsTheClaimsItHoldsWhole) {
  const std::string record = RecordOf(Files());
  std::vector<std::size_t> ends;  // where each entry ends
  std::size_t end = 0;
  for (const RecordedName& file : Files()) ends.push_back(end += ClaimEntry(file).size());
  for (std::size_t length = 0; length <= record.size(); ++length) {
    const std::size_t whole =
        static_cast<std::size_t>(std::upper_bound(ends.begin(), ends.end(), length) - ends.begin());
    const std::vector<RecordedName> expected(Files().begin(), Files().begin() + static_cast<long>(whole));
    ASSERT_EQ(ClaimedNames(record.substr(0, length)), expected) << "cut after " << length << " bytes";
  }
}

TEST(PendingRecordTest, AClaimGivenUpIsNoLongerClaimed) {
  std::string record = RecordOf(Files()) + ReleaseEntry(Files()[1].name) + ReleaseEntry("never claimed");
  std::vector<RecordedName> expected = Files();
  expected.erase(expected.begin() + 1);
  EXPECT_EQ(ClaimedNames(record), expected);
  // A release cut short gives nothing up.
  const std::string release = ReleaseEntry(Files()[0].name);
  EXPECT_EQ(ClaimedNames(record + release.substr(0, release.size() - 1)), expected);
}

// A name claimed again is one claim, with what its last claim says, and
// keeps its place; a release gives it up however often it was claimed, and
// a claim after the release takes it again.
TEST(PendingRecordTest, ANameClaimedAgainIsOneClaim) {
  const RecordedName a = {"a.jpg", 5, 1};
  const RecordedName b = {"b.jpg", 6, 2};
  std::string record;
  for (int i = 0; i < 1000; ++i) record += ClaimEntry({"a.jpg", 5, static_cast<uint32_t>(i)});
  record += ClaimEntry(b) + ClaimEntry(a);
  EXPECT_EQ(ClaimedNames(record), (std::vector<RecordedName>{a, b}));
  EXPECT_EQ(ClaimedNames(record + ReleaseEntry("a.jpg")), std::vector<RecordedName>{b});
  EXPECT_EQ(ClaimedNames(record + ReleaseEntry("a.jpg") + ClaimEntry({"a.jpg", 7, 3})),
            (std::vector<RecordedName>{{"a.jpg", 7, 3}, b}));
}

// The longest entries the program writes for a name fit what the cap
// allows for one.
TEST(PendingRecordTest, TheLongestEntriesFitTheCap) {
  const std::string name(kMaxFileNameBytes, 'n');
  EXPECT_EQ(ClaimEntry({name, UINT64_MAX, 0xffffffffU}).size(), kMaxClaimEntryBytes);
  EXPECT_EQ(ReleaseEntry(name).size(), kMaxReleaseEntryBytes);
}

// Bytes that are not entries end the reading there: what comes before counts.
TEST(PendingRecordTest, WhatIsNotAnEntryEndsTheRecord) {
  const RecordedName first = {"a.xml", 5, 0x1234abcdU};
  const std::string head = ClaimEntry(first);
  const std::vector<std::string> tails = {
      std::string(40, '\0'),                  // zeros, as a file system may leave
      "claim 5 1234ABCD 5 b.xml\n",           // CRC not in lower-case hex
      "claim 5 1234abc 5 b.xml\n",            // CRC short of 8 digits
      "claim -5 1234abcd 5 b.xml\n",          // no such size
      "claim 99999999999999999999 1234abcd 5 b.xml\n",  // a size past 64 bits
      "claim 5 1234abcd 0 \n",                // an empty name
      "claim 5 1234abcd 5 b.xml;",            // a name not ended by a line break
      "claim 5 1234abcd 6 b.xml\n",           // a length past the name
      "kept 1 b.xml\n",                       // no such entry
  };
  for (const std::string& tail : tails) {
    EXPECT_EQ(ClaimedNames(head + tail + ClaimEntry({"c.xml", 1, 2})), std::vector<RecordedName>{first})
        << ::testing::PrintToString(tail);
  }
}

}  // namespace
}  // namespace ombrel
