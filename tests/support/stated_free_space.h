// The local file system, except that it states a given room for every
// folder: how a test shows a reader a nearly full disk without one.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "support/forwarding_file_system.h"

namespace ombrel::testing {

class StatedFreeSpace : public ForwardingFileSystem {
 public:
  // free bytes in blocks of blockSize; nothing: the room cannot be told.
  explicit StatedFreeSpace(std::optional<uint64_t> free, uint64_t blockSize = 1)
      : room_(free ? std::optional<Room>(Room{*free, blockSize}) : std::nullopt) {}

  std::optional<Room> FreeSpace(const std::string& /*folder*/) override { return room_; }

 private:
  std::optional<Room> room_;
};

}  // namespace ombrel::testing
