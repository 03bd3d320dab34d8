// The test's side of the file-system seam (tests/support/file_system_seam):
// whether it is loaded, as which file system, and its call counter. Found at
// run time, so a test built into an ordinary test program skips where the
// seam is not preloaded.
#pragma once

#include <string>

namespace ombrel::testing {

// Whether the seam is preloaded in this process.
bool SeamLoaded();
// Its personality: "local", "nfs", "vfat", "fusefat", "fusefat-ino", "fuse",
// "sshfs", "webdav", "ramfs"; "" when not loaded.
std::string SeamPersonality();
// Whether files can have hard links under the seam's personality (or
// without the seam); a WebDAV mount's link() fails, as good as none.
bool SeamHasHardLinks();
// Counts from 0 again; the process stops (SIGSTOP) right after counted call
// stop and is killed (SIGKILL) right after call kill; 0 for never.
void ArmSeam(long stop, long kill);
// The calls counted since ArmSeam.
long SeamCounted();
// While on, every lock on a file under the seam's root is refused (ENOLCK).
void RefuseLocks(bool on);
// While on, every write to a file under the seam's root writes nothing and
// returns 0, as a file that takes no more bytes.
void WriteNothing(bool on);
// The kernel forgets every inode under the seam's root that no process of
// the test holds open: each such file states a new inode number from now on
// (but where the file system gives its own numbers).
void ForgetInodes();
// Whether the kernel forgets so between any two calls ("fuse", or any
// personality with OMBREL_FS_SEAM_FORGET=1).
bool SeamForgetsAlways();

}  // namespace ombrel::testing
