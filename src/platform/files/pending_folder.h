// Many files written before any of them has its name, so that a kill or a
// crash at any moment, or a power cut while they are written, leaves either
// all of them under their names or none. Nothing is flushed to disk: after a
// power cut soon after they were named, a named file may be empty. They are written into a folder of their own beside their names,
// ".ombrel-" and six characters (as a pending file's temporary is named),
// locked while it is in use. Each is then given its name by a hard link while
// the pending folder still holds it, and the pending folder goes only when
// every file has its name. What a killed run left is a pending folder that no
// one holds: RemoveStaleTemporaries deletes it, and with it each name in the
// folder that is still the same file as one in the pending folder (a hard
// link it gave), never a file of the same name that is not.
//
// Nothing is held open per file: an envelope may list thousands.
#pragma once

#include <sys/types.h>

#include <string>
#include <vector>

namespace ombrel {

class PendingFolder {
 public:
  // A new, empty pending folder in folder. Raises the error that says why it
  // cannot be made (source is the caller's component).
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
  // Keeps every name given and removes the pending folder.
  void Commit();

 private:
  struct Given {
    std::string name;
    dev_t device;
    ino_t inode;
  };

  std::string folder_;
  std::string source_;
  std::string name_;  // the pending folder's own name in folder
  int folderFd_ = -1;
  int fd_ = -1;  // the pending folder, locked
  std::vector<Given> moved_;  // names given by a move, where hard links cannot be made
  bool committed_ = false;
};

// Deletes the pending folder name, whose descriptor is fd, from the folder
// whose descriptor is folderFd: first each name in that folder that is the
// same file as one in the pending folder, then the pending folder's files,
// then the pending folder. The caller holds its lock. Never raises.
void ClearPendingFolder(int folderFd, int fd, const std::string& name);

}  // namespace ombrel
