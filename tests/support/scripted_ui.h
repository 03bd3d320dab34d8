// A Ui for tests: answers every box and dialog from queues and records what
// a user would have seen, so tests assert exactly that. An unexpected box or
// dialog (an empty queue) fails the test that caused it.
#pragma once

#include <deque>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "platform/ui.h"

namespace ombrel::testing {

struct ShownBox {
  std::string text;
  MsgButtons buttons;
  MsgIcon icon;
  std::string title;
  bool operator==(const ShownBox&) const = default;
};

// How a failing assertion prints a box.
inline void PrintTo(const ShownBox& box, std::ostream* out) {
  *out << "{\"" << box.text << "\", buttons " << static_cast<int>(box.buttons) << ", icon "
       << static_cast<int>(box.icon) << ", \"" << box.title << "\"}";
}

struct ShownDialog {
  enum Kind { kOpen, kSave } kind;
  CommonDialog properties;  // as they were when the dialog was shown
};

class ScriptedUi : public Ui {
 public:
  // The next answers, in order. A file dialog answered with nullopt is cancelled.
  void AnswerBox(MsgResult result) { boxAnswers_.push_back(result); }
  void AnswerDialog(std::optional<std::string> fileName) { dialogAnswers_.push_back(std::move(fileName)); }
  void AnswerSelector(int32_t index) { selectorAnswers_.push_back(index); }
  void AnswerAbout(bool pressSystemInfo) { aboutAnswers_.push_back(pressSystemInfo); }

  MsgResult MessageBox(const std::string& text, MsgButtons buttons, MsgIcon icon,
                       const std::string& title) override;
  void Beep() override { ++beeps; }
  void ShowOpen(CommonDialog& dialog) override;
  void ShowSave(CommonDialog& dialog) override;
  SelectorAnswer ShowSelector(const SelectorRequest& request) override;
  void ShowAbout(const AboutContent& content, const std::function<void()>& onSystemInfo) override;

  std::vector<ShownBox> boxes;
  std::vector<ShownDialog> dialogs;
  std::vector<SelectorRequest> selectors;
  // The target-form dialog's window: when a request asks for the dialog to be
  // built, it is laid out with these metrics and the layout kept here.
  SelectorMetrics selectorMetrics{[](const std::string& text) {
                                    return static_cast<int32_t>(text.size()) * 120;
                                  },
                                  0, 1024 * 15, 768 * 15};
  std::vector<SelectorLayout> selectorLayouts;
  std::vector<AboutContent> abouts;
  int beeps = 0;

  bool AllAnswersUsed() const {
    return boxAnswers_.empty() && dialogAnswers_.empty() && selectorAnswers_.empty() &&
           aboutAnswers_.empty();
  }

 private:
  void ShowFile(ShownDialog::Kind kind, CommonDialog& dialog);

  std::deque<MsgResult> boxAnswers_;
  std::deque<std::optional<std::string>> dialogAnswers_;
  std::deque<int32_t> selectorAnswers_;
  std::deque<bool> aboutAnswers_;
};

}  // namespace ombrel::testing
