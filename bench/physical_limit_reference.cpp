#include "physical_limit_reference.h"

#include <fcntl.h>
#include <unistd.h>
#include <zip.h>

#include <cstdio>
#include <fstream>
#include <iterator>
#include <stdexcept>

namespace ombrel::bench {

namespace {

std::string ReadFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) throw std::runtime_error("cannot read " + path);
  in.seekg(0, std::ios::end);
  std::string bytes(static_cast<std::size_t>(in.tellg()), '\0');
  in.seekg(0);
  in.read(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  return bytes;
}

void SyncPath(const std::string& path, int flags) {
  const int fd = ::open(path.c_str(), flags | O_CLOEXEC);
  if (fd < 0 || ::fsync(fd) != 0) throw std::runtime_error("cannot flush " + path);
  ::close(fd);
}

struct StringWriter : pugi::xml_writer {
  std::string text;
  void write(const void* data, std::size_t size) override { text.append(static_cast<const char*>(data), size); }
};

}  // namespace

std::string ReportXmlOf(const std::string& reportPath) {
  int code = 0;
  zip_t* archive = zip_open(reportPath.c_str(), ZIP_RDONLY, &code);
  if (archive == nullptr) throw std::runtime_error("cannot open " + reportPath);
  zip_stat_t stat;
  zip_file_t* entry = nullptr;
  std::string text;
  if (zip_stat(archive, "REPORT.XML", 0, &stat) == 0 && (entry = zip_fopen(archive, "REPORT.XML", 0)) != nullptr) {
    text.resize(stat.size);
    if (zip_fread(entry, text.data(), text.size()) != static_cast<zip_int64_t>(text.size())) text.clear();
    zip_fclose(entry);
  }
  zip_discard(archive);
  if (text.empty()) throw std::runtime_error(reportPath + " holds no REPORT.XML");
  return text;
}

PhysicalLimitReference::PhysicalLimitReference(std::vector<std::string> orderPaths, const std::string& report,
                                               std::string target)
    : orderPaths_(std::move(orderPaths)), target_(std::move(target)) {
  const std::string xml = ReportXmlOf(report);
  reportXmlSize_ = xml.size();
  if (!report_.load_buffer(xml.data(), xml.size())) throw std::runtime_error(report + ": REPORT.XML does not parse");
}

void PhysicalLimitReference::Run() const {
  for (const std::string& path : orderPaths_) {
    std::string text = ReadFile(path);
    pugi::xml_document order;
    if (!order.load_buffer_inplace(text.data(), text.size())) throw std::runtime_error(path + " does not parse");
  }
  pugi::xml_document built;
  for (pugi::xml_node node = report_.first_child(); node; node = node.next_sibling()) built.append_copy(node);
  StringWriter xml;
  built.save(xml, "", pugi::format_raw);

  const std::string pending = target_ + ".new";
  int code = 0;
  zip_t* archive = zip_open(pending.c_str(), ZIP_CREATE | ZIP_TRUNCATE, &code);
  if (archive == nullptr) throw std::runtime_error("cannot create " + pending);
  zip_source_t* source = zip_source_buffer(archive, xml.text.data(), xml.text.size(), 0);
  const zip_int64_t index = source == nullptr ? -1 : zip_file_add(archive, "REPORT.XML", source, 0);
  if (index < 0 || zip_set_file_compression(archive, static_cast<zip_uint64_t>(index), ZIP_CM_DEFLATE, 1) != 0 ||
      zip_close(archive) != 0) {
    zip_discard(archive);
    throw std::runtime_error("cannot write " + pending);
  }
  SyncPath(pending, O_RDONLY);
  if (std::rename(pending.c_str(), target_.c_str()) != 0) throw std::runtime_error("cannot rename " + pending);
  SyncPath(target_.substr(0, target_.rfind('/') + 1), O_RDONLY | O_DIRECTORY);
}

}  // namespace ombrel::bench
