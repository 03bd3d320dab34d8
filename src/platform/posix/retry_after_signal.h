// A system call that a signal interrupted (EINTR) is made again: the one
// place the program says so.
#pragma once

#include <cerrno>
#include <type_traits>

namespace ombrel {

// Calls call(args...) until it does not fail with EINTR, and returns what it
// returned last; failed is the value that means failure (-1 for most calls).
template <typename Call, typename... Args>
auto RetryAfterSignal(const std::invoke_result_t<Call, Args&...>& failed, Call&& call, Args&&... args) {
  std::invoke_result_t<Call, Args&...> result;
  do {
    errno = 0;
    result = call(args...);  // never moved from: the same arguments each time
  } while (result == failed && errno == EINTR);
  return result;
}

}  // namespace ombrel
