#include "support/trace_fixtures.h"

#include <algorithm>
#include <fstream>
#include <memory>

#include "support/recording_engine.h"

namespace ombrel::testing {

std::string TraceFixtureName(std::string_view className, int32_t licensing) {
  std::string name(className);
  if (licensing != kLicensingResults[0]) name += ".licensing" + std::to_string(licensing);
  return name + ".trace";
}

std::vector<std::string> TraceFixtureLines(const FactoryRow& row, int32_t licensing) {
  std::vector<std::string> lines{
      "# " + std::string(row.className) + ", Licensing " + std::to_string(licensing) +
      ": made by scripts/regenerate-traces (translator-trace --write-fixtures DIR); "
      "review the diff of any change"};
  // One translator for both tables, as the engine runs it; each table on an
  // engine of its own so the separator falls where AppendAddenda starts.
  std::unique_ptr<FormTranslator> translator = row.create();
  for (const std::string& call :
       TraceTranslator(*translator, TraceTables::kMain, std::make_unique<RecordingEngine>(licensing)))
    lines.push_back(call);
  lines.emplace_back(kAddendaSeparator);
  for (const std::string& call : TraceTranslator(*translator, TraceTables::kAddenda,
                                                 std::make_unique<RecordingEngine>(licensing)))
    lines.push_back(call);
  return lines;
}

bool SameCalls(const std::vector<std::string>& a, const std::vector<std::string>& b) {
  return a.size() == b.size() && std::equal(a.begin() + (a.empty() ? 0 : 1), a.end(),
                                            b.begin() + (b.empty() ? 0 : 1));
}

std::vector<std::string> ReadTraceFixture(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::vector<std::string> lines;
  std::string line;
  while (std::getline(in, line)) lines.push_back(line);
  return lines;
}

int WriteTraceFixtures(const std::filesystem::path& dir) {
  std::filesystem::create_directories(dir);
  int written = 0;
  for (const FactoryRow& row : FactoryTable()) {
    if (row.create == nullptr) continue;
    const std::vector<std::string> base = TraceFixtureLines(row, kLicensingResults[0]);
    for (int32_t licensing : kLicensingResults) {
      const std::filesystem::path path = dir / TraceFixtureName(row.className, licensing);
      std::vector<std::string> lines =
          licensing == kLicensingResults[0] ? base : TraceFixtureLines(row, licensing);
      if (licensing != kLicensingResults[0] && SameCalls(lines, base)) {
        std::filesystem::remove(path);
        continue;
      }
      std::ofstream out(path, std::ios::binary | std::ios::trunc);
      for (const std::string& line : lines) out << line << "\n";
      ++written;
    }
  }
  return written;
}

}  // namespace ombrel::testing
