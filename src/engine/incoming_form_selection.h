// The translator selection: the factory that turns an order's form number
// (and, for "2055", its alternate form) into a new translator.
#pragma once

#include <memory>
#include <string>

#include "engine/form_translator.h"
#include "engine/selector.h"
#include "engine/translator_catalogue.h"
#include "services/engine_services.h"

namespace ombrel {

// A new translator for formNum from the catalogue's factory table, or nullptr
// after telling the user that the form is not supported. For "ORXDATA" the
// user picks the target form and formNum is rewritten with the chosen
// translator's FormNumber (or "Invalid"). Errors are reported with the place
// "IncomingFormSelection". The boxes and the log line go through services;
// targetFormDialog is the program's target-form dialog, which keeps the last
// choice from one order to the next.
std::unique_ptr<FormTranslator> IncomingFormSelection(const EngineServices& services,
                                                      const TranslatorCatalogue& catalogue,
                                                      Selector& targetFormDialog,
                                                      std::string& formNum,
                                                      const std::string& altForm);

// Shows the target-form dialog and creates the translator of the catalogue's
// target form with the chosen code; formNum becomes its FormNumber, or
// "Invalid" when none was created. Has no handler of its own.
std::unique_ptr<FormTranslator> SelectTargetForm(const EngineServices& services,
                                                 const TranslatorCatalogue& catalogue,
                                                 Selector& targetFormDialog,
                                                 std::string& formNum);

}  // namespace ombrel
