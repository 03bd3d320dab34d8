// The target forms offered for an "ORXDATA" order, in the order of the
// dialog's option buttons; the first is the default choice. Each code is the
// FormName of the translator it creates and the key of its caption in
// QOR.INI [Descriptions].
#pragma once

#include <span>
#include <string_view>

#include "engine/translator_creator.h"

namespace ombrel {

struct TargetForm {
  std::string_view code;
  std::string_view className;
  std::string_view formNumber;  // the class's FormNumber
  TranslatorCreator create;
};

std::span<const TargetForm> TargetForms();

}  // namespace ombrel
