#include "platform/posix/user_rights.h"

#include <grp.h>
#include <pwd.h>
#include <unistd.h>

#include <algorithm>
#include <vector>

namespace ombrel {

namespace {

// Whether user is a member of group, by the user database; false for a user
// it does not know.
bool InGroup(uid_t user, gid_t group) {
  long size = ::sysconf(_SC_GETPW_R_SIZE_MAX);
  std::vector<char> buffer(size > 0 ? static_cast<std::size_t>(size) : 16384);
  struct passwd entry {};
  struct passwd* found = nullptr;
  if (::getpwuid_r(user, &entry, buffer.data(), buffer.size(), &found) != 0 || found == nullptr) return false;
  if (entry.pw_gid == group) return true;
  int count = 64;
  std::vector<gid_t> groups(static_cast<std::size_t>(count));
  if (::getgrouplist(entry.pw_name, entry.pw_gid, groups.data(), &count) < 0) {
    groups.resize(static_cast<std::size_t>(count));
    if (::getgrouplist(entry.pw_name, entry.pw_gid, groups.data(), &count) < 0) return false;
  }
  groups.resize(static_cast<std::size_t>(count));
  return std::find(groups.begin(), groups.end(), group) != groups.end();
}

}  // namespace

bool CouldRemoveOwnFileIn(uid_t user, const struct stat& folder) {
  if (user == 0) return true;
  mode_t needed = S_IWOTH | S_IXOTH;
  if (folder.st_uid == user) {
    needed = S_IWUSR | S_IXUSR;
  } else if (InGroup(user, folder.st_gid)) {
    needed = S_IWGRP | S_IXGRP;
  }
  return (folder.st_mode & needed) == needed;
}

}  // namespace ombrel
