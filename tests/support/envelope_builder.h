// Writes envelopes (.env) for tests and tools: a ZIP archive holding
// ENVELOPE.XML, which lists the documents, and one entry GUID+EXT per document.
// Every attribute can be set to anything, an entry left out or a listing
// replaced, so tests can build the hostile envelopes the reader must refuse.
#pragma once

#include <deque>
#include <optional>
#include <string>

namespace ombrel::testing {

struct EnvelopeEntry {
  std::string fileName;  // FILENAME
  std::string type;      // TYPE, e.g. "OADI/XML", "IMAGE/JPG"
  std::string docType;   // DOCTYPE
  std::string bytes;     // the document's content
  std::string guid;      // GUID; Add gives a fresh one
  std::string ext;       // EXT; Add takes the extension of fileName, with its dot
  bool writeEntry = true;  // false: listed in ENVELOPE.XML, but no entry in the archive
  bool stored = false;     // true: stored uncompressed, so a test can find and damage its bytes
};

class EnvelopeBuilder {
 public:
  // Adds a document at the end of the envelope and returns it, so a test can
  // change any of its attributes before Write.
  EnvelopeEntry& Add(const std::string& fileName, const std::string& type,
                     const std::string& docType, const std::string& bytes);

  std::deque<EnvelopeEntry>& documents() { return documents_; }

  // Stores this exact text as ENVELOPE.XML instead of the listing of documents().
  void SetEnvelopeXml(const std::string& text) { envelopeXml_ = text; }
  // Writes the archive without ENVELOPE.XML.
  void OmitEnvelopeXml() { omitEnvelopeXml_ = true; }

  // The listing of documents() as ENVELOPE.XML holds it.
  std::string ListingXml() const;

  // Writes the envelope to path, replacing any file there. Throws
  // std::runtime_error when it cannot be written.
  void Write(const std::string& path) const;

  // A fresh GUID text: 8-4-4-4-12 upper-case hexadecimal digits.
  static std::string NewGuid();

 private:
  std::deque<EnvelopeEntry> documents_;
  std::optional<std::string> envelopeXml_;
  bool omitEnvelopeXml_ = false;
};

}  // namespace ombrel::testing
