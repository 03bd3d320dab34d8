// A second user of a shared folder, for tests that run as root: an action
// run in a child process that has become the user nobody (65534), as that
// user's own window or a planted file would act.
#pragma once

#include <functional>

namespace ombrel::testing {

constexpr unsigned kNobody = 65534;

enum class AnotherUserResult {
  kDone,        // the action ran and returned true
  kFailed,      // it returned false, or the child died
  kCannotBecome,  // this process cannot become another user: the test skips
};

// Runs action as nobody in a forked child and waits for it.
AnotherUserResult RunAsAnotherUser(const std::function<bool()>& action);

}  // namespace ombrel::testing
