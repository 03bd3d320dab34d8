// Whether a file found on disk binds this process's user as one the user
// wrote: a regular file of the user's, with one link, that no one else may
// write. Whatever another user could have put there, or changed, is input
// that user chose, and never a list of what to delete. Judged on what fstat
// says of a descriptor already open (never through a symbolic link), so the
// answer is about the file read, not about whatever its name gives later.
#pragma once

#include <sys/stat.h>
#include <sys/types.h>

#include <string>

namespace ombrel {

// The user this process acts as on files (its effective user).
uid_t ProcessUser();

// "it belongs to another user (uid 1000)": why another user's file or folder
// is left alone.
std::string BelongsToAnotherUser(uid_t owner);

// Why the file described by status is not one that user alone wrote, in
// words that follow "its record " or "it ": "belongs to another user (uid
// 1000)", "is not a regular file", "has 2 links", "may be written by other
// users"; "" when it is one.
std::string WhyNotWrittenBy(const struct stat& status, uid_t user);

}  // namespace ombrel
