// The clocks of the tests' log lines: a clock the test sets, and the moment
// every shell and services test writes at.
#pragma once

#include <memory>
#include <utility>

#include "platform/text/dates.h"
#include "services/logger.h"

namespace ombrel::testing {

// A clock the test sets; shared so the test can move it after the Logger took it.
class PinnedClock : public Clock {
 public:
  explicit PinnedClock(std::shared_ptr<DateTime> now) : now_(std::move(now)) {}
  DateTime Now() const override { return *now_; }

 private:
  std::shared_ptr<DateTime> now_;
};

// The clock of every log line written in the shell tests: 12/10/2026 1:05:09 PM.
inline DateTime TestNow() {
  DateTime when;
  when.date = {2026, 12, 10};
  when.hour = 13;
  when.minute = 5;
  when.second = 9;
  return when;
}

}  // namespace ombrel::testing
