#include "translation_bench.h"

#include <filesystem>
#include <fstream>
#include <stdexcept>

#include <pugixml.hpp>

#include "interleaved_timing.h"
#include "support/report_reader.h"
#include "translate_call.h"

namespace ombrel::bench {

namespace {

// A translation on any machine of this kind stays within this many times
// its physical limit; it measures 2.3x to 2.7x.
constexpr double kTarget = 3.0;
constexpr int kBatch = 20;

void WriteText(const std::string& path, const std::string& text) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out << text;
  if (!out.flush()) throw std::runtime_error("cannot write " + path);
}

}  // namespace

TranslationBench::TranslationBench(std::string name, FullOrders orders, BenchWorkspace& workspace)
    : name_(std::move(name)), orders_(std::move(orders)), workspace_(workspace), folder_(MemoryBase()) {
  mainPath_ = folder_.File("order.xml");
  WriteText(mainPath_, orders_.main.text);
  texts_.push_back(orders_.main.text);
  std::vector<std::string> paths{mainPath_};
  for (std::size_t i = 0; i < orders_.supplements.size(); ++i) {
    FileRecord record;
    record.Classification = FileRecord::kSupplementalOrder;
    record.Name = folder_.File("supplement-" + std::to_string(i + 1) + ".xml");
    record.Description = "OADI-SUP/XML";
    WriteText(record.Name, orders_.supplements[i].text);
    supplements_.push_back(record);
    texts_.push_back(orders_.supplements[i].text);
    paths.push_back(record.Name);
  }
  report_ = folder_.File("BENCH.RPT");
  if (!TranslateOnce()) throw std::runtime_error(name_ + ": Translate wrote no report");
  if (!testing::ReadReport(report_)) throw std::runtime_error(name_ + ": the report cannot be read back");
  std::filesystem::create_directories(folder_.File("reference"));
  reference_ = std::make_unique<PhysicalLimitReference>(paths, report_, folder_.File("reference/BENCH.RPT"));
}

bool TranslationBench::TranslateOnce() const { return TranslateOrder(workspace_, mainPath_, report_, supplements_); }

std::vector<Figure> TranslationBench::Figures(int repetitions, std::vector<std::string>& notes) const {
  const Side translate{[this] {
                         if (!TranslateOnce()) throw std::runtime_error(name_ + ": Translate wrote no report");
                       },
                       {}};
  const InterleavedTimes limit =
      TimeInterleaved(repetitions, kBatch, translate, Side{[this] { reference_->Run(); }, {}});
  const InterleavedTimes parse = TimeInterleaved(repetitions, kBatch, translate, Side{[this] {
                                                   for (const std::string& text : texts_) {
                                                     pugi::xml_document document;
                                                     if (!document.load_buffer(text.data(), text.size())) {
                                                       throw std::runtime_error("the order does not parse");
                                                     }
                                                   }
                                                 },
                                                                                 {}});

  std::size_t bytes = 0;
  std::size_t values = 0;
  for (const std::string& text : texts_) bytes += text.size();
  values += orders_.main.values.values().size();
  std::string forms = orders_.main.formNumber;
  for (const TracedOrder& supplement : orders_.supplements) {
    values += supplement.values.values().size();
    forms += " + " + supplement.formNumber;
  }
  std::string note = name_ + ": forms " + forms + "; orders and report under " + MemoryBase() + "; " +
                     std::to_string(texts_.size()) + " order text(s), " + std::to_string(bytes / 1024) +
                     " KiB, " + std::to_string(values) + " tag values; REPORT.XML " +
                     std::to_string(reference_->ReportXmlSize() / 1024) + " KiB; a translation asks " +
                     std::to_string(orders_.coverage.asked) + " distinct tags, " +
                     std::to_string(orders_.coverage.empty.size()) + " of them without value, " +
                     std::to_string(orders_.coverage.emptyPhotoTags) + " photo tags left out";
  for (std::size_t i = 0; i < orders_.coverage.empty.size() && i < 8; ++i) {
    note += (i == 0 ? " (" : ", ") + orders_.coverage.empty[i];
  }
  if (!orders_.coverage.empty.empty()) note += orders_.coverage.empty.size() > 8 ? ", ...)" : ")";
  notes.push_back(note);
  notes.push_back(name_ + " vs its physical limit: " + limit.Spread(1e6, "us") + ", " + std::to_string(kBatch) +
                  " calls each");

  const double value = limit.value.Median();
  const double reference = limit.reference.Median();
  return {Figure{name_ + " / physical limit", value * 1e6, reference * 1e6, "us", "<= 3x",
                 value <= kTarget * reference},
          Figure{name_ + " / bare parse (information)", parse.value.Median() * 1e6,
                 parse.reference.Median() * 1e6, "us", "", std::nullopt}};
}

}  // namespace ombrel::bench
