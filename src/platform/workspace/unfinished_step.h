// Clears what a step that did not finish left: the names its record lists,
// each only while it still holds what the step recorded for it, and only
// where the record's writer could have removed it itself. A record is input
// like an envelope: whoever could write it chose what it says, so it binds
// only its writer's own files, in folders inside the workspace reached
// without following a link.
#pragma once

#include <sys/types.h>

#include <optional>
#include <string>
#include <vector>

#include "platform/errors/error.h"
#include "platform/workspace/step_record.h"

namespace ombrel {

struct ClearedRecord {
  // Each file removed: the workspace's folder, the folders and the name.
  std::vector<std::string> removed;
  // Entries that stay recorded: a file that held the recorded bytes and
  // could not be removed, or a name that could not be looked at.
  std::vector<RecordedFile> kept;
  // Why the first of them stays.
  std::optional<Error> failure;
  // Entries that name no place inside the workspace: never written by a
  // step, so not acted on.
  std::size_t ignored = 0;
  // False when clearing stopped part-way (out of memory): then the whole
  // record stays as it was.
  bool complete = true;
};

// Removes each file that files (written by writer) lists in the workspace
// whose folder is open as workspaceFd and spelled workspace ("" or ending
// in "/"), when it is a regular file owned by writer, with one link (or any
// number, when writer is this process's user), of the recorded size and
// CRC-32, in a folder where writer may remove files. Each
// folder is opened once, each file read at most once and only when owner,
// links and size already match. A name that is missing or holds anything
// else is not the step's any more and is dropped. Every decision is made on
// descriptors of the folder and the file, never on a path looked up twice
// nor on inode numbers or times. Never raises.
ClearedRecord ClearRecordedFiles(int workspaceFd, const std::string& workspace, uid_t writer,
                                 const std::vector<RecordedFile>& files);

}  // namespace ombrel
