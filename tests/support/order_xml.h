// An order document for tests: values set by order tag, each tag read as a
// path ("COMP(2)SALESPRICE" is the SALESPRICE of the COMP whose N is 2), as
// the XML reader reads a tag that the alias file does not name.
#pragma once

#include <string>
#include <vector>

namespace ombrel::testing {

class OrderXml {
 public:
  void Set(const std::string& tag, const std::string& value);
  // Set of group(n)tag: SetItem("COMP", 2, "SALESPRICE", v) sets COMP(2)SALESPRICE.
  void SetItem(const std::string& group, int n, const std::string& tag, const std::string& value);
  // The document, with its root element ORDER.
  std::string Text() const;

 private:
  struct Node {
    std::string step;  // "COMP(2)" or "SALESPRICE"
    std::string text;
    std::vector<Node> children;

    Node& Child(const std::string& name);
  };

  static std::string Escaped(const std::string& text);
  static void Append(std::string& out, const Node& node);

  Node root_;
};

}  // namespace ombrel::testing
