// The physical limit of a translation: what any program that reads the same
// order documents and writes a report of the same size must do at least.
// Read each order file and parse it with pugixml; build a REPORT.XML of the
// report's size with pugixml (a copy of the tree of the report the real
// translation wrote) and serialise it; deflate it at the report's level
// with libzip into the report's folder; flush the file to disk (fsync), give
// it its name, and flush the folder.
#pragma once

#include <string>
#include <vector>

#include <pugixml.hpp>

namespace ombrel::bench {

// The REPORT.XML text of a written report; throws std::runtime_error when
// there is none.
std::string ReportXmlOf(const std::string& reportPath);

class PhysicalLimitReference {
 public:
  // report: a report the translation wrote, whose REPORT.XML gives the tree
  // to build; target: the path to write, in a folder of its own.
  PhysicalLimitReference(std::vector<std::string> orderPaths, const std::string& report, std::string target);

  void Run() const;
  std::size_t ReportXmlSize() const { return reportXmlSize_; }

 private:
  std::vector<std::string> orderPaths_;
  pugi::xml_document report_;
  std::size_t reportXmlSize_ = 0;
  std::string target_;
};

}  // namespace ombrel::bench
