#include "engine/factory_table.h"

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

constexpr AltFormRule kAny = AltFormRule::kAny;
constexpr AltFormRule kEqual = AltFormRule::kEqual;

// A class whose translator is not built yet is listed with no creator; the
// selection then treats its number as unsupported.
constexpr std::array<FactoryRow, 31> kRows{{
    // form number  alternate form   class      FormName   creator
    {kTargetFormNumber, kAny, "",    "",        "",        nullptr},
    {"2071",       kAny,   "",       "BA2071",  "EPI",     nullptr},
    {"BAAPUPDATE", kAny,   "",       "AUL",     "AUL",     nullptr},
    {"BAAPREVIEW", kAny,   "",       "BAR",     "BAR",     nullptr},
    {"BA3370_44",  kAny,   "",       "PFI",     "PFI",     nullptr},
    {"BA3370_46",  kAny,   "",       "CLI",     "CLI",     nullptr},
    {"BADESKTOP",  kAny,   "",       "DTV",     "DT2",     nullptr},
    {"BAVIE",      kAny,   "",       "VIE",     "VIE",     nullptr},
    {"2000",       kAny,   "",       "FM2000",  "FRR",     nullptr},
    {"2006",       kAny,   "",       "FM2006",  "2006",    nullptr},
    {"ERC2001",    kAny,   "",       "ERC2001", "ERS",     nullptr},
    {"465S",       kAny,   "",       "FM465S",  "EQI",     nullptr},
    {"1004",       kAny,   "",       "FM1004",  "UA2",     &CreateTranslator<FM1004>},
    {"1007",       kAny,   "",       "FM1007",  "rent2",   nullptr},
    {"1025",       kAny,   "",       "FM1025",  "MUL",     nullptr},
    {"1073",       kAny,   "",       "FM1073",  "CN2",     &CreateTranslator<FM1073>},
    {"1075",       kAny,   "",       "FM1075",  "CIA",     &CreateTranslator<FM1075>},
    {"2055",       kEqual, "",       "FM2055",  "DUQ",     &CreateTranslator<FM2055>},
    {"2055",       kEqual, "FHLMC",  "QAR",     "QAR",     &CreateTranslator<QAR>},
    {"2055_WOI",   kAny,   "",       "DAWI",    "DAWI",    &CreateTranslator<DAWI>},
    {"2065",       kAny,   "",       "FM2065",  "2065",    &CreateTranslator<FM2065>},
    {"2070",       kAny,   "",       "FM2070",  "CMR",     nullptr},
    {"2075",       kAny,   "",       "FM2075",  "2075",    nullptr},
    {"ERC",        kAny,   "",       "ERC",     "ER3",     nullptr},
    {"LAND",       kAny,   "",       "LAND",    "LAR",     nullptr},
    {"MHAR",       kAny,   "",       "MHAR",    "MOB",     nullptr},
    {"216",        kAny,   "",       "FM216",   "ois",     nullptr},
    {"442",        kAny,   "",       "FM442",   "compl",   nullptr},
    {"465",        kAny,   "",       "CNA",     "cna",     nullptr},
    {"INVOICE",    kAny,   "",       "INVOICE", "invoice", nullptr},
    {"FHAVC",      kAny,   "",       "FHAVC",   "VC01",    nullptr},
}};

}  // namespace

std::span<const FactoryRow> FactoryTable() { return kRows; }

}  // namespace ombrel
