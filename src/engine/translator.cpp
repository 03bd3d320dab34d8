#include "engine/translator.h"

#include "engine/common_forms.h"
#include "platform/errors/error.h"

namespace ombrel {

void Translator::SetServer(XmlEngine* newSvr) {
  if (newSvr == nullptr) {
    throw Error(err::kInvalidServerObject, std::string(constants_.className),
                "Invalid Server Object");
  }
  server_ = newSvr;
}

XmlEngine& Translator::Server_() const {
  if (server_ == nullptr) throw Error::ObjectNotSet(std::string(constants_.className));
  return *server_;
}

void Translator::ParseCityLine(const std::string& fieldAddr, const std::string& cityTag,
                               const std::string& stateTag, const std::string& zipTag) {
  if (AnyTagPresent(Server_(), {cityTag, stateTag, zipTag})) {
    ParseAddress(fieldAddr, cityTag, stateTag, zipTag);
  }
}

void Translator::LicenceSelect(int16_t k, const std::string& stateCell,
                               const std::string& numberCell, const std::string& delimiter,
                               LicenceOrder order, CellOrder cells) {
  struct Cell {
    const std::string& addr;
    std::string licence, certificate;
  };
  const std::string p = k == 1 ? "APPRAISER" : "SUPAPPRAISER";
  const Cell state{stateCell, p + "LICSTATEPROV", p + "CERTSTATEPROV"};
  const Cell number{numberCell, p + "STATELICNUM", p + "STATECERTNUM"};
  const int32_t result = Licensing(k);
  for (const Cell* cell : {cells == kStateCellFirst ? &state : &number,
                           cells == kStateCellFirst ? &number : &state}) {
    if (cell->addr.empty()) continue;
    if (result == -1 || (result != 0 && order == kLicenceAlone)) {
      SetAlias(cell->licence, cell->addr);
    } else if (result == 0) {
      SetAlias(cell->certificate, cell->addr);
    } else if (order == kLicenceFirst) {
      Compare(cell->licence, cell->certificate, cell->addr, delimiter);
    } else {
      Compare(cell->certificate, cell->licence, cell->addr, delimiter);
    }
  }
}

bool Translator::ReportProfileBlock(const std::string& borrowerTag) {
  if (!SetForm("offscrn")) return false;
  SetAlias(borrowerTag, "6|1");
  SetAlias("PROPADDR", "7|1");
  SetAlias("CITY", "8|1");
  SetAlias("COUNTY", "8|2");
  SetAlias("STATEPROV", "8|3");
  SetAlias("ZIP", "8|4");
  SetAlias("LENDERCLIENTSTREET", "15|1");
  // "BOGON" names no order value: the line holds the lender's city and state,
  // its zip having a line of its own
  ParseAddress("16|1", "LENDERCLIENTCITY", "LENDERCLIENTSTATEPROV", "BOGON", "", "");
  SetAlias("LENDERCLIENTZIP", "17|1");
  return true;
}

}  // namespace ombrel
