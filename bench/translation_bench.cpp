#include "translation_bench.h"

#include <fstream>
#include <memory>
#include <stdexcept>

#include <pugixml.hpp>

#include "engine/common_forms.h"
#include "engine/xml_reader.h"
#include "shell/globals.h"
#include "support/report_reader.h"

namespace ombrel::bench {

namespace {

constexpr double kTarget = 3.0;

void WriteText(const std::string& path, const std::string& text) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out << text;
  if (!out.flush()) throw std::runtime_error("cannot write " + path);
}

}  // namespace

TranslationBench::TranslationBench(std::string name, FullOrders orders)
    : name_(std::move(name)), orders_(std::move(orders)), folder_(MemoryBase()) {
  mainPath_ = folder_.File("order.xml");
  WriteText(mainPath_, orders_.main.text);
  texts_.push_back(orders_.main.text);
  for (std::size_t i = 0; i < orders_.supplements.size(); ++i) {
    FileRecord record;
    record.Classification = FileRecord::kSupplementalOrder;
    record.Name = folder_.File("supplement-" + std::to_string(i + 1) + ".xml");
    record.Description = "OADI-SUP/XML";
    WriteText(record.Name, orders_.supplements[i].text);
    supplements_.push_back(record);
    texts_.push_back(orders_.supplements[i].text);
  }
  report_ = folder_.File("BENCH.RPT");
  if (!TranslateOnce()) throw std::runtime_error(name_ + ": Translate wrote no report");
  if (!testing::ReadReport(report_)) throw std::runtime_error(name_ + ": the report cannot be read back");
}

bool TranslationBench::TranslateOnce() {
  Global().EnvelopeFiles = supplements_;
  CurrentEngine() = std::make_unique<XmlReader>();
  std::string report = report_;
  const bool written = CurrentEngine()->Translate(report, mainPath_);
  CurrentEngine().reset();
  Global().EnvelopeFiles.clear();
  return written;
}

void TranslationBench::Register() {
  benchmark::RegisterBenchmark((name_ + "/translate").c_str(), [this](benchmark::State& state) {
    Global().EnvelopeFiles = supplements_;
    for (auto _ : state) {
      // As the envelope step does: a new engine replaces the last one.
      CurrentEngine() = std::make_unique<XmlReader>();
      std::string report = report_;
      if (!CurrentEngine()->Translate(report, mainPath_)) {
        state.SkipWithError("Translate wrote no report");
        break;
      }
    }
    CurrentEngine().reset();
    Global().EnvelopeFiles.clear();
  })->Repetitions(5)->ReportAggregatesOnly(true)->Unit(benchmark::kMicrosecond)->UseRealTime();

  benchmark::RegisterBenchmark((name_ + "/pugixml_parse").c_str(), [this](benchmark::State& state) {
    for (auto _ : state) {
      for (const std::string& text : texts_) {
        pugi::xml_document document;
        benchmark::DoNotOptimize(document.load_buffer(text.data(), text.size()).status);
      }
    }
  })->Repetitions(5)->ReportAggregatesOnly(true)->Unit(benchmark::kMicrosecond)->UseRealTime();
}

std::vector<Figure> TranslationBench::Figures(const MedianReporter& times,
                                              std::vector<std::string>& notes) const {
  std::size_t bytes = 0;
  std::size_t values = 0;
  for (const std::string& text : texts_) bytes += text.size();
  values += orders_.main.values.values().size();
  std::string forms = orders_.main.formNumber;
  for (const TracedOrder& supplement : orders_.supplements) {
    values += supplement.values.values().size();
    forms += " + " + supplement.formNumber;
  }
  std::string note = name_ + ": forms " + forms + "; orders and report under " + MemoryBase() +
                     "; " + std::to_string(texts_.size()) +
                     " order text(s), " + std::to_string(bytes / 1024) + " KiB, " +
                     std::to_string(values) + " tag values; a translation asks " +
                     std::to_string(orders_.coverage.asked) + " distinct tags, " +
                     std::to_string(orders_.coverage.empty.size()) + " of them without value, " +
                     std::to_string(orders_.coverage.emptyPhotoTags) + " photo tags left out";
  for (std::size_t i = 0; i < orders_.coverage.empty.size() && i < 8; ++i) {
    note += (i == 0 ? " (" : ", ") + orders_.coverage.empty[i];
  }
  if (!orders_.coverage.empty.empty()) note += orders_.coverage.empty.size() > 8 ? ", ...)" : ")";
  notes.push_back(note);

  const std::optional<double> translate = times.Seconds(name_ + "/translate");
  const std::optional<double> parse = times.Seconds(name_ + "/pugixml_parse");
  if (!translate || !parse) return {};
  return {Figure{name_, *translate * 1e6, *parse * 1e6, "us", "<= 3x", *translate <= kTarget * *parse}};
}

}  // namespace ombrel::bench
