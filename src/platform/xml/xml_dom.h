// The XML reader: holds one order document and the alias table that maps
// order tags to places in it.
#pragma once

#include <string>
#include <string_view>

namespace ombrel {

// A node of the loaded document; only good as the node argument of Value().
class XmlNode {
 public:
  XmlNode() = default;
  explicit XmlNode(const void* handle) : handle_(handle) {}
  const void* handle() const { return handle_; }

 private:
  const void* handle_ = nullptr;
};

class XmlDom {
 public:
  virtual ~XmlDom() = default;
  // Replaces the loaded document. Text that is not a well-formed document
  // loads as empty: every path and tag then has no value. The text is taken
  // by value so that a large order need not be held twice.
  virtual void LoadXml(std::string text) = 0;
  // Why the last LoadXml loaded nothing when the reader itself refused the
  // text: a limit ("too many elements", ...) or a character the parser
  // would read wrongly ("holds a NUL character"); "" when nothing did.
  virtual std::string LimitReached() const { return ""; }
  virtual XmlNode Root() const = 0;
  // The text of the path under node, "" when nothing matches.
  virtual std::string Value(XmlNode node, const std::string& path) const = 0;
  // Loads the alias table; it stays in force across later LoadXml calls.
  virtual void LoadAlias(const std::string& path) = 0;
  // The value of an order tag; skipAlias True reads the tag as a path only.
  virtual std::string TagValue(const std::string& tag, bool skipAlias) const = 0;
  // TagValue as a view, good until the next TagText or LoadXml: a value that
  // is only tested, or copied into a report field, then needs no string of
  // its own. This default keeps a copy; a reader that holds the document
  // hands out the document's own text.
  virtual std::string_view TagText(const std::string& tag, bool skipAlias) const {
    lastText_ = TagValue(tag, skipAlias);
    return lastText_;
  }

 private:
  mutable std::string lastText_;
};

}  // namespace ombrel
