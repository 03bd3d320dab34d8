#include "translators/target_forms.h"

#include <array>

#include "translators/ba_short/aul.h"
#include "translators/ba_short/bar.h"
#include "translators/ba_short/cli.h"
#include "translators/ba_short/dtv.h"
#include "translators/ba_short/fm2070.h"
#include "translators/ba_short/fm2075.h"
#include "translators/ba_short/pfi.h"
#include "translators/ba_short/vie.h"
#include "translators/erc/erc.h"
#include "translators/form1004/fm1004.h"
#include "translators/form1004/fm1073.h"
#include "translators/form1004/fm1075.h"
#include "translators/form1025/fm1025.h"
#include "translators/form2055/dawi.h"
#include "translators/form2055/fm2055.h"
#include "translators/form2055/fm2065.h"
#include "translators/form2055/qar.h"
#include "translators/review_land_mh/land.h"
#include "translators/review_land_mh/mhar.h"

namespace ombrel {

namespace {

constexpr std::array<TargetForm, 19> kForms{{
    // code   class     FormNumber     creator
    {"UA2",  "FM1004", "1004",       &CreateTranslator<FM1004>},
    {"MUL",  "FM1025", "1025",       &CreateTranslator<FM1025>},
    {"CN2",  "FM1073", "1073",       &CreateTranslator<FM1073>},
    {"CIA",  "FM1075", "1075",       &CreateTranslator<FM1075>},
    {"DUQ",  "FM2055", "2055",       &CreateTranslator<FM2055>},
    {"QAR",  "QAR",    "2055",       &CreateTranslator<QAR>},
    {"DAWI", "DAWI",   "2055_WOI",   &CreateTranslator<DAWI>},
    {"2065", "FM2065", "2065",       &CreateTranslator<FM2065>},
    {"CMR",  "FM2070", "2070",       &CreateTranslator<FM2070>},
    {"2075", "FM2075", "2075",       &CreateTranslator<FM2075>},
    {"ER3",  "ERC",    "ERC",        &CreateTranslator<ERC>},
    {"MOB",  "MHAR",   "MHAR",       &CreateTranslator<MHAR>},
    {"LAR",  "LAND",   "LAND",       &CreateTranslator<LAND>},
    {"AUL",  "AUL",    "BAAPUPDATE", &CreateTranslator<AUL>},
    {"BAR",  "BAR",    "BAAPREVIEW", &CreateTranslator<BAR>},
    {"CLI",  "CLI",    "BA3370_46",  &CreateTranslator<CLI>},
    {"DT2",  "DTV",    "BADESKTOP",  &CreateTranslator<DTV>},
    {"PFI",  "PFI",    "BA3370_44",  &CreateTranslator<PFI>},
    {"VIE",  "VIE",    "BAVIE",      &CreateTranslator<VIE>},
}};

}  // namespace

std::span<const TargetForm> TargetForms() { return kForms; }

}  // namespace ombrel
