// The local file system, except that it states a given free space for every
// folder: how a test shows a reader a nearly full disk without one.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "support/forwarding_file_system.h"

namespace ombrel::testing {

class StatedFreeSpace : public ForwardingFileSystem {
 public:
  explicit StatedFreeSpace(std::optional<uint64_t> free) : free_(free) {}

  std::optional<uint64_t> FreeSpace(const std::string& /*folder*/) override { return free_; }

 private:
  std::optional<uint64_t> free_;
};

}  // namespace ombrel::testing
