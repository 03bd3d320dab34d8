// The envelope reader: an envelope (.env) is a ZIP archive holding
// ENVELOPE.XML, which lists the documents, and one entry per document.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

#include "platform/errors/error.h"

namespace ombrel {

class EnvelopeDocument {
 public:
  virtual ~EnvelopeDocument() = default;
  // The document's attribute (GUID, EXT, FILENAME, TYPE, DOCTYPE); "" when absent.
  virtual std::string Attribute(const std::string& name) const = 0;
  // The name of the document's entry in the archive, and of the file it is
  // unpacked to: GUID followed by EXT.
  std::string EntryName() const { return Attribute("GUID") + Attribute("EXT"); }
  // The size and CRC-32 of the document's bytes as the archive's directory
  // states them; extraction holds the bytes to both.
  virtual uint64_t Size() const = 0;
  virtual uint32_t Crc32() const = 0;
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
  // well-formed envelope whose every document name is a plain file name, no
  // two of its documents would be one file, and whose documents would not
  // unpack far beyond the envelope's own size.
  virtual bool OpenEnvelope(const std::string& path) = 0;
  // Extracts every document to folder/GUID+EXT, or none. Refuses before
  // writing anything when the documents' stated sizes together exceed the
  // folder's free space. Never overwrites a file: a file already under such a
  // name that holds exactly the document's bytes is taken as extracted; any
  // other is a failure. On a failure removes what this call wrote and returns
  // False. Every document is written before any has its name, so a kill
  // leaves none under its name, and the next call in the folder clears what
  // a killed one left.
  virtual bool ExtractTo(const std::string& folder, int32_t flags) = 0;
  virtual const EnvelopeDocuments& Documents() const = 0;
  // Why the last OpenEnvelope or ExtractTo returned False, naming the file
  // or entry and the cause, for the log; nothing after a success.
  virtual std::optional<Error> Failure() const = 0;
};

}  // namespace ombrel
