// Every class of the factory makes exactly the engine calls of its reviewed
// fixture, for every Licensing result: a misspelt tag, a moved address or two
// swapped rows anywhere in a table fails here with the line that differs.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "support/trace_fixtures.h"
#include "translators/factory_table.h"

namespace ombrel::testing {
namespace {

const std::filesystem::path kTraceDir = OMBREL_TRACE_DIR;

// "" when equal, else the first differing line with its number in the fixture.
std::string FirstDifference(const std::vector<std::string>& expected,
                            const std::vector<std::string>& actual) {
  const std::size_t common = std::min(expected.size(), actual.size());
  for (std::size_t i = 0; i < common; ++i) {
    if (expected[i] != actual[i]) {
      return "line " + std::to_string(i + 1) + ":\n  fixture: " + expected[i] +
             "\n  now:     " + actual[i];
    }
  }
  if (expected.size() == actual.size()) return "";
  const std::size_t line = common + 1;
  return "line " + std::to_string(line) + ":\n  fixture: " +
         (line <= expected.size() ? expected[common] : "(ends)") + "\n  now:     " +
         (line <= actual.size() ? actual[common] : "(ends)");
}

TEST(TraceFixturesTest, EveryClassMakesTheCallsOfItsFixture) {
  int classes = 0;
  for (const FactoryRow& row : FactoryTable()) {
    if (row.create == nullptr) continue;
    ++classes;
    const std::vector<std::string> base = TraceFixtureLines(row, kLicensingResults[0]);
    for (int32_t licensing : kLicensingResults) {
      const std::string name = TraceFixtureName(row.className, licensing);
      SCOPED_TRACE(name);
      const std::filesystem::path path = kTraceDir / name;
      const std::vector<std::string> now =
          licensing == kLicensingResults[0] ? base : TraceFixtureLines(row, licensing);
      if (licensing != kLicensingResults[0] && SameCalls(now, base)) {
        // A result that changes nothing has no fixture; a stale one would
        // pin an arm that is gone.
        EXPECT_FALSE(std::filesystem::exists(path)) << "calls are those of Licensing -2";
        continue;
      }
      ASSERT_TRUE(std::filesystem::exists(path)) << "no fixture " << path;
      const std::string difference = FirstDifference(ReadTraceFixture(path), now);
      if (!difference.empty()) {
        ADD_FAILURE() << name << " differs from its fixture at " << difference
                      << "\nIf the change is meant: scripts/regenerate-traces, then review "
                         "the diff.";
      }
    }
  }
  EXPECT_EQ(classes, 30);
}

TEST(TraceFixturesTest, TheFixtureDirectoryHoldsNoFixtureOfAClassGone) {
  std::vector<std::string> known;
  for (const FactoryRow& row : FactoryTable()) {
    if (row.create == nullptr) continue;
    for (int32_t licensing : kLicensingResults)
      known.push_back(TraceFixtureName(row.className, licensing));
  }
  int files = 0;
  for (const auto& entry : std::filesystem::directory_iterator(kTraceDir)) {
    ++files;
    const std::string name = entry.path().filename().string();
    EXPECT_NE(std::find(known.begin(), known.end(), name), known.end()) << name;
  }
  EXPECT_GE(files, 30);
}

}  // namespace
}  // namespace ombrel::testing
