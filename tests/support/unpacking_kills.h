// The check of the kill tests of the unpacking, shared by the ordinary
// folders under the file-system seam and a real FAT mount: a child unpacks
// an envelope of four documents and is killed right after its k-th counted
// call, for every k until one runs to its end.
#pragma once

#include <functional>
#include <string>

namespace ombrel::testing {

// newFolder gives a new, empty folder (ending in "/") for each try. After
// each kill and the next clean-up there: all four documents are named, each
// whole, or none is; a user's file is untouched, no temporary is left, and
// the envelope unpacks again. Kills must have fallen both before the names
// were decided and after. Needs the seam (SeamLoaded()).
void CheckKillsDuringUnpacking(const std::function<std::string()>& newFolder);

}  // namespace ombrel::testing
