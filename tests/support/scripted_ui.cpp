#include "support/scripted_ui.h"

#include <gtest/gtest.h>

#include "platform/errors/error.h"

namespace ombrel::testing {

MsgResult ScriptedUi::MessageBox(const std::string& text, MsgButtons buttons, MsgIcon icon,
                                 const std::string& title) {
  boxes.push_back({text, buttons, icon, title});
  if (!boxAnswers_.empty()) {
    MsgResult answer = boxAnswers_.front();
    boxAnswers_.pop_front();
    return answer;
  }
  // A box with only OK needs no script; any other unexpected box fails.
  if (buttons == MsgButtons::kOk) return MsgResult::kOk;
  ADD_FAILURE() << "unexpected message box: \"" << text << "\" titled \"" << title << "\"";
  return buttons == MsgButtons::kYesNo ? MsgResult::kYes : MsgResult::kCancel;
}

void ScriptedUi::ShowOpen(CommonDialog& dialog) { ShowFile(ShownDialog::kOpen, dialog); }
void ScriptedUi::ShowSave(CommonDialog& dialog) { ShowFile(ShownDialog::kSave, dialog); }

void ScriptedUi::ShowFile(ShownDialog::Kind kind, CommonDialog& dialog) {
  dialogs.push_back({kind, dialog});
  std::optional<std::string> answer;
  if (dialogAnswers_.empty()) {
    ADD_FAILURE() << "unexpected file dialog: \"" << dialog.DialogTitle << "\"";
  } else {
    answer = dialogAnswers_.front();
    dialogAnswers_.pop_front();
  }
  if (!answer) throw Error(err::kCancelError, "MSComDlg.CommonDialog", "Cancel was selected.");
  dialog.FileName = *answer;
}

SelectorAnswer ScriptedUi::ShowSelector(const SelectorRequest& request) {
  selectors.push_back(request);
  if (request.build) selectorLayouts.push_back(request.build(selectorMetrics));
  if (selectorAnswers_.empty()) {
    ADD_FAILURE() << "unexpected target-form dialog";
    return {};
  }
  SelectorAnswer answer{selectorAnswers_.front()};
  selectorAnswers_.pop_front();
  return answer;
}

void ScriptedUi::ShowAbout(const AboutContent& content, const std::function<void()>& onSystemInfo) {
  abouts.push_back(content);
  bool press = false;
  if (!aboutAnswers_.empty()) {
    press = aboutAnswers_.front();
    aboutAnswers_.pop_front();
  }
  if (press && onSystemInfo) onSystemInfo();
}

}  // namespace ombrel::testing
