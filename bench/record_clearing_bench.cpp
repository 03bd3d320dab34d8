#include "record_clearing_bench.h"

#include <cstdio>
#include <filesystem>
#include <functional>
#include <optional>
#include <stdexcept>

#include "interleaved_timing.h"
#include "peak_memory.h"
#include "platform/staging/pending_record.h"
#include "platform/staging/stale_temporaries.h"
#include "platform/workspace/workspace_lock.h"
#include "record_fixtures.h"

namespace ombrel::bench {

namespace fs = std::filesystem;

namespace {

constexpr std::size_t kSpellings = 20000;
constexpr std::size_t kBigFileEntries = 2000;
constexpr uint64_t kBigFileBytes = uint64_t{128} << 20;
constexpr std::size_t kPendingClaims = 2000;
constexpr uint64_t kSparseRecordBytes = uint64_t{16} << 30;
constexpr double kMemoryMarginMiB = 10e6 / (1 << 20);  // 10 MB

const char* HowWord(Clearing clearing) {
  return clearing == Clearing::kWorkspaceLock ? "lock" : "temporaries";
}

// What a window does before its step: take the workspace's lock (which
// clears what dead steps' records name), or clear the stale temporaries of
// the folder it writes in.
void Clear(Clearing clearing, const std::string& folder) {
  if (clearing == Clearing::kStaleTemporaries) {
    RemoveStaleTemporaries(folder);
    return;
  }
  const std::unique_ptr<WorkspaceLock> lock = CreateFileWorkspaceLock(folder + "/");
  if (lock->TryTake() != WorkspaceLockResult::kTaken) {
    throw std::runtime_error(folder + ": the workspace's lock was not taken");
  }
}

Side Clears(const RecordFixture& fixture) {
  return Side{[fixture] { Clear(fixture.clearing, fixture.folder); }, fixture.remake};
}

// Its peak memory, clearing a fixture made just before, in a child process.
std::optional<PeakMemory> PeakOf(const RecordFixture& fixture) {
  fixture.remake();
  return MeasureInChild({"records", HowWord(fixture.clearing), fixture.folder});
}

std::string Format(const char* format, double a, double b) {
  char text[160];
  std::snprintf(text, sizeof text, format, a, b);
  return text;
}

struct Shape {
  std::string name;       // "clear a record of ..."
  std::string reference;  // what the genuine side clears, for the notes
  std::function<RecordFixture(const std::string&)> hostile;
  std::function<RecordFixture(const std::string&)> genuine;
};

}  // namespace

RecordClearingBench::RecordClearingBench(const std::string& base) : scratch_(base) {}

std::vector<Figure> RecordClearingBench::Figures(int repetitions, std::vector<std::string>& notes) {
  const Shape shapes[] = {
      {"clear a record, 20,000 spellings of one folder's files",
       "a genuine record of 20,000 entries naming 20,000 files of 2 KiB, all removed",
       [](const std::string& folder) { return SpelledWorkspaceRecord(folder, kSpellings); },
       [](const std::string& folder) { return GenuineWorkspaceRecord(folder, kSpellings); }},
      {"clear a record, 2,000 entries on one 128 MiB file",
       "a genuine record of 2,000 entries naming 2,000 files of 2 KiB, all removed; the 128 MiB file has the "
       "recorded size and another CRC-32, and stays in the page cache between repetitions",
       [](const std::string& folder) { return OneFileManyEntries(folder, kBigFileEntries, kBigFileBytes); },
       [](const std::string& folder) { return GenuineWorkspaceRecord(folder, kBigFileEntries); }},
      {"clear a pending folder, sparse 16 GiB record",
       "a genuine stale pending folder whose record claims 2,000 files of 2 KiB, all removed with it",
       [](const std::string& folder) { return SparsePendingRecord(folder, kSparseRecordBytes); },
       [](const std::string& folder) { return GenuinePendingFolder(folder, kPendingClaims); }},
  };

  std::vector<Figure> figures;
  for (const Shape& shape : shapes) {
    const std::string hostileFolder = scratch_.File("hostile");
    const std::string genuineFolder = scratch_.File("genuine");
    const RecordFixture hostile = shape.hostile(hostileFolder);
    const RecordFixture genuine = shape.genuine(genuineFolder);

    // Memory first: the timing's first remaking then checks what the
    // children cleared.
    const std::optional<PeakMemory> hostilePeak = PeakOf(hostile);
    const std::optional<PeakMemory> genuinePeak = PeakOf(genuine);
    const InterleavedTimes times = TimeInterleaved(repetitions, 1, Clears(hostile), Clears(genuine));
    // And the last clearings are checked too.
    hostile.remake();
    genuine.remake();

    const double value = times.value.Median();
    const double reference = times.reference.Median();
    figures.push_back(Figure{shape.name, value * 1e3, reference * 1e3, "ms", "<= 1.5x", value <= 1.5 * reference});
    notes.push_back(shape.name + ": reference " + shape.reference + "; " + times.Spread(1e3, "ms"));
    if (hostilePeak && genuinePeak) {
      const double grown = hostilePeak->peakMiB - genuinePeak->peakMiB;
      figures.push_back(Figure{shape.name + ", peak RSS", hostilePeak->peakMiB, genuinePeak->peakMiB, "MiB",
                               "<= +10 MB", grown <= kMemoryMarginMiB});
      notes.push_back(shape.name + ", peak RSS: whole child process, reference the genuine one's; " +
                      Format("baselines %.1f and %.1f MiB before the clearing", hostilePeak->baselineMiB,
                             genuinePeak->baselineMiB));
    } else {
      notes.push_back(shape.name + ", peak RSS: a child process failed");
    }
    fs::remove_all(hostileFolder);
    fs::remove_all(genuineFolder);
  }

  // A record within the cap is read whole: what the cap lets a record of
  // the user's own cost.
  {
    const std::string name = "clear a pending folder, sparse record at the cap, peak RSS (information)";
    const RecordFixture atCap = SparsePendingRecord(scratch_.File("cap"), kMaxPendingRecordBytes);
    const RecordFixture genuine = GenuinePendingFolder(scratch_.File("genuine"), kPendingClaims);
    const std::optional<PeakMemory> capPeak = PeakOf(atCap);
    const std::optional<PeakMemory> genuinePeak = PeakOf(genuine);
    atCap.remake();
    genuine.remake();
    if (capPeak && genuinePeak) {
      figures.push_back(Figure{name, capPeak->peakMiB, genuinePeak->peakMiB, "MiB", "", std::nullopt});
      notes.push_back(name + ": a record of " + std::to_string(kMaxPendingRecordBytes) +
                      " bytes, the most the program writes for the largest envelope it reads, is read; reference " +
                      "the genuine pending folder of 2,000 claims");
    } else {
      notes.push_back(name + ": a child process failed");
    }
    fs::remove_all(scratch_.File("cap"));
    fs::remove_all(scratch_.File("genuine"));
  }
  return figures;
}

int RecordClearingBench::RunChild(const std::vector<std::string>& args) {
  if (args.size() != 3 || args[0] != "records") return 2;
  const Clearing clearing = args[1] == HowWord(Clearing::kWorkspaceLock) ? Clearing::kWorkspaceLock
                                                                         : Clearing::kStaleTemporaries;
  const std::string folder = args[2];
  return ReportPeakOf([] {}, [&] { Clear(clearing, folder); });
}

}  // namespace ombrel::bench
