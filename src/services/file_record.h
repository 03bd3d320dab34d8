// One document of an envelope, as the envelope step records it.
#pragma once

#include <cstdint>
#include <string>

namespace ombrel {

struct FileRecord {
  static constexpr int32_t kOther = 0;
  static constexpr int32_t kMainOrder = 1;
  static constexpr int32_t kSupplementalOrder = 2;
  static constexpr int32_t kImage = 3;

  int32_t Classification = kOther;
  std::string Name;         // full path of the file
  std::string Description;  // the document's TYPE
  std::string ImageKey;     // the document's DOCTYPE, stored only
};

}  // namespace ombrel
