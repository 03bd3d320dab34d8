#include "platform/posix/own_file.h"

#include <unistd.h>

namespace ombrel {

uid_t ProcessUser() { return ::geteuid(); }

std::string BelongsToAnotherUser(uid_t owner) {
  return "it belongs to another user (uid " + std::to_string(owner) + ")";
}

std::string WhyNotWrittenBy(const struct stat& status, uid_t user) {
  if (status.st_uid != user) return "belongs to another user (uid " + std::to_string(status.st_uid) + ")";
  if (!S_ISREG(status.st_mode)) return "is not a regular file";
  // A second link may stand in a folder another user writes, and be
  // changed there; a name of a user's file linked in, removed here, would
  // also be no file of the writer's.
  if (status.st_nlink != 1) return "has " + std::to_string(status.st_nlink) + " links";
  if ((status.st_mode & (S_IWGRP | S_IWOTH)) != 0) return "may be written by other users";
  return "";
}

}  // namespace ombrel
