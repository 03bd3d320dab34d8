// One document of an envelope's listing, with its attributes as ENVELOPE.XML
// gives them and the size and CRC-32 its entry states.
#pragma once

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "platform/envelope/envelope.h"

namespace ombrel {

class ListedDocument : public EnvelopeDocument {
 public:
  explicit ListedDocument(std::vector<std::pair<std::string, std::string>> attributes)
      : attributes_(std::move(attributes)) {}
  std::string Attribute(const std::string& name) const override;
  // Whether the document has the attribute at all.
  bool Has(const std::string& name) const;
  uint64_t Size() const override { return size_; }
  uint32_t Crc32() const override { return crc32_; }
  // What the document's entry in the archive states.
  void SetStated(uint64_t size, uint32_t crc32) {
    size_ = size;
    crc32_ = crc32;
  }

 private:
  std::vector<std::pair<std::string, std::string>> attributes_;
  uint64_t size_ = 0;
  uint32_t crc32_ = 0;
};

}  // namespace ombrel
