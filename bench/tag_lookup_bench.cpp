#include "tag_lookup_bench.h"

#include <fstream>
#include <sstream>
#include <stdexcept>

#include "bench_workspace.h"
#include "order_values.h"
#include "platform/components.h"

namespace ombrel::bench {

namespace {

std::string ReadText(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

// The tags of the alias file's lines: exact ones as they are, '#' patterns
// with each of the nine comparables' numbers.
void AliasTags(const std::string& aliasText, std::vector<std::string>& exact,
               std::vector<std::string>& patterned) {
  std::istringstream lines(aliasText);
  for (std::string line; std::getline(lines, line);) {
    const std::size_t equals = line.find('=');
    if (line.empty() || line[0] == ';' || equals == std::string::npos) continue;
    std::string tag = line.substr(0, equals);
    tag.erase(tag.find_last_not_of(" \t") + 1);
    tag.erase(0, tag.find_first_not_of(" \t"));
    if (tag.find('#') == std::string::npos) {
      exact.push_back(tag);
      continue;
    }
    for (int n = 1; n <= 9; ++n) {
      std::string filled = tag;
      for (std::size_t at; (at = filled.find('#')) != std::string::npos;) filled.replace(at, 1, std::to_string(n));
      patterned.push_back(filled);
    }
  }
}

}  // namespace

TagLookupBench::TagLookupBench(const std::string& orderText, const std::vector<std::string>& orderTags) {
  dom_ = CreateRealComponents()->CreateXmlDom();
  dom_->LoadXml(orderText);
  dom_->LoadAlias(DemoAliasPath());
  if (!document_.load_buffer(orderText.data(), orderText.size())) {
    throw std::runtime_error("the order does not parse");
  }
  const std::string aliasText = ReadText(DemoAliasPath());
  std::vector<std::string> exact;
  std::vector<std::string> patterned;
  AliasTags(aliasText, exact, patterned);
  kinds_ = {{"exact alias", {}}, {"'#' pattern", {}}, {"default (tag as path)", {}}};
  for (const std::string& tag : exact) Add(kinds_[0], tag, aliasText);
  for (const std::string& tag : patterned) Add(kinds_[1], tag, aliasText);
  for (const std::string& tag : orderTags) {
    if (!FitsAlias(tag, aliasText)) Add(kinds_[2], tag, aliasText);
  }
  for (const Kind& kind : kinds_) {
    if (kind.lookups.empty()) throw std::runtime_error("no tag found for the kind " + kind.name);
  }
}

void TagLookupBench::Add(Kind& kind, const std::string& tag, const std::string& aliasText) {
  const std::optional<std::vector<std::string>> placed = PlacedSteps(tag, aliasText);
  if (!placed) return;
  Lookup lookup{tag, {}};
  for (const std::string& step : *placed) {
    const std::size_t open = step.find('(');
    if (open == std::string::npos) {
      lookup.steps.push_back({step, ""});
    } else {
      lookup.steps.push_back({step.substr(0, open), step.substr(open + 1, step.size() - open - 2)});
    }
  }
  // Only tags with a value, found alike both ways, so both do the same work.
  const std::string value = dom_->TagValue(tag, false);
  if (!value.empty() && value == ByHand(lookup)) kind.lookups.push_back(std::move(lookup));
}

std::string TagLookupBench::ByHand(const Lookup& lookup) const {
  pugi::xml_node node = document_.document_element();
  for (const Step& step : lookup.steps) {
    node = step.index.empty() ? node.child(step.name.c_str())
                              : node.find_child_by_attribute(step.name.c_str(), "N", step.index.c_str());
  }
  return node.child_value();
}

void TagLookupBench::Register() {
  for (const Kind& kind : kinds_) {
    benchmark::RegisterBenchmark(("value(tag), " + kind.name).c_str(), [this, &kind](benchmark::State& state) {
      for (auto _ : state) {
        for (const Lookup& lookup : kind.lookups) benchmark::DoNotOptimize(dom_->TagValue(lookup.tag, false));
      }
    })->Repetitions(5)->ReportAggregatesOnly(true)->UseRealTime();
    benchmark::RegisterBenchmark(("pugixml by hand, " + kind.name).c_str(), [this, &kind](benchmark::State& state) {
      for (auto _ : state) {
        for (const Lookup& lookup : kind.lookups) benchmark::DoNotOptimize(ByHand(lookup));
      }
    })->Repetitions(5)->ReportAggregatesOnly(true)->UseRealTime();
  }
}

std::vector<Figure> TagLookupBench::Figures(const MedianReporter& times,
                                            std::vector<std::string>& notes) const {
  std::vector<Figure> figures;
  std::string note = "value(tag) with the demo global.ali; tags per kind:";
  for (const Kind& kind : kinds_) {
    const std::optional<double> value = times.Seconds("value(tag), " + kind.name);
    const std::optional<double> reference = times.Seconds("pugixml by hand, " + kind.name);
    const double n = static_cast<double>(kind.lookups.size());
    note += " " + kind.name + " " + std::to_string(kind.lookups.size()) + ";";
    if (!value || !reference) continue;
    figures.push_back(Figure{"value(tag), " + kind.name, *value * 1e9 / n, *reference * 1e9 / n, "ns", "", {}});
  }
  notes.push_back(note + " reference: pugixml reaching the same element by hand, path known");
  return figures;
}

}  // namespace ombrel::bench
