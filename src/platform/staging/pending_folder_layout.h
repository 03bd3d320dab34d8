// The names inside a pending folder (see pending_folder.h), shared by the
// object that makes and uses one and by the clean-up that clears it.
#pragma once

#include <string>

namespace ombrel::pending_layout {

inline constexpr char kLock[] = "lock";
inline constexpr char kFiles[] = "files";
inline constexpr char kRecord[] = "record";
inline constexpr char kKept[] = "kept";

// Whether name is what a FUSE or NFS mount keeps, for as long as it is open
// somewhere, of a file removed while open.
inline bool IsHiddenLeftover(const std::string& name) {
  return name.rfind(".fuse_hidden", 0) == 0 || name.rfind(".nfs", 0) == 0;
}

}  // namespace ombrel::pending_layout
