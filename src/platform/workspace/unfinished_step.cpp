#include "platform/workspace/unfinished_step.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <set>

#include "platform/errors/errno_error.h"
#include "platform/files/path_names.h"
#include "platform/posix/file_identity.h"
#include "platform/staging/stale_temporaries.h"

namespace ombrel {

namespace {

constexpr const char* kSource = "Ombrel";

enum class Outcome { kRemoved, kNotTheStepsFile, kFailed };

// Removes file.path when it holds what was recorded; error says why on kFailed.
Outcome RemoveIfItHoldsTheRecord(const RecordedFile& file, int& error) {
  // Never through a link, never waiting on a FIFO; closed before the name
  // goes, so a FUSE file system keeps no hidden copy of an open file.
  if (!HoldsBytesOf(AT_FDCWD, file.path, file.size, file.crc32)) return Outcome::kNotTheStepsFile;
  if (::unlink(file.path.c_str()) == 0) return Outcome::kRemoved;
  error = errno;
  return error == ENOENT ? Outcome::kNotTheStepsFile : Outcome::kFailed;
}

}  // namespace

ClearedStep ClearRecordedFiles(const std::vector<RecordedFile>& files) {
  ClearedStep cleared;
  std::set<std::string> folders;
  for (const RecordedFile& file : files) folders.insert(ParentFolderName(file.path));
  for (const std::string& folder : folders) RemoveStaleTemporaries(folder);
  for (const RecordedFile& file : files) {
    int error = 0;
    switch (RemoveIfItHoldsTheRecord(file, error)) {
      case Outcome::kRemoved: ++cleared.removed; break;
      case Outcome::kNotTheStepsFile: break;
      case Outcome::kFailed: {
        if (!cleared.failure) cleared.failure = ErrnoCause(error, kSource, "Cannot delete", file.path);
        cleared.left.push_back(file);
        break;
      }
    }
  }
  return cleared;
}

}  // namespace ombrel
