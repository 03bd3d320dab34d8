#include <ctime>

#include "services/logger.h"

namespace ombrel {

namespace {

// The local date and time, as the log stamps its lines.
class SystemClock : public Clock {
 public:
  DateTime Now() const override {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    DateTime when;
    when.date.year = local.tm_year + 1900;
    when.date.month = local.tm_mon + 1;
    when.date.day = local.tm_mday;
    when.hour = local.tm_hour;
    when.minute = local.tm_min;
    when.second = local.tm_sec;
    return when;
  }
};

}  // namespace

std::unique_ptr<Clock> CreateSystemClock() { return std::make_unique<SystemClock>(); }

}  // namespace ombrel
