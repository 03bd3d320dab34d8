// The XML reader on pugixml: one order document, read in whatever encoding it
// came in, and the alias table that maps order tags to places in it. A
// document that is not well-formed, too large, with too many elements,
// nested too deep, or holding a character the parser would read wrongly (a
// NUL however it is written) loads as empty: every path and tag then has no
// value.
#pragma once

#include <cstddef>
#include <string>

#include <pugixml.hpp>

#include "platform/xml/alias_table.h"
#include "platform/xml/element_index.h"
#include "platform/xml/xml_dom.h"

namespace ombrel {

class PugiXmlDom : public XmlDom {
 public:
  static constexpr std::size_t kMaxDocumentSize = 64 * 1024 * 1024;
  // Elements and attributes together, counted before the text is parsed: a
  // parsed element or attribute costs far more memory than its text.
  static constexpr std::size_t kMaxElements = 1000 * 1000;
  static constexpr int kMaxDepth = 256;

  void LoadXml(std::string text) override;
  std::string LimitReached() const override { return limitReached_; }
  XmlNode Root() const override { return XmlNode(root_.internal_object()); }
  std::string Value(XmlNode node, const std::string& path) const override;
  // Raises an error when the file cannot be read; the table is then empty.
  void LoadAlias(const std::string& path) override;
  std::string TagValue(const std::string& tag, bool skipAlias) const override;
  std::string_view TagText(const std::string& tag, bool skipAlias) const override;

 private:
  void Unload();

  std::string text_;  // the document's UTF-8 text, which the parsed document points into
  std::string limitReached_;
  pugi::xml_document document_;
  pugi::xml_node root_;  // the document element; null when nothing is loaded
  ElementIndex index_;   // of document_
  AliasTable aliases_;
  mutable std::string joined_;  // the last TagText of an element with children
};

}  // namespace ombrel
