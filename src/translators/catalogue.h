// The catalogue of every translator the program has, as the program hands it
// to each engine it creates.
#pragma once

#include "engine/translator_catalogue.h"

namespace ombrel {

TranslatorCatalogue Catalogue();

}  // namespace ombrel
