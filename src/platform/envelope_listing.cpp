#include "platform/envelope_listing.h"

#include <algorithm>

#include <pugixml.hpp>

#include "platform/error.h"
#include "platform/xml_markup_count.h"
#include "platform/xml_single_root.h"
#include "platform/xml_text_decoder.h"

namespace ombrel {

namespace {
constexpr std::size_t kMaxElements = 1000 * 1000;  // elements and attributes together
}  // namespace

std::optional<EnvelopeListing> EnvelopeListing::Parse(std::string_view bytes) {
  std::string text = DecodeXmlText(bytes);
  if (HasNulCharacter(text)) return std::nullopt;
  // Parsed elements cost far more memory than their text: no listing needs
  // a million of them.
  if (CountElementsAndAttributes(text, kMaxElements) > kMaxElements) return std::nullopt;
  pugi::xml_document document;
  if (!document.load_buffer_inplace(text.data(), text.size(), pugi::parse_default | kStrictRootOptions,
                              pugi::encoding_utf8) ||
      !HasSingleRoot(document)) {
    return std::nullopt;
  }
  const pugi::xml_node root = document.document_element();
  if (std::string_view(root.name()) != "ENVELOPE") return std::nullopt;
  EnvelopeListing listing;
  for (const pugi::xml_node node : root.children("DOCUMENT")) {
    std::vector<std::pair<std::string, std::string>> attributes;
    for (const pugi::xml_attribute attribute : node.attributes()) {
      attributes.emplace_back(attribute.name(), attribute.value());
    }
    listing.documents_.emplace_back(std::move(attributes));
  }
  return listing;
}

const EnvelopeDocument& EnvelopeListing::Item(std::size_t index) const {
  if (index >= documents_.size()) throw Error::SubscriptOutOfRange("EnvKit.Envelope");
  return documents_[index];
}

}  // namespace ombrel
