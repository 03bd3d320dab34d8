// The documents an envelope lists in ENVELOPE.XML, in envelope order, each
// with all of its attributes as written there.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/envelope/envelope.h"
#include "platform/envelope/listed_document.h"

namespace ombrel {

class EnvelopeListing : public EnvelopeDocuments {
 public:
  // The listing in the bytes of ENVELOPE.XML: <ENVELOPE> with one
  // <DOCUMENT .../> per document. Nothing when it is not well-formed, or
  // too large to parse; *why then says which, in words for the log.
  static std::optional<EnvelopeListing> Parse(std::string_view bytes, std::string* why = nullptr);

  std::size_t Count() const override { return documents_.size(); }
  const EnvelopeDocument& Item(std::size_t index) const override;
  const ListedDocument& Document(std::size_t index) const { return documents_.at(index); }
  ListedDocument& Document(std::size_t index) { return documents_.at(index); }

 private:
  std::vector<ListedDocument> documents_;
};

}  // namespace ombrel
