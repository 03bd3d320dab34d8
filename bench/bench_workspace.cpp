#include "bench_workspace.h"

#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>

#include "preset_report_engine.h"

namespace ombrel::bench {

namespace {

void WriteText(const std::string& path, const std::string& text) {
  std::filesystem::create_directories(std::filesystem::path(path).parent_path());
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out << text;
  if (!out.flush()) throw std::runtime_error("cannot write " + path);
}

std::string ReadText(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

}  // namespace

std::string DemoAliasPath() { return std::string(OMBREL_SOURCE_DIR) + "/tools/demo/global.ali"; }

BenchWorkspace::BenchWorkspace(const std::string& base, std::unique_ptr<ComponentFactory> components)
    : folder_(base), components_(components ? std::move(components) : CreateRealComponents()) {
  namespace fs = std::filesystem;
  const std::string kestrov = folder_.File("Kestrov/Kestrov.exe");
  WriteText(folder_.File("settings/QOR.INI"), "[Directories]\nDataDir=" + folder_.File("Corvana") +
                                                  "\n[Vendor]\nKESTR=" + kestrov + "\n");
  WriteText(kestrov, "");
  fs::create_directories(folder_.File("Kestrov/Alias"));
  fs::copy_file(DemoAliasPath(), folder_.File("Kestrov/Alias/global.ali"));
  for (const char* name : {"Kestrov/Pix", "Kestrov/XML", "Corvana/DATA", "bin"}) {
    fs::create_directories(folder_.File(name));
  }
  ::setenv("WINDIR", folder_.File("settings").c_str(), 1);

  MainServices services;
  services.ui = &ui_;
  services.components = components_.get();
  services.executablePath = folder_.File("bin/Ombrel");
  services.createLogger = [](const EngineServices& reporter) {
    return std::make_unique<Logger>(reporter, CreateSystemClock(), CreateLocalFileSystem());
  };
  services.createEngine = [this](const EngineServices& engineServices) {
    return std::make_unique<PresetReportEngine>(engineServices, catalogue_, targetFormDialog_,
                                                ReportPath(), &translated_);
  };
  main_ = std::make_unique<Main>(std::move(services));
  if (!main_->Form_Load() || main_->Services().pixFolder != PixFolder()) {
    throw std::runtime_error("the program did not start in " + folder_.path() + ": " + Complaints());
  }
}

BenchWorkspace::~BenchWorkspace() { main_->Form_Unload(); }

bool BenchWorkspace::RunEnvelopeStep(const std::string& envelopePath) {
  translated_ = false;
  ui_.openAnswer = envelopePath;
  main_->Open_Click();
  return translated_;
}

std::string BenchWorkspace::Complaints() const {
  std::string out;
  for (const std::string& box : ui_.boxes) out += "[box] " + box + "\n";
  if (ui_.saveDialogs > 0) out += "[a Save dialog was shown]\n";
  // The start-up's "->" line opens every run's log; anything else counts.
  std::istringstream log(ReadText(LogPath()));
  for (std::string line; std::getline(log, line);) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (line.size() >= 2 && line.compare(line.size() - 2, 2, "->") == 0) continue;
    out += "[log] " + line + "\n";
  }
  return out;
}

}  // namespace ombrel::bench
