// A file that every user who may write its folder may write too: made, when
// missing, with the folder's read and write bits rather than what the umask
// leaves, as a database's journal takes its database's permissions. For the
// files the windows of several users share in one folder: the workspace's
// lock file and the log.
//
// Whoever may write the folder chose what stands under the name, so the name
// is input: it is never followed through a link, and only a regular file
// with this one name is used. A file found there is used as it is, never
// widened nor emptied: permissions are set only on a file made here.
#pragma once

#include <string>

#include "platform/posix/file_descriptor.h"

namespace ombrel {

// Opens path with flags, making it first when missing. O_NOFOLLOW is always
// added, O_CREAT and O_TRUNC are never used as given, and the open never
// waits (should a FIFO have the name); O_NONBLOCK stays only when flags ask
// for it. Invalid, with errno set, when the file cannot be opened or made,
// or when what has the name is refused:
//   ELOOP   a symbolic link (as the kernel says for O_NOFOLLOW);
//   EISDIR  a folder;
//   ENXIO   any other file that is not a regular file (a FIFO, a device, a
//           socket), as the kernel says for a FIFO no one reads;
//   EMLINK  a regular file with more than one name (a hard link: another
//           name could be any file of a user who may write the folder);
//   ENOENT  a file removed while it was opened.
// When refusal is given, it receives why in words for a refused name ("it is
// a symbolic link", ...), and is emptied otherwise.
FileDescriptor OpenSharedFile(const std::string& path, int flags, std::string* refusal = nullptr);

}  // namespace ombrel
