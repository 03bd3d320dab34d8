// The target forms offered for an "ORXDATA" order, in the order of the
// dialog's option buttons; the first is the default choice. Each code is the
// FormName of the translator it creates and the key of its caption in
// QOR.INI [Descriptions].
#pragma once

#include <span>

#include "engine/translator_catalogue.h"

namespace ombrel {

std::span<const TargetForm> TargetForms();

}  // namespace ombrel
