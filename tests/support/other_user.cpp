#include "support/other_user.h"

#include <grp.h>
#include <sys/wait.h>
#include <unistd.h>

namespace ombrel::testing {

int AsNobody(const std::function<int()>& body) {
  const pid_t child = ::fork();
  if (child == 0) {
    if (::setgroups(0, nullptr) != 0 || ::setgid(kNobody) != 0 || ::setuid(kNobody) != 0) {
      ::_exit(kCannotBecomeNobody);
    }
    ::_exit(body());
  }
  int status = 0;
  if (child < 0 || ::waitpid(child, &status, 0) != child || !WIFEXITED(status)) return -1;
  return WEXITSTATUS(status);
}

bool GiveToNobody(const std::string& path) { return ::lchown(path.c_str(), kNobody, kNobody) == 0; }

}  // namespace ombrel::testing
