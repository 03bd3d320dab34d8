// One envelope step at a time in a workspace: the order program's folder,
// whose XML/ and Pix/ every window on it shares. A step holds the lock on a
// file in that folder, Ombrel.lock, from the envelope's unpacking to its last
// clean-up; a second window is told the lock is held and tries again when
// its user asks.
//
// The lock is held through a descriptor (see file_lock.h), so a window that
// ends or dies lets go at once, on NFS, FUSE and local disks alike. The file
// stays, empty, and is never deleted: a deleted lock file would let a window
// that opened the old file and one that created a new one both hold "the"
// lock.
#pragma once

#include <memory>
#include <optional>
#include <string>

#include "platform/errors/error.h"

namespace ombrel {

// The lock file's name in the order program's folder.
inline constexpr const char* kWorkspaceLockFileName = "Ombrel.lock";

enum class WorkspaceLockResult {
  kTaken,        // this object holds the lock now
  kHeld,         // another window holds it
  kUnavailable,  // the lock file cannot be created, opened or locked; Failure() says why
};

class WorkspaceLock {
 public:
  // Lets go of the lock when this object holds it.
  virtual ~WorkspaceLock() = default;
  // Tries to take the lock once, without waiting. Once taken, it stays taken
  // and a further call says so. Never raises.
  virtual WorkspaceLockResult TryTake() = 0;
  // Why the last TryTake gave kUnavailable, naming the lock file.
  virtual std::optional<Error> Failure() const = 0;
};

// The lock of the workspace whose folder is folder ("" or ending in "/"),
// through the lock file in it. Nothing is opened or created before TryTake.
std::unique_ptr<WorkspaceLock> CreateFileWorkspaceLock(const std::string& folder);

}  // namespace ombrel
