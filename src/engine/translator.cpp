#include "engine/translator.h"

#include "engine/common_forms.h"
#include "platform/error.h"

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

}  // namespace ombrel
