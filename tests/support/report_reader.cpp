#include "support/report_reader.h"

#include <memory>

#include <pugixml.hpp>
#include <zip.h>

namespace ombrel::testing {

namespace {

struct ZipCloser {
  void operator()(zip_t* archive) const { zip_discard(archive); }
};
struct ZipFileCloser {
  void operator()(zip_file_t* file) const { zip_fclose(file); }
};

std::optional<std::string> ReadEntry(zip_t* archive, const char* name) {
  zip_stat_t stat;
  zip_stat_init(&stat);
  if (zip_stat(archive, name, 0, &stat) != 0 || (stat.valid & ZIP_STAT_SIZE) == 0) {
    return std::nullopt;
  }
  std::unique_ptr<zip_file_t, ZipFileCloser> file(zip_fopen(archive, name, 0));
  if (!file) return std::nullopt;
  std::string bytes(stat.size, '\0');
  zip_uint64_t done = 0;
  while (done < stat.size) {
    const zip_int64_t n = zip_fread(file.get(), bytes.data() + done, stat.size - done);
    if (n <= 0) return std::nullopt;
    done += static_cast<zip_uint64_t>(n);
  }
  return bytes;
}

}  // namespace

std::optional<std::string> ReportForm::Field(const std::string& addr) const {
  auto it = fields.find(addr);
  if (it == fields.end()) return std::nullopt;
  return it->second;
}

const ReportForm* WrittenReport::Form(const std::string& id) const {
  for (const ReportForm& form : forms) {
    if (form.id == id) return &form;
  }
  return nullptr;
}

std::vector<std::string> WrittenReport::FormIds() const {
  std::vector<std::string> ids;
  for (const ReportForm& form : forms) ids.push_back(form.id);
  return ids;
}

const ReportImageEntry* WrittenReport::Image(const std::string& frame) const {
  for (const ReportImageEntry& image : images) {
    if (image.frame == frame) return &image;
  }
  return nullptr;
}

std::optional<WrittenReport> ReadReport(const std::string& path) {
  int error = 0;
  std::unique_ptr<zip_t, ZipCloser> archive(zip_open(path.c_str(), ZIP_RDONLY, &error));
  if (!archive) return std::nullopt;
  const std::optional<std::string> xml = ReadEntry(archive.get(), "REPORT.XML");
  if (!xml) return std::nullopt;
  pugi::xml_document document;
  if (!document.load_buffer(xml->data(), xml->size())) return std::nullopt;

  WrittenReport report;
  const zip_int64_t count = zip_get_num_entries(archive.get(), 0);
  for (zip_int64_t i = 0; i < count; ++i) {
    if (const char* name = zip_get_name(archive.get(), static_cast<zip_uint64_t>(i), 0)) {
      report.entries.emplace_back(name);
    }
  }
  const pugi::xml_node root = document.child("REPORT");
  report.skeleton = root.attribute("SKELETON").value();
  for (pugi::xml_node node : root.children("FORM")) {
    ReportForm form{node.attribute("ID").value(), node.attribute("VERSION").value(), {}, {}};
    for (pugi::xml_node field : node.children("FIELD")) {
      form.fields[field.attribute("ADDR").value()] = field.text().get();
    }
    for (pugi::xml_node title : node.children("TITLE")) {
      form.titles[title.attribute("ADDR").value()] = title.text().get();
    }
    report.forms.push_back(std::move(form));
  }
  for (pugi::xml_node node : root.children("IMAGE")) {
    const char* entry = node.attribute("ENTRY").value();
    report.images.push_back({node.attribute("FRAME").value(), node.attribute("FILENAME").value(),
                             node.attribute("EXTENSION").value(), entry,
                             ReadEntry(archive.get(), entry)});
  }
  return report;
}

}  // namespace ombrel::testing
