#include "support/another_user.h"

#include <grp.h>
#include <sys/wait.h>
#include <unistd.h>

namespace ombrel::testing {

AnotherUserResult RunAsAnotherUser(const std::function<bool()>& action) {
  if (::geteuid() != 0) return AnotherUserResult::kCannotBecome;
  const pid_t child = ::fork();
  if (child < 0) return AnotherUserResult::kFailed;
  if (child == 0) {
    // Without root's supplementary groups, which would let nobody into
    // folders of the root group.
    if (::setgroups(0, nullptr) != 0 || ::setgid(kNobody) != 0 || ::setuid(kNobody) != 0) ::_exit(2);
    ::_exit(action() ? 0 : 1);
  }
  int status = 0;
  if (::waitpid(child, &status, 0) != child || !WIFEXITED(status)) return AnotherUserResult::kFailed;
  switch (WEXITSTATUS(status)) {
    case 0: return AnotherUserResult::kDone;
    case 2: return AnotherUserResult::kCannotBecome;
    default: return AnotherUserResult::kFailed;
  }
}

}  // namespace ombrel::testing
