// Reads a written .RPT file back for tests: its forms with their fields and
// titles, and its images by photo frame.
#pragma once

#include <map>
#include <optional>
#include <string>
#include <vector>

namespace ombrel::testing {

struct ReportForm {
  std::string id;
  std::string version;
  std::map<std::string, std::string> fields;
  std::map<std::string, std::string> titles;

  std::optional<std::string> Field(const std::string& addr) const;
};

struct ReportImageEntry {
  std::string frame;
  std::string fileName;
  std::string extension;
  std::string entry;                 // the archive entry holding the image's bytes
  std::optional<std::string> bytes;  // that entry's content; nothing when it is missing
};

struct WrittenReport {
  std::string skeleton;
  std::vector<ReportForm> forms;  // in the report's order
  std::vector<ReportImageEntry> images;
  std::vector<std::string> entries;  // every entry of the archive

  // The form with this exact id, or nullptr.
  const ReportForm* Form(const std::string& id) const;
  std::vector<std::string> FormIds() const;
  const ReportImageEntry* Image(const std::string& frame) const;
};

// Nothing when the file is not a readable report.
std::optional<WrittenReport> ReadReport(const std::string& path);

}  // namespace ombrel::testing
