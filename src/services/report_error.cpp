#include <string>

#include "services/engine_services.h"
#include "services/error_handler.h"

namespace ombrel {

bool ReportError(const EngineServices& services, const std::string& place, const Error& raised) {
  if (raised.number() == 0) return false;
  // Taken now: nothing the reporter does afterwards may change what it shows.
  const Error error = raised;

  const std::string message = "Error " + std::to_string(error.number()) + " in " + place + ":" +
                              "\n" + error.description();

  // A failing or missing log must not keep the user from seeing the error.
  try {
    if (services.log != nullptr) services.log->LogError(place, error);
  } catch (...) {
  }

  try {
    Ui* ui = services.ui;
    if (ui == nullptr) return false;
    return ui->MessageBox(message, MsgButtons::kRetryCancel, MsgIcon::kInformation,
                          error.source()) == MsgResult::kRetry;
  } catch (...) {
    return false;
  }
}

}  // namespace ombrel
