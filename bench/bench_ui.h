// The Ui of the benchmarks: no window ever opens. The Open dialog is answered
// at once with the envelope the bench prepared; every message box is kept, so
// the bench can refuse figures from a run that showed the user anything.
#pragma once

#include <string>
#include <vector>

#include "platform/ui.h"

namespace ombrel::bench {

class BenchUi : public Ui {
 public:
  MsgResult MessageBox(const std::string& text, MsgButtons buttons, MsgIcon icon,
                       const std::string& title) override;
  void Beep() override {}
  void ShowOpen(CommonDialog& dialog) override;
  void ShowSave(CommonDialog& dialog) override;
  SelectorAnswer ShowSelector(const SelectorRequest& request) override;
  void ShowAbout(const AboutContent&, const std::function<void()>&) override {}

  std::string openAnswer;  // the file the Open dialog gives
  std::vector<std::string> boxes;  // "title: text" of every box shown
  int saveDialogs = 0;
};

}  // namespace ombrel::bench
