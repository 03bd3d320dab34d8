// Tag lookup: the time of one value(tag) of the XML reader on a full order
// with the demo alias file, for the three ways a tag resolves: an exact
// alias, a '#' pattern, and a tag no alias names (read as a path). Beside
// each, pugixml reaching the same element by hand with the path known.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include <pugixml.hpp>

#include "figure_table.h"
#include "median_reporter.h"
#include "platform/xml/xml_dom.h"

namespace ombrel::bench {

class TagLookupBench {
 public:
  // orderText: a full order; its tags are sorted into the three kinds.
  TagLookupBench(const std::string& orderText, const std::vector<std::string>& orderTags);

  void Register();
  std::vector<Figure> Figures(const MedianReporter& times, std::vector<std::string>& notes) const;

 private:
  struct Step {
    std::string name;
    std::string index;  // the N attribute; "" for none
  };
  struct Lookup {
    std::string tag;
    std::vector<Step> steps;
  };
  struct Kind {
    std::string name;
    std::vector<Lookup> lookups;
  };

  void Add(Kind& kind, const std::string& tag, const std::string& aliasText);
  std::string ByHand(const Lookup& lookup) const;

  std::unique_ptr<XmlDom> dom_;
  pugi::xml_document document_;
  std::vector<Kind> kinds_;
};

}  // namespace ombrel::bench
