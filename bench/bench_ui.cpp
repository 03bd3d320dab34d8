#include "bench_ui.h"

#include "platform/errors/error.h"

namespace ombrel::bench {

namespace {

[[noreturn]] void Cancelled() {
  throw Error(err::kCancelError, "MSComDlg.CommonDialog", "Cancel was selected.");
}

}  // namespace

MsgResult BenchUi::MessageBox(const std::string& text, MsgButtons buttons, MsgIcon,
                              const std::string& title) {
  boxes.push_back(title + ": " + text);
  // Give up at once: no retry loop, no endless Save dialog.
  switch (buttons) {
    case MsgButtons::kOk: return MsgResult::kOk;
    case MsgButtons::kRetryCancel: return MsgResult::kCancel;
    case MsgButtons::kYesNo: return MsgResult::kYes;
  }
  return MsgResult::kCancel;
}

void BenchUi::ShowOpen(CommonDialog& dialog) {
  if (openAnswer.empty()) Cancelled();
  dialog.FileName = openAnswer;
}

// The report path is chosen before the engine runs, so a Save dialog means
// the bench is not measuring what it says: cancel it and let the box tell.
void BenchUi::ShowSave(CommonDialog&) {
  ++saveDialogs;
  Cancelled();
}

SelectorAnswer BenchUi::ShowSelector(const SelectorRequest&) {
  boxes.push_back("target-form dialog");
  return {};
}

}  // namespace ombrel::bench
