// What the processes of one test (the test and the children it forks) share
// about the files under the seam's root, as a FUSE mount's kernel and daemon
// keep it for every process at once: which processes there are, which
// removed files are kept under hidden names, and the numbers files report.
#pragma once

#include <sys/types.h>

#include <string>

namespace seam {

// Whether a process of this test other than through descriptor except of
// this one holds the file open.
bool HeldOpen(dev_t device, ino_t inode, int except);

// The number the file reports as its inode: the disk's own until the kernel
// forgets it, then another each time it is forgotten, and the same while any
// process holds it open.
ino_t ReportedNumber(dev_t device, ino_t inode);

// The number a name reports, where each name is a node of its own (a FUSE
// library's nodes by path): one given when the name is first looked up,
// moved with a rename, dropped when the name goes.
ino_t NumberOfName(const std::string& path);
void RenameName(const std::string& from, const std::string& to);
void DropName(const std::string& path);

// The kernel forgets every inode no process of this test holds open.
void ForgetInodes();

// A file removed while held open, kept under a hidden name; removed when the
// last holder closes it.
void NoteHidden(dev_t device, ino_t inode, const std::string& path);
bool AnyHidden();
void RemoveHiddenIfReleased(dev_t device, ino_t inode);

}  // namespace seam
