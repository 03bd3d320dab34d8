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
// lock it; it holds nothing.
//
// Each user's steps record the files they are about to name in a record of
// that user's own beside it (record_file.h): names inside the workspace,
// each with the size and CRC-32 it will hold, written before the step names
// any; a step that finishes empties it. A record found by the next holder is
// a dead step's, as a database's hot journal is: taking the lock first
// clears what the records list, each only as far as its writer could have
// (unfinished_step.h).
#pragma once

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/errors/error.h"
#include "platform/staging/stale_temporaries.h"
#include "platform/workspace/step_record.h"

namespace ombrel {

// The lock file's name in the order program's folder.
inline constexpr const char* kWorkspaceLockFileName = "Ombrel.lock";

enum class WorkspaceLockResult {
  kTaken,        // this object holds the lock now
  kHeld,         // another window holds it
  kUnavailable,  // the lock file cannot be created, opened or locked; Failure() says why
};

// What taking the lock cleared of steps that did not finish, for the log.
struct ClearedStep {
  // Each file removed, folder and name.
  std::vector<std::string> removed;
  // The folders they were in, and those of what stays, each once.
  std::vector<std::string> folders;
  // How many recorded files stay (they could not be removed or looked at):
  // this user's stay recorded for a later step.
  std::size_t left = 0;
  // Why the first of them stays.
  std::optional<Error> failure;
  // Each record that was not read, and why: "<path>: <why>".
  std::vector<std::string> refused;
  // The files another user's unfinished step left that stay (this window
  // could not remove them, or that user could not have): no report of this
  // window's may take one of them.
  std::vector<std::string> othersLeft;
  // False when this user's steps cannot be recorded here (refused names
  // why): a step that ends early leaves its files until removed by hand.
  bool recording = true;
};

// What a step's Record did not do, for the log.
struct RecordNotes {
  // The folders whose names were not recorded: not inside the workspace's
  // folder, or reached only through a symbolic link. A step killed there
  // leaves its files until they are removed by hand.
  std::vector<std::string> outside;
  // Another user's temporaries in the step's folders, left alone.
  std::vector<LeftTemporary> leftAlone;
};

class WorkspaceLock {
 public:
  // Lets go of the lock when this object holds it; a record not forgotten
  // stays for the next holder.
  virtual ~WorkspaceLock() = default;
  // Tries to take the lock once, without waiting. Once taken, it stays taken
  // and a further call says so. On taking it, clears what the records of
  // steps that did not finish list and keeps in this user's record only
  // what could not be removed. Never raises.
  virtual WorkspaceLockResult TryTake() = 0;
  // Why the last TryTake gave kUnavailable, naming the lock file.
  virtual std::optional<Error> Failure() const = 0;
  // What the taking cleared of steps that did not finish, and which records
  // it refused; nothing when there was nothing to tell.
  virtual std::optional<ClearedStep> Cleared() const = 0;
  // Adds files (each a folder and a plain name, as the window spells them)
  // to this user's record in one write, before the step names any of them:
  // each that is inside the workspace and free now, once. First clears the
  // stale temporaries this user left in their folders. Raises the error
  // that says why it cannot, leaving the record as it was; among them, a
  // folder of the workspace reached through another user's symbolic link. Does nothing
  // while the lock is not held or nothing can be recorded.
  virtual RecordNotes Record(const std::vector<RecordedFile>& files) = 0;
  // The step has removed every file it recorded, or named none: the record
  // is emptied. Never raises; a record that cannot be emptied lists only
  // names that are gone.
  virtual void Forget() = 0;
};

// The lock of the workspace whose folder is folder ("" or ending in "/"),
// through the lock file in it. Nothing is opened or created before TryTake.
std::unique_ptr<WorkspaceLock> CreateFileWorkspaceLock(const std::string& folder);

}  // namespace ombrel
