// translator-trace FORMNUMBER [ALTFORM [LICENSING]]
// Runs the translator that the factory picks for an order form on a recording
// engine and prints every engine call it makes, one per line.
#include <cstdio>
#include <cstdlib>
#include <iostream>
#include <string>

#include "engine/incoming_form_selection.h"
#include "shell/globals.h"
#include "support/recording_engine.h"

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
  if (argc < 2 || argc > 4) {
    std::cerr << "usage: translator-trace FORMNUMBER [ALTFORM [LICENSING]]\n";
    return 2;
  }
  std::string formNumber = argv[1];
  std::string altForm = argc > 2 ? argv[2] : "";
  int licensing = argc > 3 ? std::atoi(argv[3]) : -2;

  ConsoleUi ui;
  ombrel::Global().ui = &ui;
  auto translator = ombrel::IncomingFormSelection(formNumber, altForm);
  if (!translator) return 1;
  for (const std::string& call : ombrel::testing::TraceTranslator(*translator, licensing)) {
    std::cout << call << "\n";
  }
  return 0;
}
