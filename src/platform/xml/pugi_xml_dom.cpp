#include "platform/xml/pugi_xml_dom.h"

#include <algorithm>

#include "platform/errors/errno_error.h"
#include "platform/files/file_bytes.h"
#include "platform/xml/xml_character_fault.h"
#include "platform/xml/xml_markup_count.h"
#include "platform/xml/xml_single_root.h"
#include "platform/xml/xml_text_decoder.h"

namespace ombrel {

namespace {

constexpr const char* kSource = "FastXML.XMLDOM";

// Whitespace-only text is a value too (a field of one blank), but only where
// it is an element's whole content, not the indentation between elements.
// An element's first text is kept as its own value rather than as a node of
// its own: a node per value would double the memory of a large order.
constexpr unsigned kParseOptions =
    pugi::parse_default | pugi::parse_ws_pcdata_single | pugi::parse_embed_pcdata | kStrictRootOptions;

}  // namespace

void PugiXmlDom::Unload() {
  index_.Clear();
  document_.reset();
  root_ = pugi::xml_node();
  text_.clear();
  text_.shrink_to_fit();
}

void PugiXmlDom::LoadXml(std::string text) {
  Unload();
  limitReached_.clear();
  if (text.size() > kMaxDocumentSize) {
    limitReached_ = "over the size limit (" + std::to_string(kMaxDocumentSize / (1024 * 1024)) + " MB)";
    return;
  }
  DecodeXmlTextInPlace(text);
  if (const CharacterFault fault = FindCharacterFault(text); fault != CharacterFault::kNone) {
    limitReached_ = CharacterFaultText(fault);
    return;
  }
  if (!MarkupWithinLimit(text, kMaxElements)) {
    limitReached_ = "too many elements (more than " + std::to_string(kMaxElements) +
                    " elements and attributes)";
    return;
  }
  // Parsed in place: the document's names and values stay in text_.
  text_ = std::move(text);
  if (!document_.load_buffer_inplace(text_.data(), text_.size(), kParseOptions, pugi::encoding_utf8) ||
      !HasSingleRoot(document_)) {
    Unload();
    return;
  }
  if (!index_.Build(document_, kMaxDepth)) {
    Unload();
    limitReached_ = "too deep (more than " + std::to_string(kMaxDepth) + " nested elements)";
    return;
  }
  root_ = document_.document_element();
}

std::string PugiXmlDom::Value(XmlNode node, const std::string& path) const {
  // Root() is the only node handed out; a node of an earlier document is stale.
  if (!root_ || node.handle() != root_.internal_object()) return "";
  return XmlPath::EvaluateText(path, root_, index_);
}

void PugiXmlDom::LoadAlias(const std::string& path) {
  aliases_ = AliasTable();
  std::string bytes;
  int error = 0;
  if (!ReadFileBytes(path, bytes, error)) {
    const int32_t number = ClassicErrorNumber(error);
    throw Error(number, kSource, ClassicErrorText(number) + ": cannot read the alias file " + path);
  }
  aliases_ = AliasTable::Parse(bytes);
}

std::string PugiXmlDom::TagValue(const std::string& tag, bool skipAlias) const {
  return std::string(TagText(tag, skipAlias));
}

std::string_view PugiXmlDom::TagText(const std::string& tag, bool skipAlias) const {
  if (!root_) return "";
  if (!skipAlias) {
    std::optional<XmlPath> storage;
    if (const XmlPath* path = aliases_.Find(tag, storage)) return path->Text(root_, index_, joined_);
  }
  return XmlPath::TagText(tag, root_, index_, joined_);
}

}  // namespace ombrel
