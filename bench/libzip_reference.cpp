#include "libzip_reference.h"

#include <fcntl.h>
#include <unistd.h>
#include <zip.h>

#include <cstdio>
#include <set>
#include <stdexcept>
#include <utility>

namespace ombrel::bench {

std::vector<std::string> ExtractWithLibzip(const std::string& archivePath, const std::string& folder) {
  int code = 0;
  zip_t* archive = zip_open(archivePath.c_str(), ZIP_RDONLY, &code);
  if (archive == nullptr) throw std::runtime_error("cannot open " + archivePath);
  std::vector<std::string> written;
  std::vector<char> buffer(64 * 1024);
  const zip_int64_t count = zip_get_num_entries(archive, 0);
  for (zip_int64_t i = 0; i < count; ++i) {
    const zip_uint64_t index = static_cast<zip_uint64_t>(i);
    const std::string target = folder + zip_get_name(archive, index, 0);
    zip_file_t* entry = zip_fopen_index(archive, index, 0);
    std::FILE* out = std::fopen(target.c_str(), "wb");
    bool ok = entry != nullptr && out != nullptr;
    for (zip_int64_t n = 0; ok && (n = zip_fread(entry, buffer.data(), buffer.size())) != 0;) {
      ok = n > 0 && std::fwrite(buffer.data(), 1, static_cast<std::size_t>(n), out) ==
                        static_cast<std::size_t>(n);
    }
    if (out != nullptr && std::fclose(out) != 0) ok = false;
    if (entry != nullptr) zip_fclose(entry);
    if (out != nullptr) written.push_back(target);
    if (!ok) {
      zip_discard(archive);
      throw std::runtime_error("cannot extract to " + target);
    }
  }
  zip_discard(archive);
  return written;
}

void WriteReportZip(const std::string& path, const std::string& reportXml,
                    const std::vector<std::string>& files) {
  int code = 0;
  zip_t* archive = zip_open(path.c_str(), ZIP_CREATE | ZIP_TRUNCATE, &code);
  if (archive == nullptr) throw std::runtime_error("cannot create " + path);
  zip_source_t* xml = zip_source_buffer(archive, reportXml.data(), reportXml.size(), 0);
  const zip_int64_t xmlIndex = xml == nullptr ? -1 : zip_file_add(archive, "REPORT.XML", xml, 0);
  if (xmlIndex < 0) {
    if (xml != nullptr) zip_source_free(xml);
    zip_discard(archive);
    throw std::runtime_error("cannot add REPORT.XML to " + path);
  }
  zip_set_file_compression(archive, static_cast<zip_uint64_t>(xmlIndex), ZIP_CM_DEFLATE, 1);
  for (std::size_t i = 0; i < files.size(); ++i) {
    zip_source_t* source = zip_source_file(archive, files[i].c_str(), 0, -1);
    const std::string name = "IMAGES/IMAGE" + std::to_string(i + 1) + ".jpg";
    const zip_int64_t index = source == nullptr ? -1 : zip_file_add(archive, name.c_str(), source, 0);
    if (index < 0) {
      if (source != nullptr) zip_source_free(source);
      zip_discard(archive);
      throw std::runtime_error("cannot store " + files[i]);
    }
    zip_set_file_compression(archive, static_cast<zip_uint64_t>(index), ZIP_CM_STORE, 0);
  }
  if (zip_close(archive) != 0) {
    zip_discard(archive);
    throw std::runtime_error("cannot write " + path);
  }
  for (const auto& [name, flags] : {std::pair{path, O_RDONLY}, std::pair{path.substr(0, path.rfind('/') + 1), O_RDONLY | O_DIRECTORY}}) {
    const int fd = ::open(name.c_str(), flags | O_CLOEXEC);
    const bool flushed = fd >= 0 && ::fsync(fd) == 0;
    if (fd >= 0) ::close(fd);
    if (!flushed) throw std::runtime_error("cannot flush " + name);
  }
}

void RunLibzipReference(const std::string& archivePath, const std::string& folder,
                        const std::vector<std::string>& carried, const std::string& zipPath,
                        const std::string& reportXml) {
  const std::vector<std::string> extracted = ExtractWithLibzip(archivePath, folder);
  const std::set<std::string> wanted(carried.begin(), carried.end());
  std::vector<std::string> stored;
  // The envelope's entries are named GUID+EXT; the caller names them by entry.
  for (const std::string& file : extracted) {
    if (wanted.count(file.substr(folder.size())) != 0) stored.push_back(file);
  }
  WriteReportZip(zipPath, reportXml, stored);
  for (const std::string& file : extracted) std::remove(file.c_str());
}

}  // namespace ombrel::bench
