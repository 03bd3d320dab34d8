// What a killed run left in a folder: the temporaries of its pending files
// and its pending folders. Cleared by the next run of the same user that
// writes there.
//
// Only this process's user's are touched. Another user's temporary file or
// pending folder is that user's to clear: it is left alone and reported,
// unless its maker still holds it (then it is no leftover, and is not
// reported). A pending folder of the user's whose lock file or record the
// user did not write, or where something could not be looked at, is left
// as it is and reported too (pending_folder_clearing.h).
#pragma once

#include <string>
#include <vector>

namespace ombrel {

// What a clean-up left alone in a folder, and why: another user's
// temporaries, pending folders whose lock or record cannot be trusted.
struct LeftTemporary {
  std::string path;  // folder + name
  std::string why;   // e.g. "it belongs to another user (uid 1000)"
};

// Deletes this user's temporaries in folder that no PendingFile holds open
// any more, and this user's pending folders (see pending_folder.h) that no
// PendingFolder holds, with every name their files were given in folder
// unless they were kept. Live is told from stale by each one's lock, taken
// here through a descriptor open for writing, as NFS needs; another user's
// is only asked whether it is held, never locked. The caller names the
// folder of its own step. Returns what it left alone and why. Never raises;
// what cannot be deleted yet (busy) stays silently for the next clean-up.
std::vector<LeftTemporary> RemoveStaleTemporaries(const std::string& folder) noexcept;

// The same in the folder open as dirFd, which the paths it returns call
// shown: for a folder reached without following links.
std::vector<LeftTemporary> RemoveStaleTemporariesIn(int dirFd, const std::string& shown) noexcept;

}  // namespace ombrel
