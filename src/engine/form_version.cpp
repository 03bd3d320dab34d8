#include "engine/form_version.h"

#include <array>

#include "platform/text/ascii_case.h"
#include "services/engine_services.h"

namespace ombrel {

namespace {

// Searched top to bottom; the first id that matches gives the version.
constexpr std::array<FormVersionRow, 64> kRows{{
    // form id       version
    {"2006",          "1"},
    {"ERS",           "1"},
    {"ERSCMP46",      "1"},
    {"FRR",           "1"},
    {"QAR",           "1"},
    {"EQI",           "1"},
    {"2006SC13",      "1"},
    {"79CMP13",       "1"},
    {"79CMP46",       "1"},
    {"QARCMP46",      "1"},
    {"QARCMP79",      "1"},
    {"AUL",           "1"},
    {"BAR",           "1"},
    {"CLI",           "1"},
    {"PFI",           "1"},
    {"VIE",           "1"},
    {"CLIXDRAW",      "1"},
    {"2065",          "1"},
    {"2075",          "1"},
    {"CIA",           "1"},
    {"CMR",           "1"},
    {"CN2",           "1"},
    {"DUQ",           "1"},
    {"DAWI",          "1"},
    {"MOB",           "1"},
    {"2065_C46",      "1"},
    {"2065_C79",      "1"},
    {"CIACMP46",      "1"},
    {"CIACMP79",      "1"},
    {"CMPS46",        "1"},
    {"CMPS79",        "1"},
    {"DAWIC46",       "1"},
    {"DAWIC79",       "1"},
    {"LARCMPS",       "1"},
    {"MOBCMP46",      "1"},
    {"MULCMP46",      "1"},
    {"MULCMP79",      "1"},
    {"MULLST46",      "1"},
    {"MULRNT46",      "1"},
    {"MULRNT79",      "1"},
    {"CNA",           "1"},
    {"COMPL",         "1"},
    {"INVOICE",       "1"},
    {"RENT2",         "1"},
    {"DT2",           "2"},
    {"EPI",           "2"},
    {"ER3",           "2"},
    {"LAR",           "2"},
    {"UA2",           "2"},
    {"CN2CMP46",      "2"},
    {"CN2CMP79",      "2"},
    {"DUQCMP46",      "2"},
    {"DUQCMP79",      "2"},
    {"ER3CMP46",      "2"},
    {"FLOODMAP",      "2"},
    {"LOCATION",      "2"},
    {"OIS",           "2"},
    {"SITEPLAN",      "2"},
    {"SKETCH",        "2"},
    {"SUBPHOTO",      "2"},
    {"VC01",          "2"},
    {"XMAPA",         "2"},
    {"MUL",           "3"},
    {"OFFSCRN",       "5"},
}};

}  // namespace

std::span<const FormVersionRow> FormVersionTable() { return kRows; }

std::string FormVersion(const EngineServices& services, const std::string& formId) {
  const std::string key = AsciiUppered(formId);
  for (const FormVersionRow& row : FormVersionTable()) {
    if (row.formId == key) return std::string(row.version);
  }
  services.TheUi().MessageBox("No version information is available for the " + formId + " form.",
                              MsgButtons::kOk, MsgIcon::kInformation, kAppTitle);
  return "";
}

}  // namespace ombrel
