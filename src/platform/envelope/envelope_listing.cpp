#include "platform/envelope/envelope_listing.h"

#include <algorithm>
#include <string>
#include <utility>

#include <pugixml.hpp>

#include "platform/errors/error.h"
#include "platform/xml/xml_character_fault.h"
#include "platform/xml/xml_markup_count.h"
#include "platform/xml/xml_single_root.h"
#include "platform/xml/xml_text_decoder.h"

namespace ombrel {

namespace {

constexpr std::size_t kMaxElements = 1000 * 1000;  // elements and attributes together

std::optional<EnvelopeListing> Refuse(std::string* why, std::string text) {
  if (why != nullptr) *why = std::move(text);
  return std::nullopt;
}

}  // namespace

std::optional<EnvelopeListing> EnvelopeListing::Parse(std::string_view bytes, std::string* why) {
  std::string text = DecodeXmlText(bytes);
  if (const CharacterFault fault = FindCharacterFault(text); fault != CharacterFault::kNone) {
    return Refuse(why, std::string("ENVELOPE.XML ") + CharacterFaultText(fault));
  }
  // Parsed elements cost far more memory than their text: no listing needs
  // a million of them.
  if (CountElementsAndAttributes(text, kMaxElements) > kMaxElements) {
    return Refuse(why, "ENVELOPE.XML has too many elements and attributes (over " +
                           std::to_string(kMaxElements) + ")");
  }
  pugi::xml_document document;
  const pugi::xml_parse_result parsed = document.load_buffer_inplace(
      text.data(), text.size(), pugi::parse_default | kStrictRootOptions, pugi::encoding_utf8);
  if (!parsed) {
    return Refuse(why, std::string("ENVELOPE.XML is not well-formed: ") + parsed.description() +
                           " at offset " + std::to_string(parsed.offset));
  }
  if (!HasSingleRoot(document)) {
    return Refuse(why, "ENVELOPE.XML is not well-formed: not exactly one root element");
  }
  const pugi::xml_node root = document.document_element();
  if (std::string_view(root.name()) != "ENVELOPE") {
    return Refuse(why, "ENVELOPE.XML has no ENVELOPE root element");
  }
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
