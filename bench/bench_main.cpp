// ombrel-bench: the envelope step, the translation, the tag lookup and the
// clearing of what dead steps recorded, each beside a reference measured in
// the same run; the figures close the output, one line each. scripts/bench
// builds it in Release and runs it.
//
//   ombrel-bench [--photos=N] [--large-photos=N] [--step-repetitions=N] [--repetitions=N]
//                [--record-repetitions=N] [--only=records] [benchmark flags]
//
// --only=records runs the record-clearing figures alone.
//
// Each figure's value and reference are timed in alternation in the same run
// (the tag lookups, timed by Google Benchmark, one after the other).
//
// The fixtures are made at run time under $TMPDIR (the envelopes: N photos of
// 4 MiB, and the larger one for the memory figure; the folders of the record
// figures, some 170 MB at most) and /dev/shm (orders and reports of the CPU
// figures), and removed at the end.
#include <sys/statvfs.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <exception>
#include <iostream>
#include <string>
#include <vector>

#include <benchmark/benchmark.h>

#include "bench_workspace.h"
#include "figure_table.h"
#include "median_reporter.h"
#include "record_clearing_bench.h"
#include "photo_envelope.h"
#include "scaling_bench.h"
#include "scratch_folder.h"
#include "step_bench.h"
#include "tag_lookup_bench.h"
#include "traced_order.h"
#include "translation_bench.h"

namespace ombrel::bench {

namespace {

struct Options {
  std::size_t photos = 50;
  std::size_t largePhotos = 200;
  int stepRepetitions = 5;
  int repetitions = 9;  // of the CPU figures
  int recordRepetitions = 5;
  std::string only;  // "" for every figure, "records" for the record-clearing ones
};

// Takes this bench's own flags out of argv, leaving Google Benchmark's.
Options TakeOptions(int& argc, char** argv) {
  Options options;
  int kept = 1;
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    const auto value = [&](const std::string& flag) -> const char* {
      return arg.rfind(flag + "=", 0) == 0 ? argv[i] + flag.size() + 1 : nullptr;
    };
    if (const char* v = value("--photos")) {
      options.photos = std::strtoul(v, nullptr, 10);
    } else if (const char* v = value("--large-photos")) {
      options.largePhotos = std::strtoul(v, nullptr, 10);
    } else if (const char* v = value("--step-repetitions")) {
      options.stepRepetitions = std::max(1, std::atoi(v));
    } else if (const char* v = value("--repetitions")) {
      options.repetitions = std::max(1, std::atoi(v));
    } else if (const char* v = value("--record-repetitions")) {
      options.recordRepetitions = std::max(1, std::atoi(v));
    } else if (const char* v = value("--only")) {
      options.only = v;
    } else {
      argv[kept++] = argv[i];
    }
  }
  argc = kept;
  return options;
}

double FreeGiB(const std::string& folder) {
  struct statvfs status {};
  if (::statvfs(folder.c_str(), &status) != 0) return 0;
  return static_cast<double>(status.f_bavail) * static_cast<double>(status.f_frsize) / (1 << 30);
}

// The large envelope needs room for itself and its extracted photos at once,
// beside the timed envelope and its extraction, the report and a margin.
std::size_t LargePhotosThatFit(const Options& options, std::vector<std::string>& notes) {
  const double photoGiB = static_cast<double>(StepBench::kPhotoSize) / (1 << 30);
  const double free = FreeGiB(DiskBase());
  const double fixed = 3 * static_cast<double>(options.photos) * photoGiB + 1.0;
  std::size_t fit = options.largePhotos;
  while (fit > 0 && fixed + 2.2 * static_cast<double>(fit) * photoGiB > free) fit -= std::min<std::size_t>(fit, 10);
  if (fit != options.largePhotos) {
    notes.push_back("only " + std::to_string(static_cast<int>(free)) + " GiB free under " + DiskBase() +
                    ": the larger envelope has " + std::to_string(fit) + " photos instead of " +
                    std::to_string(options.largePhotos));
  }
  return fit == options.photos ? 0 : fit;
}

std::vector<std::string> Tags(const TracedOrder& order) {
  std::vector<std::string> tags;
  for (const auto& [tag, value] : order.values.values()) tags.push_back(tag);
  return tags;
}

// The step, the translations and the tag lookups.
std::vector<Figure> ProgramFigures(const Options& options, std::vector<std::string>& notes) {
  const std::size_t largePhotos = LargePhotosThatFit(options, notes);

  // The orders, learnt from the translators before the timed program starts.
  const std::string mainForm = "1004";
  const std::vector<std::string> supplements = SupplementalFormNumbers();
  FullOrders stepOrder = LearnFullOrders(mainForm, {}, PhotoNames(options.photos), 2);
  FullOrders alone = LearnFullOrders(mainForm, {}, {}, 2);
  FullOrders withSupplements = LearnFullOrders(mainForm, supplements, {}, 2);

  BenchWorkspace workspace(DiskBase());
  const std::string photoOrderText = stepOrder.main.text;
  StepBench step(workspace, std::move(stepOrder), options.photos, largePhotos);
  const std::string aloneText = alone.main.text;
  const std::vector<std::string> aloneTags = Tags(alone.main);
  TranslationBench translation("Translate 1004, 9 comparables", std::move(alone), workspace);
  TranslationBench supplemented("Translate 1004 + supplemental forms", std::move(withSupplements), workspace);
  ScalingBench scaling(workspace, aloneText, photoOrderText);
  TagLookupBench tags(aloneText, aloneTags);

  tags.Register();
  MedianReporter reporter(::isatty(STDOUT_FILENO) ? benchmark::ConsoleReporter::OO_Defaults
                                                  : benchmark::ConsoleReporter::OO_Tabular);
  benchmark::RunSpecifiedBenchmarks(&reporter);

  std::vector<Figure> figures;
  for (auto part : {step.Figures(options.stepRepetitions, notes), translation.Figures(options.repetitions, notes),
                    supplemented.Figures(options.repetitions, notes), scaling.Figures(options.repetitions, notes),
                    tags.Figures(reporter, notes)}) {
    figures.insert(figures.end(), part.begin(), part.end());
  }
  return figures;
}

int Run(int argc, char** argv) {
  Options options = TakeOptions(argc, argv);
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 2;
  if (!options.only.empty() && options.only != "records") {
    std::cerr << "ombrel-bench: --only takes \"records\"\n";
    return 2;
  }
  std::vector<std::string> notes;
  std::vector<Figure> figures;
  if (options.only.empty()) figures = ProgramFigures(options, notes);
  RecordClearingBench records(DiskBase());
  const std::vector<Figure> cleared = records.Figures(options.recordRepetitions, notes);
  figures.insert(figures.end(), cleared.begin(), cleared.end());
  PrintFigures(figures, notes, std::cout);
  benchmark::Shutdown();
  return 0;
}

}  // namespace

}  // namespace ombrel::bench

int main(int argc, char** argv) {
  try {
    if (argc >= 3 && std::string(argv[1]) == "--peak-child") {
      const std::vector<std::string> args(argv + 2, argv + argc);
      if (args[0] == "step" || args[0] == "reference") return ombrel::bench::StepBench::RunChild(args);
      if (args[0] == "records") return ombrel::bench::RecordClearingBench::RunChild(args);
      return ombrel::bench::ScalingBench::RunChild(args);
    }
    return ombrel::bench::Run(argc, argv);
  } catch (const std::exception& error) {
    std::cerr << "ombrel-bench: " << error.what() << "\n";
    return 1;
  }
}
