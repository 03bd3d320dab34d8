// The envelope reader: an envelope (.env) is a ZIP archive holding
// ENVELOPE.XML, which lists the documents, and one entry per document.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace ombrel {

class EnvelopeDocument {
 public:
  virtual ~EnvelopeDocument() = default;
  // The document's attribute (GUID, EXT, FILENAME, TYPE, DOCTYPE); "" when absent.
  virtual std::string Attribute(const std::string& name) const = 0;
};

class EnvelopeDocuments {
 public:
  virtual ~EnvelopeDocuments() = default;
  virtual std::size_t Count() const = 0;
  // Zero-based; raises error 9 outside 0..Count()-1.
  virtual const EnvelopeDocument& Item(std::size_t index) const = 0;
};

class Envelope {
 public:
  virtual ~Envelope() = default;
  // Validates the envelope. False (never an error) for anything that is not a
  // well-formed envelope whose every document name is a plain file name.
  virtual bool OpenEnvelope(const std::string& path) = 0;
  // Extracts every document to folder/GUID+EXT. Never overwrites a file; on
  // any failure removes what this call wrote and returns False.
  virtual bool ExtractTo(const std::string& folder, int32_t flags) = 0;
  virtual const EnvelopeDocuments& Documents() const = 0;
};

}  // namespace ombrel
