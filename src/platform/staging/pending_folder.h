// Many files written before any of them has its name, so that a kill or a
// crash at any moment leaves, once the next clean-up has run, either all of
// them under their names or none.
//
// The files are written into a pending folder of their own beside their
// names, ".ombrel-" and six characters (as a pending file's temporary is
// named). It holds:
//   lock    made first, held open for writing and locked (OpenLocked) for
//           as long as the folder is in use: how a clean-up tells live from
//           stale, on NFS and FUSE mounts as on local disks; removed last;
//   files/  the files being written, each under the name it will be given
//           (a folder of their own, so no name given can meet the others);
//   record  written in one write before the first name is given: every name
//           claimed (one that did not exist then), with the size and CRC-32
//           of the file it will get (pending_record.h); a claim given up
//           because the name was taken meanwhile is appended;
//   kept    made by Commit() once every file has its name: the one instant
//           that decides whether the names stay.
//
// Its life, and what a kill in each state leaves:
//   made & locked  a folder with no lock file yet, or with only its lock
//                  file: a clean-up removes it (an rmdir, or under its lock);
//   staging        files/ being written, no record: nothing is named, a
//                  clean-up removes the folder;
//   recorded       the record written, nothing named yet;
//   naming         each claimed name given, by a hard link to its file in
//                  files/, or where there are none by a move out of files/
//                  that never replaces a file (RenameOverOwnClaim: where the
//                  file system cannot rename without replacing, the name is
//                  first claimed by making it empty, then the file renamed
//                  over it). A clean-up empties files/, then deletes each
//                  claimed name that is a regular file of the user's with
//                  one link holding what the record says (that size and
//                  CRC-32), or empty (a claim the kill came before the
//                  rename of); never a symbolic link, a folder, a file with
//                  other bytes, another user's or one with a second link;
//   kept           every name stays; a clean-up removes the folder;
//   taken back     Name failed or the object went without Commit(): it has
//                  deleted its names as a clean-up does, and clears;
//   cleared        the record goes first, then the mark, files/, anything
//                  else (what a FUSE or NFS mount keeps of a file removed
//                  while open), the lock file, the folder. A kill on the way
//                  leaves a folder the next clean-up clears the same way; one
//                  that is still busy stays until then, silently.
// The clean-up is RemoveStaleTemporaries, by the next unpacking or save of
// the same user in that folder. A pending folder binds only its maker's
// user: the clean-up clears one only when the folder, its lock file and its
// record are that user's own, the record with one link, writable by no one
// else, no larger than the program writes one, and claiming plain names
// only. Anything else (another user's folder, a record planted or linked in)
// is left as it is and reported, and never stops the user's own step. A
// look that fails (an I/O error) is no answer: the folder stays for a later
// clean-up, claims and all. No decision rests on inode numbers or times,
// which FUSE mounts change.
//
// Nothing is flushed to disk: after a power cut soon after the files were
// named, a named file may be empty. Nothing is held open per file: an
// envelope may list thousands.
#pragma once

#include <cstdint>
#include <string>
#include <unordered_map>
#include <vector>

#include "platform/posix/file_descriptor.h"
#include "platform/staging/pending_folder_clearing.h"
#include "platform/staging/pending_record.h"

namespace ombrel {

class PendingFolder {
 public:
  // A new, empty pending folder in folder, made and locked. Raises the error
  // that says why it cannot be made (source is the caller's component),
  // having removed what it made.
  PendingFolder(const std::string& folder, const std::string& source);
  // Unless Commit() was called: deletes every name this object gave, then
  // the pending folder and its files. Never raises.
  ~PendingFolder();
  PendingFolder(const PendingFolder&) = delete;
  PendingFolder& operator=(const PendingFolder&) = delete;

  // A new file name in the pending folder, open for writing, that the
  // caller fills with size bytes whose CRC-32 is crc: what the record says
  // of it. name is a plain file name. Every file is created before the
  // first Name(). Raises on failure.
  FileDescriptor Create(const std::string& name, uint64_t size, uint32_t crc);
  // The path of the pending file name.
  std::string PathOf(const std::string& name) const;
  // Gives the pending file name the same name in the folder, unless
  // something has that name already: then it returns False and changes
  // nothing. The first call writes the record. Raises the error of any
  // other failure.
  bool Name(const std::string& name);
  // Keeps every name given and removes the pending folder. Raises the error
  // of a failure to mark the names kept; nothing is kept then.
  void Commit();

 private:
  struct Staged {
    RecordedName file;
    bool claimed = false;  // the name did not exist when the record was written
  };

  // Makes, opens and locks the pending folder name, with its files/. False
  // when the name is taken, or a clean-up took the new folder for stale:
  // another name is tried. Raises the cause of any other failure, having
  // removed what it made. Its steps:
  bool Make(const std::string& name);
  // The folder made; false when the name is taken.
  bool MakeFolder(const std::string& name);
  // The folder made opened as fd, its lock file made and locked as lock,
  // both still the ones named; false when a clean-up took the folder.
  bool LockFolder(const std::string& name, FileDescriptor& fd, FileDescriptor& lock);
  // Its files/, opened; on a failure the folder is cleared (lock is closed
  // then) and the cause raised.
  FileDescriptor MakeFilesFolder(const std::string& name, int fd, FileDescriptor& lock);
  // False when the error is ENOENT (a clean-up removed the folder just
  // made); otherwise removes that folder and raises the error.
  bool Abandon(const std::string& name, int error, const std::string& what);
  // Writes the record of every file staged whose name is free now.
  void WriteRecord();
  // Gives name by a hard link, or by a move; 0 or the errno of the failure.
  int GiveName(const std::string& name);
  // Appends to the record that the claim on name is given up.
  void Release(const std::string& name);
  // Deletes what is left: the names given unless mark says they are kept,
  // then the pending folder.
  void Clear(KeptMark mark);

  std::string folder_;
  std::string source_;
  std::string name_;  // the pending folder's own name in folder
  FileDescriptor folderFd_;
  FileDescriptor fd_;      // the pending folder
  FileDescriptor lockFd_;  // its lock file, locked
  FileDescriptor filesFd_; // its files/
  FileDescriptor recordFd_;  // its record, once written
  std::vector<Staged> staged_;
  std::unordered_map<std::string, std::size_t> stagedIndex_;
  bool hardLinks_ = true;  // false once a hard link failed for any reason but a taken name
  bool committed_ = false;
};

}  // namespace ombrel
