// Many files written before any of them has its name, so that a kill or a
// crash at any moment leaves either all of them under their names or none.
//
// The files are written into a pending folder of their own beside their
// names, ".ombrel-" and six characters (as a pending file's temporary is
// named). It holds:
//   lock    a file held open for writing and locked (TryLockFile) while the
//           pending folder is in use: how a clean-up tells live from stale,
//           on NFS and FUSE file systems as on local disks;
//   files/  the files being written, each under the name it will be given;
//           a folder of their own, so that no name a caller gives can ever
//           meet "lock" or "kept";
//   kept    made by Commit() once every file has its name: the one instant
//           that decides whether the names stay.
// Each file is given its name by a hard link while files/ still holds it.
// What a killed run left is a pending folder that no one holds:
// RemoveStaleTemporaries clears it. Without "kept" it first deletes each
// name that is still the same file as one in files/ (a hard link it gave),
// never a file of the same name that is not; with "kept" every name stays.
//
// Where the file system has no hard links (FAT), a file is moved out of
// files/ to its name instead. This object deletes what it moved if it is not
// committed, but after a kill nothing tells such a name from a user's file
// for certain, so a clean-up leaves it: docs/formats.md says what that risks.
//
// Nothing is flushed to disk: after a power cut soon after the files were
// named, a named file may be empty. Nothing is held open per file: an
// envelope may list thousands.
#pragma once

#include <sys/stat.h>

#include <string>
#include <vector>

namespace ombrel {

class PendingFolder {
 public:
  // A new, empty pending folder in folder. Raises the error that says why it
  // cannot be made (source is the caller's component), having removed what
  // it made.
  PendingFolder(const std::string& folder, const std::string& source);
  // Unless Commit() was called: deletes every name this object gave, then
  // the pending folder and its files. Never raises.
  ~PendingFolder();
  PendingFolder(const PendingFolder&) = delete;
  PendingFolder& operator=(const PendingFolder&) = delete;

  // A new file name in the pending folder, open for writing; the caller
  // closes it. name is a plain file name. Raises on failure.
  int Create(const std::string& name);
  // The path of the pending file name.
  std::string PathOf(const std::string& name) const;
  // Gives the pending file name the same name in the folder, unless
  // something has that name already: then it returns False and changes
  // nothing. Raises the error of any other failure.
  bool Name(const std::string& name);
  // Keeps every name given and removes the pending folder. Raises the error
  // of a failure to mark the names kept; nothing is kept then.
  void Commit();

 private:
  struct Given {
    std::string name;
    struct stat moved;  // the file as it was moved to name
  };

  // Makes, opens and locks the pending folder name. False when the name is
  // taken, or a clean-up took the new folder for stale: another name is
  // tried. Raises the cause of any other failure, having removed what it
  // made.
  bool Make(const std::string& name);

  std::string folder_;
  std::string source_;
  std::string name_;  // the pending folder's own name in folder
  int folderFd_ = -1;
  int fd_ = -1;       // the pending folder
  int lockFd_ = -1;   // its lock file, locked
  int filesFd_ = -1;  // its files/
  bool hardLinks_ = true;     // false once the file system refused one
  std::vector<Given> moved_;  // names given by a move, where hard links cannot be made
  bool committed_ = false;
};

// Deletes the pending folder name, whose descriptor is fd, from the folder
// whose descriptor is folderFd: unless it is marked kept, first each name in
// that folder that is the same file as one in its files/; then its files,
// its mark, its lock file and itself, in that order, so that a kill on the
// way leaves a folder that is cleared the same way. The caller holds its
// lock through lockFd, which this closes before the lock file goes. Never
// raises.
void ClearPendingFolder(int folderFd, int fd, const std::string& name, int lockFd);

// Clears the pending folder name in the folder open as folderFd unless a
// PendingFolder holds it; also one an earlier version of the program left
// (its files straight inside, the folder itself locked). Never raises.
void RemoveStalePendingFolder(int folderFd, const std::string& name);

}  // namespace ombrel
