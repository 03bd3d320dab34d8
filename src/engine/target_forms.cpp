#include "engine/target_forms.h"

#include <array>

#include "translators/form1004/fm1004.h"
#include "translators/form1004/fm1073.h"
#include "translators/form1004/fm1075.h"
#include "translators/form2055/dawi.h"
#include "translators/form2055/fm2055.h"
#include "translators/form2055/fm2065.h"
#include "translators/form2055/qar.h"

namespace ombrel {

namespace {

constexpr std::array<TargetForm, 19> kForms{{
    // code   class     FormNumber     creator
    {"UA2",  "FM1004", "1004",       &CreateTranslator<FM1004>},
    {"MUL",  "FM1025", "1025",       nullptr},
    {"CN2",  "FM1073", "1073",       &CreateTranslator<FM1073>},
    {"CIA",  "FM1075", "1075",       &CreateTranslator<FM1075>},
    {"DUQ",  "FM2055", "2055",       &CreateTranslator<FM2055>},
    {"QAR",  "QAR",    "2055",       &CreateTranslator<QAR>},
    {"DAWI", "DAWI",   "2055_WOI",   &CreateTranslator<DAWI>},
    {"2065", "FM2065", "2065",       &CreateTranslator<FM2065>},
    {"CMR",  "FM2070", "2070",       nullptr},
    {"2075", "FM2075", "2075",       nullptr},
    {"ER3",  "ERC",    "ERC",        nullptr},
    {"MOB",  "MHAR",   "MHAR",       nullptr},
    {"LAR",  "LAND",   "LAND",       nullptr},
    {"AUL",  "AUL",    "BAAPUPDATE", nullptr},
    {"BAR",  "BAR",    "BAAPREVIEW", nullptr},
    {"CLI",  "CLI",    "BA3370_46",  nullptr},
    {"DT2",  "DTV",    "BADESKTOP",  nullptr},
    {"PFI",  "PFI",    "BA3370_44",  nullptr},
    {"VIE",  "VIE",    "BAVIE",      nullptr},
}};

}  // namespace

std::span<const TargetForm> TargetForms() { return kForms; }

}  // namespace ombrel
