#include "translators/catalogue.h"

#include "translators/factory_table.h"
#include "translators/target_forms.h"

namespace ombrel {

TranslatorCatalogue Catalogue() { return {FactoryTable(), TargetForms()}; }

}  // namespace ombrel
