#include <string>

#include "shell/error_handler.h"
#include "shell/globals.h"

namespace ombrel {

bool ReportError(const std::string& place) {
  const Error* pending = PendingError();
  if (pending == nullptr || pending->number() == 0) return false;
  // Taken now: nothing the reporter does afterwards may change what it shows.
  const Error error = *pending;

  const std::string message = "Error " + std::to_string(error.number()) + " in " + place + ":" +
                              "\n" + error.description();

  // A failing or missing log must not keep the user from seeing the error.
  try {
    if (Global().EventLog) Global().EventLog->LogError(place);
  } catch (...) {
  }

  try {
    Ui* ui = Global().ui;
    if (ui == nullptr) return false;
    return ui->MessageBox(message, MsgButtons::kRetryCancel, MsgIcon::kInformation,
                          error.source()) == MsgResult::kRetry;
  } catch (...) {
    return false;
  }
}

}  // namespace ombrel
