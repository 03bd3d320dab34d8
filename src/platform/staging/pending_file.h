// A file written in the folder it belongs in before it has its name, so that
// no one ever finds a partial file under that name. Where the file system
// allows, it has no name at all until it is complete (O_TMPFILE), and a
// process killed while writing it leaves nothing behind. Elsewhere it is
// written under a short name of its own, ".ombrel-" and six characters, and
// holds a lock (TryLockFile, through its descriptor open for writing) for as
// long as it is open: RemoveStaleTemporaries deletes such files that a killed
// run left, never one that is still being written.
//
// It is given its name without replacing a file (RenameNoReplace) or, when
// told, over the file that has it. Where the file system can neither link
// nor rename without replacing (FAT through FUSE), the name is taken by a
// check that it is free and a rename, not by a claim renamed over (as a
// pending folder does): a kill between claim and rename would leave an empty
// report under its real name, which no record names for a clean-up.
#pragma once

#include <string>

#include "platform/posix/file_descriptor.h"

namespace ombrel {

class PendingFile {
 public:
  enum class Naming {
    kUnnamedWherePossible,
    kNamed,  // always under a temporary name, as on a file system without O_TMPFILE
  };

  // A new, empty file in folder, open for reading and writing. Raises the
  // error that says why it cannot be made (source is the caller's component).
  PendingFile(const std::string& folder, const std::string& source,
              Naming naming = Naming::kUnnamedWherePossible);
  // Closes the file; one that was not given its name is gone with it.
  ~PendingFile();
  PendingFile(const PendingFile&) = delete;
  PendingFile& operator=(const PendingFile&) = delete;

  int fd() const { return fd_.get(); }

  // Gives the file its name, path in the same folder, unless something has
  // that name already: then it returns False and changes nothing. Raises
  // the error of any other failure.
  bool LinkAs(const std::string& path);
  // Gives the file its name, path in the same folder, replacing whatever
  // file has it. Raises the error of a failure, which leaves that file as it
  // was.
  void ReplaceAs(const std::string& path);

 private:
  // The file's own temporary name, linked now if it had none (raises on failure).
  const std::string& TemporaryName();

  std::string folder_;
  std::string source_;
  std::string temporary_;  // "" while the file has no name
  FileDescriptor fd_;
  bool placed_ = false;
};

}  // namespace ombrel
