// The factory table: every order form number the converter handles, with the
// translator class that handles it. Form number "2055" is split by the order's
// alternate form; "ORXDATA" leaves the choice to the user.
#pragma once

#include <span>
#include <string_view>

#include "engine/translator_creator.h"

namespace ombrel {

enum class AltFormRule {
  kAny,    // the alternate form does not matter
  kEqual,  // the alternate form must equal altForm exactly ("" included)
};

struct FactoryRow {
  std::string_view formNumber;  // compared exactly
  AltFormRule altFormRule;
  std::string_view altForm;
  std::string_view className;   // "" for the target-form dialog's row
  std::string_view formName;    // the class's FormName
  TranslatorCreator create;     // nullptr only on the dialog's row
};

inline constexpr std::string_view kTargetFormNumber = "ORXDATA";

std::span<const FactoryRow> FactoryTable();

}  // namespace ombrel
