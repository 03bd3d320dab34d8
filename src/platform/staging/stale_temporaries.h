// What a killed run left in a folder: the temporaries of its pending files
// and its pending folders. Cleared by the next run that writes there.
#pragma once

#include <string>

namespace ombrel {

// Deletes the temporaries in folder that no PendingFile holds open any more,
// and the pending folders (see pending_folder.h) that no PendingFolder holds,
// with every name their files were given in folder unless they were kept.
// Live is told from stale by each one's lock, taken here through a
// descriptor open for writing, as NFS needs. Never raises; what cannot be
// deleted stays.
void RemoveStaleTemporaries(const std::string& folder);

}  // namespace ombrel
