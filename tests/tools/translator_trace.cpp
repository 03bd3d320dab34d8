// translator-trace FORMNUMBER [ALTFORM [LICENSING]]
// translator-trace --write-fixtures DIR
// Runs the translator that the factory picks for an order form on a recording
// engine and prints every engine call it makes, one per line. With
// --write-fixtures it writes the call list of every class of the factory into
// DIR as the text fixtures the translator tests compare with.
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <string>

#include "engine/incoming_form_selection.h"
#include "engine/selector.h"
#include "services/engine_services.h"
#include "services/logger.h"
#include "support/recording_engine.h"
#include "support/trace_fixtures.h"
#include "translators/catalogue.h"

namespace {

// Shows boxes on standard error, so an unsupported form says why.
class ConsoleUi : public ombrel::Ui {
 public:
  ombrel::MsgResult MessageBox(const std::string& text, ombrel::MsgButtons, ombrel::MsgIcon,
                               const std::string& title) override {
    std::cerr << title << ": " << text << "\n";
    return ombrel::MsgResult::kCancel;
  }
  void Beep() override {}
  void ShowOpen(ombrel::CommonDialog&) override {}
  void ShowSave(ombrel::CommonDialog&) override {}
  ombrel::SelectorAnswer ShowSelector(const ombrel::SelectorRequest&) override { return {}; }
  void ShowAbout(const ombrel::AboutContent&, const std::function<void()>&) override {}
};

}  // namespace

int main(int argc, char** argv) {
  if (argc == 3 && std::string(argv[1]) == "--write-fixtures") {
    const int written = ombrel::testing::WriteTraceFixtures(argv[2]);
    std::cerr << written << " fixtures written to " << argv[2] << "\n";
    return 0;
  }
  if (argc < 2 || argc > 4) {
    std::cerr << "usage: translator-trace FORMNUMBER [ALTFORM [LICENSING]]\n"
                 "       translator-trace --write-fixtures DIR\n";
    return 2;
  }
  std::string formNumber = argv[1];
  std::string altForm = argc > 2 ? argv[2] : "";
  int licensing = argc > 3 ? std::atoi(argv[3]) : -2;

  ConsoleUi ui;
  ombrel::EngineServices services;
  services.ui = &ui;
  // The selection logs (an unsupported form is a warning line): into a
  // temporary log, whose lines go to standard error afterwards.
  std::string logPath =
      (std::filesystem::temp_directory_path() / "translator-trace-XXXXXX").string();
  const int fd = ::mkstemp(logPath.data());
  if (fd < 0) {
    std::cerr << "cannot create a temporary log\n";
    return 2;
  }
  ::close(fd);
  auto logger = std::make_unique<ombrel::Logger>(services, ombrel::CreateSystemClock(),
                                                ombrel::CreateLocalFileSystem());
  services.log = logger.get();
  logger->StartLogging(logPath, 2);

  const ombrel::TranslatorCatalogue catalogue = ombrel::Catalogue();
  ombrel::Selector targetFormDialog(catalogue.targetForms);
  auto translator = ombrel::IncomingFormSelection(services, catalogue, targetFormDialog,
                                                  formNumber, altForm);

  services.log = nullptr;
  logger.reset();
  std::ifstream log(logPath, std::ios::binary);
  std::string line;
  while (std::getline(log, line)) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    // The first line of a run is "->"; the rest is what the selection said.
    if (line.size() > 28 && line.compare(28, std::string::npos, "->") != 0) {
      std::cerr << "log: " << line.substr(28) << "\n";
    }
  }
  log.close();
  std::filesystem::remove(logPath);
  if (!translator) return 1;
  for (const std::string& call : ombrel::testing::TraceTranslator(*translator, licensing)) {
    std::cout << call << "\n";
  }
  return 0;
}
