// The complete engine call list of every class of the factory, kept as text
// under tests/translators/traces so that a change to a table is one reviewed
// diff. Each class has one fixture for Licensing -2 ("CLASS.trace") and one
// more for each other Licensing result that changes its calls
// ("CLASS.licensing0.trace"). A fixture is a first line saying how it is made,
// then EntrainMain's calls, a separator line, and AppendAddenda's calls.
#pragma once

#include <array>
#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "translators/factory_table.h"

namespace ombrel::testing {

// The Licensing results the translators tell apart; the first is the one of
// every class's own fixture.
inline constexpr std::array<int32_t, 4> kLicensingResults{-2, -1, 0, 1};

inline constexpr std::string_view kAddendaSeparator = "-- AppendAddenda";

std::string TraceFixtureName(std::string_view className, int32_t licensing);

// The fixture's lines as the row's class makes them now.
std::vector<std::string> TraceFixtureLines(const FactoryRow& row, int32_t licensing);

// Whether the lines past the first line are the same: the calls alone.
bool SameCalls(const std::vector<std::string>& a, const std::vector<std::string>& b);

// Reads a fixture's lines; empty when it cannot be read.
std::vector<std::string> ReadTraceFixture(const std::filesystem::path& path);

// Writes the fixture of every class and Licensing result into dir and removes
// the ones of results that no longer change a class's calls. Returns the
// number of files written.
int WriteTraceFixtures(const std::filesystem::path& dir);

}  // namespace ombrel::testing
