#include "engine/incoming_form_selection.h"

#include "platform/text/sender_text.h"
#include "services/error_handler.h"

namespace ombrel {

namespace {

constexpr const char* kPlace = "IncomingFormSelection";

void ShowUnsupported(const EngineServices& services, const std::string& formText) {
  services.TheUi().MessageBox(
      "This translator does not support the " + SenderText(formText) + " form.", MsgButtons::kOk,
      MsgIcon::kInformation, kAppTitle);
}

void LogUnsupported(const EngineServices& services, const std::string& formText) {
  services.TheLog().LogEvent("No translation available for " + SenderText(formText) + " form.",
                             kLogWarning);
}

}  // namespace

std::unique_ptr<FormTranslator> SelectTargetForm(const EngineServices& services,
                                                 const TranslatorCatalogue& catalogue,
                                                 Selector& targetFormDialog,
                                                 std::string& formNum) {
  const std::string code = targetFormDialog.Choose(services.TheUi());

  std::unique_ptr<FormTranslator> translator;
  for (const TargetForm& form : catalogue.targetForms) {
    if (form.code != code) continue;
    translator = form.create();
    break;
  }
  formNum = translator ? translator->FormNumber() : Selector::kInvalidCode;
  return translator;
}

std::unique_ptr<FormTranslator> IncomingFormSelection(const EngineServices& services,
                                                      const TranslatorCatalogue& catalogue,
                                                      Selector& targetFormDialog,
                                                      std::string& formNum,
                                                      const std::string& altForm) {
  std::unique_ptr<FormTranslator> result;
  ErrorHandler handler(services, kPlace);

  bool unsupported = false;
  std::string formText;  // how the messages name an unsupported form
  bool goOn = handler.Run([&] {
    if (formNum == kTargetFormNumber) {
      result = SelectTargetForm(services, catalogue, targetFormDialog, formNum);
      return;
    }
    bool numberListed = false;
    const FactoryRow* match = nullptr;
    for (const FactoryRow& row : catalogue.factoryTable) {
      if (row.formNumber != formNum) continue;
      numberListed = true;
      if (row.altFormRule == AltFormRule::kAny || row.altForm == altForm) {
        match = &row;
        break;
      }
    }
    if (match != nullptr) {
      result = match->create();
      return;
    }
    unsupported = true;
    // A number split by the alternate form names the alternate form it lacks.
    formText = numberListed && match == nullptr ? formNum + ":" + altForm : formNum;
  });
  if (!goOn || !unsupported) return result;

  if (!handler.Run([&] { ShowUnsupported(services, formText); })) return result;
  handler.Run([&] { LogUnsupported(services, formText); });
  return result;
}

}  // namespace ombrel
