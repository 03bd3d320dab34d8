// One document of an envelope's listing, with its attributes as ENVELOPE.XML
// gives them.
#pragma once

#include <string>
#include <utility>
#include <vector>

#include "platform/envelope/envelope.h"

namespace ombrel {

class ListedDocument : public EnvelopeDocument {
 public:
  explicit ListedDocument(std::vector<std::pair<std::string, std::string>> attributes)
      : attributes_(std::move(attributes)) {}
  std::string Attribute(const std::string& name) const override;
  // Whether the document has the attribute at all.
  bool Has(const std::string& name) const;

 private:
  std::vector<std::pair<std::string, std::string>> attributes_;
};

}  // namespace ombrel
