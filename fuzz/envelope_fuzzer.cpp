// Fuzzes the envelope reader with whole envelope files: open, list every
// document's attributes, extract into a folder of its own, with the checks
// of envelope_checks.h. Inputs of odd length find a file of other bytes
// already where the first document would go.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "envelope_checks.h"
#include "scratch_folder.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
  static const ombrel::fuzz::ScratchFolder scratch;
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  const std::string envelopePath = scratch.Write("input.env", bytes);
  ombrel::fuzz::CheckEnvelope("envelope", scratch, envelopePath, size % 2 == 1);
  return 0;
}
