// What another user could do in a folder by its permissions: the question a
// window asks before it acts on that user's word, so that it never does for
// them what they could not have done themselves.
#pragma once

#include <sys/stat.h>
#include <sys/types.h>

namespace ombrel {

// Whether user could remove a file of their own from the folder status
// describes: root always; anyone else with write and search permission on
// it, by its owner, group (user's groups as the user database lists them)
// or other bits. The sticky bit does not matter for a file of the user's
// own.
bool CouldRemoveOwnFileIn(uid_t user, const struct stat& folder);

}  // namespace ombrel
