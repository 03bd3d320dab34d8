// The factory table: every order form number the converter handles, with the
// translator class that handles it. Form number "2055" is split by the order's
// alternate form; "ORXDATA" leaves the choice to the user.
#pragma once

#include <span>

#include "engine/translator_catalogue.h"

namespace ombrel {

std::span<const FactoryRow> FactoryTable();

}  // namespace ombrel
