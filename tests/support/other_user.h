// Running part of a test as another user, nobody (uid and gid 65534): how
// the tests play a second user of a shared workspace. Needs root.
#pragma once

#include <sys/types.h>

#include <functional>
#include <string>

namespace ombrel::testing {

inline constexpr uid_t kNobody = 65534;
// What AsNobody gives when the child could not become nobody.
inline constexpr int kCannotBecomeNobody = 250;

// Runs body in a child process that has become nobody, and gives body's
// value (0 to 249), kCannotBecomeNobody, or -1 when the child died.
int AsNobody(const std::function<int()>& body);

// Gives path (a file, folder or link) to nobody, as chown does; false when
// it cannot.
bool GiveToNobody(const std::string& path);

}  // namespace ombrel::testing
