#include "platform/system_clock.hpp"

#include <time.h>

namespace orvane {

namespace {

template <typename Convert>
TimeOfDay readTimeOfDay(Convert convert) {
  timespec now{};
  clock_gettime(CLOCK_REALTIME, &now);
  tm parts{};
  convert(&now.tv_sec, &parts);
  return TimeOfDay{parts.tm_hour, parts.tm_min, parts.tm_sec,
                   static_cast<int>(now.tv_nsec / 1000000)};
}

}  // namespace

TimeOfDay SystemClock::localTime() const {
  return readTimeOfDay(localtime_r);
}

TimeOfDay SystemClock::utcTime() const {
  return readTimeOfDay(gmtime_r);
}

}  // namespace orvane
