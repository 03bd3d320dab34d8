#include "scaling_bench.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <memory>
#include <stdexcept>

#include <pugixml.hpp>

#include "interleaved_timing.h"
#include "peak_memory.h"
#include "platform/xml/pugi_xml_dom.h"
#include "translate_call.h"

namespace ombrel::bench {

namespace fs = std::filesystem;

namespace {

constexpr std::size_t kExtraComparables = 900;
constexpr std::size_t kExtraAliasLines = 100000;
constexpr std::size_t kPictureFiles = 100000;
constexpr std::size_t kLargeOrderBytes = 15 * 1000 * 1000;
constexpr int kFirstTranslationFollowers = 20;
constexpr int kFirstTranslationProcesses = 7;

std::string ReadAll(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// Lines no tag of a translation fits (their fixed digits never occur in a
// tag), in shapes the translation's own tags have.
std::string ExtraAliasLines() {
  std::string lines;
  for (std::size_t i = 0; i < kExtraAliasLines; ++i) {
    const std::string n = std::to_string(9000000 + i);
    switch (i % 4) {
      case 0: lines += "COMP(" + n + "#)SALESPRICE = COMP(#)\\SALESPRICE\n"; break;
      case 1: lines += "COMP#" + n + "PROPADDR = COMP(#)\\PROPADDR\n"; break;
      case 2: lines += "PHOTO" + n + "# = PHOTOS\\PHOTO(#)\n"; break;
      default: lines += "SUBJECT" + n + "CITY = SUBJECT\\CITY\n"; break;
    }
  }
  return lines;
}

// An order of the form's number, packed with attributes up to the size
// limit: a few more than the element limit allows when refused, else just
// under it with longer values.
std::string AttributePackedOrder(bool refused) {
  const std::size_t limit = PugiXmlDom::kMaxDocumentSize - 64;
  std::string text = "<ORDER><FORMNUM>1004</FORMNUM><A";
  text.reserve(limit + 64);
  const std::size_t attributes = PugiXmlDom::kMaxElements - 3;
  const std::size_t valueSize = refused ? 0 : (limit - text.size()) / attributes - 12;
  const std::string value(valueSize, 'v');
  for (std::size_t i = 0; text.size() + 24 + valueSize < limit; ++i) {
    if (!refused && i == attributes) break;
    text += " a" + std::to_string(i) + "=\"" + value + "\"";
  }
  return text + "/></ORDER>";
}

std::string MiB(std::size_t bytes) {
  char text[32];
  std::snprintf(text, sizeof text, "%.1f MiB", static_cast<double>(bytes) / (1024 * 1024));
  return text;
}

}  // namespace

std::string WithExtraComparables(const std::string& text, std::size_t count, bool before) {
  const std::size_t first = text.find("<COMP N=\"");
  if (first == std::string::npos) throw std::runtime_error("the order has no comparable");
  const std::size_t lineStart = text.rfind('\n', first) + 1;
  const std::size_t end = text.find("</COMP>\n", first) + 8;
  const std::size_t lastEnd = text.rfind("</COMP>\n") + 8;
  const std::string block = text.substr(lineStart, end - lineStart);
  const std::size_t numberStart = block.find("N=\"") + 3;
  const std::size_t numberEnd = block.find('"', numberStart);
  std::string copies;
  for (std::size_t i = 0; i < count; ++i) {
    copies += block.substr(0, numberStart) + std::to_string(1000 + i) + block.substr(numberEnd);
  }
  std::string out = text;
  out.insert(before ? lineStart : lastEnd, copies);
  return out;
}

ScalingBench::ScalingBench(BenchWorkspace& workspace, const std::string& plainOrder,
                           const std::string& photoOrder)
    : workspace_(workspace), memory_(MemoryBase()), disk_(DiskBase()), plainText_(plainOrder) {
  plain_ = Write("plain.xml", plainOrder);
  photos_ = Write("photos.xml", photoOrder);
  report_ = memory_.File("SCALING.RPT");
  Translate(plain_);
  Translate(photos_);
}

std::string ScalingBench::Write(const std::string& name, const std::string& text) const {
  const std::string path = memory_.File(name);
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out << text;
  if (!out.flush()) throw std::runtime_error("cannot write " + path);
  return path;
}

void ScalingBench::Translate(const std::string& order) const {
  if (!TranslateOrder(workspace_, order, report_)) {
    throw std::runtime_error(order + ": Translate wrote no report\n" + workspace_.Complaints());
  }
}

std::vector<Figure> ScalingBench::Figures(int repetitions, std::vector<std::string>& notes) {
  std::vector<Figure> figures;
  const Side plain{[this] { Translate(plain_); }, {}};

  for (const bool before : {true, false}) {
    const std::string grown = WithExtraComparables(plainText_, kExtraComparables, before);
    const std::string order = Write(before ? "before.xml" : "after.xml", grown);
    const InterleavedTimes times = TimeInterleaved(repetitions, 5, Side{[this, order] { Translate(order); }, {}}, plain);
    // What pugixml alone takes for the added text: no reader of the order can
    // add less than that.
    const auto parse = [](const std::string& text) {
      return [&text] {
        pugi::xml_document document;
        if (!document.load_buffer(text.data(), text.size())) throw std::runtime_error("the order does not parse");
      };
    };
    const InterleavedTimes parsed = TimeInterleaved(repetitions, 5, Side{parse(grown), {}}, Side{parse(plainText_), {}});
    const std::string name = "translate, 900 extra comparables " + std::string(before ? "before" : "after");
    figures.push_back(Figure{name + " (information)", times.value.Median() * 1e3, times.reference.Median() * 1e3,
                             "ms", "", std::nullopt});
    const double addedSeconds = times.value.Median() - times.reference.Median();
    const double parseSeconds = parsed.value.Median() - parsed.reference.Median();
    // The cost they add beside the least any reader of the order could add.
    figures.push_back(Figure{name + ", added / bare parse of them", addedSeconds * 1e3, parseSeconds * 1e3, "ms",
                             "<= 2x", addedSeconds <= 2 * parseSeconds});
    char added[160];
    std::snprintf(added, sizeof added, "they add %s of text and %.2f ms, of which pugixml parsing them alone takes %.2f ms",
                  MiB(grown.size() - plainText_.size()).c_str(), addedSeconds * 1e3, parseSeconds * 1e3);
    notes.push_back(name + ": reference the same order without them; " + added + "; " + times.Spread(1e3, "ms"));
  }

  {
    const std::string alias = workspace_.File("Kestrov/Alias/global.ali");
    const std::string demo = ReadAll(alias);
    const std::string large = memory_.File("large.ali");
    std::ofstream(large, std::ios::binary) << demo << ExtraAliasLines();
    const auto use = [alias](const std::string& from) {
      fs::copy_file(from, alias, fs::copy_options::overwrite_existing);
    };
    const std::string demoCopy = memory_.File("demo.ali");
    std::ofstream(demoCopy, std::ios::binary) << demo;
    const InterleavedTimes times = TimeInterleaved(repetitions, 1, Side{[this] { Translate(plain_); }, [&] { use(large); }},
                                                   Side{[this] { Translate(plain_); }, [&] { use(demoCopy); }});
    use(demoCopy);
    const std::string name = "translate, alias file of 100,000 more lines";
    figures.push_back(Figure{name, times.value.Median() * 1e3, times.reference.Median() * 1e3, "ms", "<= 500 ms",
                             times.value.Median() <= 0.5});
    notes.push_back(name + " (digits in their literal text, in the shapes of the form's tags): reference the "
                    "demo alias file alone; loading the file is part of each translation; " +
                    times.Spread(1e3, "ms"));
  }

  {
    const std::string pix = workspace_.PixFolder().substr(0, workspace_.PixFolder().size() - 1);
    const std::string full = disk_.File("FullPix");
    const std::string empty = disk_.File("EmptyPix");
    fs::create_directories(full);
    for (std::size_t i = 0; i < kPictureFiles; ++i) {
      std::ofstream(full + "/Picture" + std::to_string(i) + ".JPG");
    }
    bool fullInPlace = false;
    const auto place = [&](bool wantFull) {
      if (wantFull == fullInPlace) return;
      fs::rename(pix, wantFull ? empty : full);
      fs::rename(wantFull ? full : empty, pix);
      fullInPlace = wantFull;
    };
    const InterleavedTimes times =
        TimeInterleaved(repetitions, 1, Side{[this] { Translate(photos_); }, [&] { place(true); }},
                        Side{[this] { Translate(photos_); }, [&] { place(false); }});
    place(false);
    const double added = times.value.Median() - times.reference.Median();
    const std::string name = "translate, picture folder of 100,000 files";
    figures.push_back(Figure{name, times.value.Median() * 1e3, times.reference.Median() * 1e3, "ms",
                             "<= +100 ms", added <= 0.100});
    notes.push_back(name + " the order does not name, under " + DiskBase() +
                    ", while it names photos the envelope did not send: reference an empty folder; " +
                    times.Spread(1e3, "ms"));
  }

  AddChildFigures(figures, notes);
  return figures;
}

void ScalingBench::AddChildFigures(std::vector<Figure>& figures, std::vector<std::string>& notes) {
  const std::size_t perComparable =
      (WithExtraComparables(plainText_, 10, false).size() - plainText_.size()) / 10;
  const std::string large = WithExtraComparables(plainText_, (kLargeOrderBytes - plainText_.size()) / perComparable, false);
  const struct {
    std::string name;
    std::string text;
    double factor;  // the target's multiple of the order's size; 0 for the absolute target
  } orders[] = {
      {"translate peak RSS, 15 MB order", large, 4},
      {"translate peak RSS, 64 MiB of attributes (refused)", AttributePackedOrder(true), 0},
      {"translate peak RSS, 64 MiB of attributes (accepted)", AttributePackedOrder(false), 0},
  };
  for (const auto& order : orders) {
    const std::string path = disk_.File("memory.xml");
    std::ofstream(path, std::ios::binary | std::ios::trunc) << order.text;
    const double orderMiB = static_cast<double>(order.text.size()) / (1024 * 1024);
    const std::optional<PeakMemory> peak = MeasureInChild({"translate", path});
    if (!peak) {
      notes.push_back(order.name + ": the child process failed");
      continue;
    }
    if (order.factor > 0) {
      const double grown = peak->peakMiB - peak->baselineMiB;
      figures.push_back(Figure{order.name + ", growth", grown, orderMiB, "MiB", "<= 4x", grown <= order.factor * orderMiB});
    } else {
      figures.push_back(Figure{order.name, peak->peakMiB, orderMiB, "MiB", "< 300 MiB", peak->peakMiB < 300});
    }
    notes.push_back(order.name + ": reference the order's size (" + MiB(order.text.size()) +
                    "); the whole child process, baseline " + std::to_string(static_cast<int>(peak->baselineMiB + 0.5)) +
                    " MiB before the translation");
  }
  fs::remove(disk_.File("memory.xml"));

  // One first translation per process: the median of several processes.
  Samples firsts;
  Samples steadies;
  for (int i = 0; i < kFirstTranslationProcesses; ++i) {
    const std::optional<std::vector<double>> first = NumbersFromChild({"first-translation", plain_});
    if (!first || first->size() != 2) {
      notes.push_back("first translation: a child process failed");
      return;
    }
    firsts.seconds.push_back((*first)[0]);
    steadies.seconds.push_back((*first)[1]);
  }
  const double first = firsts.Median();
  const double steady = steadies.Median();
  // Information: a fresh process touches its memory for the first time.
  figures.push_back(Figure{"first translation of a process (information)", first * 1e6, steady * 1e6, "us", "",
                           std::nullopt});
  char spread[160];
  std::snprintf(spread, sizeof spread, "first %.0f-%.0f us, steady %.0f-%.0f us", firsts.Min() * 1e6,
                firsts.Max() * 1e6, steadies.Min() * 1e6, steadies.Max() * 1e6);
  notes.push_back("first translation of a process: medians over " + std::to_string(kFirstTranslationProcesses) +
                  " processes; reference the median of the " + std::to_string(kFirstTranslationFollowers) +
                  " translations that follow it in the same process; " + spread);
}

int ScalingBench::RunChild(const std::vector<std::string>& args) {
  std::unique_ptr<BenchWorkspace> workspace;
  if (args.size() == 2 && args[0] == "translate") {
    return ReportPeakOf([&] { workspace = std::make_unique<BenchWorkspace>(DiskBase()); },
                        [&] { TranslateOrder(*workspace, args[1], workspace->ReportPath()); });
  }
  if (args.size() == 2 && args[0] == "first-translation") {
    try {
      // In memory, as the translation figures are: the disk would only add its noise.
      workspace = std::make_unique<BenchWorkspace>(MemoryBase());
      std::vector<double> seconds;
      for (int i = 0; i <= kFirstTranslationFollowers; ++i) {
        const auto start = std::chrono::steady_clock::now();
        if (!TranslateOrder(*workspace, args[1], workspace->ReportPath())) throw std::runtime_error("no report");
        seconds.push_back(std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
      }
      const double firstSeconds = seconds.front();
      seconds.erase(seconds.begin());
      std::sort(seconds.begin(), seconds.end());
      std::cout << firstSeconds << " " << seconds[seconds.size() / 2] << std::endl;
      return 0;
    } catch (const std::exception& error) {
      std::cerr << "first-translation child: " << error.what() << "\n";
      return 1;
    }
  }
  return 2;
}

}  // namespace ombrel::bench
