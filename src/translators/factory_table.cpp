#include "translators/factory_table.h"

#include <array>

#include "translators/ba_short/aul.h"
#include "translators/ba_short/ba2071.h"
#include "translators/ba_short/bar.h"
#include "translators/ba_short/cli.h"
#include "translators/ba_short/dtv.h"
#include "translators/ba_short/fm2070.h"
#include "translators/ba_short/fm2075.h"
#include "translators/ba_short/pfi.h"
#include "translators/ba_short/vie.h"
#include "translators/erc/erc.h"
#include "translators/erc/erc2001.h"
#include "translators/form1004/fm1004.h"
#include "translators/form1004/fm1073.h"
#include "translators/form1004/fm1075.h"
#include "translators/form1025/fm1025.h"
#include "translators/form2055/dawi.h"
#include "translators/form2055/fm2055.h"
#include "translators/form2055/fm2065.h"
#include "translators/form2055/qar.h"
#include "translators/review_land_mh/fm2000.h"
#include "translators/review_land_mh/fm2006.h"
#include "translators/review_land_mh/land.h"
#include "translators/review_land_mh/mhar.h"
#include "translators/supplemental/cna.h"
#include "translators/supplemental/fhavc.h"
#include "translators/supplemental/fm1007.h"
#include "translators/supplemental/fm216.h"
#include "translators/supplemental/fm442.h"
#include "translators/supplemental/fm465s.h"
#include "translators/supplemental/invoice.h"

namespace ombrel {

namespace {

constexpr AltFormRule kAny = AltFormRule::kAny;
constexpr AltFormRule kEqual = AltFormRule::kEqual;

constexpr std::array<FactoryRow, 31> kRows{{
    // form number  alternate form   class      FormName   creator
    {kTargetFormNumber, kAny, "",    "",        "",        nullptr},
    {"2071",       kAny,   "",       "BA2071",  "EPI",     &CreateTranslator<BA2071>},
    {"BAAPUPDATE", kAny,   "",       "AUL",     "AUL",     &CreateTranslator<AUL>},
    {"BAAPREVIEW", kAny,   "",       "BAR",     "BAR",     &CreateTranslator<BAR>},
    {"BA3370_44",  kAny,   "",       "PFI",     "PFI",     &CreateTranslator<PFI>},
    {"BA3370_46",  kAny,   "",       "CLI",     "CLI",     &CreateTranslator<CLI>},
    {"BADESKTOP",  kAny,   "",       "DTV",     "DT2",     &CreateTranslator<DTV>},
    {"BAVIE",      kAny,   "",       "VIE",     "VIE",     &CreateTranslator<VIE>},
    {"2000",       kAny,   "",       "FM2000",  "FRR",     &CreateTranslator<FM2000>},
    {"2006",       kAny,   "",       "FM2006",  "2006",    &CreateTranslator<FM2006>},
    {"ERC2001",    kAny,   "",       "ERC2001", "ERS",     &CreateTranslator<ERC2001>},
    {"465S",       kAny,   "",       "FM465S",  "EQI",     &CreateTranslator<FM465S>},
    {"1004",       kAny,   "",       "FM1004",  "UA2",     &CreateTranslator<FM1004>},
    {"1007",       kAny,   "",       "FM1007",  "rent2",   &CreateTranslator<FM1007>},
    {"1025",       kAny,   "",       "FM1025",  "MUL",     &CreateTranslator<FM1025>},
    {"1073",       kAny,   "",       "FM1073",  "CN2",     &CreateTranslator<FM1073>},
    {"1075",       kAny,   "",       "FM1075",  "CIA",     &CreateTranslator<FM1075>},
    {"2055",       kEqual, "",       "FM2055",  "DUQ",     &CreateTranslator<FM2055>},
    {"2055",       kEqual, "FHLMC",  "QAR",     "QAR",     &CreateTranslator<QAR>},
    {"2055_WOI",   kAny,   "",       "DAWI",    "DAWI",    &CreateTranslator<DAWI>},
    {"2065",       kAny,   "",       "FM2065",  "2065",    &CreateTranslator<FM2065>},
    {"2070",       kAny,   "",       "FM2070",  "CMR",     &CreateTranslator<FM2070>},
    {"2075",       kAny,   "",       "FM2075",  "2075",    &CreateTranslator<FM2075>},
    {"ERC",        kAny,   "",       "ERC",     "ER3",     &CreateTranslator<ERC>},
    {"LAND",       kAny,   "",       "LAND",    "LAR",     &CreateTranslator<LAND>},
    {"MHAR",       kAny,   "",       "MHAR",    "MOB",     &CreateTranslator<MHAR>},
    {"216",        kAny,   "",       "FM216",   "ois",     &CreateTranslator<FM216>},
    {"442",        kAny,   "",       "FM442",   "compl",   &CreateTranslator<FM442>},
    {"465",        kAny,   "",       "CNA",     "cna",     &CreateTranslator<CNA>},
    {"INVOICE",    kAny,   "",       "INVOICE", "invoice", &CreateTranslator<INVOICE>},
    {"FHAVC",      kAny,   "",       "FHAVC",   "VC01",    &CreateTranslator<FHAVC>},
}};

}  // namespace

std::span<const FactoryRow> FactoryTable() { return kRows; }

}  // namespace ombrel
