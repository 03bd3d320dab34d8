// One envelope step at a time in a workspace: the order program's folder,
// whose XML/ and Pix/ every window on it shares. A step holds the lock on a
// file in that folder, Ombrel.lock, from the envelope's unpacking to its last
// clean-up; a second window is told the lock is held and tries again when
// its user asks.
//
// The lock is held through a descriptor (see file_lock.h), so a window that
// ends or dies lets go at once, on NFS, FUSE and local disks alike. The file
// is never deleted: a deleted lock file would let a window that opened the
// old file and one that created a new one both hold "the" lock. It is made
// with the folder's permissions, so every user who may write the folder can
// lock it.
//
// The file also holds the step's record of the files it is about to name
// (step_record.h), written before it names any; a step that finishes
// empties it. A record found by the next holder is a dead step's, as a
// database's hot journal is: taking the lock first clears what it lists.
#pragma once

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/errors/error.h"
#include "platform/workspace/step_record.h"
#include "platform/workspace/unfinished_step.h"

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
  // Lets go of the lock when this object holds it; a record not forgotten
  // stays for the next holder.
  virtual ~WorkspaceLock() = default;
  // Tries to take the lock once, without waiting. Once taken, it stays taken
  // and a further call says so. On taking it, clears what the record of a
  // step that did not finish lists (see ClearRecordedFiles) and keeps in
  // the record only what could not be removed. Never raises.
  virtual WorkspaceLockResult TryTake() = 0;
  // Why the last TryTake gave kUnavailable, naming the lock file.
  virtual std::optional<Error> Failure() const = 0;
  // What the taking cleared of a step that did not finish; nothing when the
  // file held no record.
  virtual std::optional<ClearedStep> Cleared() const = 0;
  // Adds files to the record in one write, before the step names any of
  // them. Raises the error that says why it cannot, leaving the record as
  // it was. Does nothing while the lock is not held: where no lock can be
  // had, nothing can be recorded either.
  virtual void Record(const std::vector<RecordedFile>& files) = 0;
  // The step has removed every file it recorded: the record is emptied.
  // Never raises; a record that cannot be emptied lists only names that are
  // gone.
  virtual void Forget() = 0;
};

// The lock of the workspace whose folder is folder ("" or ending in "/"),
// through the lock file in it. Nothing is opened or created before TryTake.
std::unique_ptr<WorkspaceLock> CreateFileWorkspaceLock(const std::string& folder);

}  // namespace ombrel
