#include "support/envelope_builder.h"

#include <zip.h>

#include <cstdio>
#include <filesystem>
#include <random>
#include <stdexcept>

namespace ombrel::testing {

namespace {

// Attribute text with the XML specials and control characters as references.
std::string EscapeAttribute(const std::string& text) {
  std::string out;
  for (char c : text) {
    switch (c) {
      case '&': out += "&amp;"; break;
      case '<': out += "&lt;"; break;
      case '>': out += "&gt;"; break;
      case '"': out += "&quot;"; break;
      default:
        if (static_cast<unsigned char>(c) < 0x20) {
          out += "&#" + std::to_string(static_cast<unsigned char>(c)) + ";";
        } else {
          out += c;
        }
    }
  }
  return out;
}

void AddEntry(zip_t* archive, const std::string& name, const std::string& bytes, bool stored) {
  zip_source_t* source = zip_source_buffer(archive, bytes.data(), bytes.size(), 0);
  if (source == nullptr) throw std::runtime_error("zip_source_buffer failed for " + name);
  const zip_int64_t index =
      zip_file_add(archive, name.c_str(), source, ZIP_FL_ENC_UTF_8 | ZIP_FL_OVERWRITE);
  if (index < 0) {
    zip_source_free(source);
    throw std::runtime_error("cannot add " + name + ": " + zip_strerror(archive));
  }
  if (stored) zip_set_file_compression(archive, static_cast<zip_uint64_t>(index), ZIP_CM_STORE, 0);
}

}  // namespace

EnvelopeEntry& EnvelopeBuilder::Add(const std::string& fileName, const std::string& type,
                                    const std::string& docType, const std::string& bytes) {
  EnvelopeEntry& entry = documents_.emplace_back();
  entry.fileName = fileName;
  entry.type = type;
  entry.docType = docType;
  entry.bytes = bytes;
  entry.guid = NewGuid();
  entry.ext = std::filesystem::path(fileName).extension().string();
  return entry;
}

std::string EnvelopeBuilder::ListingXml() const {
  std::string xml = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<ENVELOPE>\n";
  for (const EnvelopeEntry& d : documents_) {
    xml += "  <DOCUMENT GUID=\"" + EscapeAttribute(d.guid) + "\" EXT=\"" + EscapeAttribute(d.ext) +
           "\" FILENAME=\"" + EscapeAttribute(d.fileName) + "\" TYPE=\"" +
           EscapeAttribute(d.type) + "\" DOCTYPE=\"" + EscapeAttribute(d.docType) + "\"/>\n";
  }
  xml += "</ENVELOPE>\n";
  return xml;
}

void EnvelopeBuilder::Write(const std::string& path) const {
  int code = 0;
  zip_t* archive = zip_open(path.c_str(), ZIP_CREATE | ZIP_TRUNCATE, &code);
  if (archive == nullptr) throw std::runtime_error("cannot create envelope " + path);
  // The buffers handed to libzip must live until zip_close.
  const std::string listing = envelopeXml_ ? *envelopeXml_ : ListingXml();
  try {
    if (!omitEnvelopeXml_) AddEntry(archive, "ENVELOPE.XML", listing, false);
    for (const EnvelopeEntry& d : documents_) {
      if (d.writeEntry) AddEntry(archive, d.guid + d.ext, d.bytes, d.stored);
    }
  } catch (...) {
    zip_discard(archive);
    throw;
  }
  if (zip_close(archive) != 0) {
    const std::string reason = zip_strerror(archive);
    zip_discard(archive);
    throw std::runtime_error("cannot write envelope " + path + ": " + reason);
  }
}

std::string EnvelopeBuilder::NewGuid() {
  static std::mt19937_64 generator{std::random_device{}()};
  const uint64_t high = generator();
  const uint64_t low = generator();
  char text[40];
  std::snprintf(text, sizeof text, "%08llX-%04llX-%04llX-%04llX-%012llX",
                static_cast<unsigned long long>(high >> 32),
                static_cast<unsigned long long>((high >> 16) & 0xFFFF),
                static_cast<unsigned long long>(high & 0xFFFF),
                static_cast<unsigned long long>(low >> 48),
                static_cast<unsigned long long>(low & 0xFFFFFFFFFFFFULL));
  return text;
}

}  // namespace ombrel::testing
