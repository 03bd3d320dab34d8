#include "platform/envelope/listed_document.h"

namespace ombrel {

std::string ListedDocument::Attribute(const std::string& name) const {
  for (const auto& [key, value] : attributes_) {
    if (key == name) return value;
  }
  return "";
}

bool ListedDocument::Has(const std::string& name) const {
  for (const auto& attribute : attributes_) {
    if (attribute.first == name) return true;
  }
  return false;
}

}  // namespace ombrel
