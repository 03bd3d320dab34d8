// The translators the engine can run, as the program hands them in: the
// factory table, which turns an order's form number (and, for "2055", its
// alternate form) into a translator class, and the target forms offered for
// an "ORXDATA" order. The engine only reads the rows; the translators own the
// tables, so the engine never needs to know a translator class.
#pragma once

#include <span>
#include <string_view>

#include "engine/translator_creator.h"

namespace ombrel {

enum class AltFormRule {
  kAny,    // the alternate form does not matter
  kEqual,  // the alternate form must equal altForm exactly ("" included)
};

// One row of the factory table.
struct FactoryRow {
  std::string_view formNumber;  // compared exactly
  AltFormRule altFormRule;
  std::string_view altForm;
  std::string_view className;   // "" for the target-form dialog's row
  std::string_view formName;    // the class's FormName
  TranslatorCreator create;     // nullptr only on the dialog's row
};

// The form number that leaves the choice of translator to the user.
inline constexpr std::string_view kTargetFormNumber = "ORXDATA";

// One target form of an "ORXDATA" order. Its code is the FormName of the
// translator it creates and the key of its caption in QOR.INI [Descriptions].
struct TargetForm {
  std::string_view code;
  std::string_view className;
  std::string_view formNumber;  // the class's FormNumber
  TranslatorCreator create;
};

// Both tables refer to rows that live as long as the program.
struct TranslatorCatalogue {
  std::span<const FactoryRow> factoryTable;
  // In the order of the dialog's option buttons; the first is the default.
  std::span<const TargetForm> targetForms;
};

}  // namespace ombrel
