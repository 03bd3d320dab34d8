// The file in which one user's steps in a workspace record the names they
// are about to give: "Ombrel.<uid>.record" beside the workspace's lock file.
// Only that user writes it (made by the step with O_EXCL, mode 0644), and
// what it says binds only that user's files: a record is read only when it
// is a regular file with one link, owned by the user its name gives, and
// writable by no one else, all checked on the open descriptor. Anyone can
// put a file under such a name in a shared folder; no one but its user (and
// root) can make one that passes.
#pragma once

#include <sys/types.h>

#include <optional>
#include <string>
#include <string_view>

#include "platform/posix/file_descriptor.h"

namespace ombrel {

// More than any step records: three names of at most a few hundred bytes
// for each of the documents of the largest envelope read. A larger file
// holds no record of a step, and is not read.
inline constexpr off_t kMaxRecordBytes = 64 * 1024 * 1024;

// The record file's name for user.
std::string RecordFileName(uid_t user);
// The user a record file's name gives; nothing for any other name.
std::optional<uid_t> RecordFileUser(std::string_view name);

struct RecordFile {
  FileDescriptor fd;   // open when the file passed; for reading and writing when it is ours
  std::string bytes;   // what it holds, when it passed
  std::string refusal; // why it is not read, "" when it passed or is missing
  bool missing = false;
};

// Opens the record file of user in the folder open as workspaceFd, and
// reads it when it passes; never through a link, never waiting on a FIFO.
// With own (user is this process's user), it is opened for writing too, and
// made, empty, when missing. Never raises.
RecordFile OpenRecordFile(int workspaceFd, uid_t user, bool own);

}  // namespace ombrel
