#include "step_bench.h"

#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <stdexcept>

#include "interleaved_timing.h"
#include "libzip_reference.h"
#include "peak_memory.h"
#include "photo_envelope.h"
#include "physical_limit_reference.h"
#include "support/report_reader.h"

namespace ombrel::bench {

namespace {

constexpr double kTimeTarget = 1.2;
constexpr double kMemoryTargetMiB = 50;

std::string Count(std::size_t n, const char* what) { return std::to_string(n) + " " + what; }

}  // namespace

StepBench::StepBench(BenchWorkspace& workspace, FullOrders order, std::size_t photos,
                     std::size_t largePhotos)
    : order_(std::move(order)),
      photos_(photos),
      largePhotos_(largePhotos),
      carried_(std::min(photos, order_.main.photoTags.size())),
      workspace_(workspace) {
  // The envelope sits in the order program's XML folder, where the step
  // extracts it, as a user's would.
  envelope_ = workspace_.XmlFolder() + "BENCH.ENV";
  entries_ = WritePhotoEnvelope(envelope_, order_.main.text, PhotoNames(photos_), kPhotoSize,
                                workspace_.XmlFolder());
  referenceFolder_ = workspace_.File("reference/");
  std::filesystem::create_directories(referenceFolder_);

  // One step before any timing: it must write the report with every photo
  // the order names, and show or log nothing.
  if (!workspace_.RunEnvelopeStep(envelope_) || !workspace_.Complaints().empty()) {
    throw std::runtime_error("the envelope step did not write its report:\n" + workspace_.Complaints());
  }
  const std::optional<testing::WrittenReport> report = testing::ReadReport(workspace_.ReportPath());
  if (!report || report->images.size() != carried_) {
    throw std::runtime_error("the step's report does not carry the " + std::to_string(carried_) +
                             " photos the order names");
  }
  reportXml_ = ReportXmlOf(workspace_.ReportPath());
  reportXmlPath_ = workspace_.File("REPORT.XML");
  std::ofstream(reportXmlPath_, std::ios::binary) << reportXml_;
}

void StepBench::StepOnce() {
  if (!workspace_.RunEnvelopeStep(envelope_)) throw std::runtime_error("the step wrote no report");
}

void StepBench::ReferenceOnce() {
  const std::vector<std::string> carried(entries_.begin(), entries_.begin() + static_cast<long>(carried_));
  RunLibzipReference(envelope_, referenceFolder_, carried, workspace_.DataFolder() + "REFERENCE.ZIP", reportXml_);
}

std::vector<std::string> StepBench::ReferenceArgs(const std::string& envelope,
                                                  const std::vector<std::string>& entries) const {
  std::vector<std::string> args{"reference", envelope, referenceFolder_,
                                workspace_.DataFolder() + "REFERENCE.ZIP", reportXmlPath_};
  args.insert(args.end(), entries.begin(), entries.begin() + static_cast<long>(carried_));
  return args;
}

std::vector<Figure> StepBench::Figures(int repetitions, std::vector<std::string>& notes) {
  std::vector<Figure> figures;
  const auto sync = [] { ::sync(); };
  const InterleavedTimes times =
      TimeInterleaved(repetitions, 1, Side{[this] { StepOnce(); }, sync}, Side{[this] { ReferenceOnce(); }, sync});
  const double step = times.value.Median();
  const double reference = times.reference.Median();
  figures.push_back(Figure{"envelope step, " + Count(photos_, "photos x 4 MiB"), step * 1e3, reference * 1e3,
                           "ms", "<= 1.2x", step <= kTimeTarget * reference});
  notes.push_back("envelope step: " + Count(photos_, "incompressible 4 MiB photos") +
                  " (stored) + the full 1004 order; the report carries the " +
                  Count(carried_, "photos") + " the form has frames for, the other " +
                  std::to_string(photos_ - carried_) +
                  " are extracted, moved and deleted. Reference: libzip extracts every entry, "
                  "writes the same report (REPORT.XML deflated at level 1, those " + Count(carried_, "photos") +
                  " stored), flushes it and its folder to disk (fsync) as the step does, and the "
                  "extracted files are deleted. Medians; " + times.Spread(1e3, "ms") +
                  ", each after a sync.");

  AddMemoryFigures(photos_, figures, notes);
  if (largePhotos_ > 0) AddMemoryFigures(largePhotos_, figures, notes);
  return figures;
}

void StepBench::AddMemoryFigures(std::size_t photos, std::vector<Figure>& figures,
                                 std::vector<std::string>& notes) {
  std::string envelope = envelope_;
  std::vector<std::string> entries = entries_;
  std::unique_ptr<ScratchFolder> scratch;
  if (photos != photos_) {
    scratch = std::make_unique<ScratchFolder>(DiskBase());
    envelope = scratch->File("LARGE.ENV");
    entries = WritePhotoEnvelope(envelope, order_.main.text, PhotoNames(photos), kPhotoSize,
                                 scratch->path() + "/");
  }
  const std::optional<PeakMemory> step = MeasureInChild({"step", envelope});
  const std::optional<PeakMemory> reference = MeasureInChild(ReferenceArgs(envelope, entries));
  if (!step || !reference) {
    notes.push_back("peak memory with " + Count(photos, "photos") + ": a child process failed");
    return;
  }
  figures.push_back(Figure{"envelope step peak RSS, " + Count(photos, "photos"), step->peakMiB,
                           reference->peakMiB, "MiB", "< 50 MiB", step->peakMiB < kMemoryTargetMiB});
  notes.push_back("peak RSS with " + Count(photos, "photos") + ": whole child process, baseline " +
                  std::to_string(static_cast<int>(step->baselineMiB + 0.5)) +
                  " MiB before the step (" +
                  std::to_string(static_cast<int>(reference->baselineMiB + 0.5)) +
                  " MiB before the reference)");
}

int StepBench::RunChild(const std::vector<std::string>& args) {
  std::unique_ptr<BenchWorkspace> workspace;
  if (args.size() == 2 && args[0] == "step") {
    return ReportPeakOf([&] { workspace = std::make_unique<BenchWorkspace>(DiskBase()); },
                        [&] {
                          if (!workspace->RunEnvelopeStep(args[1]) || !workspace->Complaints().empty()) {
                            throw std::runtime_error("the step failed:\n" + workspace->Complaints());
                          }
                        });
  }
  if (args.size() >= 5 && args[0] == "reference") {
    const std::vector<std::string> carried(args.begin() + 5, args.end());
    std::string reportXml;
    return ReportPeakOf(
        [&] {
          std::ifstream in(args[4], std::ios::binary);
          reportXml.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
        },
        [&] { RunLibzipReference(args[1], args[2], carried, args[3], reportXml); });
  }
  return 2;
}

}  // namespace ombrel::bench
