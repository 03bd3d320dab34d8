// A scripted UI that also runs the test's function after each box is
// recorded (before its answer goes back) and before each file dialog takes
// its answer, and notes how many boxes had been shown at each beep.
#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <vector>

#include "support/scripted_ui.h"

namespace ombrel::testing {

class HookedUi : public ScriptedUi {
 public:
  MsgResult MessageBox(const std::string& text, MsgButtons buttons, MsgIcon icon,
                       const std::string& title) override {
    const MsgResult answer = ScriptedUi::MessageBox(text, buttons, icon, title);
    if (onBox) onBox(boxes.back());
    return answer;
  }
  void ShowOpen(CommonDialog& dialog) override {
    if (onDialog) onDialog(ShownDialog::kOpen);
    ScriptedUi::ShowOpen(dialog);
  }
  void ShowSave(CommonDialog& dialog) override {
    if (onDialog) onDialog(ShownDialog::kSave);
    ScriptedUi::ShowSave(dialog);
  }
  void Beep() override {
    boxesAtBeep.push_back(boxes.size());
    ScriptedUi::Beep();
  }

  std::function<void(const ShownBox&)> onBox;
  std::function<void(ShownDialog::Kind)> onDialog;
  std::vector<std::size_t> boxesAtBeep;
};

}  // namespace ombrel::testing
