#include "engine/incoming_form_selection.h"

#include "shell/required_globals.h"
#include "engine/factory_table.h"
#include "engine/selector.h"
#include "engine/target_forms.h"
#include "platform/sender_text.h"
#include "shell/error_handler.h"

namespace ombrel {

namespace {

constexpr const char* kPlace = "IncomingFormSelection";

void ShowUnsupported(const std::string& formText) {
  TheUi().MessageBox("This translator does not support the " + SenderText(formText) + " form.",
                             MsgButtons::kOk, MsgIcon::kInformation, kAppTitle);
}

void LogUnsupported(const std::string& formText) {
  TheLog().LogEvent("No translation available for " + SenderText(formText) + " form.", kLogWarning);
}

}  // namespace

std::unique_ptr<FormTranslator> SelectTargetForm(std::string& formNum) {
  std::unique_ptr<Selector>& dialog = TargetFormDialog();
  if (!dialog) dialog = std::make_unique<Selector>();
  const std::string code = dialog->Choose(TheUi());

  std::unique_ptr<FormTranslator> translator;
  for (const TargetForm& form : TargetForms()) {
    if (form.code != code) continue;
    if (form.create != nullptr) {
      translator = form.create();
    } else {
      // A target whose translator is not built yet is an unsupported form.
      ShowUnsupported(std::string(form.formNumber));
      LogUnsupported(std::string(form.formNumber));
    }
    break;
  }
  formNum = translator ? translator->FormNumber() : Selector::kInvalidCode;
  return translator;
}

std::unique_ptr<FormTranslator> IncomingFormSelection(std::string& formNum,
                                                      const std::string& altForm) {
  std::unique_ptr<FormTranslator> result;
  ErrorHandler handler(kPlace);

  bool unsupported = false;
  std::string formText;  // how the messages name an unsupported form
  bool goOn = handler.Run([&] {
    if (formNum == kTargetFormNumber) {
      result = SelectTargetForm(formNum);
      return;
    }
    bool numberListed = false;
    const FactoryRow* match = nullptr;
    for (const FactoryRow& row : FactoryTable()) {
      if (row.formNumber != formNum) continue;
      numberListed = true;
      if (row.altFormRule == AltFormRule::kAny || row.altForm == altForm) {
        match = &row;
        break;
      }
    }
    if (match != nullptr && match->create != nullptr) {
      result = match->create();
      return;
    }
    unsupported = true;
    // A number split by the alternate form names the alternate form it lacks.
    formText = numberListed && match == nullptr ? formNum + ":" + altForm : formNum;
  });
  if (!goOn || !unsupported) return result;

  if (!handler.Run([&] { ShowUnsupported(formText); })) return result;
  handler.Run([&] { LogUnsupported(formText); });
  return result;
}

}  // namespace ombrel
